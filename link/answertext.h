#pragma once

#include "serializeData.pb.h"

#include <QString>

// What an exchange that went wrong reports: the calculator's error type (for the link's errorType)
// and a text; an empty text stands for the default text of the error type.
// Bytes that do not read as a message count as UNSPECIFITED_ERROR.
struct ExchangeFailure {
    int errorType = 0;
    QString text;
};

// The text of a failure answer: errorStr, then " (error code: N)" when errorNum is set.
QString answerErrorText(const UlvoCalc::calcMsg &msg);
// The failure a refusing answer stands for: its error type and its own text.
ExchangeFailure refusal(const UlvoCalc::calcMsg &answer);
// Parses a payload into msg; false (msg cleared) when it is not a calcMsg.
bool parseAnswer(const QByteArray &payload, UlvoCalc::calcMsg &msg);
