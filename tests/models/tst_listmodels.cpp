#include "models/ulvocalcmodel.h"
#include "models/ulvofilemodel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using FileInf = QPair<QString, int>;
using FileList = QList<FileInf>;

namespace {

// Records, in order, every structural notification and every indexOrSizeChange of a model, so
// that tests can check that a change was announced to views before the session hears of it.
class EventLog : public QObject
{
public:
    explicit EventLog(QAbstractItemModel *model)
    {
        connect(model, &QAbstractItemModel::rowsAboutToBeInserted, this,
                [this](const QModelIndex &, int first, int last) { add("aboutToInsert", first, last); });
        connect(model, &QAbstractItemModel::rowsInserted, this,
                [this](const QModelIndex &, int first, int last) { add("inserted", first, last); });
        connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this,
                [this](const QModelIndex &, int first, int last) { add("aboutToRemove", first, last); });
        connect(model, &QAbstractItemModel::rowsRemoved, this,
                [this](const QModelIndex &, int first, int last) { add("removed", first, last); });
        connect(model, &QAbstractItemModel::dataChanged, this,
                [this](const QModelIndex &from, const QModelIndex &to, const QVector<int> &roles) {
                    events << QStringLiteral("changed %1-%2 col %3-%4 roles %5")
                                  .arg(from.row()).arg(to.row()).arg(from.column()).arg(to.column())
                                  .arg(roles.size());
                });
        connect(model, &QAbstractItemModel::modelReset, this, [this] { events << "reset"; });
        if (auto *calcs = qobject_cast<UlvoCalcModel *>(model)) {
            // The session reads the model inside this signal, so the row count it sees is logged too.
            connect(calcs, &UlvoCalcModel::indexOrSizeChange, this, [this, calcs](int index) {
                events << QStringLiteral("index %1 rows %2").arg(index).arg(calcs->rowCount());
            });
        }
    }

    QStringList events;

private:
    void add(const char *what, int first, int last)
    {
        events << QStringLiteral("%1 %2-%3").arg(QLatin1String(what)).arg(first).arg(last);
    }
};

std::unique_ptr<QAbstractItemModelTester> checked(QAbstractItemModel *model)
{
    return std::make_unique<QAbstractItemModelTester>(
        model, QAbstractItemModelTester::FailureReportingMode::QtTest);
}

// A calculator model holding `names` (added one by one, as the session does) with `selected` current.
void fillCalcs(UlvoCalcModel &model, const QStringList &names, int selected)
{
    for (const QString &name : names)
        model.pushBack(name);
    model.setCurrentIndex(selected);
}

QStringList calcNames(const UlvoCalcModel &model)
{
    QStringList names;
    for (int row = 0; row < model.rowCount(); ++row)
        names << model.data(model.index(row, 0), Qt::DisplayRole).toString();
    return names;
}

FileList files(const UlvoFileModel &model)
{
    FileList list;
    for (int row = 0; row < model.rowCount(); ++row)
        list << model.getFileInfAt(row);
    return list;
}

} // namespace

class TestListModels : public QObject
{
    Q_OBJECT
private slots:
    // Calculator list model
    void newCalcModelHasNoSelection();
    void firstPushBackSelectsAfterInsertion();
    void laterPushBackKeepsSelection_data();
    void laterPushBackKeepsSelection();
    void deleteAtOutOfRangeDoesNothing_data();
    void deleteAtOutOfRangeDoesNothing();
    void deleteAtFollowsSelection_data();
    void deleteAtFollowsSelection();
    void writingCurrentIndex_data();
    void writingCurrentIndex();
    void initializeIsSilentForViews_data();
    void initializeIsSilentForViews();
    void changeNameRenamesSelectedRow();
    void changeNameAndGetNameWithoutSelectedRow_data();
    void changeNameAndGetNameWithoutSelectedRow();
    void calcModelServesDisplayRoleOnly();
    void selectionGestures_data();
    void selectionGestures();
    void selectionFollowsRemovedRows();

