#pragma once

#include <QObject>
#include <QString>

// One catalogue entry as the editor sees it: the token that activating it inserts and the help
// text shown while it is current.
class UlvoFuncType : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString funcName READ funcName WRITE setFuncName NOTIFY funcNameChanged)
    Q_PROPERTY(QString funcDesc READ funcDesc WRITE setFuncDesc NOTIFY funcDescChanged)

public:
    explicit UlvoFuncType(QObject *parent = nullptr) : QObject(parent) {}

    QString funcName() const { return m_funcName; }
    QString funcDesc() const { return m_funcDesc; }

    // Writes notify even when the value is unchanged; bindings simply re-read it.
    void setFuncName(const QString &funcName)
    {
        m_funcName = funcName;
        emit funcNameChanged();
    }
    void setFuncDesc(const QString &funcDesc)
    {
        m_funcDesc = funcDesc;
        emit funcDescChanged();
    }

signals:
    void funcNameChanged();
    void funcDescChanged();

private:
    QString m_funcName;
    QString m_funcDesc;
};
