#pragma once

#include <QString>

// How one calculator's last operation ended, kept apart from every other calculator's: its row
// shows it, and a class operation sums these up.
struct CalcState {
    enum class Result { None, Running, Succeeded, Failed, Cancelled };
    Result result = Result::None;
    // The end text: the operation's success text, "Error: " and its error, or what a stop did.
    QString text;
    // The failure alone, without "Error: "; empty unless the result is Failed.
    QString error;
};
