#include "app/ulvostartup.h"

#include "app/applog.h"
#include "app/qmlclipboardadapter.h"
#include "editor/editortypes.h"
#include "models/ulvocalcmodel.h"
#include "models/ulvofilemodel.h"
#include "models/ulvofunctreemodel.h"
#include "session/culvocalcsession.h"
#include "ulvobuildinfo.h"

#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QIcon>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickWindow>
#include <QWindow>

void UlvoStartup::installFonts()
{
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/UlvoCodeSaverFont.ttf"));
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/UlvoUiFont-Bold.ttf"));
    const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/UlvoUiFont.ttf"));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty())
        return; // keep the platform font rather than a font of an unknown family
    QGuiApplication::setFont(QFont(families.first(), 11, QFont::Normal, false));
}

Q_LOGGING_CATEGORY(lcApp, "ulvo.app", QtCriticalMsg)

namespace {

QByteArray readCatalogue()
{
    QFile file(QStringLiteral(":/UlvoFunctions.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

void UlvoStartup::prepareApplication()
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QCoreApplication::setApplicationName(QStringLiteral(ULVO_PROGRAM_NAME));
    QCoreApplication::setApplicationVersion(QStringLiteral(ULVO_VERSION));
    QCoreApplication::setOrganizationDomain(QStringLiteral("ulvo.example"));
    QCoreApplication::setOrganizationName(QStringLiteral("Ulvo"));
    QGuiApplication::setDesktopFileName(QStringLiteral(ULVO_APP_ID)); // Wayland finds the icon by it

    // The scene graph sizes its image atlas by the window: 2048 x 1024 pixels, 8 MiB, for ours,
    // which a software renderer keeps in the process's memory. The window's images are twenty
    // small tool icons; larger images simply get textures of their own.
    if (!qEnvironmentVariableIsSet("QSG_ATLAS_WIDTH") && !qEnvironmentVariableIsSet("QSG_ATLAS_HEIGHT")) {
        qputenv("QSG_ATLAS_WIDTH", "512");
        qputenv("QSG_ATLAS_HEIGHT", "512");
    }
}

UlvoStartup::UlvoStartup()
{
    registerEditorTypes();
    installFonts();
    // Every text is drawn as the desktop draws it, hinted to the pixel grid: crisper at the
    // window's small sizes than scalable distance-field text, and quicker to set up.
    QQuickWindow::setTextRenderType(QQuickWindow::NativeTextRendering);

    m_clipboard = std::make_unique<QmlClipboardAdapter>();
    m_calcModel = std::make_unique<UlvoCalcModel>();
    m_fileModel = std::make_unique<UlvoFileModel>();
    m_session = std::make_unique<CUlvoCalcSession>(nullptr);
    m_session->initialize(m_calcModel.get(), m_fileModel.get());
    // A copy offers the files before they are downloaded; only those that arrive stay offered.
    QObject::connect(m_session.get(), &CUlvoCalcSession::downloadEnded, m_clipboard.get(),
                     &QmlClipboardAdapter::keepArrived);
    QByteArray catalogue = readCatalogue();
    m_funcModel = std::make_unique<UlvoFuncTreeModel>(catalogue);

    m_engine = std::make_unique<QQmlApplicationEngine>();
    QQmlContext *context = m_engine->rootContext();
    context->setContextProperty(QStringLiteral("calcSession"), m_session.get());
    context->setContextProperty(QStringLiteral("calcModel"), m_calcModel.get());
    context->setContextProperty(QStringLiteral("fileModel"), m_fileModel.get());
    context->setContextProperty(QStringLiteral("clipboard"), m_clipboard.get());
    context->setContextProperty(QStringLiteral("funcModel"), m_funcModel.get());
}

// Members are destroyed in reverse order of declaration: engine first, clipboard last.
UlvoStartup::~UlvoStartup() = default;

void UlvoStartup::raiseMainWindow()
{
    const QList<QObject *> roots = m_engine->rootObjects();
    auto *window = roots.isEmpty() ? nullptr : qobject_cast<QWindow *>(roots.first());
    if (!window)
        return;
    if (window->windowState() & Qt::WindowMinimized)
        window->showNormal();
    else
        window->show();
    window->raise();
    window->requestActivate();
}

void UlvoStartup::openProgram(const QString &filePath)
{
    m_session->editFileOnComputer(filePath);
}

QString UlvoStartup::programFileArgument(const QStringList &arguments)
{
    for (const QString &argument : arguments.mid(1)) {
        if (argument.startsWith(QLatin1Char('-')))
            continue;
        const QUrl url(argument);
        const QString path = url.isLocalFile() ? url.toLocalFile() : argument;
        return QFileInfo(path).absoluteFilePath();
    }
    return QString();
}

void UlvoStartup::installWindowIcon()
{
    if (QGuiApplication::windowIcon().isNull())
        QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/logo.png")));
}

int UlvoStartup::run(const QUrl &mainDocument)
{
    m_engine->load(mainDocument);
    const QList<QObject *> roots = m_engine->rootObjects();
    if (roots.isEmpty())
        return -1;
    // Decoding the icon and handing it to the window system need not delay the first frame: it is
    // done while the scene graph renders that frame on its own thread, or once the frame is shown
    // where it renders on this one.
    if (auto *window = qobject_cast<QQuickWindow *>(roots.first())) {
        // Both connections end with this object, once the icon is in.
        auto *once = new QObject(window);
        const auto install = [once] {
            installWindowIcon();
            once->deleteLater();
        };
        QObject::connect(window, &QQuickWindow::sceneGraphInitialized, once, install, Qt::QueuedConnection);
        QObject::connect(window, &QQuickWindow::frameSwapped, once, install, Qt::QueuedConnection);
    } else {
        installWindowIcon();
    }
    return QGuiApplication::exec();
}