    // File list model
    void fileModelRoles();
    void fileModelDataByRole_data();
    void fileModelDataByRole();
    void setFileNamesFillsEmptyModel();
    void setFileNamesWithEmptyListChangesNothing_data();
    void setFileNamesWithEmptyListChangesNothing();
    void setFileNamesReplacesLeftoverRows();
    void clearRemovesAllRowsAtOnce_data();
    void clearRemovesAllRowsAtOnce();
    void addFile_data();
    void addFile();
    void isFileExist_data();
    void isFileExist();
    void deleteByName_data();
    void deleteByName();
    void deleteAtOutOfRangeKeepsFiles_data();
    void deleteAtOutOfRangeKeepsFiles();
    void outOfRangeReadsGiveEmptyValues_data();
    void outOfRangeReadsGiveEmptyValues();
    void initializeFileModelIsSilent();
};

// ---- Calculator list model ----

void TestListModels::newCalcModelHasNoSelection()
{
    UlvoCalcModel model;
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.currentIndex(), -1);
    QCOMPARE(model.property("currentIndex").toInt(), -1);
    QCOMPARE(model.getName(), QString());
}

void TestListModels::firstPushBackSelectsAfterInsertion()
{
    UlvoCalcModel model;
    auto tester = checked(&model);
    EventLog log(&model);

    model.pushBack("Calc A");

    QCOMPARE(log.events, QStringList({"aboutToInsert 0-0", "inserted 0-0", "index 0 rows 1"}));
    QCOMPARE(model.currentIndex(), 0);
    QCOMPARE(model.getName(), QStringLiteral("Calc A"));
}

// Rows already present and the selection before a further calculator is appended.
void TestListModels::laterPushBackKeepsSelection_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("selected");

    QTest::newRow("first of one selected") << QStringList{"A"} << 0;
    QTest::newRow("second of two selected") << QStringList{"A", "B"} << 1;
    QTest::newRow("middle of three selected") << QStringList{"A", "B", "C"} << 1;
}

void TestListModels::laterPushBackKeepsSelection()
{
    QFETCH(QStringList, names);
    QFETCH(int, selected);
    UlvoCalcModel model;
    fillCalcs(model, names, selected);
    auto tester = checked(&model);
    EventLog log(&model);

    model.pushBack("New");

    const int row = names.size();
    QCOMPARE(log.events, QStringList({QStringLiteral("aboutToInsert %1-%1").arg(row),
                                      QStringLiteral("inserted %1-%1").arg(row),
                                      QStringLiteral("index %1 rows %2").arg(selected).arg(row + 1)}));
    QCOMPARE(model.currentIndex(), selected);
    QCOMPARE(calcNames(model), names + QStringList{"New"});
}

void TestListModels::deleteAtOutOfRangeDoesNothing_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("row");

    QTest::newRow("empty, row 0") << QStringList{} << 0;
    QTest::newRow("empty, row -1") << QStringList{} << -1;
    QTest::newRow("two, row -1") << QStringList{"A", "B"} << -1;
    QTest::newRow("two, row count") << QStringList{"A", "B"} << 2;
}

void TestListModels::deleteAtOutOfRangeDoesNothing()
{
    QFETCH(QStringList, names);
    QFETCH(int, row);
    UlvoCalcModel model;
    fillCalcs(model, names, names.isEmpty() ? -1 : 1);
    const int selected = model.currentIndex();
    auto tester = checked(&model);
    EventLog log(&model);

    model.deleteAt(row);

    QCOMPARE(log.events, QStringList());
    QCOMPARE(calcNames(model), names);
    QCOMPARE(model.currentIndex(), selected);
}

// The selection follows the calculator it pointed at, or moves to the previous row when that
// one goes; row 0 stays selected, also when the list becomes empty.
void TestListModels::deleteAtFollowsSelection_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("expectedIndex");
    QTest::addColumn<QString>("expectedName");

    QTest::newRow("second selected, first removed") << QStringList{"A", "B"} << 1 << 0 << 0 << "B";
    QTest::newRow("first selected, second removed") << QStringList{"A", "B"} << 0 << 1 << 0 << "A";
    QTest::newRow("second selected and removed") << QStringList{"A", "B"} << 1 << 1 << 0 << "A";
    QTest::newRow("first selected and removed") << QStringList{"A", "B"} << 0 << 0 << 0 << "B";
    QTest::newRow("only one removed") << QStringList{"A"} << 0 << 0 << 0 << "";
    QTest::newRow("last selected, first removed") << QStringList{"A", "B", "C"} << 2 << 0 << 1 << "C";
    QTest::newRow("middle selected, last removed") << QStringList{"A", "B", "C"} << 1 << 2 << 1 << "B";
}

