#pragma once

#include <QByteArray>
#include <fuzzer/FuzzedDataProvider.h>

// Answer payloads for the exchange targets: each a length-prefixed piece of the input, so the
// fuzzer can grow, split and reorder the calculator's answers.
inline QByteArray nextPayload(FuzzedDataProvider &input)
{
    return QByteArray::fromStdString(input.ConsumeRandomLengthString(4096));
}
