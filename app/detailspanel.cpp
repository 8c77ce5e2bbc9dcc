#include "detailspanel.h"

#include "jobdocument.h"
#include "planstyle.h"
#include "plotwidget.h"

#include <schedule_p.h>

#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString verdictStyle(Plan::Verdict v)
{
    switch (v) {
    case Plan::Verdict::Pass:
        return QStringLiteral("color: #ffffff; background: #2e7d32;");
    case Plan::Verdict::Fail:
        return QStringLiteral("color: #ffffff; background: #c62828;");
    case Plan::Verdict::Untested:
        break;
    }
    return QStringLiteral("color: #333333; background: #dddddd;");
}

QString withUnit(const QString& value, const QString& unit)
{
    return value.isEmpty() ? QStringLiteral("\u2014") : value + QLatin1Char(' ') + unit;
}

QString joined(const QStringList& parts)
{
    QStringList kept;
    for (const QString& p : parts) {
        if (!p.isEmpty())
            kept.append(p);
    }
    return kept.join(QStringLiteral(" \u00b7 "));
}

} // namespace

DetailsPanel::DetailsPanel(const JobDocument& document, QWidget* parent)
    : QWidget(parent), m_document(document), m_pages(new QStackedWidget(this)),
      m_title(new QLabel(this)), m_status(new QLabel(this)), m_facts(new QFormLayout),
      m_untested(new QLabel(this)), m_pairs(new QTableWidget(4, 5, this))
{
    auto* none = new QLabel(tr("Select a cable in the plan or in the table to see its test "
                               "result."),
                            this);
    none->setWordWrap(true);
    none->setAlignment(Qt::AlignCenter);
    none->setMargin(12);

    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    auto* heading = new QHBoxLayout;
    QFont big = m_title->font();
    big = scaledFont(big, 1.3);
    big.setBold(true);
    m_title->setFont(big);
    m_status->setMargin(3);
    m_status->setTextFormat(Qt::PlainText);
    heading->addWidget(m_title);
    heading->addWidget(m_status);
    heading->addStretch(1);
    layout->addLayout(heading);
    m_facts->setLabelAlignment(Qt::AlignLeft);
    m_facts->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    layout->addLayout(m_facts);
    m_untested->setWordWrap(true);
    layout->addWidget(m_untested);

    m_pairs->setVerticalHeaderLabels({tr("Pair 1"), tr("Pair 2"), tr("Pair 3"), tr("Pair 4")});
    m_pairs->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pairs->setSelectionMode(QAbstractItemView::NoSelection);
    m_pairs->setFocusPolicy(Qt::NoFocus);
    m_pairs->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_pairs->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_pairs->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_pairs->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pairs->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(m_pairs);

    const QString titles[3] = {tr("Echo"), tr("NEXT"), tr("Channel")};
    for (int i = 0; i < 3; ++i) {
        m_plots[i] = new PlotWidget(titles[i], content);
        layout->addWidget(m_plots[i]);
    }
    layout->addStretch(1);

    auto* scroll = new QScrollArea(this);
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    m_pages->addWidget(none);
    m_pages->addWidget(scroll);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(m_pages);

    connect(&document, &JobDocument::jobClosed, this, [this] { showCable(-1); });
    connect(&document, &JobDocument::changed, this, [this] { showCable(m_cable); });
}

void DetailsPanel::showCable(int cable)
{
    if (cable < 0 || cable >= m_document.cableCount()) {
        m_cable = -1;
        m_pages->setCurrentIndex(0);
        return;
    }
    m_cable = cable;
    fill(m_document.details(cable));
    m_pages->setCurrentIndex(1);
}

