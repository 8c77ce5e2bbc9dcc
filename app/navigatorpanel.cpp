#include "navigatorpanel.h"

#include "jobdocument.h"

#include <runekit.h>

#include <QHeaderView>
#include <QLocale>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum { KindRole = Qt::UserRole, IndexRole };
enum { FloorEntry = 1, SheetEntry };

} // namespace

NavigatorPanel::NavigatorPanel(const JobDocument& document, QWidget* parent)
    : QWidget(parent), m_document(document), m_tree(new QTreeWidget(this))
{
    m_tree->setColumnCount(2);
    m_tree->setHeaderLabels({tr("Name"), tr("Ceiling")});
    m_tree->header()->setStretchLastSection(false);
    m_tree->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_tree->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_tree->setRootIsDecorated(false);
    m_tree->setUniformRowHeights(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tree);

    connect(m_tree, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { itemChosen(item); });
    connect(&document, &JobDocument::jobOpened, this, &NavigatorPanel::reload);
    connect(&document, &JobDocument::jobClosed, this, &NavigatorPanel::reload);
    reload();
}

void NavigatorPanel::reload()
{
    m_marking = true;
    m_tree->clear();
    m_floors = nullptr;
    m_sheets = nullptr;
    if (m_document.isOpen()) {
        const QString unit = m_document.metric() ? tr("m") : tr("ft");
        m_floors = new QTreeWidgetItem(m_tree, {tr("Floors")});
        for (int f = 0; f < m_document.floorCount(); ++f) {
            // Ceiling heights are kept in feet; shown in the unit of the settings.
            double height = m_document.floorFacts(f).ceilingHeight;
            if (m_document.metric())
                height = Runekit::convertFeetToMeters(height, false);
            auto* item = new QTreeWidgetItem(
                m_floors, {m_document.floor(f).id,
                           QStringLiteral("%1 %2").arg(QLocale().toString(height, 'g', 4), unit)});
            item->setData(0, KindRole, FloorEntry);
            item->setData(0, IndexRole, f);
            item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
            item->setToolTip(1, tr("Ceiling height"));
        }
        m_sheets = new QTreeWidgetItem(m_tree, {tr("Network sheets")});
        for (int s = 0; s < m_document.sheets().sheets().size(); ++s) {
            auto* item = new QTreeWidgetItem(m_sheets, {m_document.sheets().sheets().at(s).id});
            item->setData(0, KindRole, SheetEntry);
            item->setData(0, IndexRole, s);
        }
        for (QTreeWidgetItem* group : {m_floors, m_sheets}) {
            group->setFlags(Qt::ItemIsEnabled);
            QFont bold = group->font(0);
            bold.setBold(true);
            group->setFont(0, bold);
            group->setExpanded(true);
        }
    }
    m_marking = false;
}

void NavigatorPanel::setCurrentFloor(int floor)
{
    if (!m_floors)
        return;
    m_marking = true;
    m_tree->setCurrentItem(m_floors->child(floor));
    m_marking = false;
}

void NavigatorPanel::setCurrentSheet(int sheet)
{
    if (!m_sheets)
        return;
    m_marking = true;
    m_tree->setCurrentItem(m_sheets->child(sheet));
    m_marking = false;
}

void NavigatorPanel::itemChosen(QTreeWidgetItem* item)
{
    if (m_marking || !item)
        return;
    const int index = item->data(0, IndexRole).toInt();
    switch (item->data(0, KindRole).toInt()) {
    case FloorEntry:
        emit floorChosen(index);
        break;
    case SheetEntry:
        emit sheetChosen(index);
        break;
    default:
        break;
    }
}
