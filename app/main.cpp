#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream(stdout) << "Ulvo Connect 2.6.1\n";
    return 0;
}
