#include "app/singleinstance.h"
#include "app/ulvostartup.h"
#include "translations/uilanguage.h"

#include <QGuiApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    UlvoStartup::prepareApplication();
    QGuiApplication app(argc, argv);
    // Before the window's documents load: their texts are translated as they are created.
    const UiLanguage language(UiLanguage::windowQtCatalogues());
    const QString programFile = UlvoStartup::programFileArgument(QCoreApplication::arguments());
    // A second start brings the running window to the front and hands it its program file.
    SingleInstance instance;
    if (!instance.claim(programFile))
        return 0;
    UlvoStartup startup;
    QObject::connect(&instance, &SingleInstance::activationRequested, [&startup] {
        startup.raiseMainWindow();
    });
    QObject::connect(&instance, &SingleInstance::openRequested, [&startup](const QString &filePath) {
        startup.openProgram(filePath);
    });
    // Once the loop runs, the main window (and with it the editor's opener) exists.
    if (!programFile.isEmpty())
        QTimer::singleShot(0, [&startup, programFile] { startup.openProgram(programFile); });
    return startup.run();
}
