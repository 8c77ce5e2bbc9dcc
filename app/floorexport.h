// The shown floor (or sheet) as a picture, a PDF page or a printed page:
// the scene drawn as it is on screen, scaled to the page under a title.
#ifndef FLOOREXPORT_H
#define FLOOREXPORT_H

#include <QImage>
#include <QRectF>
#include <QString>

class QGraphicsScene;
class QPainter;
class QPrinter;

namespace FloorExport {

// Draws source of scene into page, under a title and a smaller subtitle,
// as large as fits with its proportions kept.
void paintPage(QPainter& painter, const QRectF& page, QGraphicsScene& scene, const QRectF& source,
               const QString& title, const QString& subtitle);

// The picture of source at scale pixels per drawing unit, on white; the
// scale is lowered so that neither side exceeds maxSide pixels.
QImage renderImage(QGraphicsScene& scene, const QRectF& source, double scale, int maxSide = 8000);

// Files are written whole or not at all. False, with the reason.
bool writePng(QGraphicsScene& scene, const QRectF& source, const QString& path, QString* error);
bool writePdf(QGraphicsScene& scene, const QRectF& source, const QString& title,
              const QString& subtitle, const QString& path, QString* error);
void print(QGraphicsScene& scene, const QRectF& source, const QString& title,
           const QString& subtitle, QPrinter* printer);

} // namespace FloorExport

#endif // FLOOREXPORT_H
