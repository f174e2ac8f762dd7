#include "cli/clicommand.h"

#include "cli/calcrunner.h"
#include "cli/calcselection.h"
#include "cli/calctasks.h"
#include "cli/clioptions.h"
#include "cli/interruption.h"
#include "cli/progressdisplay.h"
#include "link/backuparchivecheck.h"
#include "link/backupname.h"
#include "link/culvocalc.h"
#include "link/sendplan.h"
#include "safety/backupentries.h"
#include "safety/safetycopies.h"
#include "link/ziparchive.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QSet>
#include <QTimer>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

struct CliCommand {
    Q_DECLARE_TR_FUNCTIONS(CliCommand)
};

// "label: text", for a line that names what it concerns first.
QString labelled(const QString &label, const QString &text)
{
    return CliCommand::tr("%1: %2", "what a line concerns (a program, port or calculator), then the text")
        .arg(label, text);
}

void printTo(std::FILE *stream, const QString &text)
{
    std::fputs(text.toUtf8().constData(), stream);
    std::fputc('\n', stream);
}

void printOut(const QString &text)
{
    printTo(stdout, text);
}

void printError(const QString &text)
{
    printTo(stderr, labelled(QCoreApplication::applicationName(), text));
}

int usageError(const QString &text)
{
    printError(text);
    printTo(stderr, CliCommand::tr("Try '%1 --help' for more information.").arg(QCoreApplication::applicationName()));
    return CliExit::usage;
}

// Local files checked before any calculator is touched. Empty errors: all usable.
struct LocalPlan {
    QList<SendPlan::SendPair> files;
    QStringList notices;
    QStringList errors;
};

LocalPlan planSend(const QStringList &paths)
{
    LocalPlan plan;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (!info.isFile() || !info.isReadable()) {
            plan.errors.append(CliCommand::tr("Can't read file: %1").arg(path));
            continue;
        }
        const QString name = info.fileName();
        const QString calcName = SendPlan::calcName(name);
        if (calcName.isEmpty()) {
            plan.errors.append(CliCommand::tr("%1: no calculator file name can be made from this name").arg(path));
            continue;
        }
        if (SendPlan::place(info.size(), name, calcName, false) == SendPlan::Placement::Skipped) {
            plan.errors.append(CliCommand::tr("%1: the file is empty; empty files are not sent").arg(path));
            continue;
        }
        if (calcName != name)
            plan.notices.append(QStringLiteral("%1 -> %2").arg(name, calcName));
        plan.files.append({info.absoluteFilePath(), calcName});
    }
    return plan;
}

QString folderError(const QString &folder)
{
    const QFileInfo info(folder);
    if (!info.isDir())
        return CliCommand::tr("No such folder: %1").arg(folder);
    if (!info.isWritable())
        return CliCommand::tr("Can't write into the folder: %1").arg(folder);
    return QString();
}

// Where each calculator's backup goes: FILE as given, else NAME-DATE.ubk in the folder; two
// calculators of one name are told apart by their ports.
QStringList backupPaths(const CliOptions &o, const QList<TaskOutcome> &calcs)
{
    if (!o.arguments.isEmpty())
        return {QFileInfo(o.arguments.constFirst()).absoluteFilePath()};
    const QDir folder(o.outputDir.isEmpty() ? QDir::currentPath() : o.outputDir);
    const QDate today = QDate::currentDate();
    QStringList names;
    for (const TaskOutcome &calc : calcs)
        names.append(calc.calcName);
    QStringList paths;
    for (const TaskOutcome &calc : calcs) {
        const QString base = names.count(calc.calcName) > 1 ? calc.calcName + QLatin1Char('-') + calc.port
                                                             : calc.calcName;
        paths.append(folder.absoluteFilePath(defaultBackupName(base, today)));
    }
    return paths;
}

QString padded(const QString &text, int width)
{
    return text.leftJustified(width);
}

