#pragma once

#include "models/ulvofunctreemodel.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QQmlContext>
#include <QQmlEngine>

#include <memory>

// What the editor window needs from start-up: the code font as the application font and the
// function catalogue as funcModel.
class EditorFixture
{
public:
    void applicationAvailable()
    {
        const int fontId = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/UlvoCodeSaverFont.ttf"));
        const QStringList families = QFontDatabase::applicationFontFamilies(fontId);
        if (!families.isEmpty())
            QGuiApplication::setFont(QFont(families.first(), 11, QFont::Normal, false));

        QFile catalogue(QStringLiteral(":/UlvoFunctions.txt"));
        QByteArray bytes;
        if (catalogue.open(QIODevice::ReadOnly))
            bytes = catalogue.readAll();
        m_funcModel = std::make_unique<UlvoFuncTreeModel>(bytes);
    }

    void qmlEngineAvailable(QQmlEngine *engine)
    {
        engine->rootContext()->setContextProperty(QStringLiteral("funcModel"), m_funcModel.get());
    }

private:
    std::unique_ptr<UlvoFuncTreeModel> m_funcModel;
};
