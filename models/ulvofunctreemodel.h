#pragma once

#include <QAbstractItemModel>
#include <QByteArray>
#include <QHash>
#include <QStringList>

#include <memory>

class UlvoFuncItem;

// The tree of language functions the editor offers for insertion, read once from the
// catalogue text. Each node's data is a UlvoFuncType owned by this model.
//
// Catalogue text: one entry per line, its depth given by the number of leading spaces, the
// line being a token or "token@description"; "\xHH" stands for the calculator code HH.
class UlvoFuncTreeModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    enum TreeModelRoles {
        TreeModelRoleName = Qt::UserRole + 1,
        TreeModelRoleDesc,
    };
    Q_ENUM(TreeModelRoles)

    // Decodes the escapes inside data (the caller's array is changed) and builds the tree.
    explicit UlvoFuncTreeModel(QByteArray &data, QObject *parent = nullptr);
    ~UlvoFuncTreeModel() override;

    QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &index) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QHash<int, QByteArray> roleNames() const override;

private:
    static void decodeEscapes(QByteArray &data);
    void buildTree(const QStringList &lines);
    UlvoFuncItem *itemOrRoot(const QModelIndex &index) const;

    QHash<int, QByteArray> m_roleNames;
    std::unique_ptr<UlvoFuncItem> m_rootItem;
};
