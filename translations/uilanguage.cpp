#include "translations/uilanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {
const QString programCatalogue = QStringLiteral("ulvo-connect");
const QString programFolder = QStringLiteral(":/translations");
} // namespace

QStringList UiLanguage::windowQtCatalogues()
{
    return {QStringLiteral("qtbase"), QStringLiteral("qtdeclarative"), QStringLiteral("qtquickcontrols"),
            QStringLiteral("qtserialport")};
}

QStringList UiLanguage::toolQtCatalogues()
{
    return {QStringLiteral("qtbase"), QStringLiteral("qtserialport")};
}

UiLanguage::UiLanguage(const QStringList &qtCatalogues, const QLocale &locale)
{
    // English plural forms ("1 file", "2 files") first: a translator installed later is asked
    // first, so they count only where no translation of the user's language answers.
    install(QLocale(QLocale::English), programCatalogue, programFolder);
    const QString qtFolder = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
    for (const QString &catalogue : qtCatalogues)
        install(locale, catalogue, qtFolder);
    if (install(locale, programCatalogue, programFolder)) {
        const QString language = QLocale(m_translators.back()->language()).name().section(QLatin1Char('_'), 0, 0);
        if (language != QLatin1String("en"))
            m_language = language;
    }
}

UiLanguage::~UiLanguage()
{
    // Translators go with the application anyway.
    if (!QCoreApplication::instance())
        return;
    for (const auto &translator : m_translators)
        QCoreApplication::removeTranslator(translator.get());
}

bool UiLanguage::install(const QLocale &locale, const QString &catalogue, const QString &folder)
{
    auto translator = std::make_unique<QTranslator>();
    // Tries the locale's languages in the user's order of preference (LANGUAGE, then LANG and
    // the LC_ variables), each from the most specific name ("de_AT") to the language ("de").
    if (!translator->load(locale, catalogue, QStringLiteral("_"), folder))
        return false;
    if (!QCoreApplication::installTranslator(translator.get()))
        return false;
    m_translators.push_back(std::move(translator));
    return true;
}
