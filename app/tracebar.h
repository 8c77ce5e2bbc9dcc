// The bar above the plan while a cable is traced: which cable, from where to
// where, its estimated and measured length, and for a cable between floors
// the way to the previous and next floor of its route through its risers.
#ifndef TRACEBAR_H
#define TRACEBAR_H

#include <QFrame>

class QLabel;
class QToolButton;

class TraceBar : public QFrame
{
    Q_OBJECT
public:
    explicit TraceBar(QWidget* parent = nullptr);

    // The route's floors in order; current is the one shown (-1: another).
    void setTrace(const QString& text, const QStringList& floors, int current);
    QString text() const;
    QToolButton* previousButton() const { return m_previous; }
    QToolButton* nextButton() const { return m_next; }

signals:
    void previousFloor();
    void nextFloor();
    void closed();

private:
    QLabel* m_text;
    QLabel* m_where;
    QToolButton* m_previous;
    QToolButton* m_next;
    QToolButton* m_close;
};

#endif // TRACEBAR_H
