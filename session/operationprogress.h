#pragma once

#include "link/transferprogress.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>

// The progress of one calculator's running operation as the window shows it: what kind of
// operation, where its link stands, and the words for it.
class OperationProgress
{
    Q_DECLARE_TR_FUNCTIONS(OperationProgress)

public:
    enum class Kind { None, Download, Send, Backup, Restore, EditorOpen, EditorSend };
    // Time left is guessed only once this many reports have come with bytes moved.
    static constexpr int reportsBeforeEstimate = 3;

    OperationProgress() = default;
    explicit OperationProgress(Kind kind);

    Kind kind() const { return m_kind; }
    QString kindName() const;
    const TransferProgress &state() const { return m_state; }
    bool hasReported() const { return m_reports > 0; }
    void take(const TransferProgress &state);

    // -1 while no estimate can be made.
    int secondsLeft() const;
    int percent() const;
    // Only a restore that has not begun clearing the calculator can be stopped without loss.
    bool canCancel() const;
    // "Downloading PICTURE1.BIN (3 of 7) — 45 %, about 12 s left"
    QString text() const;
    // What was done, once the operation stopped because the user asked it to.
    QString cancelledText() const;

private:
    // " NAME (3 of 7) — 45 %, about 12 s left", as far as known.
    QString fileAndPercent() const;

    Kind m_kind = Kind::None;
    TransferProgress m_state;
    QElapsedTimer m_clock;
    int m_reports = 0;
    int m_movingReports = 0;
};
