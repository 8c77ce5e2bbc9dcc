#include "tracebar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>

TraceBar::TraceBar(QWidget* parent)
    : QFrame(parent), m_text(new QLabel(this)), m_where(new QLabel(this)),
      m_previous(new QToolButton(this)), m_next(new QToolButton(this)),
      m_close(new QToolButton(this))
{
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0xff, 0xf4, 0xd6));
    setPalette(p);
    m_text->setTextFormat(Qt::PlainText);
    m_where->setTextFormat(Qt::PlainText);
    // A long trace text wraps rather than widening the window's middle.
    m_text->setWordWrap(true);
    m_text->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_previous->setText(tr("\u25b2 Previous floor"));
    m_previous->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_next->setText(tr("Next floor \u25bc"));
    m_next->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_close->setText(QStringLiteral("\u00d7"));
    m_close->setToolTip(tr("Stop tracing (Esc)"));
    m_close->setAutoRaise(true);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 2, 2, 2);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_where);
    layout->addWidget(m_previous);
    layout->addWidget(m_next);
    layout->addWidget(m_close);
    connect(m_previous, &QToolButton::clicked, this, &TraceBar::previousFloor);
    connect(m_next, &QToolButton::clicked, this, &TraceBar::nextFloor);
    connect(m_close, &QToolButton::clicked, this, &TraceBar::closed);
}

void TraceBar::setTrace(const QString& text, const QStringList& floors, int current)
{
    m_text->setText(text);
    m_text->setToolTip(text);
    const bool between = floors.size() > 1;
    m_previous->setVisible(between);
    m_next->setVisible(between);
    m_where->setVisible(between);
    if (between) {
        // The shown floor's place on the route, or the whole route when the
        // shown floor is not on it.
        m_where->setText(
            current >= 0
                ? tr("%1 (%2 of %3)").arg(floors.at(current)).arg(current + 1).arg(floors.size())
                : floors.join(QStringLiteral(" \u2192 ")));
        m_previous->setEnabled(current != 0);
        m_next->setEnabled(current < 0 || current + 1 < floors.size());
    }
}

QString TraceBar::text() const
{
    return m_text->text();
}
