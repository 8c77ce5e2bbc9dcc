// Boxes already drawn on a drawing, filed in a grid of cells, so that
// finding whether a box is free costs the same on a crowded floor as on an
// empty one.
#ifndef BOXGRID_P_H
#define BOXGRID_P_H

#include <QHash>
#include <QList>
#include <QRect>

namespace Plan {

class BoxGrid
{
public:
    // cell: the side of a cell in the drawing's units, about the size of
    // the boxes filed.
    explicit BoxGrid(int cell = 64) : m_cell(cell) {}

    void take(const QRect& box)
    {
        forCells(box, [&](quint64 cell) {
            m_cells[cell].append(box);
            return false;
        });
    }

    bool isFree(const QRect& box) const
    {
        return !forCells(box, [&](quint64 cell) {
            const auto it = m_cells.constFind(cell);
            if (it == m_cells.constEnd())
                return false;
            for (const QRect& r : *it) {
                if (r.intersects(box))
                    return true;
            }
            return false;
        });
    }

private:
    int cellOf(int v) const { return v >= 0 ? v / m_cell : -((-v + m_cell - 1) / m_cell); }

    template <typename F>
    bool forCells(const QRect& box, F f) const
    {
        for (int cx = cellOf(box.left()); cx <= cellOf(box.right()); ++cx) {
            for (int cy = cellOf(box.top()); cy <= cellOf(box.bottom()); ++cy) {
                if (f((quint64(quint32(cx)) << 32) | quint32(cy)))
                    return true;
            }
        }
        return false;
    }

    int m_cell;
    QHash<quint64, QList<QRect>> m_cells;
};

} // namespace Plan

#endif // BOXGRID_P_H