void printCalcTable(const QList<TaskOutcome> &calcs)
{
    //: Column headings of the table of attached calculators, upper case as a terminal table's.
    QList<QStringList> rows {{CliCommand::tr("PORT"), CliCommand::tr("NAME"), CliCommand::tr("HARDWARE"),
                              CliCommand::tr("FIRMWARE"), CliCommand::tr("PROTOCOL"), CliCommand::tr("FILES")}};
    for (const TaskOutcome &calc : calcs) {
        const QJsonObject o = calc.json.toObject();
        if (!calc.ok) {
            rows.append({calc.port, CliCommand::tr("(no answer)"), QString(), QString(), QString(), QString()});
            continue;
        }
        rows.append({calc.port, o.value(QStringLiteral("name")).toString(),
                     o.value(QStringLiteral("hardwareVersion")).toString(),
                     o.value(QStringLiteral("firmwareVersion")).toString(),
                     o.value(QStringLiteral("protocolVersion")).toString(),
                     QString::number(o.value(QStringLiteral("files")).toInt())});
    }
    QList<int> widths;
    for (int column = 0; column < rows.constFirst().size(); ++column) {
        int width = 0;
        for (const QStringList &row : qAsConst(rows))
            width = qMax(width, row.at(column).size());
        widths.append(width);
    }
    for (const QStringList &row : qAsConst(rows)) {
        QString line;
        for (int column = 0; column < row.size(); ++column)
            line += column + 1 < row.size() ? padded(row.at(column), widths.at(column) + 2) : row.at(column);
        printOut(line.trimmed());
    }
}

void printFileTable(const QJsonArray &files)
{
    int nameWidth = 0;
    for (const QJsonValue &file : files)
        nameWidth = qMax(nameWidth, file.toObject().value(QStringLiteral("name")).toString().size());
    for (const QJsonValue &file : files) {
        const QJsonObject o = file.toObject();
        printOut(padded(o.value(QStringLiteral("name")).toString(), nameWidth + 2)
                 + QString::number(o.value(QStringLiteral("size")).toInt()).rightJustified(10));
    }
}

void printJson(const QJsonValue &value)
{
    const QJsonDocument document = value.isArray() ? QJsonDocument(value.toArray()) : QJsonDocument(value.toObject());
    std::fputs(document.toJson(QJsonDocument::Indented).constData(), stdout);
}

// Runs `makeTask` on every selected calculator, with progress on a terminal.
QList<TaskOutcome> runWithProgress(const QList<QSerialPortInfo> &ports, const TaskFactory &makeTask, bool quiet)
{
    QStringList labels;
    for (const QSerialPortInfo &port : ports)
        labels.append(port.portName());
    ProgressDisplay progress(stderr, ProgressDisplay::wanted(stderr, quiet), labels);
    return runOnCalcs(ports, makeTask,
                      [&progress](int index, const FileProgress &step) { progress.update(index, step); });
}

int reportOutcomes(const QList<TaskOutcome> &outcomes, bool many, bool quiet)
{
    bool allOk = true;
    for (const TaskOutcome &outcome : outcomes) {
        allOk = allOk && outcome.ok;
        for (const QString &error : outcome.errors)
            printError(many ? labelled(outcome.calcLabel(), error) : error);
        for (const QString &notice : outcome.notices) {
            if (!quiet)
                printOut(many ? labelled(outcome.calcLabel(), notice) : notice);
        }
        if (many) {
            //: A calculator's result line: "ok" or "FAILED", then what was done.
            const QString result = outcome.ok ? CliCommand::tr("ok") : CliCommand::tr("FAILED");
            printOut(labelled(outcome.calcLabel(), outcome.summary.isEmpty()
                                                       ? result
                                                       : CliCommand::tr("%1. %2", "a result, then what was done")
                                                             .arg(result, outcome.summary)));
        } else if (!quiet && !outcome.summary.isEmpty()) {
            printOut(outcome.summary);
        }
    }
    return allOk ? CliExit::success : CliExit::failure;
}

