#include "app/qmlclipboardadapter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlExpression>
#include <QtTest>

using UrlList = QList<QUrl>;

class TestClipboard : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void urlsRoundTripInOrder_data();
    void urlsRoundTripInOrder();
    void readsUrlListsOfOtherPrograms();
    void plainTextGivesNoUrls();
    void emptyListReplacesEarlierContent();
    void documentsPassUrlListsBothWays();
    void keepsOnlyArrivedFiles_data();
    void keepsOnlyArrivedFiles();

private:
    QClipboard *clipboard() const { return QGuiApplication::clipboard(); }
};

void TestClipboard::init()
{
    clipboard()->clear(QClipboard::Clipboard);
}

void TestClipboard::urlsRoundTripInOrder_data()
{
    QTest::addColumn<UrlList>("urls");

    QTest::newRow("two files") << UrlList{QUrl::fromLocalFile("/tmp/b.ucb"), QUrl::fromLocalFile("/tmp/a.txt")};
    QTest::newRow("blanks and non-ASCII")
        << UrlList{QUrl::fromLocalFile("/tmp/my prog.ucb"), QUrl::fromLocalFile(QString::fromUtf8("/tmp/\xc3\xa9t\xc3\xa9.txt"))};
    QTest::newRow("one file") << UrlList{QUrl::fromLocalFile("/tmp/calc-backup.ubk")};
}

void TestClipboard::urlsRoundTripInOrder()
{
    QFETCH(UrlList, urls);
    QmlClipboardAdapter adapter;

    adapter.setUrls(urls);

    QVERIFY(adapter.hasUrls());
    QCOMPARE(adapter.getUrls(), urls);
}

// What a file manager puts on the clipboard: a text/uri-list of its own.
void TestClipboard::readsUrlListsOfOtherPrograms()
{
    QmlClipboardAdapter adapter;
    auto *mimeData = new QMimeData;
    mimeData->setData("text/uri-list", "file:///home/u/one.ucb\r\nfile:///home/u/two.txt\r\n");
    clipboard()->setMimeData(mimeData, QClipboard::Clipboard);

    QVERIFY(adapter.hasUrls());
    QCOMPARE(adapter.getUrls(),
             UrlList({QUrl("file:///home/u/one.ucb"), QUrl("file:///home/u/two.txt")}));
}

void TestClipboard::plainTextGivesNoUrls()
{
    QmlClipboardAdapter adapter;
    adapter.setUrls({QUrl::fromLocalFile("/tmp/a.txt")});

    clipboard()->setText("file:///tmp/not-a-url-list.txt", QClipboard::Clipboard);

    QVERIFY(!adapter.hasUrls());
    QCOMPARE(adapter.getUrls(), UrlList());
}

void TestClipboard::emptyListReplacesEarlierContent()
{
    QmlClipboardAdapter adapter;
    adapter.setUrls({QUrl::fromLocalFile("/tmp/a.txt")});
    clipboard()->setText("earlier", QClipboard::Clipboard);

    adapter.setUrls({});

    QCOMPARE(clipboard()->text(QClipboard::Clipboard), QString());
    QCOMPARE(adapter.getUrls(), UrlList());
    QVERIFY(!adapter.hasUrls()); // nothing to paste
}

// The window documents call the adapter with script arrays and read its lists back.
void TestClipboard::documentsPassUrlListsBothWays()
{
    QmlClipboardAdapter adapter;
    QQmlEngine engine;
    engine.rootContext()->setContextProperty("clipboard", &adapter);

    QQmlExpression put(engine.rootContext(), nullptr,
                       "clipboard.setUrls(['file:///tmp/x.ucb', 'file:///tmp/y.ucb'])");
    put.evaluate();
    QVERIFY2(!put.hasError(), qPrintable(put.error().toString()));
    QCOMPARE(adapter.getUrls(), UrlList({QUrl("file:///tmp/x.ucb"), QUrl("file:///tmp/y.ucb")}));

    QQmlExpression get(engine.rootContext(), nullptr,
                       "clipboard.hasUrls() ? clipboard.getUrls().length + ' ' + clipboard.getUrls()[1] : ''");
    const QVariant answer = get.evaluate();
    QVERIFY2(!get.hasError(), qPrintable(get.error().toString()));
    QCOMPARE(answer.toString(), QStringLiteral("2 file:///tmp/y.ucb"));
}

void TestClipboard::keepsOnlyArrivedFiles_data()
{
    QTest::addColumn<UrlList>("before");
    QTest::addColumn<UrlList>("promised");
    QTest::addColumn<UrlList>("arrived");
    QTest::addColumn<UrlList>("after");
    const QUrl a = QUrl::fromLocalFile("/tmp/A.UCB");
    const QUrl b = QUrl::fromLocalFile("/tmp/B.TXT");
    const QUrl c = QUrl::fromLocalFile("/tmp/C.TXT");
    QTest::newRow("all arrived") << UrlList{a, b} << UrlList{a, b} << UrlList{a, b} << UrlList{a, b};
    QTest::newRow("second failed") << UrlList{a, b, c} << UrlList{a, b, c} << UrlList{a, c} << UrlList{a, c};
    QTest::newRow("none arrived") << UrlList{a, b} << UrlList{a, b} << UrlList() << UrlList();
    // The user copied something else meanwhile, or another download ended.
    QTest::newRow("other content") << UrlList{c} << UrlList{a, b} << UrlList() << UrlList{c};
    QTest::newRow("copy of nothing") << UrlList{c} << UrlList() << UrlList() << UrlList{c};
}

// A copy offers the files before the download has written them; afterwards only files that exist
// may stay offered.
void TestClipboard::keepsOnlyArrivedFiles()
{
    QFETCH(UrlList, before);
    QFETCH(UrlList, promised);
    QFETCH(UrlList, arrived);
    QFETCH(UrlList, after);
    QmlClipboardAdapter adapter;
    adapter.setUrls(before);

    adapter.keepArrived(promised, arrived);

    QCOMPARE(adapter.getUrls(), after);
    if (after.isEmpty())
        QVERIFY(!clipboard()->mimeData(QClipboard::Clipboard)
                || clipboard()->mimeData(QClipboard::Clipboard)->formats().isEmpty());
}

QTEST_MAIN(TestClipboard)
#include "tst_clipboard.moc"
