#ifndef TESTRESULTS_H
#define TESTRESULTS_H

/// @file
/// The test result records: TestResults, with the tester's measurement block
/// (cable_struct) and response plot (LUMEN_PLOT_DATA).

#include "ductbook_global.h"

#include <QObject>
#include <QString>

#include <cstddef>

/// The measurement block of one cable test, as the cable tester delivers it.
///
/// The host receives the block from the tester as raw memory and passes it on
/// unchanged, so the layout (84 bytes, natural 4-byte alignment, the padding
/// after #wiremap and #farEndFlags, integers in the machine's byte order) is
/// part of the interface and must not change. A test definition (TestDef)
/// holds the same block as the result it expects.
///
/// A block the tester has not measured holds 0xFF in every byte field and -1
/// in every integer (TestResults::initializeCableStruct() writes that). The job
/// file keeps only the low 16 bits of each integer: after a save and load, -1
/// in #pairValues and #pairLength reads back as 65535, while #pairExtra gets
/// its -1 back.
struct cable_struct
{
    /// One status byte per pair; carried, not interpreted by the library.
    quint8 pairStatus[4];
    /// One 16-bit value per pair; carried, not interpreted by the library.
    qint32 pairValues[4];
    /// Byte 0: the near-end pair flags; bytes 1 to 4: for near-end pairs 0 to
    /// 3, the far-end pair each is wired to; bytes 5 to 9 are carried, not
    /// interpreted. TestDef gives the flags and the mapping their meaning.
    quint8 wiremap[10];
    /// The raw length measurement of each pair; only values from 1 to 59999
    /// count as measured (TestResults::cableLength()). The job turns it into a
    /// length with the length constant of the cable's test definition.
    qint32 pairLength[4];
    /// Byte 0: the far-end pair flags (see TestDef); byte 1 is carried, not
    /// interpreted.
    quint8 farEndFlags[2];
    /// Two 16-bit values per pair, first the four of one kind, then four of
    /// another; carried, not interpreted by the library.
    qint32 pairExtra[8];
};

static_assert(sizeof(cable_struct) == 84, "cable_struct must stay 84 bytes");
static_assert(offsetof(cable_struct, pairStatus) == 0, "cable_struct layout");
static_assert(offsetof(cable_struct, pairValues) == 4, "cable_struct layout");
static_assert(offsetof(cable_struct, wiremap) == 20, "cable_struct layout");
static_assert(offsetof(cable_struct, pairLength) == 32, "cable_struct layout");
static_assert(offsetof(cable_struct, farEndFlags) == 48, "cable_struct layout");
static_assert(offsetof(cable_struct, pairExtra) == 52, "cable_struct layout");

/// One response plot as the tester delivers it: a fixed layout of 836 32-bit
/// integers (3344 bytes).
///
/// A complete plot has exactly 257 points; an empty one has none. The job file
/// keeps complete plots only: a plot with any other number of points is saved
/// as empty, and the #header words are never saved.
struct LUMEN_PLOT_DATA
{
    /// Tester data that the job does not save and the library does not use.
    qint32 header[321];
    /// The first value of each point.
    qint32 series1[257];
    /// The second value of each point.
    qint32 series2[257];
    /// The number of points: 257 for a complete plot, 0 for an empty one.
    qint32 pointCount;
};

static_assert(sizeof(LUMEN_PLOT_DATA) == 3344, "LUMEN_PLOT_DATA must stay 3344 bytes");
static_assert(offsetof(LUMEN_PLOT_DATA, series1) == 321 * 4, "LUMEN_PLOT_DATA layout");
static_assert(offsetof(LUMEN_PLOT_DATA, series2) == 578 * 4, "LUMEN_PLOT_DATA layout");
static_assert(offsetof(LUMEN_PLOT_DATA, pointCount) == 835 * 4, "LUMEN_PLOT_DATA layout");

/// The results of one cable test: who tested, when, the verdict, the
/// measurement block and the three response plots.
///
/// Every Cable carries the results of its last test; the job stores them in
/// the cable's "Test_Results" element (the measurement block and the plots
/// encoded as text, see QVXMLEditor::dataToString() and
/// QVXMLEditor::responseDataToString()). The texts of time, status, software
/// version and serial number are whatever the caller supplies.
class DUCTBOOK_EXPORT TestResults : public QObject
{
    Q_OBJECT

public:
    /// Untested results: status "UNTESTED", empty texts, BERTResults() -1, an
    /// unmeasured block (initializeCableStruct()), three empty plots, no
    /// QObject parent.
    TestResults();
    /// Results with the given time, status, block and bit error count (no
    /// QObject parent); software version and serial number empty, plots
    /// empty.
    TestResults(const QString& time, const QString& status, const cable_struct& results,
                int bertResults);
    /// Results with every field but the plots given (no QObject parent); the
    /// plots are empty.
    TestResults(const QString& time, const QString& status, const QString& softwareVersion,
                const QString& serialNumber, const cable_struct& results, int bertResults);
    /// A copy of every field of @p other, the plots whole (header words
    /// included); the copy has the same QObject parent as @p other.
    TestResults(const TestResults& other);
    /// Copies every field of @p other, the plots whole; this record keeps its
    /// own QObject parent. Assigning a record to itself changes nothing.
    TestResults& operator=(const TestResults& other);
    /// Destroys the record.
    virtual ~TestResults();