void DetailsPanel::fill(const CableDetails& d)
{
    const QStringList& row = d.row;
    auto cell = [&](int column) { return row.value(column); };
    const QString unit = m_document.metric() ? tr("m") : tr("ft");

    m_title->setTextFormat(Qt::PlainText);
    m_title->setText(cell(Plan::CableColumn));
    m_status->setText(d.hasResult ? d.status : tr("untested"));
    m_status->setStyleSheet(verdictStyle(d.verdict));

    while (m_facts->rowCount() > 0)
        m_facts->removeRow(0);
    // Names from the job are shown as they are, never as markup.
    auto add = [this](const QString& label, const QString& value, bool markup = false) {
        auto* field = new QLabel(value.isEmpty() ? QStringLiteral("\u2014") : value);
        field->setTextFormat(markup ? Qt::RichText : Qt::PlainText);
        field->setTextInteractionFlags(Qt::TextSelectableByMouse);
        field->setWordWrap(true);
        m_facts->addRow(label, field);
    };
    add(tr("From"), joined({cell(Plan::FromPortColumn), cell(Plan::FromRoomColumn),
                            cell(Plan::FromFloorColumn)}));
    add(tr("To"),
        joined({cell(Plan::ToPortColumn), cell(Plan::ToRoomColumn), cell(Plan::ToFloorColumn)}));
    add(tr("Type"), cell(Plan::TypeColumn));
    const QString colour = cell(Plan::ColourColumn);
    add(tr("Colour"),
        QColor(colour).isValid()
            ? QStringLiteral("<span style=\"background:%1\">&nbsp;&nbsp;&nbsp;&nbsp;"
                             "</span> %2")
                  .arg(QColor(colour).name(), d.colourName.toHtmlEscaped())
            : d.colourName,
        QColor(colour).isValid());
    add(tr("Use"), cell(Plan::UseColumn));
    add(tr("Bundle"), joined({cell(Plan::BundleColumn), cell(Plan::BundleGroupColumn)}));
    add(tr("Estimated length"), withUnit(cell(Plan::EstimatedLengthColumn), unit));
    add(tr("Measured length"), withUnit(cell(Plan::MeasuredLengthColumn), unit));
    if (d.hasResult) {
        add(tr("Tested"), d.tested);
        add(tr("Tester"), joined({d.serial, d.software}));
        add(tr("BERT errors"), d.bertErrors < 0 ? QString() : QString::number(d.bertErrors));
    }

    m_untested->setVisible(!d.hasResult);
    m_untested->setText(tr("Untested: no test result is stored for this cable."));
    m_pairs->setVisible(d.hasResult);
    m_pairs->setHorizontalHeaderLabels(
        {tr("Pins"), tr("Length (%1)").arg(unit), tr("Raw"), tr("Value"), tr("Code")});
    m_pairs->horizontalHeaderItem(2)->setToolTip(tr("The tester's raw length"));
    m_pairs->horizontalHeaderItem(4)->setToolTip(tr("The tester's status code of the pair"));
    for (int p = 0; p < 4; ++p) {
        const CableDetails::Pair pair = d.pairs.value(p);
        const QString cells[5] = {pair.pins, pair.length, pair.rawLength, pair.value,
                                  pair.statusCode};
        for (int c = 0; c < 5; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment(c == 0 ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
            m_pairs->setItem(p, c, item);
        }
    }
    m_pairs->setFixedHeight(m_pairs->horizontalHeader()->sizeHint().height() +
                            m_pairs->verticalHeader()->length() + 2 * m_pairs->frameWidth());
    const LUMEN_PLOT_DATA* plots[3] = {&d.echo, &d.next, &d.channel};
    for (int i = 0; i < 3; ++i) {
        m_plots[i]->setPlot(*plots[i]);
        m_plots[i]->setVisible(d.hasResult);
    }
}

QString DetailsPanel::fact(const QString& label) const
{
    for (int r = 0; r < m_facts->rowCount(); ++r) {
        auto* name = qobject_cast<QLabel*>(m_facts->itemAt(r, QFormLayout::LabelRole)->widget());
        auto* value = qobject_cast<QLabel*>(m_facts->itemAt(r, QFormLayout::FieldRole)->widget());
        if (name && value && name->text() == label)
            return value->text();
    }
    return QString();
}
