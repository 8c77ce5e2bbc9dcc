#ifndef DUCTBOOK_PAGESETTINGS_H
#define DUCTBOOK_PAGESETTINGS_H

#include "ductbook_global.h"

#include <QObject>
#include <QString>

// The drawing page of a floor plan or of the network view.
class DUCTBOOK_EXPORT PageSettings : public QObject
{
    Q_OBJECT

public:
    PageSettings();
    // Width before height, although the height is declared first.
    PageSettings(const QString& pageSize, const QString& pageStandard, int orientation,
                 int pageSizeStyle, int pageUnits, double customWidth, double customHeight);
    PageSettings(const PageSettings& other);
    PageSettings& operator=(const PageSettings& other);
    ~PageSettings() override;

    QString& pageSize() { return m_pageSize; }
    const QString& pageSize() const { return m_pageSize; }
    void setPageSize(const QString& pageSize) { m_pageSize = pageSize; }

    QString& pageStandard() { return m_pageStandard; }
    const QString& pageStandard() const { return m_pageStandard; }
    void setPageStandard(const QString& pageStandard) { m_pageStandard = pageStandard; }

    // 0 portrait, 1 landscape.
    int orientation() const { return m_orientation; }
    void setOrientation(int orientation) { m_orientation = orientation; }

    // 1 a predefined paper size, 2 the custom size; anything else no fixed size.
    int pageSizeStyle() const { return m_pageSizeStyle; }
    void setPageSizeStyle(int pageSizeStyle) { m_pageSizeStyle = pageSizeStyle; }

    int pageUnits() const { return m_pageUnits; }
    void setPageUnits(int pageUnits) { m_pageUnits = pageUnits; }

    double customHeight() const { return m_customHeight; }
    void setCustomHeight(double customHeight) { m_customHeight = customHeight; }

    double customWidth() const { return m_customWidth; }
    void setCustomWidth(double customWidth) { m_customWidth = customWidth; }

    // The page's width and height: the paper's for style 1, the custom size
    // as stored for style 2 (whatever the orientation), -1 otherwise.
    double getPageWidthDimension() const;
    double getPageHeightDimension() const;

private:
    QString m_pageSize;
    QString m_pageStandard;
    int m_orientation = 1;
    int m_pageSizeStyle = 0;
    int m_pageUnits = 0;
    double m_customHeight = 8.5;
    double m_customWidth = 11.0;
};

#endif // DUCTBOOK_PAGESETTINGS_H
