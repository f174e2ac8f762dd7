#include "link/answertext.h"

QString answerErrorText(const UlvoCalc::calcMsg &msg)
{
    QString text = QString::fromStdString(msg.errorstr());
    if (msg.errornum() != 0)
        text += QStringLiteral(" (error code: ") + QString::number(msg.errornum()) + QLatin1Char(')');
    return text;
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
