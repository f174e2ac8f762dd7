#include "models/ulvofunctreemodel.h"

#include "models/ulvofuncitem.h"
#include "models/ulvofunctype.h"

#include <QStack>

UlvoFuncTreeModel::UlvoFuncTreeModel(QByteArray &data, QObject *parent)
    : QAbstractItemModel(parent)
{
    qRegisterMetaType<UlvoFuncType *>("UlvoFuncType*");

    m_roleNames[TreeModelRoleName] = "name";
    m_roleNames[TreeModelRoleDesc] = "desc";
    m_rootItem = std::make_unique<UlvoFuncItem>(QList<QVariant>{QStringLiteral("RootData")});

    decodeEscapes(data);
    // Calculator codes map one to one onto Latin-1; the text ends at a 0x00 byte.
    const QString text = QString::fromLatin1(data);
    // Only LF separates lines: the CR of a CR LF stays on its line and reaches the entries.
    buildTree(text.split(QLatin1Char('\n')));
}

UlvoFuncTreeModel::~UlvoFuncTreeModel() = default;

void UlvoFuncTreeModel::decodeEscapes(QByteArray &data)
{
    static const int escapeLength = 4; // backslash, 'x', two hexadecimal digits
    for (int i = 0; i < data.size(); ++i) {
        if (data.at(i) != '\\' || i + 1 >= data.size() || data.at(i + 1) != 'x')
            continue;
        const QByteArray digits = data.mid(i + 2, 2);
        data.remove(i, escapeLength);
        data.insert(i, QByteArray::fromHex(digits));
        // The loop steps past the decoded byte: a decoded backslash never starts a new escape.
    }
}

void UlvoFuncTreeModel::buildTree(const QStringList &lines)
{
    // Parents of the current line's level and their indentations, the root at the bottom.
    QStack<UlvoFuncItem *> parents;
    QStack<int> indentations;
    parents.push(m_rootItem.get());
    indentations.push(0);

    for (const QString &line : lines) {
        if (line.isEmpty())
            continue;
        int position = 0;
        while (position < line.size() && line.at(position) == QLatin1Char(' '))
            ++position;
        const QString lineData = line.mid(position);
        if (lineData.isEmpty())
            continue;

        const QStringList fields = lineData.split(QLatin1Char('@'));
        auto *funcType = new UlvoFuncType(this);
        funcType->setFuncName(fields.at(0));
        funcType->setFuncDesc(fields.size() > 1 ? fields.at(1) : fields.at(0));

        if (position > indentations.top()) {
            // A deeper line goes one level down, under the previous entry of this level;
            // with no such entry it stays at the current level.
            if (UlvoFuncItem *previous = parents.top()->lastChild()) {
                parents.push(previous);
                indentations.push(position);
            }
        } else {
            // The root's indentation 0 is never passed, so the root stays on the stack.
            while (position < indentations.top()) {
                parents.pop();
                indentations.pop();
            }
        }
        parents.top()->appendChild({QVariant::fromValue(funcType)});
    }
}

UlvoFuncItem *UlvoFuncTreeModel::itemOrRoot(const QModelIndex &index) const
{
    return index.isValid() ? static_cast<UlvoFuncItem *>(index.internalPointer()) : m_rootItem.get();
}

QModelIndex UlvoFuncTreeModel::index(int row, int column, const QModelIndex &parent) const
{
    if (!hasIndex(row, column, parent))
        return QModelIndex();
    UlvoFuncItem *childItem = itemOrRoot(parent)->child(row);
    return childItem ? createIndex(row, column, childItem) : QModelIndex();
}

QModelIndex UlvoFuncTreeModel::parent(const QModelIndex &index) const
{
    if (!index.isValid())
        return QModelIndex();
    UlvoFuncItem *parentItem = static_cast<UlvoFuncItem *>(index.internalPointer())->parentItem();
    if (!parentItem || parentItem == m_rootItem.get())
        return QModelIndex();
    return createIndex(parentItem->row(), 0, parentItem);
}

int UlvoFuncTreeModel::rowCount(const QModelIndex &parent) const
{
    if (parent.column() > 0)
        return 0;
    return itemOrRoot(parent)->childCount();
}

int UlvoFuncTreeModel::columnCount(const QModelIndex &parent) const
{
    return itemOrRoot(parent)->columnCount();
}

QVariant UlvoFuncTreeModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != TreeModelRoleName && role != TreeModelRoleDesc))
        return QVariant();
    // The column is ignored: the single data value is the node's UlvoFuncType.
    return static_cast<UlvoFuncItem *>(index.internalPointer())->data(role - TreeModelRoleName);
}

QVariant UlvoFuncTreeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_rootItem->data(section);
    return QVariant();
}

Qt::ItemFlags UlvoFuncTreeModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return QAbstractItemModel::flags(index);
}

QHash<int, QByteArray> UlvoFuncTreeModel::roleNames() const
{
    return m_roleNames;
}

// The meta-objects are compiled here rather than in the library's shared moc unit, so that
// using the catalogue pulls in no other class's meta-object.
#include "moc_ulvofunctreemodel.cpp"
#include "moc_ulvofunctype.cpp"
