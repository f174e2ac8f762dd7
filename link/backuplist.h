#pragma once

#include "serializeData.pb.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>

// Collects the answers to GET_BACKUP_INFO, without any I/O: descriptors come without acks and
// end with one whose name is empty. Every name must be a valid calculator name, since it becomes
// an archive entry that other tools extract too.
class BackupListCollector
{
    Q_DECLARE_TR_FUNCTIONS(BackupListCollector)

public:
    enum class Step { NeedMore, Complete, Failed };

    Step take(const QByteArray &payload);
    // The descriptors in arrival order, once Complete (possibly empty).
    const QList<UlvoCalc::fileInf> &list() const { return m_list; }
    // The text to report, once Failed.
    const QString &failureText() const { return m_failure; }

private:
    Step fail(const QString &text);

    QList<UlvoCalc::fileInf> m_list;
    QString m_failure;
    bool m_finished = false;
};
