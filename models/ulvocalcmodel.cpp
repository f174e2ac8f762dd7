#include "models/ulvocalcmodel.h"

#include <algorithm>

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
    if (!index.isValid() || index.row() < 0 || index.row() >= m_names.size())
        return {};
    const int row = index.row();
    switch (role) {
    case Qt::DisplayRole: return m_names.at(row);
    case ResultRole: return m_states.at(row).result;
    case ResultTextRole: return m_states.at(row).text;
    case PercentRole: return m_states.at(row).percent;
    default: return {};
    }
}

QHash<int, QByteArray> UlvoCalcModel::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractListModel::roleNames();
    names.insert(ResultRole, "result");
    names.insert(ResultTextRole, "resultText");
    names.insert(PercentRole, "percent");
    return names;
}

// The user interface writes the row the user clicked; it is stored as given.
void UlvoCalcModel::setCurrentIndex(int index)
{
    m_anchor = index;
    setSelection(index >= 0 && index < m_names.size() ? QSet<int> {index} : QSet<int> {});
    moveCurrent(index);
}

void UlvoCalcModel::moveCurrent(int row)
{
    if (row == m_currentIndex)
        return;
    m_currentIndex = row;
    emit indexOrSizeChange(m_currentIndex);
}

QList<int> UlvoCalcModel::selectedRows() const
{
    QList<int> rows = m_selected.values();
    std::sort(rows.begin(), rows.end());
    return rows;
}

QVariantList UlvoCalcModel::selection() const
{
    QVariantList rows;
    for (int row : selectedRows())
        rows.append(row);
    return rows;
}

bool UlvoCalcModel::isSelected(int row) const
{
    return m_selected.contains(row);
}

void UlvoCalcModel::toggleSelected(int row)
{
    if (row < 0 || row >= m_names.size())
        return;
    QSet<int> rows = m_selected;
    if (!rows.contains(row)) {
        rows.insert(row);
        m_anchor = row;
        setSelection(rows);
        moveCurrent(row);
        return;
    }
    if (rows.size() == 1)
        return;
    rows.remove(row);
    setSelection(rows);
    // The files shown are those of a selected calculator: the nearest one above, else below.
    if (row == m_currentIndex) {
        const QList<int> left = selectedRows();
        int next = left.first();
        for (int candidate : left) {
            if (candidate < row)
                next = candidate;
        }
        moveCurrent(next);
    }
}

void UlvoCalcModel::extendSelection(int row)
{
    if (row < 0 || row >= m_names.size())
        return;
    const int from = m_anchor >= 0 && m_anchor < m_names.size() ? m_anchor : row;
    QSet<int> rows;
    for (int r = std::min(from, row); r <= std::max(from, row); ++r)
        rows.insert(r);
    setSelection(rows);
    moveCurrent(row);
}

void UlvoCalcModel::selectAll()
{
    QSet<int> rows;
    for (int r = 0; r < m_names.size(); ++r)
        rows.insert(r);
    setSelection(rows);
}

void UlvoCalcModel::setSelection(const QSet<int> &rows)
{
    if (rows == m_selected)
        return;
    m_selected = rows;
    emit selectionChange();
}

void UlvoCalcModel::setRowState(int row, int result, const QString &text, int percent)
{
    if (row < 0 || row >= m_states.size())
        return;
    RowState &state = m_states[row];
    if (state.result == result && state.text == text && state.percent == percent)
        return;
    state = RowState {result, text, percent};
    emitRowsChanged(row, row, {ResultRole, ResultTextRole, PercentRole});
}

void UlvoCalcModel::emitRowsChanged(int first, int last, const QVector<int> &roles)
{
    emit dataChanged(index(first, 0), index(last, 0), roles);
}

QString UlvoCalcModel::getName() const
{
    return isCurrentRowValid() ? m_names.at(m_currentIndex) : QString();
}

void UlvoCalcModel::initialize(const QStringList &names)
{
    m_names = names;
    m_states = QList<RowState>();
    for (int row = 0; row < names.size(); ++row)
        m_states.append(RowState());
    if (m_names.isEmpty())
        return;
    m_currentIndex = 0;
    m_anchor = 0;
    m_selected = {0};
    emit indexOrSizeChange(m_currentIndex);
}

void UlvoCalcModel::pushBack(const QString &name)
{
    const int row = m_names.size();
    beginInsertRows(QModelIndex(), row, row);
    m_names.append(name);
    m_states.append(RowState());
    // The first calculator becomes the selected one, also after all earlier ones have gone; the
    // new row is read whole by the views, so no change of it is announced.
    const bool first = m_names.size() == 1;
    if (first) {
        m_currentIndex = 0;
        m_anchor = 0;
        m_selected = {0};
    }
    endInsertRows();
    if (first)
        emit selectionChange();
    emit indexOrSizeChange(m_currentIndex);
}

void UlvoCalcModel::deleteAt(int row)
{
    if (row < 0 || row >= m_names.size())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_names.removeAt(row);
    m_states.removeAt(row);
    endRemoveRows();
    // Keep pointing at the same calculator, or at the previous row when the selected one went.
    // Row 0 stays selected, so the index never returns to -1 once a calculator was present.
    if (m_currentIndex >= row && m_currentIndex > 0)
        --m_currentIndex;
    // The selection follows its calculators; the current row stays part of it.
    QSet<int> rows;
    for (int selected : qAsConst(m_selected)) {
        if (selected != row)
            rows.insert(selected > row ? selected - 1 : selected);
    }
    if (isCurrentRowValid())
        rows.insert(m_currentIndex);
    if (m_anchor > row || m_anchor >= m_names.size())
        --m_anchor;
    // Announced always: the same row numbers may now name other calculators.
    m_selected = rows;
    emit selectionChange();
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
