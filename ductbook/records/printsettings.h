#ifndef DUCTBOOK_PRINTSETTINGS_H
#define DUCTBOOK_PRINTSETTINGS_H

/// @file
/// The PrintSettings record and the paper sizes.

#include "ductbook_global.h"

#include <QObject>
#include <QString>

/// Paper and zoom of one printed report.
///
/// Jobs and templates keep one entry per report in their print settings list
/// (QVXMLEditor::getPrintSettings(), QVXMLEditor::setPrintSettings()), under the
/// names "JobInfo_Settings", "NetView_Settings", "Inventory_Settings",
/// "FloorPlan_Settings", "TestSched_Settings", "DetailedCable_Settings",
/// "JobNotes_Settings" and "ActiveNetworkTestResults_Settings".
///
/// The paper sizes, shared with PageSettings, are these exact names, each with
/// its dimensions in inches (the inch values are the ones jobs have always
/// used, not conversions of the millimetres):
///
/// | paper size | page standard | short side | long side |
/// |---|---|---|---|
/// | `Letter: 8.5 in. x 11 in.` | Standard | 8.5 | 11 |
/// | `Folio: 8.5 in. x 13 in.` | Standard | 8.5 | 13 |
/// | `Legal: 8.5 in. x 14 in.` | Standard | 8.5 | 14 |
/// | `Executive: 7.5 in. x 10 in.` | Standard | 7.5 | 10 |
/// | `Tabloid: 11 in. x 17 in.` | Standard | 11 | 17 |
/// | `DLE: 110 mm. x 220 mm.` | Metric (ISO) | 4.331 | 8.661 |
/// | `C5E: 163 mm. x 229 mm.` | Metric (ISO) | 6.417 | 9.016 |
/// | `B10: 32 mm. x 45 mm.` | Metric (ISO) | 1.26 | 1.772 |
/// | `B9: 45 mm. x 64 mm.` | Metric (ISO) | 1.772 | 2.52 |
/// | `B8: 64 mm. x 91 mm.` | Metric (ISO) | 2.52 | 3.583 |
/// | `B7: 91 mm. x 128 mm.` | Metric (ISO) | 3.583 | 5.039 |
/// | `B6: 128 mm. x 182 mm.` | Metric (ISO) | 5.039 | 7.165 |
/// | `B5: 182 mm. x 257 mm.` | Metric (ISO) | 7.165 | 10.118 |
/// | `B4: 257 mm. x 364 mm.` | Metric (ISO) | 10.118 | 14.331 |
/// | `B3: 364 mm. x 515 mm.` | Metric (ISO) | 14.331 | 20.275 |
/// | `B2: 515 mm. x 728 mm.` | Metric (ISO) | 20.275 | 28.661 |
/// | `B1: 728 mm. x 1030 mm.` | Metric (ISO) | 28.661 | 40.551 |
/// | `B0: 1030 mm. x 1456 mm.` | Metric (ISO) | 40.551 | 57.323 |
/// | `A9: 37 mm. x 52 mm.` | Metric (ISO) | 1.4567 | 2.047 |
/// | `A8: 52 mm. x 74 mm.` | Metric (ISO) | 2.047 | 2.913 |
/// | `A7: 74 mm. x 105 mm.` | Metric (ISO) | 2.913 | 4.134 |
/// | `A6: 105 mm. x 148 mm.` | Metric (ISO) | 4.134 | 5.827 |
/// | `A5: 148 mm. x 210 mm.` | Metric (ISO) | 5.826 | 8.267 |
/// | `A4: 210 mm. x 297 mm.` | Metric (ISO) | 8.26 | 11.692 |
/// | `A3: 297 mm. x 420 mm.` | Metric (ISO) | 11.692 | 16.535 |
/// | `A2: 420 mm. x 594 mm.` | Metric (ISO) | 16.535 | 23.386 |
/// | `A1: 594 mm. x 841 mm.` | Metric (ISO) | 23.386 | 33.11 |
/// | `A0: 841 mm. x 1189 mm.` | Metric (ISO) | 33.11 | 46.811 |
/// | `A: 8.5 in. x 11 in.` | ANSI Engineering | 8.5 | 11 |
/// | `B: 11 in. x 17 in.` | ANSI Engineering | 11 | 17 |
/// | `C: 17 in. x 22 in.` | ANSI Engineering | 17 | 22 |
/// | `D: 22 in. x 34 in.` | ANSI Engineering | 22 | 34 |
/// | `E: 34 in. x 44 in.` | ANSI Engineering | 34 | 44 |
/// | `9 in. x 12 in.` | ANSI Architectural | 9 | 12 |
/// | `12 in. x 18 in.` | ANSI Architectural | 12 | 18 |
/// | `18 in. x 24 in.` | ANSI Architectural | 18 | 24 |
/// | `24 in. x 36 in.` | ANSI Architectural | 24 | 36 |
/// | `30 in. x 42 in.` | ANSI Architectural | 30 | 42 |
class DUCTBOOK_EXPORT PrintSettings : public QObject
{
    Q_OBJECT

public:
    /// Letter paper in landscape at 100 %, fit to one page by one, zoom style
    /// 0, no QObject parent.
    PrintSettings();
    /// Settings with the given fields (no QObject parent).
    PrintSettings(const QString& paperSize, int orientation, int printZoom, int fitToAcross,
                  int fitToDown, int printZoomStyle);
    /// A copy of every field of @p other; the copy has the same QObject parent
    /// as @p other.
    PrintSettings(const PrintSettings& other);
    /// Copies every field of @p other; this record keeps its own QObject
    /// parent. Assigning a record to itself changes nothing.
    PrintSettings& operator=(const PrintSettings& other);
    /// Destroys the record.
    ~PrintSettings() override;

