// The cable details dock: the selected cable's facts, its values pair by
// pair and its three response plots, the status in the colour of its
// verdict; "untested" when the cable has no result.
#ifndef DETAILSPANEL_H
#define DETAILSPANEL_H

#include <QWidget>

struct CableDetails;
class JobDocument;
class PlotWidget;
class QFormLayout;
class QLabel;
class QStackedWidget;
class QTableWidget;

class DetailsPanel : public QWidget
{
    Q_OBJECT
public:
    explicit DetailsPanel(const JobDocument& document, QWidget* parent = nullptr);

    // Shows the cable (-1: nothing).
    void showCable(int cable);
    int cable() const { return m_cable; }

    QLabel* statusLabel() const { return m_status; }
    PlotWidget* plot(int index) const { return m_plots[index]; }
    QTableWidget* pairs() const { return m_pairs; }
    // The text of a fact by its label as shown ("Type", "From" ...).
    QString fact(const QString& label) const;

private:
    void fill(const CableDetails& details);

    const JobDocument& m_document;
    int m_cable = -1;
    QStackedWidget* m_pages;
    QLabel* m_title;
    QLabel* m_status;
    QFormLayout* m_facts;
    QLabel* m_untested;
    QTableWidget* m_pairs;
    PlotWidget* m_plots[3];
};

#endif // DETAILSPANEL_H
