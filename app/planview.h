// The central view of the planner: shows a floor or a sheet, zooms with the
// wheel and keys, fits the drawing to the window or shows it at 100 %, pans
// when the drawing is dragged, and picks what a click meant (a port, riser
// or device under the pointer before a cable route near it; rooms and the
// rest are the drawing's ground, where a drag pans and a click selects nothing).
#ifndef PLANVIEW_H
#define PLANVIEW_H

#include <QGraphicsView>

class PlanView : public QGraphicsView
{
    Q_OBJECT
public:
    explicit PlanView(QWidget* parent = nullptr);

    // Shows scene fitted to the window; content is what fitting shows.
    void showScene(QGraphicsScene* scene, const QRectF& content);
    // The scale of the drawing: 1 shows one drawing unit per pixel.
    double zoom() const;
    void setZoom(double zoom);
    // Keeps fitting the drawing to the window as the window changes size,
    // until the user zooms.
    bool isFitted() const { return m_fitted; }

    // What a click at pos (viewport coordinates) would pick; null for none.
    QGraphicsItem* itemAtPoint(const QPoint& pos) const;
    // Scrolls so that rect is in the middle, zooming out if it does not fit.
    void centreOnRect(const QRectF& rect);

    static constexpr double MinZoom = 0.01;
    static constexpr double MaxZoom = 32;

public slots:
    void zoomIn();
    void zoomOut();
    void fitToWindow();
    void actualSize();

signals:
    void itemClicked(QGraphicsItem* item);
    void emptyClicked();
    void zoomChanged(double zoom);

protected:
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void scaleBy(double factor);

    QRectF m_content;
    bool m_fitted = true;
    bool m_panning = false;
    bool m_moved = false;
    QPoint m_pressPos;
    QPoint m_lastPos;
};

#endif // PLANVIEW_H
