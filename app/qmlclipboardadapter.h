#ifndef QMLCLIPBOARDADAPTER_H
#define QMLCLIPBOARDADAPTER_H

#include <QList>
#include <QObject>
#include <QUrl>

class QClipboard;

// The system clipboard as seen by the window documents: a list of file URLs.
// The application object must exist before an adapter is created.
class QmlClipboardAdapter : public QObject
{
    Q_OBJECT

public:
    explicit QmlClipboardAdapter(QObject *parent = nullptr);

    Q_INVOKABLE void setUrls(const QList<QUrl> &urls);
    Q_INVOKABLE QList<QUrl> getUrls() const;
    Q_INVOKABLE bool hasUrls() const;

public slots:
    // A download has ended: when the clipboard still offers the files it promised (a copy put
    // them there before they existed), it keeps only those that arrived, and is cleared when
    // none did. Any other content stays.
    void keepArrived(const QList<QUrl> &promised, const QList<QUrl> &arrived);

private:
    QClipboard *clipboard; // the application's, not owned
};

#endif // QMLCLIPBOARDADAPTER_H
