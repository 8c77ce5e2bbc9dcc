#include "cablepanel.h"

#include "cablefiltermodel.h"
#include "cabletablemodel.h"
#include "jobdocument.h"

#include <schedule_p.h>

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

CablePanel::CablePanel(const JobDocument& document, QWidget* parent)
    : QWidget(parent), m_document(document), m_model(new CableTableModel(document, this)),
      m_filter(new CableFilterModel(this)), m_text(new QLineEdit(this)),
      m_status(new QComboBox(this)), m_type(new QComboBox(this)), m_floor(new QComboBox(this)),
      m_table(new QTableView(this)), m_count(new QLabel(this))
{
    m_filter->setSourceModel(m_model);

    m_text->setPlaceholderText(tr("Filter cables"));
    m_text->setClearButtonEnabled(true);
    m_status->addItem(tr("All statuses"), CableFilterModel::AnyStatus);
    m_status->addItem(tr("Passed"), int(Plan::Verdict::Pass));
    m_status->addItem(tr("Failed"), int(Plan::Verdict::Fail));
    m_status->addItem(tr("Untested"), int(Plan::Verdict::Untested));
    for (QComboBox* box : {m_status, m_type, m_floor})
        box->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    auto* filters = new QHBoxLayout;
    filters->setContentsMargins(0, 0, 0, 0);
    filters->addWidget(m_text, 1);
    filters->addWidget(m_status);
    filters->addWidget(m_type);
    filters->addWidget(m_floor);
    filters->addWidget(m_count);

    m_table->setModel(m_filter);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(-1, Qt::AscendingOrder); // cable order until a header is clicked
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setAlternatingRowColors(true);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    // Ten thousand rows of one height: no row is measured.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_table->horizontalHeader()->setHighlightSections(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(filters);
    layout->addWidget(m_table, 1);

    connect(m_text, &QLineEdit::textChanged, m_filter, &CableFilterModel::setText);
    connect(m_status, &QComboBox::currentIndexChanged, this,
            [this] { m_filter->setStatus(m_status->currentData().toInt()); });
    connect(m_type, &QComboBox::currentIndexChanged, this,
            [this] { m_filter->setType(m_type->currentData().toString()); });
    connect(m_floor, &QComboBox::currentIndexChanged, this,
            [this] { m_filter->setFloor(m_floor->currentData().toString()); });
    connect(m_filter, &QAbstractItemModel::rowsInserted, this, &CablePanel::updateCount);
    connect(m_model, &QAbstractItemModel::rowsInserted, this, &CablePanel::rowsArrived);
    connect(m_filter, &QAbstractItemModel::rowsRemoved, this, &CablePanel::updateCount);
    connect(m_filter, &QAbstractItemModel::modelReset, this, &CablePanel::updateCount);
    connect(m_filter, &QAbstractItemModel::layoutChanged, this, &CablePanel::updateCount);
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CablePanel::rowChanged);
    connect(&document, &JobDocument::jobOpened, this, &CablePanel::reload);
    connect(&document, &JobDocument::jobClosed, this, &CablePanel::reload);
    reload();
}

void CablePanel::reload()
{
    const QSignalBlocker blockType(m_type);
    const QSignalBlocker blockFloor(m_floor);
    m_type->clear();
    m_type->addItem(tr("All types"), QString());
    for (const QString& type : m_document.cableTypes())
        m_type->addItem(type.isEmpty() ? tr("(no type)") : type, type);
    m_floor->clear();
    m_floor->addItem(tr("All floors"), QString());
    for (int f = 0; f < m_document.floorCount(); ++f)
        m_floor->addItem(m_document.floor(f).id, m_document.floor(f).id);
    m_filter->setType(QString());
    m_filter->setFloor(QString());
    m_wanted = -1;
    m_sized = false;
    rowsArrived();
    updateCount();
}

void CablePanel::rowsArrived()
{
    if (!m_sized && m_model->rowCount() > 0) {
        // Widths from the header and the rows in view, not all of them.
        m_table->resizeColumnsToContents();
        m_sized = true;
    }
    if (m_wanted >= 0 && m_wanted < m_model->rowCount() && selectedCable() != m_wanted)
        selectCable(m_wanted);
}

void CablePanel::updateCount()
{
    const int total = m_document.cableCount();
    const int shown = m_filter->rowCount();
    m_count->setText(shown == total ? tr("Cables: %1").arg(total)
                                    : tr("Cables: %1 of %2").arg(shown).arg(total));
}

int CablePanel::shownCount() const
{
    return m_filter->rowCount();
}

void CablePanel::rowChanged()
{
    if (m_selecting)
        return;
    const int cable = selectedCable();
    if (cable >= 0) {
        m_wanted = cable;
        emit cableSelected(cable);
    }
}

int CablePanel::selectedCable() const
{
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : m_filter->mapToSource(rows.first()).row();
}

void CablePanel::selectCable(int cable)
{
    m_wanted = cable;
    m_selecting = true;
    const QModelIndex source =
        cable >= 0 && cable < m_model->rowCount() ? m_model->index(cable, 0) : QModelIndex();
    const QModelIndex shown = m_filter->mapFromSource(source);
    if (shown.isValid()) {
        m_table->selectionModel()->setCurrentIndex(shown, QItemSelectionModel::ClearAndSelect |
                                                              QItemSelectionModel::Rows);
        m_table->scrollTo(shown, QAbstractItemView::PositionAtCenter);
    } else {
        m_table->selectionModel()->clear();
    }
    m_selecting = false;
}
