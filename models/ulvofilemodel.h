#ifndef ULVOFILEMODEL_H
#define ULVOFILEMODEL_H

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

// The files of the selected calculator as (name, size in bytes) rows, in the order the
// calculator lists them; files sent later are added at the end.
class UlvoFileModel : public QAbstractListModel
{
    Q_OBJECT

public:
    using FileInf = QPair<QString, int>;

    enum Roles { NameRole = Qt::UserRole, SizeRole = Qt::UserRole + 2 };

    explicit UlvoFileModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    Q_INVOKABLE QString getName(int row) const;

    // Replaces the entries silently: meant to be called once, before any view is attached.
    void initialize(const QList<FileInf> &files);
    void setFileNames(const QList<FileInf> &files);
    void addFile(const FileInf &file);
    void deleteAt(int row);
    void deleteByName(const QString &name);
    bool isFileExist(const QString &name) const;
    FileInf getFileInfAt(int row) const;
    void clear();

private:
    bool isRowValid(int row) const { return row >= 0 && row < m_files.size(); }

    QList<FileInf> m_files;
    QHash<int, QByteArray> m_roleNames;
};

#endif // ULVOFILEMODEL_H
