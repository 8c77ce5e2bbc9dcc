#include "jobinfodialog.h"

#include "jobdocument.h"

#include <runekit.h>

#include <QDialogButtonBox>
#include <QDir>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

QString escaped(const QString& text)
{
    return text.toHtmlEscaped().replace(QLatin1Char('\n'), QLatin1String("<br/>"));
}

QString factsTable(const QList<QPair<QString, QString>>& rows)
{
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\">");
    for (const auto& r : rows)
        html += QStringLiteral("<tr><td style=\"color:#555555; padding-right:12px\">%1</td>"
                               "<td>%2</td></tr>")
                    .arg(escaped(r.first), escaped(r.second));
    return html + QStringLiteral("</table>");
}

} // namespace

JobInfoDialog::JobInfoDialog(const JobInfo& info, QWidget* parent)
    : QDialog(parent), m_browser(new QTextBrowser(this))
{
    setWindowTitle(tr("Job information"));
    m_browser->setOpenLinks(false);
    m_browser->setHtml(html(info));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_browser, 1);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    Runekit::resizeDialogScale(this);
    // The sizing rule gives dialogs a wide, low shape; this one reads down.
    resize(width(), qMax(height(), width() * 5 / 4));
}

QString JobInfoDialog::text() const
{
    return m_browser->toPlainText();
}

QString JobInfoDialog::html(const JobInfo& info)
{
    QString html;
    html += QStringLiteral("<h3>%1</h3>").arg(escaped(QDir::toNativeSeparators(info.path)));
    if (!info.fileVersion.isEmpty())
        html += QStringLiteral("<p>%1</p>")
                    .arg(escaped(info.fileVersion == QLatin1String("3.0")
                                     ? tr("Version 3.0")
                                     : tr("Version 3.0 (converted from version %1; the file "
                                          "stays as it is until the job is saved)")
                                           .arg(info.fileVersion)));
    html += QStringLiteral("<h4>%1</h4>").arg(tr("Site")) + factsTable(info.site);
    html += QStringLiteral("<h4>%1</h4>").arg(tr("Contractor")) + factsTable(info.contractor);
    QList<QPair<QString, QString>> releases;
    for (auto it = info.releases.cbegin(); it != info.releases.cend(); ++it)
        releases.append({it.key(), it.value()});
    html += QStringLiteral("<h4>%1</h4>").arg(tr("Release"));
    html += releases.isEmpty() ? QStringLiteral("<p>\u2014</p>") : factsTable(releases);
    html += QStringLiteral("<h4>%1</h4>").arg(tr("Notes"));
    html += QStringLiteral("<p>%1</p>")
                .arg(info.notes.isEmpty() ? QStringLiteral("\u2014") : escaped(info.notes));
    // The library names the kinds in English; these are the words shown.
    const QMap<QString, QString> kinds{
        {QStringLiteral("floors"), tr("Floors")},
        {QStringLiteral("sheets"), tr("Network sheets")},
        {QStringLiteral("rooms"), tr("Rooms")},
        {QStringLiteral("ports"), tr("Ports")},
        {QStringLiteral("vertical runs"), tr("Vertical runs")},
        {QStringLiteral("points"), tr("Path points")},
        {QStringLiteral("floor texts"), tr("Floor texts")},
        {QStringLiteral("devices"), tr("Devices")},
        {QStringLiteral("vertices"), tr("Connection bend points")},
        {QStringLiteral("sheet texts"), tr("Sheet texts")},
        {QStringLiteral("cables"), tr("Cables")},
        {QStringLiteral("connections"), tr("Connections")},
        {QStringLiteral("active ports"), tr("Active ports")},
    };
    QList<QPair<QString, QString>> counts;
    for (auto it = info.counts.cbegin(); it != info.counts.cend(); ++it)
        counts.append({kinds.value(it.key(), it.key()), QString::number(it.value())});
    html += QStringLiteral("<h4>%1</h4>").arg(tr("Items")) + factsTable(counts);
    return html;
}
