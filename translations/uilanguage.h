#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QTranslator;

// The user's language for as long as it lives: installs the program's translation and Qt's own
// (standard buttons, dialogs, command-line help) for the locale, and removes them again. Without a
// translation for the locale the English source texts show.
class UiLanguage
{
public:
    // Qt's catalogues that the window needs; the tool needs only qtbase and qtserialport.
    static QStringList windowQtCatalogues();
    static QStringList toolQtCatalogues();

    // Needs the application object.
    explicit UiLanguage(const QStringList &qtCatalogues, const QLocale &locale = QLocale::system());
    ~UiLanguage();
    UiLanguage(const UiLanguage &) = delete;
    UiLanguage &operator=(const UiLanguage &) = delete;

    // The language of the program's translation in use ("de", "fr"), or "" for the English texts.
    QString language() const { return m_language; }

private:
    bool install(const QLocale &locale, const QString &catalogue, const QString &folder);

    std::vector<std::unique_ptr<QTranslator>> m_translators;
    QString m_language;
};
