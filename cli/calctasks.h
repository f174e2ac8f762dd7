#pragma once

#include "cli/calctask.h"
#include "link/sendplan.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// The calculator's side of each command. Each works through the link's own operations.

// Device information and file count (list).
class DescribeTask : public CalcTask
{
public:
    void run(CUlvoCalc &link, TaskContext &context) override;
};

// The calculator's files with their sizes (ls).
class ListFilesTask : public CalcTask
{
public:
    void run(CUlvoCalc &link, TaskContext &context) override;
};

// Downloads the named files into a folder; an existing local file is kept unless forced.
class GetTask : public CalcTask
{
public:
    GetTask(QStringList names, QString folder, bool force);
    void run(CUlvoCalc &link, TaskContext &context) override;

private:
    const QStringList names;
    const QString folder;
    const bool force;
};

// Sends local files under their calculator names; a file already on the calculator is kept
// unless forced.
class PutTask : public CalcTask
{
public:
    PutTask(QList<SendPlan::SendPair> files, bool force);
    void run(CUlvoCalc &link, TaskContext &context) override;

private:
    const QList<SendPlan::SendPair> files;
    const bool force;
};

// Deletes the named files, after keeping a safety copy of them unless told not to; when no copy
// can be made nothing is deleted.
class RemoveTask : public CalcTask
{
public:
    explicit RemoveTask(QStringList names, bool safetyCopy = true);
    void run(CUlvoCalc &link, TaskContext &context) override;

private:
    const QStringList names;
    const bool safetyCopy;
};

class RenameTask : public CalcTask
{
public:
    explicit RenameTask(QString newName);
    void run(CUlvoCalc &link, TaskContext &context) override;

private:
    const QString newName;
};

// Saves every file of the calculator into an archive at `path`; the archive appears there only
// when it is complete.
class BackupTask : public CalcTask
{
public:
    explicit BackupTask(QString path);
    void run(CUlvoCalc &link, TaskContext &context) override;

private:
    const QString path;
};

// Empties the calculator and writes the archive's files to it; the link checks the archive first.
// Unless told not to, a safety copy of the calculator's files is kept before it is emptied; when
// no copy can be made the restore does not start.
class RestoreTask : public CalcTask
{
public:
    explicit RestoreTask(QString path, bool safetyCopy = true);
    void run(CUlvoCalc &link, TaskContext &context) override;

private:
    const QString path;
    const bool safetyCopy;
};
