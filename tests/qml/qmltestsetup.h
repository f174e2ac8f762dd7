#pragma once

#include "editor/editortypes.h"
#include "editorfixture.h"
#include "textformatprobe.h"

#include <QObject>
#include <QQmlEngine>
#include <QtQml>

// Prepares the declarative environment of the QML tests as start-up prepares the application's:
// the registered types now, context properties once the engine exists.
class QmlTestSetup : public QObject
{
    Q_OBJECT

public slots:
    void applicationAvailable()
    {
        registerEditorTypes();
        qmlRegisterType<TextFormatProbe>("UlvoTest", 1, 0, "TextFormatProbe");
        m_editorFixture.applicationAvailable();
    }

    void qmlEngineAvailable(QQmlEngine *engine)
    {
        m_editorFixture.qmlEngineAvailable(engine);
    }

    void cleanupTestCase()
    {
        m_editorFixture.cleanupTestCase();
    }

private:
    EditorFixture m_editorFixture;
};