void TestListModels::deleteAtFollowsSelection()
{
    QFETCH(QStringList, names);
    QFETCH(int, selected);
    QFETCH(int, row);
    QFETCH(int, expectedIndex);
    QFETCH(QString, expectedName);
    UlvoCalcModel model;
    fillCalcs(model, names, selected);
    auto tester = checked(&model);
    EventLog log(&model);

    model.deleteAt(row);

    const int rows = names.size() - 1;
    QCOMPARE(log.events, QStringList({QStringLiteral("aboutToRemove %1-%1").arg(row),
                                      QStringLiteral("removed %1-%1").arg(row),
                                      QStringLiteral("index %1 rows %2").arg(expectedIndex).arg(rows)}));
    QCOMPARE(model.currentIndex(), expectedIndex);
    QCOMPARE(model.getName(), expectedName);
    names.removeAt(row);
    QCOMPARE(calcNames(model), names);
}

// Start from -1 (new model), 0 after all calculators went, or a selected row of two.
void TestListModels::writingCurrentIndex_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<bool>("allGone");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("notified");

    QTest::newRow("new model, same -1") << QStringList{} << false << -1 << false;
    QTest::newRow("all gone, same 0") << QStringList{"A"} << true << 0 << false;
    QTest::newRow("two, same row") << QStringList{"A", "B"} << false << 0 << false;
    QTest::newRow("two, other row") << QStringList{"A", "B"} << false << 1 << true;
    // The window writes the row the user clicked; the model stores it as given.
    QTest::newRow("two, beyond the rows") << QStringList{"A", "B"} << false << 5 << true;
}

void TestListModels::writingCurrentIndex()
{
    QFETCH(QStringList, names);
    QFETCH(bool, allGone);
    QFETCH(int, value);
    QFETCH(bool, notified);
    UlvoCalcModel model;
    fillCalcs(model, names, names.isEmpty() ? -1 : 0);
    if (allGone) {
        while (model.rowCount() > 0)
            model.deleteAt(0);
    }
    QSignalSpy spy(&model, &UlvoCalcModel::indexOrSizeChange);

    QVERIFY(model.setProperty("currentIndex", value));

    QCOMPARE(model.currentIndex(), value);
    QCOMPARE(spy.count(), notified ? 1 : 0);
    if (notified)
        QCOMPARE(spy.at(0).at(0).toInt(), value);
}

void TestListModels::initializeIsSilentForViews_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("expectedIndex");

    QTest::newRow("empty list keeps -1") << QStringList{} << -1;
    QTest::newRow("two names select the first") << QStringList{"A", "B"} << 0;
}

void TestListModels::initializeIsSilentForViews()
{
    QFETCH(QStringList, names);
    QFETCH(int, expectedIndex);
    UlvoCalcModel model;
    EventLog log(&model);

    model.initialize(names);

    const QStringList expected = names.isEmpty()
        ? QStringList()
        : QStringList{QStringLiteral("index 0 rows %1").arg(names.size())};
    QCOMPARE(log.events, expected);
    QCOMPARE(model.currentIndex(), expectedIndex);
    QCOMPARE(calcNames(model), names);
}

void TestListModels::changeNameRenamesSelectedRow()
{
    UlvoCalcModel model;
    fillCalcs(model, {"A", "B", "C"}, 1);
    auto tester = checked(&model);
    EventLog log(&model);

    model.changeName("Renamed");

    QCOMPARE(log.events, QStringList({"changed 1-1 col 0-0 roles 0"}));
    QCOMPARE(calcNames(model), QStringList({"A", "Renamed", "C"}));
    QCOMPARE(model.getName(), QStringLiteral("Renamed"));
}

