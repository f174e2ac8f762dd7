#pragma once

#include <QFont>
#include <QObject>
#include <QTextCharFormat>
#include <QVariant>

// Lets the meta-object cast hand out the format part of a TextCharFormat by the class name.
Q_DECLARE_INTERFACE(QTextCharFormat, "QTextCharFormat")

// A character format that window documents declare as an object; the object is itself the format.
class TextCharFormat : public QObject, public QTextCharFormat
{
    Q_OBJECT
    Q_INTERFACES(QTextCharFormat)
    Q_PROPERTY(QFont font READ font WRITE setFont NOTIFY fontChanged)
    Q_PROPERTY(QVariant foreground READ foreground WRITE setForeground NOTIFY foregroundChanged)

public:
    explicit TextCharFormat(QObject *parent = nullptr);

    QFont font() const;
    void setFont(const QFont &font);

    // The colour of the foreground brush.
    QVariant foreground() const;
    // Takes anything naming a valid colour; anything else is ignored.
    void setForeground(const QVariant &value);

signals:
    void fontChanged();
    void foregroundChanged();
};
