// Find (Ctrl+F): type any part of the id of a port, cable, room, riser,
// device, floor or sheet; the hits are listed as one types, exact ones
// first, and choosing one takes the window there.
#ifndef FINDDIALOG_H
#define FINDDIALOG_H

#include "jobdocument.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;

class FindDialog : public QDialog
{
    Q_OBJECT
public:
    explicit FindDialog(const JobDocument& document, QWidget* parent = nullptr);

    QLineEdit* edit() const { return m_edit; }
    QListWidget* hits() const { return m_hits; }
    // Goes to the selected hit (the first when none is selected).
    void goToHit();

    static QString kindName(JobLocation::Kind kind);

signals:
    void locationChosen(const JobLocation& location);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void search();

    const JobDocument& m_document;
    QLineEdit* m_edit;
    QListWidget* m_hits;
    QLabel* m_summary;
    QList<JobLocation> m_found;
};

#endif // FINDDIALOG_H
