#ifndef DUCTBOOK_PAGESETTINGS_H
#define DUCTBOOK_PAGESETTINGS_H

/// @file
/// The PageSettings record.

#include "ductbook_global.h"

#include <QObject>
#include <QString>

/// The drawing page of a floor plan or of the network view.
///
/// Jobs and templates keep two entries, "NetView_Settings" and
/// "FloorPlan_Settings" (QVXMLEditor::getPageSettings(),
/// QVXMLEditor::setPageSettings()). A page is either one of the paper sizes
/// listed with PrintSettings, turned by the orientation, or a custom size.
class DUCTBOOK_EXPORT PageSettings : public QObject
{
    Q_OBJECT

public:
    /// Letter paper of the "Standard" page standard in landscape, no fixed
    /// size (pageSizeStyle() 0), units 0, a custom size of 11 by 8.5, no
    /// QObject parent.
    PageSettings();
    /// Settings with the given fields (no QObject parent). Note the order: the
    /// custom width comes before the custom height, although the height is
    /// declared first.
    PageSettings(const QString& pageSize, const QString& pageStandard, int orientation,
                 int pageSizeStyle, int pageUnits, double customWidth, double customHeight);
    /// A copy of every field of @p other; the copy has the same QObject parent
    /// as @p other.
    PageSettings(const PageSettings& other);
    /// Copies every field of @p other; this record keeps its own QObject
    /// parent. Assigning a record to itself changes nothing.
    PageSettings& operator=(const PageSettings& other);
    /// Destroys the record.
    ~PageSettings() override;

    /// @name pageSize
    ///@{

    /// The paper, one of the paper-size names listed with PrintSettings;
    /// "Letter: 8.5 in. x 11 in." by default.
    QString& pageSize() { return m_pageSize; }
    const QString& pageSize() const { return m_pageSize; }
    void setPageSize(const QString& pageSize) { m_pageSize = pageSize; }
    ///@}

    /// @name pageStandard
    ///@{

    /// The family of paper sizes offered: "Standard" (the default),
    /// "Metric (ISO)", "ANSI Engineering" or "ANSI Architectural".
    QString& pageStandard() { return m_pageStandard; }
    const QString& pageStandard() const { return m_pageStandard; }
    void setPageStandard(const QString& pageStandard) { m_pageStandard = pageStandard; }
    ///@}

    /// @name orientation
    ///@{

    /// 0 for portrait, 1 for landscape (the default); applies to a paper
    /// size, not to a custom size.
    int orientation() const { return m_orientation; }
    void setOrientation(int orientation) { m_orientation = orientation; }
    ///@}

    /// @name pageSizeStyle
    ///@{

    /// 1 for the paper size pageSize(), 2 for the custom size; 0 (the default),
    /// 3 and every other value mean no fixed size.
    int pageSizeStyle() const { return m_pageSizeStyle; }
    void setPageSizeStyle(int pageSizeStyle) { m_pageSizeStyle = pageSizeStyle; }
    ///@}

    /// @name pageUnits
    ///@{

    /// The unit of the custom size; the values are the host's, 0 by default.
    int pageUnits() const { return m_pageUnits; }
    void setPageUnits(int pageUnits) { m_pageUnits = pageUnits; }
    ///@}

    /// @name customHeight
    ///@{

    /// The height of the custom size, in pageUnits(); 8.5 by default.
    double customHeight() const { return m_customHeight; }
    void setCustomHeight(double customHeight) { m_customHeight = customHeight; }
    ///@}

    /// @name customWidth
    ///@{

    /// The width of the custom size, in pageUnits(); 11.0 by default.
    double customWidth() const { return m_customWidth; }
    void setCustomWidth(double customWidth) { m_customWidth = customWidth; }
    ///@}

    /// @name Page dimensions
    ///@{

    /// The width of the page.
    ///
    /// @return For pageSizeStyle() 1, the width in inches of pageSize() in
    ///         orientation() (-1 for a paper size not in the table or an
    ///         orientation other than 0 and 1); for pageSizeStyle() 2,
    ///         customWidth() as stored, whatever the orientation; for any other
    ///         style, -1.
    double getPageWidthDimension() const;
    /// The height of the page.
    ///
    /// @return For pageSizeStyle() 1, the height in inches of pageSize() in
    ///         orientation() (-1 for a paper size not in the table or an
    ///         orientation other than 0 and 1); for pageSizeStyle() 2,
    ///         customHeight() as stored, whatever the orientation; for any
    ///         other style, -1.
    double getPageHeightDimension() const;
    ///@}

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
