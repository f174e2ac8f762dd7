#include "models/ulvofuncitem.h"

UlvoFuncItem::UlvoFuncItem(const QList<QVariant> &data, UlvoFuncItem *parentItem)
    : m_data(data), m_parentItem(parentItem)
{
}

UlvoFuncItem::~UlvoFuncItem() = default;

UlvoFuncItem *UlvoFuncItem::appendChild(const QList<QVariant> &data)
{
    auto child = std::make_unique<UlvoFuncItem>(data, this);
    // Children are only ever appended, so the position is fixed when the child is created.
    child->m_row = childCount();
    m_children.push_back(std::move(child));
    return m_children.back().get();
}

UlvoFuncItem *UlvoFuncItem::child(int row) const
{
    if (row < 0 || row >= childCount())
        return nullptr;
    return m_children[static_cast<size_t>(row)].get();
}

UlvoFuncItem *UlvoFuncItem::lastChild() const
{
    return m_children.empty() ? nullptr : m_children.back().get();
}

int UlvoFuncItem::childCount() const
{
    return static_cast<int>(m_children.size());
}

int UlvoFuncItem::columnCount() const
{
    return m_data.size();
}

QVariant UlvoFuncItem::data(int column) const
{
    return m_data.value(column);
}

UlvoFuncItem *UlvoFuncItem::parentItem() const
{
    return m_parentItem;
}

int UlvoFuncItem::row() const
{
    return m_row;
}