// A selection that names no row (no calculator yet, all gone, or a row the window wrote that
// is not listed) must neither crash nor touch another row.
void TestListModels::changeNameAndGetNameWithoutSelectedRow_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<bool>("allGone");
    QTest::addColumn<int>("written");

    QTest::newRow("no calculator yet") << QStringList{} << false << -1;
    QTest::newRow("all gone") << QStringList{"A"} << true << 0;
    QTest::newRow("written beyond the rows") << QStringList{"A", "B"} << false << 2;
    QTest::newRow("written -1") << QStringList{"A", "B"} << false << -1;
}

void TestListModels::changeNameAndGetNameWithoutSelectedRow()
{
    QFETCH(QStringList, names);
    QFETCH(bool, allGone);
    QFETCH(int, written);
    UlvoCalcModel model;
    for (const QString &name : names)
        model.pushBack(name);
    if (allGone) {
        while (model.rowCount() > 0)
            model.deleteAt(0);
    }
    model.setCurrentIndex(written);
    const QStringList before = calcNames(model);
    auto tester = checked(&model);
    EventLog log(&model);

    QCOMPARE(model.getName(), QString());
    model.changeName("X");

    QCOMPARE(log.events, QStringList());
    QCOMPARE(calcNames(model), before);
}

void TestListModels::calcModelServesDisplayRoleOnly()
{
    UlvoCalcModel model;
    fillCalcs(model, {"A"}, 0);
    QCOMPARE(model.roleNames().value(Qt::DisplayRole), QByteArray("display"));
    QCOMPARE(model.data(model.index(0, 0), Qt::DisplayRole), QVariant(QStringLiteral("A")));
    QVERIFY(!model.data(model.index(0, 0), Qt::UserRole).isValid());
    QVERIFY(!model.data(model.index(0, 0), Qt::EditRole).isValid());
    QVERIFY(!model.data(model.index(1, 0), Qt::DisplayRole).isValid());
}

// Gestures on five rows, each a letter and a row: c plain click, t Ctrl+click, s Shift+click,
// a Ctrl+A (row ignored).
void TestListModels::selectionGestures_data()
{
    QTest::addColumn<QStringList>("gestures");
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<int>("current");
    QTest::newRow("plain click selects one") << QStringList {"t3", "c1"} << QList<int> {1} << 1;
    QTest::newRow("ctrl adds, last clicked shown") << QStringList {"c0", "t2", "t4"} << QList<int> {0, 2, 4} << 4;
    QTest::newRow("ctrl takes away, shown moves up") << QStringList {"c0", "t2", "t4", "t4"} << QList<int> {0, 2} << 2;
    QTest::newRow("last selected stays") << QStringList {"c2", "t2"} << QList<int> {2} << 2;
    QTest::newRow("shift from plain click") << QStringList {"c1", "s3"} << QList<int> {1, 2, 3} << 3;
    QTest::newRow("shift upwards replaces range") << QStringList {"c2", "s4", "s0"} << QList<int> {0, 1, 2} << 0;
    QTest::newRow("shift from ctrl click") << QStringList {"c0", "t3", "s4"} << QList<int> {3, 4} << 4;
    QTest::newRow("ctrl+a keeps current") << QStringList {"c3", "a0"} << QList<int> {0, 1, 2, 3, 4} << 3;
    QTest::newRow("out of range ignored") << QStringList {"c1", "t7", "s-1"} << QList<int> {1} << 1;
}

void TestListModels::selectionGestures()
{
    QFETCH(QStringList, gestures);
    QFETCH(QList<int>, selected);
    QFETCH(int, current);
    UlvoCalcModel model;
    const auto tester = checked(&model);
    fillCalcs(model, {"A", "B", "C", "D", "E"}, 0);
    for (const QString &gesture : gestures) {
        const int row = gesture.mid(1).toInt();
        switch (gesture.at(0).toLatin1()) {
        case 'c': model.setCurrentIndex(row); break;
        case 't': model.toggleSelected(row); break;
        case 's': model.extendSelection(row); break;
        case 'a': model.selectAll(); break;
        }
    }
    QCOMPARE(model.selectedRows(), selected);
    QCOMPARE(model.selectedCount(), selected.size());
    QCOMPARE(model.currentIndex(), current);
    for (int row = 0; row < model.rowCount(); ++row)
        QCOMPARE(model.isSelected(row), selected.contains(row));
    QCOMPARE(model.selection().size(), selected.size());
}

