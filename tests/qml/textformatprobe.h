#pragma once

#include <QObject>
#include <QQuickTextDocument>
#include <QString>

// Reads back what a syntax highlighter applied to a text area's document, for QML tests.
class TextFormatProbe : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // The foreground colour ("#RRGGBB") that highlighting gives the character at position of the
    // document, or "" when no highlight format with a foreground covers it.
    Q_INVOKABLE QString highlightForeground(QQuickTextDocument *doc, int position) const;
    // The family of the highlight font at position, or "" when no highlight font covers it.
    Q_INVOKABLE QString highlightFontFamily(QQuickTextDocument *doc, int position) const;
};
