#include "csv_p.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringDecoder>

namespace Csv {

namespace {

// The first characters with which a spreadsheet takes a cell for a formula.
bool startsLikeAFormula(const QString& value)
{
    if (value.isEmpty())
        return false;
    switch (value.at(0).unicode()) {
    case '=':
    case '+':
    case '-':
    case '@':
    case '\t':
    case '\r':
        return true;
    default:
        return false;
    }
}

} // namespace

QString field(const QString& text)
{
    // A name such as "=HYPERLINK(...)" would run as a formula where the file
    // is opened; the apostrophe makes it text. "-3.5" and "+1" stay numbers.
    bool number = false;
    QLocale::c().toDouble(text, &number);
    const QString value = startsLikeAFormula(text) && !number ? QLatin1Char('\'') + text : text;
    const bool quote = value.contains(QLatin1Char(',')) || value.contains(QLatin1Char('"')) ||
                       value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r'));
    if (!quote)
        return value;
    QString quoted = value;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString record(const QStringList& fields)
{
    QString text;
    for (int i = 0; i < fields.size(); ++i) {
        if (i > 0)
            text += QLatin1Char(',');
        text += field(fields.at(i));
    }
    return text + QLatin1String("\r\n");
}

namespace {

bool allEmpty(const QStringList& fields)
{
    for (const QString& f : fields) {
        if (!f.isEmpty())
            return false;
    }
    return true;
}

class Parser
{
public:
    explicit Parser(const QString& text) : m_text(text) {}

    QList<Record> run()
    {
        while (m_pos < m_text.size()) {
            Record r = next();
            for (QString& f : r.fields) {
                if (f.startsWith(QLatin1Char('\'')) && startsLikeAFormula(f.mid(1)))
                    f.remove(0, 1);
            }
            if (!r.problem.isEmpty() || !allEmpty(r.fields))
                m_records.append(r);
        }
        return m_records;
    }

private:
    QChar at(qsizetype i) const { return i < m_text.size() ? m_text.at(i) : QChar(); }

    // Consumes a line end at the current position (CRLF, LF or a lone CR).
    bool lineEnd()
    {
        if (at(m_pos) == QLatin1Char('\r')) {
            m_pos += at(m_pos + 1) == QLatin1Char('\n') ? 2 : 1;
            ++m_line;
            return true;
        }
        if (at(m_pos) == QLatin1Char('\n')) {
            ++m_pos;
            ++m_line;
            return true;
        }
        return false;
    }

    // Skips the rest of a malformed record's physical line.
    void skipLine()
    {
        while (m_pos < m_text.size() && !lineEnd())
            ++m_pos;
    }

    Record next()
    {
        Record r;
        r.line = m_line;
        for (;;) {
            QString value;
            if (at(m_pos) == QLatin1Char('"')) {
                const int opened = m_line;
                ++m_pos;
                for (;;) {
                    if (m_pos >= m_text.size()) {
                        r.problem = QCoreApplication::translate(
                                        "jobtool", "the quoted field opened on line %1 never ends")
                                        .arg(opened);
                        return r;
                    }
                    const QChar c = m_text.at(m_pos);
                    if (c == QLatin1Char('"')) {
                        if (at(m_pos + 1) == QLatin1Char('"')) {
                            value += c;
                            m_pos += 2;
                            continue;
                        }
                        ++m_pos;
                        break;
                    }
                    if (c == QLatin1Char('\n') ||
                        (c == QLatin1Char('\r') && at(m_pos + 1) != QLatin1Char('\n')))
                        ++m_line;
                    value += c;
                    ++m_pos;
                }
                const QChar after = at(m_pos);
                if (m_pos < m_text.size() && after != QLatin1Char(',') &&
                    after != QLatin1Char('\r') && after != QLatin1Char('\n')) {
                    r.problem = QCoreApplication::translate(
                                    "jobtool", "text after the closing quote of field %1")
                                    .arg(r.fields.size() + 1);
                    skipLine();
                    return r;
                }
            } else {
                while (m_pos < m_text.size()) {
                    const QChar c = m_text.at(m_pos);
                    if (c == QLatin1Char(',') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
                        break;
                    if (c == QLatin1Char('"')) {
                        r.problem =
                            QCoreApplication::translate(
                                "jobtool", "a quote inside field %1, which does not start with one")
                                .arg(r.fields.size() + 1);
                        skipLine();
                        return r;
                    }
                    value += c;
                    ++m_pos;
                }
            }
            r.fields.append(value);
            if (at(m_pos) == QLatin1Char(',')) {
                ++m_pos;
                continue;
            }
            lineEnd();
            return r;
        }
    }

    const QString& m_text;
    qsizetype m_pos = 0;
    int m_line = 1;
    QList<Record> m_records;
};

} // namespace

QList<Record> parse(const QString& text)
{
    return Parser(text).run();
}

bool decodeUtf8(const QByteArray& bytes, QString* text, int* badLine)
{
    QByteArray body = bytes;
    if (body.startsWith("\xEF\xBB\xBF"))
        body.remove(0, 3);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    *text = decoder.decode(body);
    if (!decoder.hasError())
        return true;
    // Find the line of the first bad sequence by decoding line by line.
    int line = 1;
    for (const QByteArray& l : body.split('\n')) {
        QStringDecoder probe(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = probe.decode(l);
        Q_UNUSED(decoded);
        if (probe.hasError())
            break;
        ++line;
    }
    *badLine = line;
    return false;
}

} // namespace Csv