int runList(const CliOptions &o)
{
    const QList<TaskOutcome> calcs = describeCalcs(CUlvoCalc::findCalcs());
    bool allOk = true;
    for (const TaskOutcome &calc : calcs) {
        allOk = allOk && calc.ok;
        for (const QString &error : calc.errors)
            printError(labelled(calc.port, error));
    }
    if (o.json) {
        QJsonArray array;
        for (const TaskOutcome &calc : calcs) {
            array.append(calc.ok ? calc.json
                                 : QJsonObject {{QStringLiteral("port"), calc.port},
                                                {QStringLiteral("error"), calc.errors.join(QStringLiteral("; "))}});
        }
        printJson(array);
    } else if (calcs.isEmpty()) {
        if (!o.quiet)
            printTo(stderr, CliCommand::tr("No calculator is attached"));
    } else {
        printCalcTable(calcs);
    }
    return allOk ? CliExit::success : CliExit::failure;
}

// The entries of --from-backup written as files to send; empty with the reason in errors.
QStringList backupEntryFiles(const CliOptions &o, QStringList &errors)
{
    static QTemporaryDir folder;
    QString error;
    const QStringList files = folder.isValid()
                                  ? extractBackupEntries(o.fromBackup, o.arguments, folder.path(), &error)
                                  : QStringList();
    if (files.isEmpty())
        errors.append(error.isEmpty() ? CliCommand::tr("Can't create a temporary folder") : error);
    return files;
}

// The safety copies, newest first: no calculator is needed.
int runSafety(const CliOptions &o)
{
    const QList<SafetyCopies::Copy> copies = SafetyCopies().list();
    if (o.json) {
        QJsonArray array;
        for (const SafetyCopies::Copy &copy : copies) {
            array.append(QJsonObject {
                {QStringLiteral("path"), copy.path},
                {QStringLiteral("calculator"), copy.calculator},
                {QStringLiteral("date"), copy.taken.toString(Qt::ISODate)},
                {QStringLiteral("kind"), SafetyCopies::kindText(copy.kind)},
                {QStringLiteral("files"), copy.files},
                {QStringLiteral("size"), copy.size},
            });
        }
        printJson(array);
        return CliExit::success;
    }
    if (copies.isEmpty()) {
        if (!o.quiet)
            printTo(stderr, CliCommand::tr("No safety copies in %1").arg(SafetyCopies::defaultFolder()));
        return CliExit::success;
    }
    // The kind in the user's language, padded to the longest so that the columns after it align.
    const int kindWidth = std::max(SafetyCopies::kindLabel(SafetyCopies::Kind::BeforeDelete).size(),
                                   SafetyCopies::kindLabel(SafetyCopies::Kind::BeforeRestore).size());
    for (const SafetyCopies::Copy &copy : copies) {
        // One pass over every field: a calculator's name may hold a '%'.
        //: A safety copy: date, calculator, kind, number of files, size in bytes, path.
        printOut(CliCommand::tr("%1  %2  %3  %n files  %4 bytes  %5", nullptr, copy.files)
                     .arg(copy.taken.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), copy.calculator,
                          SafetyCopies::kindLabel(copy.kind).leftJustified(kindWidth), QString::number(copy.size),
                          copy.path));
    }
    return CliExit::success;
}

QString outputFolder(const CliOptions &o)
{
    return QDir(o.outputDir.isEmpty() ? QDir::currentPath() : o.outputDir).absolutePath();
}

// What the command needs on this computer, checked before any calculator is touched: a mistake
// found later would leave work half done. Prints what is wrong; false then.
bool checkLocalInputs(const CliOptions &o, LocalPlan &send)
{
    QStringList errors;
    const QString &command = o.command;
    if (command == QLatin1String("put") && !o.fromBackup.isEmpty()) {
        send = planSend(backupEntryFiles(o, errors));
        errors += send.errors;
    } else if (command == QLatin1String("put")) {
        send = planSend(o.arguments);
        errors = send.errors;
    } else if (command == QLatin1String("get") || (command == QLatin1String("backup") && o.arguments.isEmpty())) {
        errors << folderError(outputFolder(o));
    } else if (command == QLatin1String("backup")) {
        errors << folderError(QFileInfo(o.arguments.constFirst()).absolutePath());
    } else if (command == QLatin1String("restore") && !QFileInfo(o.arguments.constFirst()).isFile()) {
        errors << CliCommand::tr("Can't read file: %1").arg(o.arguments.constFirst());
    } else if (command == QLatin1String("restore") && o.all) {
        // Checked once before any calculator is erased: a bad archive leaves the whole class as
        // it was. Each link checks it again before erasing its own calculator.
        ZipArchive archive;
        const QString path = QFileInfo(o.arguments.constFirst()).absoluteFilePath();
        const QString problem = checkBackupArchive(archive, path);
        if (!problem.isEmpty())
            errors << CliCommand::tr("Invalid backup file: %1 (%2)").arg(path, problem);
    }
    errors.removeAll(QString());
    for (const QString &error : qAsConst(errors))
        printError(error);
    return errors.isEmpty();
}

