#include "finddialog.h"

#include <runekit.h>

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const int MaxHits = 200;

} // namespace

FindDialog::FindDialog(const JobDocument& document, QWidget* parent)
    : QDialog(parent), m_document(document), m_edit(new QLineEdit(this)),
      m_hits(new QListWidget(this)), m_summary(new QLabel(this))
{
    setWindowTitle(tr("Find"));
    m_edit->setPlaceholderText(tr("Id of a port, cable, room, riser or device"));
    m_edit->setClearButtonEnabled(true);
    m_hits->setUniformItemSizes(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* go = buttons->addButton(tr("&Go to"), QDialogButtonBox::AcceptRole);
    go->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_edit);
    layout->addWidget(m_hits, 1);
    layout->addWidget(m_summary);
    layout->addWidget(buttons);
    Runekit::resizeDialogScale(this);

    connect(m_edit, &QLineEdit::textChanged, this, &FindDialog::search);
    connect(m_hits, &QListWidget::itemActivated, this, &FindDialog::goToHit);
    connect(buttons, &QDialogButtonBox::accepted, this, &FindDialog::goToHit);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(&document, &JobDocument::jobOpened, this, &FindDialog::search);
    connect(&document, &JobDocument::jobClosed, this, &FindDialog::search);
    // Up and down in the text field move through the hits.
    m_edit->installEventFilter(this);
    search();
}

QString FindDialog::kindName(JobLocation::Kind kind)
{
    switch (kind) {
    case JobLocation::Floor:
        return tr("Floor");
    case JobLocation::Sheet:
        return tr("Sheet");
    case JobLocation::Room:
        return tr("Room");
    case JobLocation::Port:
        return tr("Port");
    case JobLocation::Riser:
        return tr("Riser");
    case JobLocation::Cable:
        return tr("Cable");
    case JobLocation::Device:
        return tr("Device");
    case JobLocation::None:
        break;
    }
    return QString();
}

void FindDialog::search()
{
    m_found = m_document.find(m_edit->text(), MaxHits + 1);
    const bool more = m_found.size() > MaxHits;
    if (more)
        m_found.removeLast();
    m_hits->clear();
    for (const JobLocation& l : std::as_const(m_found)) {
        const QString text =
            l.where.isEmpty()
                ? QStringLiteral("%1 %2").arg(kindName(l.kind), l.id)
                : QStringLiteral("%1 %2 \u2014 %3").arg(kindName(l.kind), l.id, l.where);
        m_hits->addItem(text);
    }
    if (!m_found.isEmpty())
        m_hits->setCurrentRow(0);
    if (m_edit->text().trimmed().isEmpty())
        m_summary->clear();
    else if (m_found.isEmpty())
        m_summary->setText(tr("Nothing has that id."));
    else if (more)
        m_summary->setText(
            tr("The first %1 hits; type more of the id to narrow them.").arg(MaxHits));
    else
        m_summary->setText(tr("Hits: %1").arg(m_found.size()));
}

bool FindDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Down || key == Qt::Key_Up) && m_hits->count() > 0) {
            const int row = qBound(0, m_hits->currentRow() + (key == Qt::Key_Down ? 1 : -1),
                                   m_hits->count() - 1);
            m_hits->setCurrentRow(row);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FindDialog::goToHit()
{
    const int row = m_hits->currentRow() >= 0 ? m_hits->currentRow() : 0;
    if (row >= m_found.size())
        return;
    emit locationChosen(m_found.at(row));
    accept();
}
