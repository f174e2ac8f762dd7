// The program editor with a long program: a keystroke (the insertion and the re-colouring of what
// changed) and opening the file until the first frame shows its text.
// Run by hand under a display: xvfb-run -a -s "-screen 0 1280x900x24" build/bench/editor [rounds]
// The editor runs with the real start-up objects (catalogue, session, code font) inside a stand-in
// for the main window. Each keystroke is a key press and release sent to the editor's window; the
// figure "to frame" adds the rendering of the next frame. Beside the wall times, the main thread's
// CPU time of the same step. Opening is timed from the call to the
// editor's open function to the frame that follows, round after round.

#include "app/ulvostartup.h"
#include "bench/benchsupport.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <time.h>
#include <vector>

namespace {

using BenchSupport::median;

constexpr int programLines = 5000;

// Lines such as students write: commands, functions, numbers, texts, symbols and nested brackets.
QByteArray longProgram()
{
    const QByteArray lines[] = {
        "Disp(\"RESULT:\",round(sin(X)*12.5+cos(Y),2))",
        "if A\x95" "B and abs(C)>0.001 then",
        "  4.5\xa8" "X:\x7f(X^2+Y^2)\xa8R",
        "  Output(2,1,toString(fMax(X^2-3X,X,-10,10)))",
        "else",
        "  for I,1,dim(\xa6\xc1):\xa6\xc1(I)+1\xa8\xa6\xc1(I):end",
        "end",
        "Pause()",
    };
    QByteArray program;
    for (int i = 0; i < programLines; ++i)
        program += lines[i % 8] + '\n';
    return program;
}

// CPU time of the calling thread in ms: unlike the wall time, it does not grow when a shared
// machine's other work takes the processor away.
double threadCpuMs()
{
    timespec t {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Waits for the window's next frame; the time it took in ms.
double waitForFrame(QQuickWindow *window, QElapsedTimer &since)
{
    QEventLoop loop;
    double at = -1;
    auto swapped = QObject::connect(window, &QQuickWindow::frameSwapped, &loop, [&] {
        at = since.nsecsElapsed() / 1e6;
        loop.quit();
    });
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    window->update();
    loop.exec();
    QObject::disconnect(swapped);
    return at;
}

void key(QQuickWindow *window, int code, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, text);
    QGuiApplication::sendEvent(window, &press);
    QGuiApplication::sendEvent(window, &release);
}

void printFigures(const char *what, std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    std::printf("%-34s median %8.2f   worst %8.2f   (%zu)\n", what, median(values),
                values.empty() ? 0.0 : values.back(), values.size());
}

const char host[] = R"(
import QtQuick 2.15
import "qrc:/qml"
Item {
    id: root
    width: 1200; height: 800
    property alias editor: editorWindow
    Item {
        id: appColors
        property color textDark: "#000000"
        property color listRectangleBack: "#f0f0f0"
        property color fileListViewSelectionBackTrans: "#4001B3E3"
        property color changeNameDialogSelectionTrans: "#6001B3E3"
        property color changeNameDialogSelectionBWTrans: "#60a4a4a4"
        property color headerTableUp: "#fbfbfb"
        property color headerTableBottom: "#dfdfdf"
        property color headerTableBorder: "#9f9f9f"
        property color tableRowFirst: "#ffffff"
        property color tableRowSecond: listRectangleBack
    }
    Item { id: menuStyle; property int size: 40 }
    Editor { id: editorWindow }
}
)";

} // namespace

int main(int argc, char **argv)
{
    UlvoStartup::prepareApplication();
    QGuiApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    UlvoStartup startup;

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("LONG.ucb"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(longProgram()) < 0)
        return 1;
    file.close();

    QQmlComponent component(startup.engine());
    component.setData(host, QUrl(QStringLiteral("qrc:/bench/EditorHost.qml")));
    std::unique_ptr<QObject> root(component.create());
    if (!root) {
        std::fprintf(stderr, "%s\n", qPrintable(component.errorString()));
        return 1;
    }
    auto *editor = qvariant_cast<QQuickWindow *>(root->property("editor"));
    if (!editor)
        return 1;
    editor->setProperty("visible", true);
    QElapsedTimer clock;
    clock.start();
    waitForFrame(editor, clock);

    std::vector<double> open;
    std::vector<double> openCpu;
    std::vector<double> openToFrame;
    const QUrl url = QUrl::fromLocalFile(path);
    for (int round = 0; round < rounds; ++round) {
        // From an empty editor, as after New.
        editor->setProperty("textModified", false);
        editor->close();
        editor->setProperty("visible", true);
        waitForFrame(editor, clock);
        QElapsedTimer since;
        since.start();
        const double cpuBefore = threadCpuMs();
        QVariant opened;
        QMetaObject::invokeMethod(editor, "loadFromComputer", Q_RETURN_ARG(QVariant, opened),
                                  Q_ARG(QVariant, url));
        open.push_back(since.nsecsElapsed() / 1e6);
        openCpu.push_back(threadCpuMs() - cpuBefore);
        openToFrame.push_back(waitForFrame(editor, since));
        if (!opened.toBool())
            return 1;
    }

    // In the middle of the program, on a line with brackets, as a student edits.
    QObject *textArea = editor->findChild<QObject *>(QStringLiteral("textArea"));
    QObject *highlighter = editor->findChild<QObject *>(QStringLiteral("syntaxHighlighter"));
    int middle = -1;
    QMetaObject::invokeMethod(highlighter, "lineStart", Q_RETURN_ARG(int, middle), Q_ARG(int, programLines / 2 + 1));
    textArea->setProperty("cursorPosition", middle + 5);
    waitForFrame(editor, clock);

    std::vector<double> keystroke;
    std::vector<double> keystrokeCpu;
    std::vector<double> keystrokeToFrame;
    const QString typed = QStringLiteral("sin(2)+");
    for (int round = 0; round < rounds * 4; ++round) {
        for (int i = 0; i < typed.size() * 2; ++i) {
            const bool typing = i < typed.size();
            QElapsedTimer since;
            since.start();
            const double cpuBefore = threadCpuMs();
            if (typing)
                key(editor, typed.at(i).toUpper().unicode(), typed.mid(i, 1));
            else
                key(editor, Qt::Key_Backspace, QString());
            keystroke.push_back(since.nsecsElapsed() / 1e6);
            keystrokeCpu.push_back(threadCpuMs() - cpuBefore);
            keystrokeToFrame.push_back(waitForFrame(editor, since));
        }
    }

    std::printf("editor, %d-line program (%lld bytes), %d rounds\n", programLines,
                static_cast<long long>(QFile(path).size()), rounds);
    printFigures("keystroke (ms)", keystroke);
    printFigures("keystroke, main thread CPU (ms)", keystrokeCpu);
    printFigures("keystroke to frame (ms)", keystrokeToFrame);
    printFigures("open (ms)", open);
    printFigures("open, main thread CPU (ms)", openCpu);
    printFigures("open to first frame (ms)", openToFrame);
    return 0;
}
