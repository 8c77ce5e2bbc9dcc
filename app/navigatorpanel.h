// The side panel that lists the floors (with their ceiling heights) and the
// network sheets; choosing one shows it.
#ifndef NAVIGATORPANEL_H
#define NAVIGATORPANEL_H

#include <QWidget>

class JobDocument;
class QTreeWidget;
class QTreeWidgetItem;

class NavigatorPanel : public QWidget
{
    Q_OBJECT
public:
    explicit NavigatorPanel(const JobDocument& document, QWidget* parent = nullptr);

    // Marks what the view shows, without signalling.
    void setCurrentFloor(int floor);
    void setCurrentSheet(int sheet);

    QTreeWidget* tree() const { return m_tree; }

signals:
    void floorChosen(int floor);
    void sheetChosen(int sheet);

private:
    void reload();
    void itemChosen(QTreeWidgetItem* item);

    const JobDocument& m_document;
    QTreeWidget* m_tree;
    QTreeWidgetItem* m_floors = nullptr;
    QTreeWidgetItem* m_sheets = nullptr;
    bool m_marking = false;
};

#endif // NAVIGATORPANEL_H
