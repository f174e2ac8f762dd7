#include "cli/clioptions.h"

#include "link/calcrules.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

struct CliOptionsText {
    Q_DECLARE_TR_FUNCTIONS(CliOptionsText)
};

using CalcRules::maxCalcNameLength;

struct CommandRule {
    const char *name;
    int minArgs;
    int maxArgs; // -1: any number
    // Options the command takes besides --quiet and --help.
    bool calc, all, force, yes, output, json, count;
};

// clang-format off
const CommandRule rules[] = {
    //  name       min max  calc   all    force  yes    output json count
    {"list",      0,  0,   false, false, false, false, false, true,  false},
    {"ls",        0,  0,   true,  false, false, false, false, true,  false},
    {"get",       1, -1,   true,  true,  true,  false, true,  false, false},
    {"put",       1, -1,   true,  true,  true,  false, false, false, false},
    {"rm",        1, -1,   true,  true,  false, false, false, false, false},
    {"rename",    1,  1,   true,  false, false, false, false, false, false},
    {"backup",    0,  1,   true,  true,  true,  false, true,  false, false},
    {"restore",   1,  1,   true,  true,  false, true,  false, false, false},
    {"safety",    0,  0,   false, false, false, false, false, true,  false},
    {"watch",     2, -1,   false, false, true,  false, false, false, true},
};
// clang-format on

//: The tool's description in --help. Keep the command names, options and upper-case words (NAME,
//: FILE, DIR) as they are, the columns aligned and every line within 80 characters.
const char *const description = QT_TRANSLATE_NOOP("CliOptionsText",
    "Exchanges files with Ulvo graphing calculators attached by USB.\n"
    "\n"
    "Commands:\n"
    "  list                       The attached calculators: port, name, hardware,\n"
    "                             firmware and protocol versions, number of files.\n"
    "  ls                         The files of a calculator with their sizes.\n"
    "  get NAME...                Download files into the current folder (or -o DIR).\n"
    "                             Existing files are kept unless --force. With --all,\n"
    "                             each calculator's files go into a folder of its own\n"
    "                             named after it.\n"
    "  put FILE...                Send files under their calculator names (each name\n"
    "                             that has to change is printed). Files already on the\n"
    "                             calculator are kept unless --force.\n"
    "  put --from-backup ARCHIVE NAME...\n"
    "                             Send the named entries of a backup archive, leaving\n"
    "                             every other file on the calculator as it is.\n"
    "  rm NAME...                 Delete files on the calculator, after keeping a\n"
    "                             safety copy of them (see safety).\n"
    "  rename NEWNAME             Give the calculator a new name (at most %1 characters).\n"
    "  backup [FILE]              Save every file of the calculator into one archive;\n"
    "                             by default NAME-YYYY-MM-DD.ubk in the current folder\n"
    "                             (or -o DIR). The archive appears only when complete.\n"
    "  restore FILE --yes         Erase the calculator and write the archive's files\n"
    "                             to it. The archive is checked before anything is erased;\n"
    "                             a safety copy of the calculator's files is kept first.\n"
    "  safety                     The safety copies kept before rm and restore erased\n"
    "                             files, newest first (--no-safety-copy keeps none).\n"
    "  watch put FILE...          Send the files to each calculator plugged in from now\n"
    "                             on, once per plug-in, one line each; those attached\n"
    "                             already are left alone. Ends on Ctrl-C or after\n"
    "                             --count N calculators; the exit status is 0 only when\n"
    "                             every calculator served got every file.\n"
    "\n"
    "Choosing a calculator: without --calc the only attached calculator is used; with\n"
    "two or more, --calc SEL names one by its port (ttyACM0 or /dev/ttyACM0) or by its\n"
    "name. get, put, rm, backup and restore take --all: every attached calculator at\n"
    "the same time, one result line each.\n"
    "\n"
    "Exit status: 0 success, 1 a failure reported by a calculator or the link (with\n"
    "--all: by any calculator), 2 a usage error, 130 interrupted (Ctrl-C).");

