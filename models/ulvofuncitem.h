#pragma once

#include <QList>
#include <QVariant>

#include <memory>
#include <vector>

// A node of the function catalogue tree. It owns its children; its parent pointer is a plain
// back reference (null for the root).
class UlvoFuncItem
{
public:
    explicit UlvoFuncItem(const QList<QVariant> &data, UlvoFuncItem *parentItem = nullptr);
    ~UlvoFuncItem();
    UlvoFuncItem(const UlvoFuncItem &) = delete;
    UlvoFuncItem &operator=(const UlvoFuncItem &) = delete;

    // Creates a child after the existing ones and returns it; the node keeps ownership.
    UlvoFuncItem *appendChild(const QList<QVariant> &data);

    UlvoFuncItem *child(int row) const; // null when row is out of range
    UlvoFuncItem *lastChild() const;    // null without children
    int childCount() const;
    int columnCount() const;            // the number of data values
    QVariant data(int column) const;    // invalid when column is out of range
    UlvoFuncItem *parentItem() const;
    int row() const;                    // position among the parent's children, 0 for the root

private:
    std::vector<std::unique_ptr<UlvoFuncItem>> m_children;
    QList<QVariant> m_data;
    UlvoFuncItem *m_parentItem;
    int m_row = 0;
};
