// Job information: the site, contractor, release entries, notes and the
// number of items of each kind, read-only.
#ifndef JOBINFODIALOG_H
#define JOBINFODIALOG_H

#include <QDialog>

struct JobInfo;
class QTextBrowser;

class JobInfoDialog : public QDialog
{
    Q_OBJECT
public:
    explicit JobInfoDialog(const JobInfo& info, QWidget* parent = nullptr);

    QString text() const;
    // The page as HTML; every value from the job is escaped.
    static QString html(const JobInfo& info);

private:
    QTextBrowser* m_browser;
};

#endif // JOBINFODIALOG_H