    /// @name paperSize
    ///@{

    /// The paper, one of the paper-size names of the class description;
    /// "Letter: 8.5 in. x 11 in." by default.
    QString& paperSize() { return m_paperSize; }
    const QString& paperSize() const { return m_paperSize; }
    void setPaperSize(const QString& paperSize) { m_paperSize = paperSize; }
    ///@}

    /// @name orientation
    ///@{

    /// 0 for portrait, 1 for landscape (the default).
    int orientation() const { return m_orientation; }
    void setOrientation(int orientation) { m_orientation = orientation; }
    ///@}

    /// @name printZoom
    ///@{

    /// The zoom in percent; 100 by default.
    int printZoom() const { return m_printZoom; }
    void setPrintZoom(int printZoom) { m_printZoom = printZoom; }
    ///@}

    /// @name fitToAcross
    ///@{

    /// The number of pages across when the report is fitted to pages; 1 by
    /// default.
    int fitToAcross() const { return m_fitToAcross; }
    void setFitToAcross(int fitToAcross) { m_fitToAcross = fitToAcross; }
    ///@}

    /// @name fitToDown
    ///@{

    /// The number of pages down when the report is fitted to pages; 1 by
    /// default.
    int fitToDown() const { return m_fitToDown; }
    void setFitToDown(int fitToDown) { m_fitToDown = fitToDown; }
    ///@}

    /// @name printZoomStyle
    ///@{

    /// Which of zoom or fit-to-pages applies; the values are the host's, 0 by
    /// default.
    int printZoomStyle() const { return m_printZoomStyle; }
    void setPrintZoomStyle(int printZoomStyle) { m_printZoomStyle = printZoomStyle; }
    ///@}

    /// @name Paper dimensions
    ///@{

    /// The width of the paper in inches for paperSize() and orientation(): the
    /// short side in portrait, the long side in landscape.
    ///
    /// @return The width, or -1 for a paper size that is not in the table or
    ///         an orientation other than 0 and 1.
    double getPageWidthDimension() const;
    /// The height of the paper in inches for paperSize() and orientation():
    /// the long side in portrait, the short side in landscape.
    ///
    /// @return The height, or -1 for a paper size that is not in the table or
    ///         an orientation other than 0 and 1.
    double getPageHeightDimension() const;
    ///@}

private:
    QString m_paperSize;
    int m_orientation = 1;
    int m_printZoom = 100;
    int m_fitToAcross = 1;
    int m_fitToDown = 1;
    int m_printZoomStyle = 0;
};

#endif // DUCTBOOK_PRINTSETTINGS_H