// Where each selected calculator's backup goes; empty when one of them would replace a file
// without --force (printed).
QStringList planBackups(const CliOptions &o, const QList<QSerialPortInfo> &ports)
{
    const QStringList paths = backupPaths(o, o.arguments.isEmpty() ? describeCalcs(ports) : QList<TaskOutcome> {});
    bool taken = false;
    for (const QString &path : paths) {
        if (!o.force && QFileInfo::exists(path)) {
            printError(CliCommand::tr("File %1 already exists (use --force to replace it)").arg(path));
            taken = true;
        }
    }
    return taken ? QStringList() : paths;
}

// With --all, a folder for each calculator's files inside the output folder, named after the
// calculator (with its port when two share a name); made here, before any download. Empty when a
// folder cannot be made (printed).
QStringList planCollectFolders(const CliOptions &o, const QList<QSerialPortInfo> &ports)
{
    const QDir root(outputFolder(o));
    const QList<TaskOutcome> calcs = describeCalcs(ports);
    QStringList names;
    for (const TaskOutcome &calc : calcs)
        names.append(calc.calcName);
    QStringList folders;
    for (const TaskOutcome &calc : calcs) {
        const QString name = calcNameForDisk(names.count(calc.calcName) > 1
                                                 ? calc.calcName + QLatin1Char('-') + calc.port
                                                 : calc.calcName);
        if (!root.mkpath(name)) {
            printError(CliCommand::tr("Can't create folder: %1").arg(root.absoluteFilePath(name)));
            return {};
        }
        folders.append(root.absoluteFilePath(name));
    }
    return folders;
}

TaskFactory taskFactory(const CliOptions &o, const LocalPlan &send, const QStringList &targets)
{
    const QString &command = o.command;
    if (command == QLatin1String("get") && o.all) {
        return [names = o.arguments, folders = targets, force = o.force](int index) {
            return std::make_unique<GetTask>(names, folders.at(index), force);
        };
    }
    if (command == QLatin1String("get")) {
        return [names = o.arguments, folder = outputFolder(o), force = o.force](int) {
            return std::make_unique<GetTask>(names, folder, force);
        };
    }
    if (command == QLatin1String("put")) {
        return [files = send.files, force = o.force](int) { return std::make_unique<PutTask>(files, force); };
    }
    if (command == QLatin1String("rm")) {
        return [names = o.arguments, copy = !o.noSafetyCopy](int) {
            return std::make_unique<RemoveTask>(names, copy);
        };
    }
    if (command == QLatin1String("rename"))
        return [name = o.arguments.constFirst()](int) { return std::make_unique<RenameTask>(name); };
    if (command == QLatin1String("restore")) {
        return [path = QFileInfo(o.arguments.constFirst()).absoluteFilePath(), copy = !o.noSafetyCopy](int) {
            return std::make_unique<RestoreTask>(path, copy);
        };
    }
    return [targets](int index) { return std::make_unique<BackupTask>(targets.at(index)); };
}

int runLs(const CliOptions &o, const QList<QSerialPortInfo> &ports)
{
    const TaskOutcome outcome = runOnCalcs(ports, [](int) { return std::make_unique<ListFilesTask>(); }).constFirst();
    for (const QString &error : outcome.errors)
        printError(error);
    if (!outcome.ok)
        return CliExit::failure;
    if (o.json)
        printJson(outcome.json);
    else
        printFileTable(outcome.json.toArray());
    return CliExit::success;
}