// Calculators unplugged from a selection: the others stay selected under their new rows, and the
// shown one stays part of the selection.
void TestListModels::selectionFollowsRemovedRows()
{
    UlvoCalcModel model;
    const auto tester = checked(&model);
    fillCalcs(model, {"A", "B", "C", "D"}, 1);
    model.toggleSelected(3);
    model.deleteAt(2);
    QCOMPARE(model.selectedRows(), (QList<int> {1, 2}));
    QCOMPARE(model.currentIndex(), 2);
    model.deleteAt(2);
    QCOMPARE(model.currentIndex(), 1);
    QCOMPARE(model.selectedRows(), QList<int> {1});
    model.pushBack("E");
    QCOMPARE(model.selectedRows(), QList<int> {1});
}

// ---- File list model ----

void TestListModels::fileModelRoles()
{
    UlvoFileModel model;
    const QHash<int, QByteArray> expected{{256, "nameRole"}, {258, "sizeRole"}};
    QCOMPARE(model.roleNames(), expected);
}

void TestListModels::fileModelDataByRole_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("role");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("name") << 1 << 256 << QVariant(QStringLiteral("B.TXT"));
    QTest::newRow("size as int") << 1 << 258 << QVariant(int(4096));
    QTest::newRow("no role 257") << 1 << 257 << QVariant();
    QTest::newRow("no display role") << 1 << int(Qt::DisplayRole) << QVariant();
    QTest::newRow("row out of range") << 2 << 256 << QVariant();
}

void TestListModels::fileModelDataByRole()
{
    QFETCH(int, row);
    QFETCH(int, role);
    QFETCH(QVariant, expected);
    UlvoFileModel model;
    model.setFileNames({{"A.UCB", 10}, {"B.TXT", 4096}});

    const QVariant value = model.data(model.index(row, 0), role);

    QCOMPARE(value.isValid(), expected.isValid());
    if (expected.isValid()) {
        QCOMPARE(value.userType(), expected.userType());
        QCOMPARE(value, expected);
    }
}

void TestListModels::setFileNamesFillsEmptyModel()
{
    UlvoFileModel model;
    auto tester = checked(&model);
    EventLog log(&model);
    const FileList listing{{"Z.UCB", 1}, {"A.UCB", 2}, {"M.TXT", 3}};

    model.setFileNames(listing);

    QCOMPARE(log.events, QStringList({"aboutToInsert 0-2", "inserted 0-2"}));
    QCOMPARE(files(model), listing); // the calculator's order, unsorted
}

void TestListModels::setFileNamesWithEmptyListChangesNothing_data()
{
    QTest::addColumn<FileList>("held");

    QTest::newRow("empty model") << FileList{};
    QTest::newRow("model with rows") << FileList{{"A.UCB", 1}, {"B.UCB", 2}};
}

void TestListModels::setFileNamesWithEmptyListChangesNothing()
{
    QFETCH(FileList, held);
    UlvoFileModel model;
    model.setFileNames(held);
    auto tester = checked(&model);
    EventLog log(&model);

    model.setFileNames({});

    QCOMPARE(log.events, QStringList());
    QCOMPARE(files(model), held);
}

// Callers clear first; one that does not must still leave views with a consistent model.
void TestListModels::setFileNamesReplacesLeftoverRows()
{
    UlvoFileModel model;
    model.setFileNames({{"OLD.UCB", 1}, {"OLD2.UCB", 2}, {"OLD3.UCB", 3}});
    auto tester = checked(&model);
    EventLog log(&model);

    model.setFileNames({{"NEW.UCB", 5}});

    QCOMPARE(log.events, QStringList({"aboutToRemove 0-2", "removed 0-2", "aboutToInsert 0-0", "inserted 0-0"}));
    QCOMPARE(files(model), FileList({{"NEW.UCB", 5}}));
}

void TestListModels::clearRemovesAllRowsAtOnce_data()
{
    QTest::addColumn<FileList>("held");
    QTest::addColumn<QStringList>("events");

    QTest::newRow("empty: nothing announced") << FileList{} << QStringList{};
    QTest::newRow("three rows") << FileList{{"A", 1}, {"B", 2}, {"C", 3}}
                                << QStringList{"aboutToRemove 0-2", "removed 0-2"};
}

