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

void QmlClipboardAdapter::keepArrived(const QList<QUrl> &promised, const QList<QUrl> &arrived)
{
    if (promised.isEmpty() || getUrls() != promised)
        return;
    QList<QUrl> kept;
    for (const QUrl &url : promised) {
        if (arrived.contains(url))
            kept.append(url);
    }
    if (kept == promised)
        return;
    if (kept.isEmpty())
        clipboard->clear(QClipboard::Clipboard);
    else
        setUrls(kept);
}

// Compiled here so that this class links on its own, without the other classes of the library.
#include "moc_qmlclipboardadapter.cpp"
