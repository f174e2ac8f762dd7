#include "qml/qmltestsetup.h"
#include "translations/uilanguage.h"

#include <QtQuickTest>

// The window's tests of language: the setup of the other QML tests, plus the translations that
// the application installs for the system locale, and that locale's language as `uiLanguage`.
class LanguageTestSetup : public QmlTestSetup
{
    Q_OBJECT

public slots:
    void applicationAvailable()
    {
        QmlTestSetup::applicationAvailable();
        m_language = std::make_unique<UiLanguage>(UiLanguage::windowQtCatalogues());
    }

    void qmlEngineAvailable(QQmlEngine *engine)
    {
        QmlTestSetup::qmlEngineAvailable(engine);
        engine->rootContext()->setContextProperty(QStringLiteral("uiLanguage"), m_language->language());
    }

    void cleanupTestCase()
    {
        QmlTestSetup::cleanupTestCase();
        m_language.reset();
    }

private:
    std::unique_ptr<UiLanguage> m_language;
};

QUICK_TEST_MAIN_WITH_SETUP(qml_language, LanguageTestSetup)

#include "tst_qml_language.moc"
