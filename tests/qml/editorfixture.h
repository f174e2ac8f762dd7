#pragma once

#include "models/ulvocalcmodel.h"
#include "models/ulvofilemodel.h"
#include "models/ulvofunctreemodel.h"
#include "qmlsimulator.h"
#include "session/culvocalcsession.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QQmlContext>
#include <QQmlEngine>

#include <memory>

// What the editor window needs from start-up, published as start-up publishes it: the code font
// as the application font, the function catalogue as funcModel, the session with its models;
// and simulated calculators ("simulator") for the session to find.
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

        m_simulator = std::make_unique<QmlSimulator>();
        m_calcModel = std::make_unique<UlvoCalcModel>();
        m_fileModel = std::make_unique<UlvoFileModel>();
        m_session = std::make_unique<CUlvoCalcSession>();
        m_session->initialize(m_calcModel.get(), m_fileModel.get());
    }

    void qmlEngineAvailable(QQmlEngine *engine)
    {
        QQmlContext *context = engine->rootContext();
        context->setContextProperty(QStringLiteral("calcSession"), m_session.get());
        context->setContextProperty(QStringLiteral("calcModel"), m_calcModel.get());
        context->setContextProperty(QStringLiteral("fileModel"), m_fileModel.get());
        context->setContextProperty(QStringLiteral("funcModel"), m_funcModel.get());
        context->setContextProperty(QStringLiteral("simulator"), m_simulator.get());
    }

    // While the application still exists: the session before the devices it may hold open.
    void cleanupTestCase()
    {
        m_session.reset();
        m_fileModel.reset();
        m_calcModel.reset();
        m_simulator.reset();
        m_funcModel.reset();
    }

private:
    std::unique_ptr<QmlSimulator> m_simulator;
    std::unique_ptr<UlvoCalcModel> m_calcModel;
    std::unique_ptr<UlvoFileModel> m_fileModel;
    std::unique_ptr<CUlvoCalcSession> m_session;
    std::unique_ptr<UlvoFuncTreeModel> m_funcModel;
};