void TestListModels::clearRemovesAllRowsAtOnce()
{
    QFETCH(FileList, held);
    QFETCH(QStringList, events);
    UlvoFileModel model;
    model.setFileNames(held);
    auto tester = checked(&model);
    EventLog log(&model);

    model.clear();

    QCOMPARE(log.events, events);
    QCOMPARE(model.rowCount(), 0);
}

// Files sent one after the other into a listing: a name the calculator already lists (in any
// letter case) updates that row in place and takes the name it was sent under; others go last.
void TestListModels::addFile_data()
{
    QTest::addColumn<FileList>("held");
    QTest::addColumn<FileList>("sent");
    QTest::addColumn<FileList>("expected");
    QTest::addColumn<QStringList>("events");

    QTest::newRow("upper-case row, lower-case name")
        << FileList{{"PROG.UCB", 10}} << FileList{{"prog.ucb", 120}}
        << FileList{{"prog.ucb", 120}} << QStringList{"changed 0-0 col 0-0 roles 0"};
    QTest::newRow("same name sent twice stays one row")
        << FileList{{"PROG.UCB", 10}} << FileList{{"prog.ucb", 120}, {"prog.ucb", 130}}
        << FileList{{"prog.ucb", 130}}
        << QStringList{"changed 0-0 col 0-0 roles 0", "changed 0-0 col 0-0 roles 0"};
    QTest::newRow("extension keeps its case")
        << FileList{{"A.ucb", 1}, {"PROG.ucb", 10}} << FileList{{"PROG.ucb", 11}}
        << FileList{{"A.ucb", 1}, {"PROG.ucb", 11}} << QStringList{"changed 1-1 col 0-0 roles 0"};
    QTest::newRow("new name appended last")
        << FileList{{"B.UCB", 2}, {"A.UCB", 1}} << FileList{{"C.UCB", 3}}
        << FileList{{"B.UCB", 2}, {"A.UCB", 1}, {"C.UCB", 3}} << QStringList{"aboutToInsert 2-2", "inserted 2-2"};
    QTest::newRow("into an empty model")
        << FileList{} << FileList{{"C.UCB", 0}}
        << FileList{{"C.UCB", 0}} << QStringList{"aboutToInsert 0-0", "inserted 0-0"};
    QTest::newRow("only the first match updated")
        << FileList{{"X.TXT", 1}, {"x.txt", 2}} << FileList{{"X.TXT", 9}}
        << FileList{{"X.TXT", 9}, {"x.txt", 2}} << QStringList{"changed 0-0 col 0-0 roles 0"};
    QTest::newRow("prefix is no match")
        << FileList{{"PROG.UCB", 10}} << FileList{{"PROG.UC", 5}}
        << FileList{{"PROG.UCB", 10}, {"PROG.UC", 5}} << QStringList{"aboutToInsert 1-1", "inserted 1-1"};
}

void TestListModels::addFile()
{
    QFETCH(FileList, held);
    QFETCH(FileList, sent);
    QFETCH(FileList, expected);
    QFETCH(QStringList, events);
    UlvoFileModel model;
    model.setFileNames(held);
    auto tester = checked(&model);
    EventLog log(&model);

    for (const FileInf &file : sent)
        model.addFile(file);

    QCOMPARE(log.events, events);
    QCOMPARE(files(model), expected);
}

void TestListModels::isFileExist_data()
{
    QTest::addColumn<FileList>("held");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("exists");

    const FileList listing{{"PROG.UCB", 10}, {"Notes.txt", 3}};
    QTest::newRow("empty model") << FileList{} << "PROG.UCB" << false;
    QTest::newRow("exact") << listing << "PROG.UCB" << true;
    QTest::newRow("lower case asked") << listing << "prog.ucb" << true;
    QTest::newRow("mixed case stored") << listing << "NOTES.TXT" << true;
    QTest::newRow("prefix only") << listing << "PROG" << false;
    QTest::newRow("not listed") << listing << "OTHER.UCB" << false;
    QTest::newRow("non-ASCII letters") << FileList{{QString::fromUtf8("\xc3\x84" "B.TXT"), 1}}
                                       << QString::fromUtf8("\xc3\xa4" "b.txt") << true;
}

