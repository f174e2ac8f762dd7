#include "app/singleinstance.h"
#include "app/ulvostartup.h"

#include <QGuiApplication>

int main(int argc, char *argv[])
{
    UlvoStartup::prepareApplication();
    QGuiApplication app(argc, argv);
    // A second start only brings the running window to the front.
    SingleInstance instance;
    if (!instance.claim())
        return 0;
    UlvoStartup startup;
    QObject::connect(&instance, &SingleInstance::activationRequested, [&startup] {
        startup.raiseMainWindow();
    });
    return startup.run();
}
