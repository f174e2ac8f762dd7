// Standalone calculator simulator: plugs simulated calculators into a umockdev testbed and runs a
// program as its child under umockdev-wrapper, so the program finds them as USB serial ports.
// The simulator outlives the program (the testbed must outlive every open port).
#include "tools/simulator/simulatedcalculator.h"
#include "tools/simulator/simulatedusb.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QProcess>
#include <QTextStream>

#include <csignal>
#include <cstdio>
#include <unistd.h>
#include <memory>
#include <vector>

namespace {
qint64 childPid = 0;

void forwardSignal(int sig)
{
    if (childPid > 0)
        ::kill(static_cast<pid_t>(childPid), sig);
}
} // namespace

int main(int argc, char *argv[])
{
    // The testbed itself needs umockdev's view of /sys and /dev: start again under the wrapper.
    if (!qgetenv("LD_PRELOAD").contains("umockdev-preload")) {
        std::vector<char *> args {const_cast<char *>("umockdev-wrapper")};
        args.insert(args.end(), argv, argv + argc);
        args.push_back(nullptr);
        execvp(args[0], args.data());
        std::perror("ulvo-calc-sim: cannot run umockdev-wrapper");
        return 2;
    }
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ulvo-calc-sim"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Simulated Ulvo calculators for Ulvo Connect.\n"
                                                    "Usage: ulvo-calc-sim [options] -- program [args]"));
    parser.addHelpOption();
    QCommandLineOption files(QStringLiteral("files"), QStringLiteral("Seed the calculator's files from <folder>."),
                             QStringLiteral("folder"));
    QCommandLineOption name(QStringLiteral("name"), QStringLiteral("Calculator name."), QStringLiteral("name"),
                            QStringLiteral("ULVO"));
    QCommandLineOption chunk(QStringLiteral("chunk"), QStringLiteral("maxChunkSize the calculator announces."),
                             QStringLiteral("bytes"), QStringLiteral("512"));
    QCommandLineOption count(QStringLiteral("calcs"), QStringLiteral("Number of calculators."),
                             QStringLiteral("n"), QStringLiteral("1"));
    QCommandLineOption delay(QStringLiteral("reply-delay"), QStringLiteral("Wait <ms> before every answer."),
                             QStringLiteral("ms"), QStringLiteral("0"));
    parser.addOptions({files, name, chunk, count, delay});
    parser.process(app);
    const QStringList command = parser.positionalArguments();
    QTextStream err(stderr);
    if (command.isEmpty()) {
        err << "ulvo-calc-sim: no program given (use -- program [args])\n";
        return 2;
    }

    SimulatedUsb usb;
    if (!usb.isValid()) {
        err << "ulvo-calc-sim: cannot create the umockdev testbed\n";
        return 2;
    }
    std::vector<std::unique_ptr<SimulatedCalculator>> calcs;
    const int n = qMax(1, parser.value(count).toInt());
    for (int i = 0; i < n; ++i) {
        SimulatedCalculator::Options options;
        options.name = n == 1 ? parser.value(name) : QStringLiteral("%1-%2").arg(parser.value(name)).arg(i + 1);
        options.maxChunkSize = parser.value(chunk).toInt();
        auto calc = std::make_unique<SimulatedCalculator>(options);
        calc->setReplyDelay(parser.value(delay).toInt());
        if (parser.isSet(files))
            calc->loadFolder(parser.value(files));
        const QString port = usb.plug(calc.get());
        if (port.isEmpty()) {
            err << "ulvo-calc-sim: cannot plug a calculator\n";
            return 2;
        }
        err << "ulvo-calc-sim: calculator \"" << options.name << "\" with " << calc->files().size()
            << " files on " << port << "\n";
        err.flush();
        calcs.push_back(std::move(calc));
    }

    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.setInputChannelMode(QProcess::ForwardedInputChannel);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("UMOCKDEV_DIR"), usb.rootDir());
    child.setProcessEnvironment(env);
    QObject::connect(&child, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), &app,
                     [&app](int code, QProcess::ExitStatus status) {
                         app.exit(status == QProcess::NormalExit ? code : 1);
                     });
    QObject::connect(&child, &QProcess::errorOccurred, &app, [&app, &err](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) {
            err << "ulvo-calc-sim: cannot start the program\n";
            app.exit(2);
        }
    });
    child.start(QStringLiteral("umockdev-wrapper"), command);
    childPid = child.processId();
    std::signal(SIGTERM, forwardSignal);
    std::signal(SIGINT, forwardSignal);
    const int code = app.exec();
    childPid = 0;
    return code;
}