int runOnSelection(const CliOptions &o)
{
    LocalPlan send;
    if (!checkLocalInputs(o, send))
        return CliExit::failure;
    const CalcSelection selection = selectCalcs(o.calc, o.all);
    if (!selection.error.isEmpty()) {
        printError(selection.error);
        return selection.exitCode;
    }
    if (o.command == QLatin1String("ls"))
        return runLs(o, selection.ports);

    // Where each calculator's files go: backup archives, or the folders of get --all.
    QStringList targets;
    if (o.command == QLatin1String("backup") || (o.command == QLatin1String("get") && o.all)) {
        targets = o.command == QLatin1String("backup") ? planBackups(o, selection.ports)
                                                       : planCollectFolders(o, selection.ports);
        if (targets.isEmpty())
            return CliExit::failure;
    }
    if (!o.quiet) {
        for (const QString &notice : qAsConst(send.notices))
            printOut(notice);
    }
    return reportOutcomes(runWithProgress(selection.ports, taskFactory(o, send, targets), o.quiet), o.all, o.quiet);
}

// How often watch looks for newly plugged calculators.
constexpr int watchPollMs = 300;

// The station: sends the files to each calculator plugged in after the start, once per plug-in,
// until Ctrl-C or --count calculators. One line per calculator served.
int runWatch(const CliOptions &o)
{
    const LocalPlan send = planSend(o.arguments.mid(1));
    for (const QString &error : send.errors)
        printError(error);
    if (!send.errors.isEmpty())
        return CliExit::failure;
    if (!o.quiet) {
        for (const QString &notice : send.notices)
            printOut(notice);
    }
    const TaskFactory makeTask = [files = send.files, force = o.force](int) {
        return std::make_unique<PutTask>(files, force);
    };
    // Ports present now are left alone; a port that goes away is forgotten, so the calculator
    // plugged in there next is served.
    QSet<QString> known;
    for (const QSerialPortInfo &port : CUlvoCalc::findCalcs())
        known.insert(port.portName());
    std::fflush(stdout);
    printError(CliCommand::tr("Waiting for calculators to be plugged in (Ctrl-C to stop)"));
    int served = 0;
    bool allOk = true;
    while (!Interruption::wasInterrupted() && (o.count == 0 || served < o.count)) {
        QEventLoop pause;
        QTimer::singleShot(watchPollMs, &pause, &QEventLoop::quit);
        pause.exec();
        const QList<QSerialPortInfo> ports = CUlvoCalc::findCalcs();
        QSet<QString> present;
        for (const QSerialPortInfo &port : ports)
            present.insert(port.portName());
        known.intersect(present);
        for (const QSerialPortInfo &port : ports) {
            if (known.contains(port.portName()) || Interruption::wasInterrupted()
                || (o.count != 0 && served >= o.count))
                continue;
            known.insert(port.portName());
            const QList<TaskOutcome> outcomes = runOnCalcs({port}, makeTask);
            allOk = reportOutcomes(outcomes, true, o.quiet) == CliExit::success && allOk;
            // Read as it happens, also through a pipe.
            std::fflush(stdout);
            ++served;
        }
    }
    return allOk ? CliExit::success : CliExit::failure;
}

} // namespace

int runCli(const QStringList &arguments)
{
    const ParsedCommandLine parsed = parseCommandLine(arguments);
    if (!parsed.error.isEmpty())
        return usageError(parsed.error);
    const CliOptions &o = parsed.options;
    switch (o.action) {
    case CliOptions::Action::Help:
        std::fputs(parsed.helpText.toUtf8().constData(), stdout);
        return CliExit::success;
    case CliOptions::Action::Version:
        printOut(QCoreApplication::applicationName() + QLatin1Char(' ') + QCoreApplication::applicationVersion());
        return CliExit::success;
    case CliOptions::Action::Run:
        break;
    }
    Interruption::install();
    int code = 0;
    // Ctrl-C is how a watch ends: its status says whether every calculator served got the files.
    if (o.command == QLatin1String("watch"))
        return runWatch(o);
    if (o.command == QLatin1String("list"))
        code = runList(o);
    else if (o.command == QLatin1String("safety"))
        code = runSafety(o);
    else
        code = runOnSelection(o);
    // Whatever the links had begun is gone by now (each removes its own on stopping).
    return Interruption::wasInterrupted() ? Interruption::interruptedExit : code;
}
