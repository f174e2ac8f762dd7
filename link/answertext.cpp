#include "link/answertext.h"

#include <QCoreApplication>

QString answerErrorText(const UlvoCalc::calcMsg &msg)
{
    const QString text = QString::fromStdString(msg.errorstr());
    if (msg.errornum() == 0)
        return text;
    // One pass over both: the calculator's own text may hold a '%'.
    return QCoreApplication::translate("LinkTexts", "%1 (error code: %2)", "the calculator's error text, then its number")
        .arg(text, QString::number(msg.errornum()));
}

ExchangeFailure refusal(const UlvoCalc::calcMsg &answer)
{
    return {answer.error(), answerErrorText(answer)};
}

bool parseAnswer(const QByteArray &payload, UlvoCalc::calcMsg &msg)
{
    if (msg.ParseFromArray(payload.constData(), payload.size()))
        return true;
    msg.Clear();
    return false;
}
