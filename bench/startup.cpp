// Start-up cost: exec to the first frame of the main window, and peak memory, of the real start-up
// code against a minimal Qt Quick window, both with the default renderer.
// Run by hand under a display: xvfb-run -a build/bench/startup [rounds, default 9]
// Each round starts one of each as a child process, in alternating order; the figures are medians,
// and the ratios are medians of each round's ratios, which keeps a shared machine's load out of
// them. A child stamps the monotonic clock when its window's first frame has been swapped and
// ends at once; its CPU time (all threads) is printed beside the wall time, as it moves less with
// the machine's load; its peak memory is the maximum resident set size the kernel reports for it.

#include "app/ulvostartup.h"
#include "bench/benchsupport.h"

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

using BenchSupport::median;

const char appMode[] = "--child-app";
const char minimalMode[] = "--child-minimal";

double monotonicMs()
{
    timespec t {};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Reports the first frame of the first window the engine creates, on stdout, and ends the process:
// what follows the first frame is not start-up.
void stampFirstFrame(QQmlApplicationEngine *engine)
{
    QObject::connect(engine, &QQmlApplicationEngine::objectCreated, [](QObject *object) {
        auto *window = qobject_cast<QQuickWindow *>(object);
        if (!window)
            return;
        QObject::connect(window, &QQuickWindow::frameSwapped, window, [] {
            std::printf("%.3f\n", monotonicMs());
            std::fflush(stdout);
            std::_Exit(0);
        }, Qt::DirectConnection);
    });
}

int runApp(int argc, char **argv)
{
    UlvoStartup::prepareApplication();
    QGuiApplication app(argc, argv);
    UlvoStartup startup;
    stampFirstFrame(startup.engine());
    return startup.run();
}

int runMinimal(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QQmlApplicationEngine engine;
    stampFirstFrame(&engine);
    engine.loadData("import QtQuick 2.15\nimport QtQuick.Window 2.15\n"
                    "Window { visible: true; width: 800; height: 600; color: \"white\" }\n");
    return QGuiApplication::exec();
}

struct Start {
    double toFirstFrameMs = 0;
    double cpuMs = 0; // all threads, user and system: steadier than wall time on a loaded machine
    double peakMiB = 0;
    bool ok = false;
};

Start startChild(const char *self, const char *mode)
{
    Start result;
    int out[2];
    if (pipe(out) != 0)
        return result;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    // The documents' own console messages are not the benchmark's output.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char *const args[] = {const_cast<char *>(self), const_cast<char *>(mode), nullptr};
    pid_t pid = 0;
    const double spawned = monotonicMs();
    const int failed = posix_spawn(&pid, self, &actions, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (failed != 0) {
        close(out[0]);
        return result;
    }
    std::string text;
    char buf[256];
    ssize_t n = 0;
    while ((n = read(out[0], buf, sizeof buf)) > 0)
        text.append(buf, size_t(n));
    close(out[0]);
    int status = 0;
    rusage usage {};
    wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || text.empty())
        return result;
    result.toFirstFrameMs = std::atof(text.c_str()) - spawned;
    result.cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
                   + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    result.peakMiB = usage.ru_maxrss / 1024.0;
    result.ok = true;
    return result;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && std::strcmp(argv[1], appMode) == 0)
        return runApp(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], minimalMode) == 0)
        return runMinimal(argc, argv);
    if (!std::getenv("DISPLAY")) {
        std::fprintf(stderr, "Needs a display: xvfb-run -a %s\n", argv[0]);
        return 1;
    }
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    // The children keep their settings and runtime files to themselves.
    QTemporaryDir home;
    setenv("XDG_CONFIG_HOME", qPrintable(home.filePath(QStringLiteral("config"))), 1);
    setenv("XDG_RUNTIME_DIR", qPrintable(home.path()), 1);

    std::vector<double> appMs, minimalMs, appCpu, minimalCpu, appMiB, minimalMiB;
    std::vector<double> timeRatio, cpuRatio, memoryRatio;
    for (int round = 0; round < rounds; ++round) {
        // Alternate which goes first, so neither always finds the caches the other warmed.
        Start app, minimal;
        if (round % 2 == 0) {
            app = startChild(argv[0], appMode);
            minimal = startChild(argv[0], minimalMode);
        } else {
            minimal = startChild(argv[0], minimalMode);
            app = startChild(argv[0], appMode);
        }
        if (!app.ok || !minimal.ok) {
            std::fprintf(stderr, "A child did not show its first frame (round %d)\n", round);
            return 1;
        }
        appMs.push_back(app.toFirstFrameMs);
        minimalMs.push_back(minimal.toFirstFrameMs);
        appCpu.push_back(app.cpuMs);
        minimalCpu.push_back(minimal.cpuMs);
        appMiB.push_back(app.peakMiB);
        minimalMiB.push_back(minimal.peakMiB);
        timeRatio.push_back(app.toFirstFrameMs / minimal.toFirstFrameMs);
        cpuRatio.push_back(app.cpuMs / minimal.cpuMs);
        memoryRatio.push_back(app.peakMiB / minimal.peakMiB);
    }
    std::printf("%d rounds, default renderer\n", rounds);
    std::printf("%-26s %12s %12s %14s\n", "", "application", "minimal", "median ratio");
    std::printf("%-26s %12.1f %12.1f %14.2f\n", "exec to first frame (ms)", median(appMs),
                median(minimalMs), median(timeRatio));
    std::printf("%-26s %12.1f %12.1f %14.2f\n", "CPU to first frame (ms)", median(appCpu),
                median(minimalCpu), median(cpuRatio));
    std::printf("%-26s %12.1f %12.1f %14.2f\n", "peak memory (MiB)", median(appMiB),
                median(minimalMiB), median(memoryRatio));
    return 0;
}
