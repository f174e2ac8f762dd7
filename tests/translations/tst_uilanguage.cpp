#include "translations/uilanguage.h"

#include <QCoreApplication>
#include <QtTest>

// The translations installed for a locale: the program's own (compiled in) and Qt's (from the
// system's Qt translations), and nothing left behind once the language object goes.
class TestUiLanguage : public QObject
{
    Q_OBJECT

private slots:
    void followsTheLocale_data();
    void followsTheLocale();
    void translatorsGoWithIt();
};

void TestUiLanguage::followsTheLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("qtCancel"); // Qt's own text of the Cancel button

    QTest::newRow("German") << QLocale(QStringLiteral("de_DE")) << "de" << "Abbrechen";
    QTest::newRow("Austrian German, by its language") << QLocale(QStringLiteral("de_AT")) << "de" << "Abbrechen";
    QTest::newRow("French") << QLocale(QStringLiteral("fr_FR")) << "fr" << "Annuler";
    QTest::newRow("Swiss French, by its language") << QLocale(QStringLiteral("fr_CH")) << "fr" << "Annuler";
    QTest::newRow("C") << QLocale::c() << "" << "Cancel";
    QTest::newRow("British English") << QLocale(QStringLiteral("en_GB")) << "" << "Cancel";
    QTest::newRow("a language without translation") << QLocale(QStringLiteral("el_GR")) << "" << "Cancel";
}

void TestUiLanguage::followsTheLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, language);
    QFETCH(QString, qtCancel);

    const UiLanguage uiLanguage(UiLanguage::toolQtCatalogues(), locale);
    QCOMPARE(uiLanguage.language(), language);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), qtCancel);
}

void TestUiLanguage::translatorsGoWithIt()
{
    {
        const UiLanguage german(UiLanguage::windowQtCatalogues(), QLocale(QStringLiteral("de_DE")));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    }
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}

QTEST_GUILESS_MAIN(TestUiLanguage)
#include "tst_uilanguage.moc"