const CommandRule *findRule(const QString &command)
{
    for (const CommandRule &rule : rules) {
        if (command == QLatin1String(rule.name))
            return &rule;
    }
    return nullptr;
}

QString notApplying(const QString &command, const char *option)
{
    return CliOptionsText::tr("%1: option %2 does not apply").arg(command, QLatin1String(option));
}

QString checkAgainstRule(const CommandRule &rule, const CliOptions &o)
{
    const QString command = o.command;
    const int count = o.arguments.size();
    if (count < rule.minArgs)
        return CliOptionsText::tr("%1: missing argument").arg(command);
    if (rule.maxArgs >= 0 && count > rule.maxArgs)
        return CliOptionsText::tr("%1: too many arguments").arg(command);
    const struct {
        bool given;
        bool allowed;
        const char *option;
    } checks[] = {
        {!o.calc.isEmpty(), rule.calc, "--calc"}, {o.all, rule.all, "--all"},
        {o.force, rule.force, "--force"},         {o.yes, rule.yes, "--yes"},
        {!o.outputDir.isEmpty(), rule.output, "--output"}, {o.json, rule.json, "--json"},
        {o.count != 0, rule.count, "--count"},
    };
    for (const auto &check : checks) {
        if (check.given && !check.allowed)
            return notApplying(command, check.option);
    }
    if (o.noSafetyCopy && command != QLatin1String("rm") && command != QLatin1String("restore"))
        return notApplying(command, "--no-safety-copy");
    if (!o.fromBackup.isEmpty() && command != QLatin1String("put"))
        return notApplying(command, "--from-backup");
    if (o.all && !o.calc.isEmpty())
        return CliOptionsText::tr("%1: --calc and --all exclude each other").arg(command);
    if (command == QLatin1String("backup") && count == 1 && (o.all || !o.outputDir.isEmpty()))
        return CliOptionsText::tr("backup: give either FILE or --all/--output, not both");
    if (command == QLatin1String("restore") && !o.yes)
        return CliOptionsText::tr("restore erases every file on the calculator first: add --yes to go ahead");
    if (command == QLatin1String("watch") && o.arguments.constFirst() != QLatin1String("put"))
        return CliOptionsText::tr("watch: only put can be watched");
    if (command == QLatin1String("rename")) {
        const QString name = o.arguments.constFirst();
        if (name.isEmpty())
            return CliOptionsText::tr("rename: the new name is empty");
        if (name.size() > maxCalcNameLength)
            return CliOptionsText::tr("rename: the new name is longer than %1 characters").arg(maxCalcNameLength);
    }
    if (command != QLatin1String("list") && command != QLatin1String("ls")
        && command != QLatin1String("rename")) {
        for (const QString &argument : o.arguments) {
            if (argument.isEmpty())
                return CliOptionsText::tr("%1: an argument is empty").arg(command);
        }
    }
    return QString();
}

} // namespace

QStringList cliCommands()
{
    QStringList names;
    for (const CommandRule &rule : rules)
        names.append(QLatin1String(rule.name));
    return names;
}

