#pragma once

#include "app/qmlclipboardadapter.h"
#include "app/ulvostartup.h"
#include "editor/editortypes.h"
#include "models/ulvocalcmodel.h"
#include "models/ulvofilemodel.h"
#include "models/ulvofunctreemodel.h"
#include "qmltesthelpers.h"
#include "session/culvocalcsession.h"
#include "textformatprobe.h"

#include <QFile>
#include <QObject>
#include <QQmlContext>
#include <QQmlEngine>
#include <QtQml>

#include <memory>

// Prepares the declarative environment of the QML tests as start-up prepares the application's:
// the registered types first, then per engine the five objects the documents use, plus the
// simulated calculators and test tools.
class QmlTestSetup : public QObject
{
    Q_OBJECT

public slots:
    void applicationAvailable()
    {
        // The file choosers keep their settings under the organisation, as in the application.
        QCoreApplication::setOrganizationName(QStringLiteral("Ulvo"));
        QCoreApplication::setOrganizationDomain(QStringLiteral("ulvo.example"));
        registerEditorTypes();
        UlvoStartup::installFonts();
        qmlRegisterType<TextFormatProbe>("UlvoTest", 1, 0, "TextFormatProbe");
        // One USB double per process; it outlives every engine and every port.
        m_simulator = std::make_unique<QmlSimulator>();
    }

    void qmlEngineAvailable(QQmlEngine *engine)
    {
        // Owned by the engine's object tree, so each test file starts with fresh ones; the
        // engine deletes its children after its own teardown, so bindings never see them go.
        auto *clipboard = new QmlClipboardAdapter(engine);
        auto *calcModel = new UlvoCalcModel(engine);
        auto *fileModel = new UlvoFileModel(engine);
        auto *session = new CUlvoCalcSession(engine);
        session->initialize(calcModel, fileModel);
        // As start-up wires them.
        QObject::connect(session, &CUlvoCalcSession::downloadEnded, clipboard,
                         &QmlClipboardAdapter::keepArrived);
        QFile catalogue(QStringLiteral(":/UlvoFunctions.txt"));
        catalogue.open(QIODevice::ReadOnly);
        QByteArray catalogueText = catalogue.readAll();
        auto *funcModel = new UlvoFuncTreeModel(catalogueText, engine);

        QQmlContext *context = engine->rootContext();
        context->setContextProperty(QStringLiteral("calcSession"), session);
        context->setContextProperty(QStringLiteral("calcModel"), calcModel);
        context->setContextProperty(QStringLiteral("fileModel"), fileModel);
        context->setContextProperty(QStringLiteral("clipboard"), clipboard);
        context->setContextProperty(QStringLiteral("funcModel"), funcModel);
        context->setContextProperty(QStringLiteral("simulator"), m_simulator.get());
        context->setContextProperty(QStringLiteral("testTools"), new QmlTestTools(engine));
    }

    void cleanupTestCase()
    {
        if (m_simulator)
            m_simulator->unplugAll();
    }

private:
    std::unique_ptr<QmlSimulator> m_simulator;
};
