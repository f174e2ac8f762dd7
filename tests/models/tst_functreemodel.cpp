#include "models/ulvofunctreemodel.h"
#include "models/ulvofunctype.h"

#include <QAbstractItemModelTester>
#include <QMetaEnum>
#include <QPointer>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

UlvoFuncType *funcTypeAt(const QAbstractItemModel &model, const QModelIndex &index)
{
    return model.data(index, UlvoFuncTreeModel::TreeModelRoleName).value<UlvoFuncType *>();
}

QString visible(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1String("<CR>"));
    text.replace(QLatin1Char('\n'), QLatin1String("<LF>"));
    return text;
}

// Calls visit for every node in pre-order with its depth (0 for the top level).
void walk(const QAbstractItemModel &model, const QModelIndex &parent, int depth,
          const std::function<void(const QModelIndex &, int)> &visit)
{
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex index = model.index(row, 0, parent);
        visit(index, depth);
        walk(model, index, depth + 1, visit);
    }
}

// One entry per node in pre-order: "Top/Child=description", CR and LF made visible.
QStringList describeTree(const QAbstractItemModel &model)
{
    QStringList entries;
    QStringList path;
    walk(model, QModelIndex(), 0, [&](const QModelIndex &index, int depth) {
        const UlvoFuncType *type = funcTypeAt(model, index);
        path = path.mid(0, depth);
        path << (type ? visible(type->funcName()) : QStringLiteral("<no type>"));
        entries << path.join(QLatin1Char('/')) + QLatin1Char('=') + (type ? visible(type->funcDesc()) : QString());
    });
    return entries;
}

