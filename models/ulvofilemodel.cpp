#include "models/ulvofilemodel.h"

UlvoFileModel::UlvoFileModel(QObject *parent)
    : QAbstractListModel(parent)
{
    m_roleNames.insert(NameRole, "nameRole");
    m_roleNames.insert(SizeRole, "sizeRole");
}

int UlvoFileModel::rowCount(const QModelIndex &parent) const
{
    // A flat list: rows have no children.
    return parent.isValid() ? 0 : m_files.size();
}

QVariant UlvoFileModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !isRowValid(index.row()))
        return {};
    const FileInf &file = m_files.at(index.row());
    switch (role) {
    case NameRole:
        return file.first;
    case SizeRole:
        // The plain number of bytes; the view formats nothing.
        return file.second;
    default:
        return {};
    }
}

QHash<int, QByteArray> UlvoFileModel::roleNames() const
{
    return m_roleNames;
}

QString UlvoFileModel::getName(int row) const
{
    return isRowValid(row) ? m_files.at(row).first : QString();
}

void UlvoFileModel::initialize(const QList<FileInf> &files)
{
    m_files = files;
}

void UlvoFileModel::setFileNames(const QList<FileInf> &files)
{
    if (files.isEmpty())
        return;
    // Callers empty the model first; should one not, the old rows are removed in view of any
    // attached view rather than replaced behind its back.
    clear();
    beginInsertRows(QModelIndex(), 0, files.size() - 1);
    m_files = files;
    endInsertRows();
}

void UlvoFileModel::addFile(const FileInf &file)
{
    // The calculator treats names without regard to case, so a file sent under a name it
    // already lists replaces that row; the row takes the name it was sent under.
    const QString wanted = file.first.toUpper();
    for (int row = 0; row < m_files.size(); ++row) {
        if (m_files.at(row).first.toUpper() != wanted)
            continue;
        m_files[row] = file;
        const QModelIndex changed = index(row, 0);
        emit dataChanged(changed, changed);
        return;
    }
    const int row = m_files.size();
    beginInsertRows(QModelIndex(), row, row);
    m_files.append(file);
    endInsertRows();
}

void UlvoFileModel::deleteAt(int row)
{
    if (!isRowValid(row))
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_files.removeAt(row);
    endRemoveRows();
}

void UlvoFileModel::deleteByName(const QString &name)
{
    for (int row = 0; row < m_files.size(); ++row) {
        if (m_files.at(row).first == name) {
            deleteAt(row);
            return;
        }
    }
}

bool UlvoFileModel::isFileExist(const QString &name) const
{
    const QString wanted = name.toUpper();
    for (const FileInf &file : m_files) {
        if (file.first.toUpper() == wanted)
            return true;
    }
    return false;
}

UlvoFileModel::FileInf UlvoFileModel::getFileInfAt(int row) const
{
    return isRowValid(row) ? m_files.at(row) : FileInf(QString(), 0);
}

void UlvoFileModel::clear()
{
    if (m_files.isEmpty())
        return;
    beginRemoveRows(QModelIndex(), 0, m_files.size() - 1);
    m_files.clear();
    endRemoveRows();
}

// Compiled here so that this class links on its own, without the other classes of the library.
#include "moc_ulvofilemodel.cpp"
