#include "cabletablemodel.h"

#include "jobdocument.h"

#include <schedule_p.h>

#include <QBrush>
#include <QColor>
#include <QFont>

namespace {

QColor verdictColor(Plan::Verdict v)
{
    switch (v) {
    case Plan::Verdict::Pass:
        return QColor(0x00, 0x77, 0x00);
    case Plan::Verdict::Fail:
        return QColor(0xbb, 0x00, 0x00);
    case Plan::Verdict::Untested:
        break;
    }
    return QColor(0x66, 0x66, 0x66);
}

bool isLength(int column)
{
    return column == Plan::EstimatedLengthColumn || column == Plan::MeasuredLengthColumn;
}

} // namespace

CableTableModel::CableTableModel(const JobDocument& document, QObject* parent)
    : QAbstractTableModel(parent), m_document(document)
{
    m_titles = columnTitles(m_document.metric());
    connect(&document, &JobDocument::jobOpened, this, &CableTableModel::reload);
    connect(&document, &JobDocument::jobClosed, this, &CableTableModel::reload);
    connect(&document, &JobDocument::changed, this, &CableTableModel::reload);
    connect(&document, &JobDocument::rowsReadUpTo, this, &CableTableModel::rowsRead);
}

QStringList CableTableModel::columnTitles(bool metric)
{
    const QString unit = metric ? tr("m") : tr("ft");
    return {tr("Cable"),
            tr("From port"),
            tr("From room"),
            tr("From floor"),
            tr("To port"),
            tr("To room"),
            tr("To floor"),
            tr("Type"),
            tr("Colour"),
            tr("Use"),
            tr("Bundle"),
            tr("Bundle group"),
            tr("Estimated length (%1)").arg(unit),
            tr("Measured length (%1)").arg(unit),
            tr("Status"),
            tr("Tested")};
}

void CableTableModel::reload()
{
    beginResetModel();
    m_titles = columnTitles(m_document.metric());
    m_count = m_document.isOpen() ? m_document.rowsRead() : 0;
    endResetModel();
}

void CableTableModel::rowsRead(int, int last)
{
    if (last < m_count)
        return;
    beginInsertRows(QModelIndex(), m_count, last);
    m_count = last + 1;
    endInsertRows();
}

int CableTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_count;
}

int CableTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(Plan::ScheduleColumnCount);
}

QVariant CableTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_count)
        return QVariant();
    const QStringList& row = m_document.scheduleRow(index.row());
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        if (column == Plan::ColourColumn)
            return m_document.colourName(index.row());
        return row.value(column);
    case SortRole:
        if (isLength(column)) {
            bool ok = false;
            const double value = row.value(column).toDouble(&ok);
            return ok ? value : -1.0;
        }
        if (column == Plan::ColourColumn)
            return m_document.colourName(index.row());
        return row.value(column);
    case VerdictRole:
        return int(m_document.verdict(index.row()));
    case Qt::ForegroundRole:
        if (column == Plan::StatusColumn)
            return QBrush(verdictColor(m_document.verdict(index.row())));
        return QVariant();
    case Qt::FontRole:
        if (column == Plan::StatusColumn &&
            m_document.verdict(index.row()) == Plan::Verdict::Fail) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return QVariant();
    case Qt::DecorationRole:
        if (column == Plan::ColourColumn) {
            const QColor colour(row.value(column));
            if (colour.isValid())
                return colour;
        }
        return QVariant();
    case Qt::TextAlignmentRole:
        if (isLength(column))
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant();
    default:
        return QVariant();
    }
}

QVariant CableTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_titles.value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}