QByteArray readCatalogue()
{
    QFile file(QStringLiteral(":/UlvoFunctions.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

QModelIndex childNamed(const QAbstractItemModel &model, const QModelIndex &parent, const QString &name)
{
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex index = model.index(row, 0, parent);
        if (funcTypeAt(model, index)->funcName() == name)
            return index;
    }
    return QModelIndex();
}

// Exposes createIndex so that an index in column 1 can be made.
class ProbeModel : public UlvoFuncTreeModel
{
public:
    using UlvoFuncTreeModel::UlvoFuncTreeModel;
    QModelIndex columnOneOf(const QModelIndex &index) const
    {
        return createIndex(index.row(), 1, index.internalPointer());
    }
};

} // namespace

class TestFuncTreeModel : public QObject
{
    Q_OBJECT
private slots:
    void shippedTextFormat();
    void shippedTreeShape();
    void shippedEntries();
    void shippedCalculatorCodes();
    void shippedModelPassesTester();
    void placesLines_data();
    void placesLines();
    void decodesEscapesInCallersArray();
    void rolesHeaderAndFlags();
    void funcTypeNotifiesEveryWrite();
    void modelOwnsFuncTypes();
};

void TestFuncTreeModel::shippedTextFormat()
{
    const QByteArray text = readCatalogue();
    QVERIFY(!text.isEmpty());
    QVERIFY(!text.endsWith('\n') && !text.endsWith('\r'));
    QVERIFY(!text.contains('\t'));
    for (const char byte : text)
        QVERIFY2(static_cast<unsigned char>(byte) < 0x80, "catalogue text is ASCII only");
    // Every CR is followed by an LF and every LF preceded by a CR.
    QCOMPARE(text.count('\r'), 582);
    QCOMPARE(text.count('\n'), 582);
    QCOMPARE(text.count("\r\n"), 582);

    const QList<QByteArray> lines = text.split('\n');
    QCOMPARE(lines.size(), 583);
    int withDescription = 0;
    int previousDepth = -1;
    for (QByteArray line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        QVERIFY(!line.trimmed().isEmpty());
        int depth = 0;
        while (line.at(depth) == ' ')
            ++depth;
        QVERIFY2(depth <= previousDepth + 1, line.constData());
        QVERIFY(depth <= 4);
        previousDepth = depth;
        QVERIFY2(line.count('@') <= 1, line.constData());
        if (line.contains('@'))
            ++withDescription;
    }
    QCOMPARE(withDescription, 208);
}

void TestFuncTreeModel::shippedTreeShape()
{
    QByteArray text = readCatalogue();
    UlvoFuncTreeModel model(text);

    int categories = 0, leaves = 0, leavesWithoutDescription = 0;
    walk(model, QModelIndex(), 0, [&](const QModelIndex &index, int) {
        const UlvoFuncType *type = funcTypeAt(model, index);
        QVERIFY(type);
        const int children = model.rowCount(index);
        if (children > 0) {
            ++categories;
            QVERIFY2(type->funcName().endsWith(QLatin1Char('\r')), qPrintable(type->funcName()));
            QCOMPARE(type->funcDesc(), type->funcName());
            // A category holds either only categories or only leaves.
            int subCategories = 0;
            for (int row = 0; row < children; ++row)
                subCategories += model.rowCount(model.index(row, 0, index)) > 0 ? 1 : 0;
            QVERIFY(subCategories == 0 || subCategories == children);
            return;
        }
        ++leaves;
        // A line without description keeps its CR in the token and uses the token as help.
        if (type->funcName().endsWith(QLatin1Char('\r'))) {
            ++leavesWithoutDescription;
            QCOMPARE(type->funcDesc(), type->funcName());
        }
    });
    QCOMPARE(categories, 64);
    QCOMPARE(leaves, 519);
    QCOMPARE(leavesWithoutDescription, 311);

    QStringList topLevel;
    for (int row = 0; row < model.rowCount(); ++row)
        topLevel << funcTypeAt(model, model.index(row, 0))->funcName().chopped(1);
    QCOMPARE(topLevel, (QStringList{"Keypad", "Angle", "Math", "List", "Statistics", "Matrix", "Program",
                                    "Variables", "Distribution", "Test", "Symbols", "Draw", "StatPlots"}));
}

void TestFuncTreeModel::shippedEntries()
{
    QByteArray text = readCatalogue();
    UlvoFuncTreeModel model(text);

    const QModelIndex keypad = model.index(0, 0);
    const UlvoFuncType *store = funcTypeAt(model, model.index(1, 0, keypad));
    QCOMPARE(store->funcName(), QString(QChar(0xA8)));
    QCOMPARE(store->funcDesc(), QStringLiteral("Store: value") + QChar(0xA8) + QStringLiteral("variable\r"));

    QModelIndex xy = childNamed(model, QModelIndex(), "Variables\r");
    for (const char *name : {"Variables\r", "Window\r", "X/Y\r"})
        xy = childNamed(model, xy, QString::fromLatin1(name));
    QVERIFY(xy.isValid());
    const UlvoFuncType *xmin = funcTypeAt(model, model.index(0, 0, xy));
    QCOMPARE(xmin->funcName(), QStringLiteral("Xmin\r"));
    QCOMPARE(xmin->funcDesc(), QStringLiteral("Xmin\r"));

    // The file's last line has no line end, so its entry carries no CR.
    const QModelIndex statPlots = model.index(model.rowCount() - 1, 0);
    const QModelIndex plots = model.index(0, 0, statPlots);
    const UlvoFuncType *plotsOff = funcTypeAt(model, model.index(model.rowCount(plots) - 1, 0, plots));
    QCOMPARE(plotsOff->funcName(), QStringLiteral("PlotsOff"));
    QCOMPARE(plotsOff->funcDesc(), QStringLiteral("([n])"));

    // Backslashes that do not start an escape stay as they are.
    const QModelIndex symbols = childNamed(model, QModelIndex(), "Symbols\r");
    QVERIFY(childNamed(model, symbols, "\\\r").isValid());
    const QModelIndex listOps = childNamed(model, childNamed(model, QModelIndex(), "List\r"), "Operations\r");
    QCOMPARE(funcTypeAt(model, childNamed(model, listOps, "resize("))->funcDesc(),
             QStringLiteral("(list,size)\\n(matr,rows,columns)\r"));
}

void TestFuncTreeModel::shippedCalculatorCodes()
{
    QByteArray text = readCatalogue();
    UlvoFuncTreeModel model(text);

    QSet<int> used;
    walk(model, QModelIndex(), 0, [&](const QModelIndex &index, int) {
        const UlvoFuncType *type = funcTypeAt(model, index);
        for (const QChar c : type->funcName() + type->funcDesc()) {
            if (c.unicode() >= 0x7F)
                used.insert(c.unicode());
        }
    });
    // The symbols the catalogue draws; a mistyped escape shows up as a code outside them.
    QSet<int> expected;
    const QVector<QPair<int, int>> ranges{{0x7F, 0x8A}, {0x95, 0x96}, {0x98, 0x9A}, {0x9D, 0xA2},
                                          {0xA5, 0xAB}, {0xAF, 0xAF}, {0xB1, 0xB4}, {0xBC, 0xCE},
                                          {0xD0, 0xD2}, {0xD4, 0xD6}, {0xDE, 0xE2}};
    for (const auto &range : ranges) {
        for (int code = range.first; code <= range.second; ++code)
            expected.insert(code);
    }
    QCOMPARE(used, expected);
}

void TestFuncTreeModel::shippedModelPassesTester()
{
    QByteArray text = readCatalogue();
    UlvoFuncTreeModel model(text);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), 13);
}

