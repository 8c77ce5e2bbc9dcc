// One response plot of a cable test (echo, NEXT or channel): its two series
// against the point index, in a frame with ticks and labels on both axes,
// laid out by the same geometry as the test report's plots.
#ifndef PLOTWIDGET_H
#define PLOTWIDGET_H

#include <testresults.h>

#include <QWidget>

class PlotWidget : public QWidget
{
    Q_OBJECT
public:
    explicit PlotWidget(const QString& title, QWidget* parent = nullptr);

    void setPlot(const LUMEN_PLOT_DATA& plot);
    void clear();
    // A plot of 257 points is complete; anything else is not drawn.
    bool hasPlot() const { return m_count > 0; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_title;
    qint32 m_series1[257];
    qint32 m_series2[257];
    int m_count = 0;
};

#endif // PLOTWIDGET_H
