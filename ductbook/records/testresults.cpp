#include "testresults.h"

#include "cablestruct_p.h"

#include <cstring>

namespace {
// Lengths at or above this are the tester's "no reading" codes, not lengths.
const int kMaxMeasuredLength = 60000;

void clearPlot(LUMEN_PLOT_DATA& plot)
{
    std::memset(plot.series1, 0, sizeof(plot.series1));
    std::memset(plot.series2, 0, sizeof(plot.series2));
    plot.pointCount = 0;
}
} // namespace

TestResults::TestResults() : m_status(QStringLiteral("UNTESTED"))
{
    initializeCableStruct();
    initializeResponsePlotData();
}

TestResults::TestResults(const QString& time, const QString& status, const cable_struct& results,
                         int bertResults)
    : m_time(time), m_status(status), m_BERTResults(bertResults), m_results(results)
{
    initializeResponsePlotData();
}

TestResults::TestResults(const QString& time, const QString& status, const QString& softwareVersion,
                         const QString& serialNumber, const cable_struct& results, int bertResults)
    : m_time(time), m_softwareVersion(softwareVersion), m_serialNumber(serialNumber),
      m_status(status), m_BERTResults(bertResults), m_results(results)
{
    initializeResponsePlotData();
}

TestResults::TestResults(const TestResults& other)
    : QObject(other.parent()), m_time(other.m_time), m_softwareVersion(other.m_softwareVersion),
      m_serialNumber(other.m_serialNumber), m_status(other.m_status),
      m_BERTResults(other.m_BERTResults), m_results(other.m_results), m_NEXT(other.m_NEXT),
      m_echo(other.m_echo), m_channel(other.m_channel)
{
}

TestResults& TestResults::operator=(const TestResults& other)
{
    if (this == &other)
        return *this;
    m_time = other.m_time;
    m_softwareVersion = other.m_softwareVersion;
    m_serialNumber = other.m_serialNumber;
    m_status = other.m_status;
    m_BERTResults = other.m_BERTResults;
    m_results = other.m_results;
    m_NEXT = other.m_NEXT;
    m_echo = other.m_echo;
    m_channel = other.m_channel;
    return *this;
}

TestResults::~TestResults() = default;

void TestResults::initializeCableStruct()
{
    m_results = unmeasuredCableStruct();
}

void TestResults::initializeResponsePlotData()
{
    clearPlot(m_NEXT);
    clearPlot(m_echo);
    clearPlot(m_channel);
}

bool TestResults::isMeasuredLength(qint32 raw)
{
    return raw > 0 && raw < kMaxMeasuredLength;
}

int TestResults::cableLength() const
{
    int shortest = -1;
    for (qint32 length : m_results.pairLength) {
        if (!isMeasuredLength(length))
            continue;
        if (shortest == -1 || length < shortest)
            shortest = length;
    }
    return shortest;
}