void TestListModels::isFileExist()
{
    QFETCH(FileList, held);
    QFETCH(QString, name);
    QFETCH(bool, exists);
    UlvoFileModel model;
    model.setFileNames(held);

    QCOMPARE(model.isFileExist(name), exists);
}

void TestListModels::deleteByName_data()
{
    QTest::addColumn<FileList>("held");
    QTest::addColumn<QString>("name");
    QTest::addColumn<FileList>("expected");
    QTest::addColumn<QStringList>("events");

    QTest::newRow("exact name removed")
        << FileList{{"A.UCB", 1}, {"PROG.UCB", 10}, {"C.UCB", 3}} << "PROG.UCB"
        << FileList{{"A.UCB", 1}, {"C.UCB", 3}} << QStringList{"aboutToRemove 1-1", "removed 1-1"};
    QTest::newRow("other case is not removed")
        << FileList{{"PROG.UCB", 10}} << "prog.ucb" << FileList{{"PROG.UCB", 10}} << QStringList{};
    QTest::newRow("only the first of two")
        << FileList{{"D.UCB", 1}, {"D.UCB", 2}} << "D.UCB" << FileList{{"D.UCB", 2}}
        << QStringList{"aboutToRemove 0-0", "removed 0-0"};
    QTest::newRow("no match") << FileList{{"A.UCB", 1}} << "B.UCB" << FileList{{"A.UCB", 1}} << QStringList{};
    QTest::newRow("empty model") << FileList{} << "A.UCB" << FileList{} << QStringList{};
}

void TestListModels::deleteByName()
{
    QFETCH(FileList, held);
    QFETCH(QString, name);
    QFETCH(FileList, expected);
    QFETCH(QStringList, events);
    UlvoFileModel model;
    model.setFileNames(held);
    auto tester = checked(&model);
    EventLog log(&model);

    model.deleteByName(name);

    QCOMPARE(log.events, events);
    QCOMPARE(files(model), expected);
}

void TestListModels::deleteAtOutOfRangeKeepsFiles_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<FileList>("expected");

    QTest::newRow("-1") << -1 << FileList{{"A", 1}, {"B", 2}};
    QTest::newRow("row count") << 2 << FileList{{"A", 1}, {"B", 2}};
    QTest::newRow("last row") << 1 << FileList{{"A", 1}};
}

void TestListModels::deleteAtOutOfRangeKeepsFiles()
{
    QFETCH(int, row);
    QFETCH(FileList, expected);
    UlvoFileModel model;
    model.setFileNames({{"A", 1}, {"B", 2}});
    auto tester = checked(&model);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);

    model.deleteAt(row);

    QCOMPARE(files(model), expected);
    QCOMPARE(removed.count(), expected.size() == 2 ? 0 : 1);
}

void TestListModels::outOfRangeReadsGiveEmptyValues_data()
{
    QTest::addColumn<int>("row");
    QTest::newRow("-1") << -1;
    QTest::newRow("row count") << 1;
    QTest::newRow("far beyond") << 1000;
}

void TestListModels::outOfRangeReadsGiveEmptyValues()
{
    QFETCH(int, row);
    UlvoFileModel model;
    model.setFileNames({{"A.UCB", 7}});

    QCOMPARE(model.getName(row), QString());
    QCOMPARE(model.getFileInfAt(row), FileInf(QString(), 0));
    QCOMPARE(model.getName(0), QStringLiteral("A.UCB"));
    QCOMPARE(model.getFileInfAt(0), FileInf("A.UCB", 7));
}

void TestListModels::initializeFileModelIsSilent()
{
    UlvoFileModel model;
    EventLog log(&model);
    const FileList listing{{"A.UCB", 1}, {"B.UCB", 2}};

    model.initialize(listing);

    QCOMPARE(log.events, QStringList());
    QCOMPARE(files(model), listing);
}

QTEST_GUILESS_MAIN(TestListModels)
#include "tst_listmodels.moc"
