// Every image a window document names must be in the resource tree: a missing one only shows
// as an empty button at run time.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

class TestResources : public QObject
{
    Q_OBJECT
private slots:
    void documentsNameOnlyExistingImages();
};

void TestResources::documentsNameOnlyExistingImages()
{
    const QDir qmlDir(QStringLiteral(ULVO_QML_SOURCE_DIR));
    const QStringList documents = qmlDir.entryList({QStringLiteral("*.qml")}, QDir::Files);
    QVERIFY(!documents.isEmpty());
    const QRegularExpression imageUrl(QStringLiteral("qrc:(/(?:images|icons)/[A-Za-z0-9_./]+\\.png)"));
    int named = 0;
    for (const QString &document : documents) {
        QFile file(qmlDir.filePath(document));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        for (auto it = imageUrl.globalMatch(text); it.hasNext();) {
            const QString path = QLatin1Char(':') + it.next().captured(1);
            ++named;
            QVERIFY2(QFile::exists(path), qPrintable(document + QStringLiteral(" names ") + path));
        }
    }
    QVERIFY(named > 0);
    QVERIFY(QFile::exists(QStringLiteral(":/icons/logo.png")));
}

QTEST_GUILESS_MAIN(TestResources)
#include "tst_resources.moc"
