#include "floorexport.h"

#include <QCoreApplication>
#include <QGraphicsScene>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

namespace FloorExport {

namespace {

// Pages are laid out at this resolution: the plans draw their lines with
// pens of a fixed width in device pixels, which at this resolution keep the
// weight they have on screen.
const int PageResolution = 96;

QPageSize localPageSize()
{
    return QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize(QPageSize::Letter)
                                                                      : QPageSize(QPageSize::A4);
}

} // namespace

void paintPage(QPainter& painter, const QRectF& page, QGraphicsScene& scene, const QRectF& source,
               const QString& title, const QString& subtitle)
{
    QFont titleFont = painter.font();
    titleFont.setPixelSize(qMax(12, int(page.height() / 40)));
    titleFont.setBold(true);
    QFont subtitleFont = titleFont;
    subtitleFont.setBold(false);
    subtitleFont.setPixelSize(qMax(9, titleFont.pixelSize() * 2 / 3));

    painter.setPen(Qt::black);
    painter.setFont(titleFont);
    const QFontMetricsF titleMetrics(titleFont);
    double y = page.top();
    painter.drawText(QRectF(page.left(), y, page.width(), titleMetrics.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, title);
    y += titleMetrics.height();
    if (!subtitle.isEmpty()) {
        painter.setFont(subtitleFont);
        painter.setPen(QColor(0x44, 0x44, 0x44));
        const double h = QFontMetricsF(subtitleFont).height();
        painter.drawText(QRectF(page.left(), y, page.width(), h), Qt::AlignLeft | Qt::AlignVCenter,
                         subtitle);
        y += h;
    }
    y += titleMetrics.height() / 2;
    const QRectF area(page.left(), y, page.width(), page.bottom() - y);
    if (source.isEmpty() || area.isEmpty())
        return;
    const double scale = qMin(area.width() / source.width(), area.height() / source.height());
    const QSizeF size = source.size() * scale;
    const QRectF target(area.left() + (area.width() - size.width()) / 2, area.top(), size.width(),
                        size.height());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    scene.render(&painter, target, source, Qt::KeepAspectRatio);
}

QImage renderImage(QGraphicsScene& scene, const QRectF& source, double scale, int maxSide)
{
    const double longest = qMax(source.width(), source.height());
    if (longest * scale > maxSide)
        scale = maxSide / longest;
    const QSize size = (source.size() * scale).toSize().expandedTo(QSize(1, 1));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    scene.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)), source, Qt::KeepAspectRatio);
    painter.end();
    return image;
}

bool writePng(QGraphicsScene& scene, const QRectF& source, const QString& path, QString* error)
{
    // Two pixels per drawing unit: labels stay readable when the picture is
    // looked at closely.
    const QImage image = renderImage(scene, source, 2.0);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
        *error =
            file.errorString().isEmpty()
                ? QCoreApplication::translate("FloorExport", "The picture could not be written.")
                : file.errorString();
        return false;
    }
    return true;
}

bool writePdf(QGraphicsScene& scene, const QRectF& source, const QString& title,
              const QString& subtitle, const QString& path, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    {
        QPdfWriter pdf(&file);
        pdf.setResolution(PageResolution);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("Gridwell"));
        pdf.setPageLayout(QPageLayout(localPageSize(),
                                      source.width() >= source.height() ? QPageLayout::Landscape
                                                                        : QPageLayout::Portrait,
                                      QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter));
        QPainter painter;
        if (!painter.begin(&pdf)) {
            *error = QCoreApplication::translate("FloorExport", "The PDF could not be started.");
            file.cancelWriting();
            return false;
        }
        paintPage(
            painter,
            QRectF(pdf.pageLayout()
                       .paintRectPixels(pdf.resolution())
                       .translated(-pdf.pageLayout().paintRectPixels(pdf.resolution()).topLeft())),
            scene, source, title, subtitle);
        painter.end();
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

void print(QGraphicsScene& scene, const QRectF& source, const QString& title,
           const QString& subtitle, QPrinter* printer)
{
    QPainter painter(printer);
    const QRectF page(QPointF(0, 0), printer->pageRect(QPrinter::DevicePixel).size());
    paintPage(painter, page, scene, source, title, subtitle);
}

} // namespace FloorExport
