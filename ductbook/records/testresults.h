#ifndef TESTRESULTS_H
#define TESTRESULTS_H

#include "ductbook_global.h"

#include <QObject>
#include <QString>

#include <cstddef>

// The tester hands this block over as raw memory, so the layout (84 bytes,
// natural alignment, the padding after wiremap and farEndFlags) is part of the
// interface with the host and must not change.
struct cable_struct
{
    quint8 pairStatus[4];
    qint32 pairValues[4];
    quint8 wiremap[10];
    qint32 pairLength[4];
    quint8 farEndFlags[2];
    qint32 pairExtra[8];
};

static_assert(sizeof(cable_struct) == 84, "cable_struct must stay 84 bytes");
static_assert(offsetof(cable_struct, pairStatus) == 0, "cable_struct layout");
static_assert(offsetof(cable_struct, pairValues) == 4, "cable_struct layout");
static_assert(offsetof(cable_struct, wiremap) == 20, "cable_struct layout");
static_assert(offsetof(cable_struct, pairLength) == 32, "cable_struct layout");
static_assert(offsetof(cable_struct, farEndFlags) == 48, "cable_struct layout");
static_assert(offsetof(cable_struct, pairExtra) == 52, "cable_struct layout");

// One response plot as the tester delivers it; a complete plot has 257 points.
struct LUMEN_PLOT_DATA
{
    qint32 header[321];
    qint32 series1[257];
    qint32 series2[257];
    qint32 pointCount;
};

static_assert(sizeof(LUMEN_PLOT_DATA) == 3344, "LUMEN_PLOT_DATA must stay 3344 bytes");
static_assert(offsetof(LUMEN_PLOT_DATA, series1) == 321 * 4, "LUMEN_PLOT_DATA layout");
static_assert(offsetof(LUMEN_PLOT_DATA, series2) == 578 * 4, "LUMEN_PLOT_DATA layout");
static_assert(offsetof(LUMEN_PLOT_DATA, pointCount) == 835 * 4, "LUMEN_PLOT_DATA layout");

class DUCTBOOK_EXPORT TestResults : public QObject
{
    Q_OBJECT

public:
    TestResults();
    TestResults(const QString& time, const QString& status, const cable_struct& results,
                int bertResults);
    TestResults(const QString& time, const QString& status, const QString& softwareVersion,
                const QString& serialNumber, const cable_struct& results, int bertResults);
    TestResults(const TestResults& other);
    TestResults& operator=(const TestResults& other);
    virtual ~TestResults();

    QString& time() { return m_time; }
    const QString& time() const { return m_time; }
    void setTime(const QString& time) { m_time = time; }

    QString& softwareVersion() { return m_softwareVersion; }
    const QString& softwareVersion() const { return m_softwareVersion; }
    void setSoftwareVersion(const QString& version) { m_softwareVersion = version; }

    QString& serialNumber() { return m_serialNumber; }
    const QString& serialNumber() const { return m_serialNumber; }
    void setSerialNumber(const QString& serial) { m_serialNumber = serial; }

    QString& status() { return m_status; }
    const QString& status() const { return m_status; }
    void setStatus(const QString& status) { m_status = status; }

    int BERTResults() const { return m_BERTResults; }
    void setBERTResults(int errors) { m_BERTResults = errors; }

    cable_struct& results() { return m_results; }
    const cable_struct& results() const { return m_results; }
    void setResults(const cable_struct& results) { m_results = results; }

    LUMEN_PLOT_DATA next() const { return m_NEXT; }
    void setNEXT(LUMEN_PLOT_DATA plot) { m_NEXT = plot; }

    LUMEN_PLOT_DATA echo() const { return m_echo; }
    void setEcho(LUMEN_PLOT_DATA plot) { m_echo = plot; }

    LUMEN_PLOT_DATA channel() const { return m_channel; }
    void setChannel(LUMEN_PLOT_DATA plot) { m_channel = plot; }

    void initializeCableStruct();
    void initializeResponsePlotData();

    // Shortest pair length that was really measured; -1 when none was.
    int cableLength() const;

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
