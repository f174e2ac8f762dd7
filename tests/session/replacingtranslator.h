#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QString>
#include <QTranslator>

// Other words for a few source texts, whatever their context, for as long as it lives: code that
// goes by a text's words instead of by what happened fails once a translation is installed.
class ReplacingTranslator : public QTranslator
{
public:
    explicit ReplacingTranslator(QHash<QString, QString> words)
        : m_words(std::move(words))
    {
        QCoreApplication::installTranslator(this);
    }
    ~ReplacingTranslator() override { QCoreApplication::removeTranslator(this); }

    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *sourceText, const char *, int) const override
    {
        return m_words.value(QString::fromUtf8(sourceText));
    }

private:
    QHash<QString, QString> m_words;
};
