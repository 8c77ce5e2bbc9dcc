// The cable schedule as a table: one row per cable in cable order, the
// columns of jobtool's schedule, the status in the colour of its verdict and
// the colour column with a swatch. Rows come from the job document, and
// appear as it reads them.
#ifndef CABLETABLEMODEL_H
#define CABLETABLEMODEL_H

#include <QAbstractTableModel>

class JobDocument;

class CableTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // What the filter and sorting read besides the text.
    enum Role {
        SortRole = Qt::UserRole, // lengths as numbers, the rest as text
        VerdictRole,             // Plan::Verdict as int
    };

    explicit CableTableModel(const JobDocument& document, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The column titles as the window shows them.
    static QStringList columnTitles(bool metric);

private:
    void reload();
    void rowsRead(int first, int last);

    const JobDocument& m_document;
    QStringList m_titles;
    // The rows shown: those the document has read so far.
    int m_count = 0;
};

#endif // CABLETABLEMODEL_H
