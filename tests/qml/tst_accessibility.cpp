// The main window as a screen reader meets it: the real main document with one simulated
// calculator attached, its accessibility tree walked from the window down. Every element a user
// can act on must say what it is and what it is called.
#include "app/ulvostartup.h"
#include "qmltesthelpers.h"
#include "session/culvocalcsession.h"

#include <QAbstractItemModel>
#include <QAccessible>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QtTest>

namespace {

struct Element
{
    QAccessible::Role role;
    QString name;
    QString path; // the roles from the window down, for the messages
    bool invisible;
};

// Roles a user acts on or moves through.
bool isInteractive(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::List:
    case QAccessible::ListItem:
    case QAccessible::Table:
    case QAccessible::Row:
    case QAccessible::Cell:
    case QAccessible::ScrollBar:
    case QAccessible::Slider:
    case QAccessible::SpinBox:
    case QAccessible::MenuItem:
    case QAccessible::PopupMenu:
    case QAccessible::PageTab:
    case QAccessible::Link:
        return true;
    default:
        return false;
    }
}

void collect(QAccessibleInterface *iface, const QString &path, QVector<Element> &out, int depth = 0)
{
    if (!iface || !iface->isValid() || depth > 64)
        return;
    const QString here = path + QLatin1Char('/') + QString::number(iface->role(), 16);
    out.append({iface->role(), iface->text(QAccessible::Name), here, bool(iface->state().invisible)});
    for (int i = 0; i < iface->childCount(); ++i)
        collect(iface->child(i), here, out, depth + 1);
}

bool contains(const QVector<Element> &elements, QAccessible::Role role, const QString &name)
{
    return std::any_of(elements.cbegin(), elements.cend(),
                       [&](const Element &e) { return e.role == role && e.name == name; });
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

public:
    static void initMain() { UlvoStartup::prepareApplication(); }

private slots:
    void everyInteractiveElementHasRoleAndName();
};

void TestAccessibility::everyInteractiveElementHasRoleAndName()
{
    QmlSimulator simulator;
    QVERIFY2(simulator.isValid(), "the test must run under umockdev-wrapper");

    UlvoStartup startup;
    startup.engine()->load(QUrl(QStringLiteral("qrc:/qml/main")));
    QCOMPARE(startup.engine()->rootObjects().size(), 1);
    auto *window = qobject_cast<QQuickWindow *>(startup.engine()->rootObjects().first());
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));

    auto *fileModel = qobject_cast<QAbstractItemModel *>(
        startup.engine()->rootContext()->contextProperty(QStringLiteral("fileModel")).value<QObject *>());
    QVERIFY(fileModel);
    QSignalSpy contacted(startup.session(), &CUlvoCalcSession::calcContacted);
    QVERIFY(simulator.plug(QStringLiteral("ULVO-A11Y"),
                           {{QStringLiteral("PROG1.UCB"), QStringLiteral("Disp 1\n")},
                            {QStringLiteral("DATA.BIN"), QStringLiteral("12345")}}) >= 0);
    QVERIFY(contacted.wait(10000));
    auto *table = window->findChild<QQuickItem *>(QStringLiteral("tableView"));
    QVERIFY(table);
    QTRY_COMPARE_WITH_TIMEOUT(table->property("rowCount").toInt(), 2, 10000);
    startup.session()->onStatusChange(QStringLiteral("Ready for files"));

    // As when a screen reader starts: the controls give themselves their roles. (Without a
    // platform bridge, as here, the controls created from now on would not see it.)
    QAccessible::setActive(true);
    QVector<Element> elements;
    collect(QAccessible::queryAccessibleInterface(window), QString(), elements);

    int interactive = 0;
    for (const Element &e : elements) {
        if (!isInteractive(e.role) || e.invisible) // such as a scroll bar that is always off
            continue;
        ++interactive;
        QVERIFY2(!e.name.trimmed().isEmpty(), qPrintable(QStringLiteral("no name at ") + e.path));
    }
    const struct
    {
        QAccessible::Role role;
        const char *name;
    } expected[] = {
        {QAccessible::Button, "Menu"},
        {QAccessible::Button, "Download selected files from calculator to PC"},
        {QAccessible::Button, "Send files to calculator from PC"},
        {QAccessible::Button, "Delete selected files"},
        {QAccessible::Button, "Edit UlvoBasic program file"},
        {QAccessible::Button, "Create new UlvoBasic program file"},
        {QAccessible::Button, "Create UlvoCalc backup"},
        {QAccessible::Button, "Restore UlvoCalc backup"},
        {QAccessible::ListItem, "ULVO-A11Y"},
        {QAccessible::Row, "PROG1.UCB, 7 bytes"},
        {QAccessible::Row, "DATA.BIN, 5 bytes"},
        {QAccessible::StaticText, "Ready for files"},
    };
    for (const auto &want : expected) {
        QVERIFY2(contains(elements, want.role, QString::fromUtf8(want.name)),
                 qPrintable(QStringLiteral("missing %1 \"%2\"").arg(want.role, 0, 16).arg(want.name)));
    }
    // Eight tool buttons, two lists and three rows.
    QVERIFY2(interactive >= 13, qPrintable(QString::number(interactive)));

    simulator.unplugAll();
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
