// The cable table dock: a filter row (text, status, type, floor) over the
// sortable table of cables, and how many of them are shown.
#ifndef CABLEPANEL_H
#define CABLEPANEL_H

#include <QWidget>

class CableFilterModel;
class CableTableModel;
class JobDocument;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;

class CablePanel : public QWidget
{
    Q_OBJECT
public:
    explicit CablePanel(const JobDocument& document, QWidget* parent = nullptr);

    // Selects the cable's row and scrolls to it; a cable the filters hide
    // leaves the table without a selection.
    void selectCable(int cable);
    // The cable of the selected row, -1 for none.
    int selectedCable() const;
    // How many rows the filters let through.
    int shownCount() const;

    QLineEdit* filterEdit() const { return m_text; }
    QComboBox* statusBox() const { return m_status; }
    QComboBox* typeBox() const { return m_type; }
    QComboBox* floorBox() const { return m_floor; }
    QTableView* table() const { return m_table; }

signals:
    // The user selected a row (not emitted for selectCable()).
    void cableSelected(int cable);

private:
    void reload();
    void updateCount();
    void rowChanged();
    void rowsArrived();

    const JobDocument& m_document;
    CableTableModel* m_model;
    CableFilterModel* m_filter;
    QLineEdit* m_text;
    QComboBox* m_status;
    QComboBox* m_type;
    QComboBox* m_floor;
    QTableView* m_table;
    QLabel* m_count;
    bool m_selecting = false;
    // The cable the window wants selected, for rows that are read later.
    int m_wanted = -1;
    bool m_sized = false;
};

#endif // CABLEPANEL_H