void TestFuncTreeModel::placesLines_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("tree");

    QTest::newRow("empty catalogue") << QByteArray() << QStringList();
    QTest::newRow("indentation jumps")
        << QByteArray("A\n B\n   C\n  D") << QStringList{"A=A", "A/B=B", "A/B/C=C", "A/D=D"};
    QTest::newRow("indentation between root and first level")
        << QByteArray("A\n  B\n C") << QStringList{"A=A", "A/B=B", "C=C"};
    QTest::newRow("first line indented")
        << QByteArray("  A\nB\n C") << QStringList{"A=A", "B=B", "B/C=C"};
    QTest::newRow("empty and blank lines skipped")
        << QByteArray("A\n\n   \n B") << QStringList{"A=A", "A/B=B"};
    QTest::newRow("CR-only line is a top-level node")
        << QByteArray("A\r\n B\r\n\r\n C")
        << QStringList{"A<CR>=A<CR>", "A<CR>/B<CR>=B<CR>", "<CR>=<CR>", "<CR>/C=C"};
    QTest::newRow("CR stays in the last field")
        << QByteArray("A\r\n B@desc\r\n C@last")
        << QStringList{"A<CR>=A<CR>", "A<CR>/B=desc<CR>", "A<CR>/C=last"};
    QTest::newRow("third field ignored") << QByteArray("t@d@e") << QStringList{"t=d"};
    QTest::newRow("empty description") << QByteArray("t@") << QStringList{"t="};
    QTest::newRow("escape 0x40 separates description")
        << QByteArray("tok\\x40desc") << QStringList{"tok=desc"};
    QTest::newRow("escape 0x0A breaks the line")
        << QByteArray("A\\x0a B") << QStringList{"A=A", "A/B=B"};
    QTest::newRow("escape 0x20 indents") << QByteArray("A\n\\x20B") << QStringList{"A=A", "A/B=B"};
    QTest::newRow("escape 0x00 ends the catalogue")
        << QByteArray("A\n B\\x00C\nD") << QStringList{"A=A", "A/B=B"};
    QTest::newRow("upper-case hex digits") << QByteArray("\\x4A") << QStringList{"J=J"};
    QTest::newRow("decoded backslash starts no escape")
        << QByteArray("\\x5cx41") << QStringList{"\\x41=\\x41"};
    QTest::newRow("only a lower-case x escapes") << QByteArray("\\X41") << QStringList{"\\X41=\\X41"};
    QTest::newRow("other backslashes kept")
        << QByteArray("\\\n r(@(a)\\n(b)") << QStringList{"\\=\\", "\\/r(=(a)\\n(b)"};
    QTest::newRow("escape cut off at the end") << QByteArray("A\\x") << QStringList{"A=A"};
}

