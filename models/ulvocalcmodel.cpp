#include "models/ulvocalcmodel.h"

UlvoCalcModel::UlvoCalcModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

int UlvoCalcModel::rowCount(const QModelIndex &parent) const
{
    // A flat list: rows have no children.
    return parent.isValid() ? 0 : m_names.size();
}

QVariant UlvoCalcModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() < 0 || index.row() >= m_names.size())
        return {};
    return m_names.at(index.row());
}

// The user interface writes the row the user clicked; it is stored as given.
void UlvoCalcModel::setCurrentIndex(int index)
{
    if (index == m_currentIndex)
        return;
    m_currentIndex = index;
    emit indexOrSizeChange(m_currentIndex);
}

QString UlvoCalcModel::getName() const
{
    return isCurrentRowValid() ? m_names.at(m_currentIndex) : QString();
}

void UlvoCalcModel::initialize(const QStringList &names)
{
    m_names = names;
    if (m_names.isEmpty())
        return;
    m_currentIndex = 0;
    emit indexOrSizeChange(m_currentIndex);
}

void UlvoCalcModel::pushBack(const QString &name)
{
    const int row = m_names.size();
    beginInsertRows(QModelIndex(), row, row);
    m_names.append(name);
    endInsertRows();
    // The first calculator becomes the selected one, also after all earlier ones have gone.
    if (m_names.size() == 1)
        m_currentIndex = 0;
    emit indexOrSizeChange(m_currentIndex);
}

void UlvoCalcModel::deleteAt(int row)
{
    if (row < 0 || row >= m_names.size())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_names.removeAt(row);
    endRemoveRows();
    // Keep pointing at the same calculator, or at the previous row when the selected one went.
    // Row 0 stays selected, so the index never returns to -1 once a calculator was present.
    if (m_currentIndex >= row && m_currentIndex > 0)
        --m_currentIndex;
    emit indexOrSizeChange(m_currentIndex);
}

void UlvoCalcModel::changeName(const QString &name)
{
    // Without a selected row there is nothing to rename.
    if (!isCurrentRowValid())
        return;
    changeNameAt(m_currentIndex, name);
}

void UlvoCalcModel::changeNameAt(int row, const QString &name)
{
    if (row < 0 || row >= m_names.size())
        return;
    m_names[row] = name;
    const QModelIndex changed = index(row, 0);
    emit dataChanged(changed, changed);
}

bool UlvoCalcModel::isCurrentRowValid() const
{
    return m_currentIndex >= 0 && m_currentIndex < m_names.size();
}

// Compiled here so that this class links on its own, without the other classes of the library.
#include "moc_ulvocalcmodel.cpp"