    /// @name time
    ///@{

    /// When the test was made, as text supplied by the caller.
    QString& time() { return m_time; }
    const QString& time() const { return m_time; }
    void setTime(const QString& time) { m_time = time; }
    ///@}

    /// @name softwareVersion
    ///@{

    /// The software version of the tester.
    QString& softwareVersion() { return m_softwareVersion; }
    const QString& softwareVersion() const { return m_softwareVersion; }
    void setSoftwareVersion(const QString& version) { m_softwareVersion = version; }
    ///@}

    /// @name serialNumber
    ///@{

    /// The serial number of the tester.
    QString& serialNumber() { return m_serialNumber; }
    const QString& serialNumber() const { return m_serialNumber; }
    void setSerialNumber(const QString& serial) { m_serialNumber = serial; }
    ///@}

    /// @name status
    ///@{

    /// The overall verdict as text supplied by the caller; "UNTESTED" by
    /// default.
    QString& status() { return m_status; }
    const QString& status() const { return m_status; }
    void setStatus(const QString& status) { m_status = status; }
    ///@}

    /// @name BERTResults
    ///@{

    /// The result of the bit error rate test, an error count; -1 when not
    /// measured.
    int BERTResults() const { return m_BERTResults; }
    void setBERTResults(int errors) { m_BERTResults = errors; }
    ///@}

    /// @name results
    ///@{

    /// The measurement block.
    cable_struct& results() { return m_results; }
    const cable_struct& results() const { return m_results; }
    void setResults(const cable_struct& results) { m_results = results; }
    ///@}

    /// @name next
    ///@{

    /// The near-end crosstalk (NEXT) response plot. The getter returns a copy;
    /// note the setter's spelling, setNEXT().
    LUMEN_PLOT_DATA next() const { return m_NEXT; }
    void setNEXT(LUMEN_PLOT_DATA plot) { m_NEXT = plot; }
    ///@}

    /// @name echo
    ///@{

    /// The echo (return) response plot. The getter returns a copy.
    LUMEN_PLOT_DATA echo() const { return m_echo; }
    void setEcho(LUMEN_PLOT_DATA plot) { m_echo = plot; }
    ///@}

    /// @name channel
    ///@{

    /// The channel response plot. The getter returns a copy.
    LUMEN_PLOT_DATA channel() const { return m_channel; }
    void setChannel(LUMEN_PLOT_DATA plot) { m_channel = plot; }
    ///@}

    /// Makes the measurement block unmeasured: 0xFF in every byte of
    /// cable_struct::pairStatus, cable_struct::wiremap and
    /// cable_struct::farEndFlags, -1 in every integer of
    /// cable_struct::pairValues, cable_struct::pairLength and
    /// cable_struct::pairExtra.
    void initializeCableStruct();
    /// Empties the three plots: both series and the point count become 0. The
    /// header words are left as they are.
    void initializeResponsePlotData();

    /// The shortest pair length that was really measured: the smallest value
    /// of cable_struct::pairLength from 1 to 59999.
    ///
    /// @return That raw length, or -1 when no pair has one (values of 0 and
    ///         below, and of 60000 and above, are the tester's codes for "no
    ///         reading").
    int cableLength() const;
    /// Whether @p raw, a value of cable_struct::pairLength, is a length the
    /// tester really measured (1 to 59999) rather than one of its codes for
    /// "no reading" (0 and below, 60000 and above).
    static bool isMeasuredLength(qint32 raw);

private:
    QString m_time;
    QString m_softwareVersion;
    QString m_serialNumber;
    QString m_status;
    int m_BERTResults = -1;
    cable_struct m_results{};
    // Value-initialised so that the header words, which no one fills in,
    // never carry stray memory into copies.
    LUMEN_PLOT_DATA m_NEXT{};
    LUMEN_PLOT_DATA m_echo{};
    LUMEN_PLOT_DATA m_channel{};
};

#endif // TESTRESULTS_H
