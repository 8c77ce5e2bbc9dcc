#ifndef DUCTBOOK_PRINTSETTINGS_H
#define DUCTBOOK_PRINTSETTINGS_H

#include "ductbook_global.h"

#include <QObject>
#include <QString>

// Paper and zoom of one printed report.
class DUCTBOOK_EXPORT PrintSettings : public QObject
{
    Q_OBJECT

public:
    PrintSettings();
    PrintSettings(const QString& paperSize, int orientation, int printZoom, int fitToAcross,
                  int fitToDown, int printZoomStyle);
    PrintSettings(const PrintSettings& other);
    PrintSettings& operator=(const PrintSettings& other);
    ~PrintSettings() override;

    QString& paperSize() { return m_paperSize; }
    const QString& paperSize() const { return m_paperSize; }
    void setPaperSize(const QString& paperSize) { m_paperSize = paperSize; }

    // 0 portrait, 1 landscape.
    int orientation() const { return m_orientation; }
    void setOrientation(int orientation) { m_orientation = orientation; }

    int printZoom() const { return m_printZoom; }
    void setPrintZoom(int printZoom) { m_printZoom = printZoom; }

    int fitToAcross() const { return m_fitToAcross; }
    void setFitToAcross(int fitToAcross) { m_fitToAcross = fitToAcross; }

    int fitToDown() const { return m_fitToDown; }
    void setFitToDown(int fitToDown) { m_fitToDown = fitToDown; }

    int printZoomStyle() const { return m_printZoomStyle; }
    void setPrintZoomStyle(int printZoomStyle) { m_printZoomStyle = printZoomStyle; }

    // Paper width and height in inches for the paper size and orientation;
    // -1 for an unknown paper size or an orientation other than 0 and 1.
    double getPageWidthDimension() const;
    double getPageHeightDimension() const;

private:
    QString m_paperSize;
    int m_orientation = 1;
    int m_printZoom = 100;
    int m_fitToAcross = 1;
    int m_fitToDown = 1;
    int m_printZoomStyle = 0;
};

#endif // DUCTBOOK_PRINTSETTINGS_H
