#include "app/qmlclipboardadapter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMetaType>
#include <QMimeData>

QmlClipboardAdapter::QmlClipboardAdapter(QObject *parent)
    : QObject(parent)
    , clipboard(QGuiApplication::clipboard())
{
    // Lets the invokables take and return URL lists across the meta-object system.
    qRegisterMetaType<QList<QUrl>>("QList<QUrl>");
}

void QmlClipboardAdapter::setUrls(const QList<QUrl> &urls)
{
    auto *mimeData = new QMimeData;
    mimeData->setUrls(urls);
    clipboard->setMimeData(mimeData, QClipboard::Clipboard); // the clipboard takes ownership
}

QList<QUrl> QmlClipboardAdapter::getUrls() const
{
    const QMimeData *mimeData = clipboard->mimeData(QClipboard::Clipboard);
    if (!mimeData || !mimeData->hasUrls())
        return {};
    return mimeData->urls();
}

bool QmlClipboardAdapter::hasUrls() const
{
    // An empty URL list (a copy of nothing) offers nothing to paste.
    return !getUrls().isEmpty();
}

// Compiled here so that this class links on its own, without the other classes of the library.
#include "moc_qmlclipboardadapter.cpp"
