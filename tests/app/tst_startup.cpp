#include "app/ulvostartup.h"
#include "ulvobuildinfo.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <QtTest>

class TestStartup : public QObject
{
    Q_OBJECT

public:
    // Runs before QTEST_MAIN creates the application object, as in the entry routine.
    static void initMain() { UlvoStartup::prepareApplication(); }

private slots:
    void identity()
    {
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Ulvo Connect"));
        QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral(ULVO_VERSION));
        QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Ulvo"));
        QVERIFY(!QCoreApplication::organizationDomain().isEmpty());
        QVERIFY(QCoreApplication::testAttribute(Qt::AA_EnableHighDpiScaling));
    }

    void fontsAndTextRendering()
    {
        UlvoStartup startup;
        const QFont font = QGuiApplication::font();
        QCOMPARE(font.pointSize(), 11);
        QCOMPARE(font.weight(), int(QFont::Normal));
        QVERIFY(!font.italic());
        // The code font's base: the same letters and digits, and accented letters where the code
        // font has calculator symbols.
        QCOMPARE(font.family(), QStringLiteral("DejaVu Sans Mono"));
        QVERIFY(QFontDatabase().families().contains(QStringLiteral("Ulvo Code")));
        QCOMPARE(QQuickWindow::textRenderType(), QQuickWindow::NativeTextRendering);
    }

    // The icon comes as the main window shows its first frame, not before.
    void windowIconOnceShown()
    {
        UlvoStartup startup;
        QSize largest;
        QObject::connect(startup.engine(), &QQmlApplicationEngine::objectCreated, [&](QObject *object) {
            auto *window = qobject_cast<QQuickWindow *>(object);
            if (!window)
                return;
            QObject::connect(window, &QQuickWindow::frameSwapped, window, [&largest, window] {
                // Queued behind the start-up's own handling of the same frame.
                QTimer::singleShot(0, window, [&largest, window] {
                    const QList<QSize> sizes = QGuiApplication::windowIcon().availableSizes();
                    largest = sizes.isEmpty() ? QSize() : sizes.last();
                    window->close();
                });
            }, Qt::QueuedConnection);
        });
        QCOMPARE(startup.run(), 0);
        QCOMPARE(largest, QSize(256, 256));
    }

    void documentWithoutRootObjectExitsWithMinusOne_data()
    {
        QTest::addColumn<QUrl>("document");
        QTest::newRow("missing") << QUrl(QStringLiteral("qrc:/qml/no-such-document"));
        QTest::newRow("cannot create its root")
                << QUrl::fromLocalFile(QStringLiteral(ULVO_TEST_DATA "/broken.qml"));
    }

    void documentWithoutRootObjectExitsWithMinusOne()
    {
        QFETCH(QUrl, document);
        UlvoStartup startup;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(".*"));
        QCOMPARE(startup.run(document), -1);
        QVERIFY(QGuiApplication::topLevelWindows().isEmpty()
                || std::none_of(QGuiApplication::topLevelWindows().cbegin(),
                                QGuiApplication::topLevelWindows().cend(),
                                [](QWindow *w) { return w->isVisible(); }));
    }

    void closingTheMainWindowExitsWithZero()
    {
        UlvoStartup startup;
        bool closed = false;
        // Runs once the event loop has started, with the main window shown.
        QTimer::singleShot(0, [&] {
            const auto roots = startup.engine()->rootObjects();
            auto *window = roots.isEmpty() ? nullptr : qobject_cast<QWindow *>(roots.first());
            if (window && window->isVisible())
                closed = window->close();
        });
        QCOMPARE(startup.run(), 0);
        QVERIFY(closed);
    }

    void diagnosticLinesSilentUnlessEnabled_data()
    {
        QTest::addColumn<QString>("rules");
        QTest::addColumn<bool>("logged");
        QTest::newRow("default") << QString() << false;
        QTest::newRow("editor enabled") << QStringLiteral("ulvo.editor.debug=true") << true;
    }

    // Nothing is written on an ordinary start; the editor's lines appear in their own category
    // when asked for. The editor is created on first use, so the test creates it.
    void diagnosticLinesSilentUnlessEnabled()
    {
        QFETCH(QString, rules);
        QFETCH(bool, logged);
        QLoggingCategory::setFilterRules(rules);
        static QStringList lines;
        lines.clear();
        const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext &context, const QString &message) {
                lines << QString::fromLatin1(context.category) + ": " + message;
            });
        {
            UlvoStartup startup;
            QTimer::singleShot(0, [&] {
                const auto roots = startup.engine()->rootObjects();
                auto *window = roots.isEmpty() ? nullptr : qobject_cast<QWindow *>(roots.first());
                if (!window)
                    return;
                if (auto *editorLoader = window->findChild<QObject *>(QStringLiteral("editorLoader")))
                    editorLoader->setProperty("active", true);
                window->close();
            });
            startup.run();
        }
        qInstallMessageHandler(previous);
        QLoggingCategory::setFilterRules(QString());
        if (logged)
            QVERIFY2(lines.contains(QStringLiteral("ulvo.editor: Editor completed")), qPrintable(lines.join('\n')));
        else
            QVERIFY2(lines.isEmpty(), qPrintable(lines.join('\n')));
    }

    void programFileArgument_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("programFile");
        const QString here = QDir::currentPath();
        QTest::newRow("none") << QStringList{"ulvo-connect"} << QString();
        QTest::newRow("absolute path") << QStringList{"ulvo-connect", "/tmp/A B.ucb"} << "/tmp/A B.ucb";
        QTest::newRow("relative path") << QStringList{"ulvo-connect", "PRG1.ucb"} << here + "/PRG1.ucb";
        QTest::newRow("file URL") << QStringList{"ulvo-connect", "file:///tmp/A%20B%23.ucb"} << "/tmp/A B#.ucb";
        QTest::newRow("options skipped, first file taken")
                << QStringList{"ulvo-connect", "--verbose", "/tmp/1.ucb", "/tmp/2.ucb"} << "/tmp/1.ucb";
    }

    void programFileArgument()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, programFile);
        QCOMPARE(UlvoStartup::programFileArgument(arguments), programFile);
    }

    // A program file given on the command line or by a second start opens in the editor.
    void openProgramShowsItInTheEditor()
    {
        QTemporaryDir folder;
        QFile file(folder.filePath("PRG1.ucb"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Disp 1\xa8" "A\n");
        file.close();

        UlvoStartup startup;
        QString shownName;
        QString shownText;
        QTimer::singleShot(0, [&] {
            startup.openProgram(file.fileName());
            for (QWindow *window : QGuiApplication::topLevelWindows()) {
                if (window->objectName() == QLatin1String("editor") && window->isVisible()) {
                    shownName = window->property("fileName").toString();
                    if (auto *textArea = window->findChild<QObject *>(QStringLiteral("textArea")))
                        shownText = textArea->property("text").toString();
                    window->setProperty("textModified", false);
                    window->close();
                }
            }
            const auto roots = startup.engine()->rootObjects();
            if (auto *main = roots.isEmpty() ? nullptr : qobject_cast<QWindow *>(roots.first()))
                main->close();
        });
        QCOMPARE(startup.run(), 0);
        QCOMPARE(shownName, QStringLiteral("PRG1.ucb"));
        QCOMPARE(shownText, QString::fromLatin1("Disp 1\xa8" "A\n"));
    }

    // What a second start of the program asks of the running one.
    void raiseMainWindowShowsIt()
    {
        UlvoStartup startup;
        bool shown = false;
        QTimer::singleShot(0, [&] {
            const auto roots = startup.engine()->rootObjects();
            auto *window = roots.isEmpty() ? nullptr : qobject_cast<QWindow *>(roots.first());
            if (!window)
                return;
            window->hide();
            startup.raiseMainWindow();
            shown = window->isVisible();
            window->close();
        });
        QCOMPARE(startup.run(), 0);
        QVERIFY(shown);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
