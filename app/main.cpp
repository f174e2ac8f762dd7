#include "app/ulvostartup.h"

#include <QGuiApplication>

int main(int argc, char *argv[])
{
    UlvoStartup::prepareApplication();
    QGuiApplication app(argc, argv);
    UlvoStartup startup;
    return startup.run();
}
