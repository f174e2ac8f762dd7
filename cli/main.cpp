// ulvo-connect-cli: the command-line front end of Ulvo Connect.

#include "cli/clicommand.h"
#include "translations/uilanguage.h"
#include "ulvobuildinfo.h"

#include <QCoreApplication>
#include <QLoggingCategory>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ulvo-connect-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ULVO_VERSION));
    // The link's diagnostics are for developers; QT_LOGGING_RULES still turns them on.
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    const UiLanguage language(UiLanguage::toolQtCatalogues());
    return runCli(QCoreApplication::arguments());
}
