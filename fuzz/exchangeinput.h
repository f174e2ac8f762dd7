#pragma once

#include <QByteArray>
#include <fuzzer/FuzzedDataProvider.h>
#include <google/protobuf/stubs/logging.h>

// Malformed answers are the point here: protobuf's complaint about each would only slow the run.
inline const bool protobufQuiet = (google::protobuf::SetLogHandler(nullptr), true);

// Answer payloads for the exchange targets: each a length-prefixed piece of the input, so the
// fuzzer can grow, split and reorder the calculator's answers.
inline QByteArray nextPayload(FuzzedDataProvider &input)
{
    return QByteArray::fromStdString(input.ConsumeRandomLengthString(4096));
}