void TestFuncTreeModel::placesLines()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, tree);

    UlvoFuncTreeModel model(text);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(describeTree(model), tree);
}

void TestFuncTreeModel::decodesEscapesInCallersArray()
{
    QByteArray text("A\\x41\\xa8");
    UlvoFuncTreeModel model(text);
    QCOMPARE(text, QByteArray("AA\xa8"));
}

void TestFuncTreeModel::rolesHeaderAndFlags()
{
    QByteArray text("Cat\r\n leaf@help");
    ProbeModel model(text);
    const QModelIndex category = model.index(0, 0);
    const QModelIndex leaf = model.index(0, 0, category);
    QVERIFY(leaf.isValid());

    QCOMPARE(funcTypeAt(model, leaf)->funcName(), QStringLiteral("leaf"));
    QVERIFY(QMetaType::type("UlvoFuncType*") != QMetaType::UnknownType);
    for (const QModelIndex &index : {category, leaf}) {
        QVERIFY(!model.data(index, UlvoFuncTreeModel::TreeModelRoleDesc).isValid());
        QVERIFY(!model.data(index, Qt::DisplayRole).isValid());
        QCOMPARE(model.flags(index), Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }
    QVERIFY(!model.data(QModelIndex(), UlvoFuncTreeModel::TreeModelRoleName).isValid());
    QCOMPARE(model.flags(QModelIndex()), Qt::NoItemFlags);

    QCOMPARE(model.columnCount(), 1);
    QCOMPARE(model.rowCount(model.columnOneOf(category)), 0);
    QVERIFY(!model.index(0, 1).isValid());
    QVERIFY(!model.index(1, 0).isValid());

    QCOMPARE(model.headerData(0, Qt::Horizontal, Qt::DisplayRole), QVariant(QStringLiteral("RootData")));
    QVERIFY(!model.headerData(1, Qt::Horizontal, Qt::DisplayRole).isValid());
    QVERIFY(!model.headerData(-1, Qt::Horizontal, Qt::DisplayRole).isValid());
    QVERIFY(!model.headerData(0, Qt::Vertical, Qt::DisplayRole).isValid());
    QVERIFY(!model.headerData(0, Qt::Horizontal, Qt::EditRole).isValid());

    const QHash<int, QByteArray> roles{{257, "name"}, {258, "desc"}};
    QCOMPARE(model.roleNames(), roles);
    const QMetaEnum rolesEnum = QMetaEnum::fromType<UlvoFuncTreeModel::TreeModelRoles>();
    QCOMPARE(rolesEnum.keyToValue("TreeModelRoleName"), 257);
    QCOMPARE(rolesEnum.keyToValue("TreeModelRoleDesc"), 258);
}

void TestFuncTreeModel::funcTypeNotifiesEveryWrite()
{
    UlvoFuncType type;
    QSignalSpy nameSpy(&type, &UlvoFuncType::funcNameChanged);
    QSignalSpy descSpy(&type, &UlvoFuncType::funcDescChanged);
    type.setProperty("funcName", QStringLiteral("sin("));
    type.setProperty("funcName", QStringLiteral("sin("));
    type.setProperty("funcDesc", QStringLiteral("Sine"));
    QCOMPARE(nameSpy.count(), 2);
    QCOMPARE(descSpy.count(), 1);
    QCOMPARE(type.property("funcName").toString(), QStringLiteral("sin("));
    QCOMPARE(type.property("funcDesc").toString(), QStringLiteral("Sine"));
}

void TestFuncTreeModel::modelOwnsFuncTypes()
{
    QByteArray text("A\n B");
    auto model = std::make_unique<UlvoFuncTreeModel>(text);
    QPointer<UlvoFuncType> leaf = funcTypeAt(*model, model->index(0, 0, model->index(0, 0)));
    QVERIFY(leaf);
    QCOMPARE(leaf->parent(), model.get());
    model.reset();
    QVERIFY(leaf.isNull());
}

QTEST_GUILESS_MAIN(TestFuncTreeModel)
#include "tst_functreemodel.moc"