ParsedCommandLine parseCommandLine(const QStringList &arguments)
{
    ParsedCommandLine result;
    CliOptions &o = result.options;

    QCommandLineParser parser;
    parser.setApplicationDescription(CliOptionsText::tr(description).arg(maxCalcNameLength));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  CliOptionsText::tr("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     CliOptionsText::tr("Show the version and exit."));
    const QCommandLineOption calc({QStringLiteral("c"), QStringLiteral("calc")},
                                  CliOptionsText::tr("The calculator to use: a port name or a calculator name."),
                                  QStringLiteral("SEL"));
    const QCommandLineOption all({QStringLiteral("a"), QStringLiteral("all")},
                                 CliOptionsText::tr("get, put, rm, backup, restore: every attached calculator at once."));
    const QCommandLineOption force({QStringLiteral("f"), QStringLiteral("force")},
                                   CliOptionsText::tr("get, put, backup: replace files that already exist."));
    const QCommandLineOption yes({QStringLiteral("y"), QStringLiteral("yes")},
                                 CliOptionsText::tr("restore: agree that the calculator is erased first."));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    CliOptionsText::tr("get, backup: the folder to write into (default: the current folder)."),
                                    QStringLiteral("DIR"));
    const QCommandLineOption json(QStringLiteral("json"),
                                  CliOptionsText::tr("list, ls, safety: print JSON instead of a table."));
    const QCommandLineOption quiet({QStringLiteral("q"), QStringLiteral("quiet")},
                                   CliOptionsText::tr("No progress and no notices; errors and results only."));
    const QCommandLineOption noSafetyCopy(QStringLiteral("no-safety-copy"),
                                          CliOptionsText::tr("rm, restore: keep no safety copy of what is erased."));
    const QCommandLineOption fromBackup(QStringLiteral("from-backup"),
                                        CliOptionsText::tr("put: send the named entries of this backup archive."),
                                        QStringLiteral("ARCHIVE"));
    const QCommandLineOption count(QStringLiteral("count"),
                                   CliOptionsText::tr("watch: end after N calculators."), QStringLiteral("N"));
    parser.addOptions({help, version, calc, all, force, yes, output, json, quiet, noSafetyCopy, fromBackup, count});
    parser.addPositionalArgument(QStringLiteral("command"), CliOptionsText::tr("One of the commands above."),
                                 QStringLiteral("<command>"));
    parser.addPositionalArgument(QStringLiteral("arguments"), CliOptionsText::tr("The command's arguments."),
                                 QStringLiteral("[arguments...]"));
    // The usage line names the tool, not the path it was started by. The path is the help's first
    // word after "Usage:", which Qt translates: it is found by itself.
    result.helpText = parser.helpText();
    if (!arguments.isEmpty() && !arguments.constFirst().isEmpty() && !QCoreApplication::applicationName().isEmpty()) {
        const int at = result.helpText.indexOf(arguments.constFirst());
        if (at >= 0)
            result.helpText.replace(at, arguments.constFirst().size(), QCoreApplication::applicationName());
    }

    if (!parser.parse(arguments)) {
        result.error = parser.errorText();
        return result;
    }
    if (parser.isSet(help)) {
        o.action = CliOptions::Action::Help;
        return result;
    }
    if (parser.isSet(version)) {
        o.action = CliOptions::Action::Version;
        return result;
    }
    QStringList positional = parser.positionalArguments();
    if (positional.isEmpty()) {
        result.error = CliOptionsText::tr("no command given");
        return result;
    }
    o.command = positional.takeFirst();
    o.arguments = positional;
    o.calc = parser.value(calc);
    o.all = parser.isSet(all);
    o.force = parser.isSet(force);
    o.yes = parser.isSet(yes);
    o.outputDir = parser.value(output);
    o.json = parser.isSet(json);
    o.quiet = parser.isSet(quiet);
    o.noSafetyCopy = parser.isSet(noSafetyCopy);
    o.fromBackup = parser.value(fromBackup);
    if (parser.isSet(fromBackup) && o.fromBackup.isEmpty()) {
        result.error = CliOptionsText::tr("--from-backup needs an archive");
        return result;
    }
    if (parser.isSet(calc) && o.calc.isEmpty()) {
        result.error = CliOptionsText::tr("--calc needs a port or calculator name");
        return result;
    }
    if (parser.isSet(count)) {
        bool ok = false;
        o.count = parser.value(count).toInt(&ok);
        if (!ok || o.count <= 0) {
            result.error = CliOptionsText::tr("--count needs a number above 0");
            return result;
        }
    }
    if (parser.isSet(output) && o.outputDir.isEmpty()) {
        result.error = CliOptionsText::tr("--output needs a folder");
        return result;
    }
    const CommandRule *rule = findRule(o.command);
    if (!rule) {
        result.error = CliOptionsText::tr("unknown command: %1").arg(o.command);
        return result;
    }
    result.error = checkAgainstRule(*rule, o);
    return result;
}
