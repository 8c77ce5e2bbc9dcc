// What of the cable table is shown: the rows that hold a text (in any
// column, ignoring case), of a status (passed, failed, untested), of a type
// and with an end on a floor; sorted by any column, lengths by value and
// names with their numbers in order (Cable9 before Cable10).
#ifndef CABLEFILTERMODEL_H
#define CABLEFILTERMODEL_H

#include <QCollator>
#include <QSortFilterProxyModel>

class CableFilterModel : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    // Status filter: every cable, or one verdict (Plan::Verdict as int).
    static constexpr int AnyStatus = -1;

    explicit CableFilterModel(QObject* parent = nullptr);

    void setText(const QString& text);
    void setStatus(int verdict);
    void setType(const QString& type);   // empty: every type
    void setFloor(const QString& floor); // a floor's name; empty: every floor

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    QString m_text;
    int m_status = AnyStatus;
    QString m_type;
    QString m_floor;
    QCollator m_collator;
};

#endif // CABLEFILTERMODEL_H
