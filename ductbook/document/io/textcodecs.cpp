#include "io/textcodecs_p.h"

#include <QStringView>

#include <cstring>

namespace {
const int kPackedBytes = 48;
const int kBlockChars = kPackedBytes * 2;
const int kFullPlotPoints = 257;
// Both series and the point count.
const int kPlotParts = 2 * kFullPlotPoints + 1;
const int kFlagCount = 4;

// Filler for a block text cut short: "F" nibbles decode to the unmeasured
// values, so whatever is missing reads as "not measured".
const char16_t kMissingDigit = u'F';

class BlockWriter
{
public:
    void byte(quint8 value)
    {
        static const char digits[] = "0123456789ABCDEF";
        m_text.append(QLatin1Char(digits[value >> 4]));
        m_text.append(QLatin1Char(digits[value & 0x0F]));
    }
    // The file keeps 16 bits of each integer, high byte first.
    void word(qint32 value)
    {
        const quint32 bits = static_cast<quint32>(value);
        byte(static_cast<quint8>((bits >> 8) & 0xFF));
        byte(static_cast<quint8>(bits & 0xFF));
    }
    QString text() const { return m_text; }

private:
    QString m_text;
};

class BlockReader
{
public:
    explicit BlockReader(const QString& text) : m_text(text) {}

    quint8 byte()
    {
        const int high = nibble();
        const int low = nibble();
        // The old reader did byte arithmetic, so digits outside 0-9/A-F give
        // a wrapped byte rather than an error.
        return static_cast<quint8>(static_cast<unsigned>(high * 16 + low) & 0xFF);
    }
    qint32 word()
    {
        const quint8 high = byte();
        const quint8 low = byte();
        return static_cast<qint32>((high << 8) | low);
    }

private:
    int nibble()
    {
        const char16_t code =
            m_position < m_text.size() ? m_text.at(m_position).unicode() : kMissingDigit;
        ++m_position;
        // Only "0"-"9" and "A"-"F" are written; anything above "9" is taken
        // for a capital letter.
        return code > u'9' ? int(code) - 55 : int(code) - 48;
    }

    const QString& m_text;
    qsizetype m_position = 0;
};
} // namespace

namespace TextCodecs {

QString encodeMeasurementBlock(const cable_struct& block)
{
    BlockWriter writer;
    for (quint8 status : block.pairStatus)
        writer.byte(status);
    for (qint32 value : block.pairValues)
        writer.word(value);
    for (quint8 wire : block.wiremap)
        writer.byte(wire);
    for (qint32 length : block.pairLength)
        writer.word(length);
    for (quint8 flags : block.farEndFlags)
        writer.byte(flags);
    for (qint32 extra : block.pairExtra)
        writer.word(extra);
    Q_ASSERT(writer.text().size() == kBlockChars);
    return writer.text();
}

cable_struct decodeMeasurementBlock(const QString& text)
{
    cable_struct block;
    std::memset(&block, 0, sizeof(block));
    BlockReader reader(text);
    for (quint8& status : block.pairStatus)
        status = reader.byte();
    for (qint32& value : block.pairValues)
        value = reader.word();
    for (quint8& wire : block.wiremap)
        wire = reader.byte();
    for (qint32& length : block.pairLength)
        length = reader.word();
    for (quint8& flags : block.farEndFlags)
        flags = reader.byte();
    // Only the extra values get their "not measured" code back; pair values
    // and lengths have always read back as 65535, and the length estimate
    // treats that as no reading.
    for (qint32& extra : block.pairExtra) {
        extra = reader.word();
        if (extra == 0xFFFF)
            extra = -1;
    }
    return block;
}

QString encodePlot(const LUMEN_PLOT_DATA& plot)
{
    if (plot.pointCount != kFullPlotPoints)
        return QString();
    QString text;
    text.reserve(kPlotParts * 8);
    const QLatin1Char separator(',');
    for (qint32 value : plot.series1) {
        text.append(QString::number(value));
        text.append(separator);
    }
    for (qint32 value : plot.series2) {
        text.append(QString::number(value));
        text.append(separator);
    }
    text.append(QString::number(plot.pointCount));
    text.append(separator);
    return text;
}

LUMEN_PLOT_DATA decodePlot(const QString& text)
{
    LUMEN_PLOT_DATA plot;
    std::memset(&plot, 0, sizeof(plot));
    if (text.isEmpty())
        return plot;

    const QStringView view(text);
    qsizetype start = 0;
    // Walk the parts in place and stop after the last one that is used, so a
    // long or hostile attribute costs no more than one pass over its start.
    for (int part = 0; part < kPlotParts && start <= view.size(); ++part) {
        qsizetype end = view.indexOf(u',', start);
        if (end < 0)
            end = view.size();
        // toInt rather than toLong: the values are 32-bit, and a number that
        // does not fit reads as 0 like any other bad number.
        bool ok = false;
        const int value = view.mid(start, end - start).toInt(&ok, 10);
        const qint32 stored = ok ? value : 0;
        if (part < kFullPlotPoints)
            plot.series1[part] = stored;
        else if (part < 2 * kFullPlotPoints)
            plot.series2[part - kFullPlotPoints] = stored;
        else
            plot.pointCount = stored;
        start = end + 1;
    }
    return plot;
}

QString encodeFlags(const bool* flags)
{
    if (!flags)
        return QString();
    QString text;
    text.reserve(kFlagCount);
    for (int i = 0; i < kFlagCount; ++i)
        text.append(flags[i] ? QLatin1Char('1') : QLatin1Char('0'));
    return text;
}

bool decodeFlags(const QString& text, bool* flags)
{
    if (!flags)
        return false;
    for (int i = 0; i < kFlagCount; ++i) {
        if (i >= text.size())
            return false;
        const QChar ch = text.at(i);
        if (ch == QLatin1Char('0'))
            flags[i] = false;
        else if (ch == QLatin1Char('1'))
            flags[i] = true;
        else
            return false;
    }
    return true;
}

} // namespace TextCodecs
