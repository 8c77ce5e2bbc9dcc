#include "cablefiltermodel.h"

#include "cabletablemodel.h"

#include <schedule_p.h>

CableFilterModel::CableFilterModel(QObject* parent) : QSortFilterProxyModel(parent)
{
    m_collator.setNumericMode(true);
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    setSortRole(CableTableModel::SortRole);
}

void CableFilterModel::setText(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed == m_text)
        return;
    m_text = trimmed;
    invalidateFilter();
}

void CableFilterModel::setStatus(int verdict)
{
    if (verdict == m_status)
        return;
    m_status = verdict;
    invalidateFilter();
}

void CableFilterModel::setType(const QString& type)
{
    if (type == m_type)
        return;
    m_type = type;
    invalidateFilter();
}

void CableFilterModel::setFloor(const QString& floor)
{
    if (floor == m_floor)
        return;
    m_floor = floor;
    invalidateFilter();
}

bool CableFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    const QAbstractItemModel* model = sourceModel();
    auto text = [&](int column) {
        return model->index(sourceRow, column, sourceParent).data().toString();
    };
    if (m_status != AnyStatus &&
        model->index(sourceRow, 0, sourceParent).data(CableTableModel::VerdictRole).toInt() !=
            m_status)
        return false;
    if (!m_type.isEmpty() && text(Plan::TypeColumn) != m_type)
        return false;
    if (!m_floor.isEmpty() && text(Plan::FromFloorColumn) != m_floor &&
        text(Plan::ToFloorColumn) != m_floor)
        return false;
    if (m_text.isEmpty())
        return true;
    for (int column = 0; column < Plan::ScheduleColumnCount; ++column) {
        if (text(column).contains(m_text, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

bool CableFilterModel::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    const QVariant a = left.data(sortRole());
    const QVariant b = right.data(sortRole());
    if (a.typeId() == QMetaType::Double && b.typeId() == QMetaType::Double)
        return a.toDouble() < b.toDouble();
    const int order = m_collator.compare(a.toString(), b.toString());
    if (order != 0)
        return order < 0;
    // Equal texts keep cable order, so a sort is the same every time.
    return left.row() < right.row();
}
