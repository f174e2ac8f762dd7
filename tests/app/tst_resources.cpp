// Every image a window document names must be in the resource tree: a missing one only shows
// as an empty button at run time. The 24 px tool images carry a twin of twice the size, which Qt
// picks on a screen scaled by two; without it they are drawn blurred there.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QRegularExpression>
#include <QtTest>

class TestResources : public QObject
{
    Q_OBJECT
private slots:
    void documentsNameOnlyExistingImages();
    void smallToolImagesHaveDoubleSizeTwins();
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

void TestResources::smallToolImagesHaveDoubleSizeTwins()
{
    int checked = 0;
    for (QDirIterator it(QStringLiteral(":/images/x1"), {QStringLiteral("*.png")}); it.hasNext();) {
        const QString path = it.next();
        if (path.endsWith(QStringLiteral("@2x.png")))
            continue;
        const QSize size = QImageReader(path).size();
        QCOMPARE(size, QSize(24, 24));
        QString twin = path;
        twin.replace(QStringLiteral(".png"), QStringLiteral("@2x.png"));
        QVERIFY2(QFile::exists(twin), qPrintable(path + QStringLiteral(" has no @2x twin")));
        QCOMPARE(QImageReader(twin).size(), size * 2);
        ++checked;
    }
    QVERIFY(checked > 0);
}

QTEST_GUILESS_MAIN(TestResources)
#include "tst_resources.moc"
