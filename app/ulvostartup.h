#pragma once

#include <QStringList>
#include <QUrl>

#include <memory>

class CUlvoCalcSession;
class QmlClipboardAdapter;
class QQmlApplicationEngine;
class UlvoCalcModel;
class UlvoFileModel;
class UlvoFuncTreeModel;

// Everything the window documents work with, created in the order the documents rely on and
// destroyed in reverse: the engine (and with it every window and binding) goes first, so no
// binding ever sees a destroyed object.
class UlvoStartup
{
public:
    // Identity, high-DPI behaviour and the scene graph's image atlas size; must run before the
    // application object exists.
    static void prepareApplication();
    // Registers the calculator code font, which the editor's views of calculator text use, and
    // makes its base font the application's default for every other text (needs the
    // application). The code font draws codes 0x7F to 0xE2 as calculator symbols, so words with
    // accented letters ("Löschen", "Réessayer", file names, paths) need a font that draws them.
    static void installFonts();

    // Needs the QGuiApplication. Registers the editor types, installs the fonts and the text
    // rendering, creates the objects and the engine and publishes the objects to it.
    UlvoStartup();
    ~UlvoStartup();
    UlvoStartup(const UlvoStartup &) = delete;
    UlvoStartup &operator=(const UlvoStartup &) = delete;

    // Loads the main document and runs the event loop: -1 when the document yields no root
    // object, otherwise the loop's exit code. The window icon is installed as the main window
    // renders its first frame.
    int run(const QUrl &mainDocument = QUrl(QStringLiteral("qrc:/qml/main")));

    // Shows the main window (restored if minimised) in front of the others.
    void raiseMainWindow();
    // Opens a program file of the computer in the editor, as if the user had chosen it there.
    void openProgram(const QString &filePath);

    // The program file named on the command line, as an absolute path: the first argument after
    // the program's name that is not an option (a path or a file URL, as file managers pass
    // them); "" when there is none.
    static QString programFileArgument(const QStringList &arguments);

    QQmlApplicationEngine *engine() const { return m_engine.get(); }
    CUlvoCalcSession *session() const { return m_session.get(); }

private:
    static void installWindowIcon();

    std::unique_ptr<QmlClipboardAdapter> m_clipboard;
    std::unique_ptr<UlvoCalcModel> m_calcModel;
    std::unique_ptr<UlvoFileModel> m_fileModel;
    std::unique_ptr<CUlvoCalcSession> m_session;
    std::unique_ptr<UlvoFuncTreeModel> m_funcModel;
    std::unique_ptr<QQmlApplicationEngine> m_engine;
};
