#include "io/xmlwriter_p.h"

#include "io/savefile_p.h"

#include <QDomDocument>
#include <QIODevice>
#include <QStringList>

#include <algorithm>
#include <cstring>

namespace {

// "id" leads because it is the name a reader looks for first; the rest follow
// in code-unit order, which is the same in every process.
bool attributeBefore(const QString& a, const QString& b)
{
    if (a == b)
        return false;
    if (a == QLatin1String("id"))
        return true;
    if (b == QLatin1String("id"))
        return false;
    return a < b;
}

// XML 1.0 forbids most C0 controls, lone surrogates and U+FFFE/U+FFFF even as
// character references; a file holding one could not be read back.
bool isXmlChar(char32_t c)
{
    if (c == 0x9 || c == 0xA || c == 0xD)
        return true;
    if (c < 0x20)
        return false;
    if (c >= 0xD800 && c <= 0xDFFF)
        return false;
    return c != 0xFFFE && c != 0xFFFF;
}

// The Latin-1 bytes of the file, written straight into a buffer. With a
// device the buffer is handed on each time it fills, so a large job is never
// held twice in memory; without one the buffer is the result.
class Output
{
public:
    explicit Output(QIODevice* device) : m_device(device) {}

    // Room for n more bytes; returns where they go. advance() then says how
    // many were written.
    char* reserve(qsizetype n)
    {
        if (m_device && m_used > 0 && m_used + n > Chunk)
            flush();
        if (m_used + n > m_buffer.size())
            m_buffer.resize(std::max(m_used + n, 2 * m_buffer.size() + 4096));
        return m_buffer.data() + m_used;
    }
    void advance(const char* end) { m_used = end - m_buffer.constData(); }

    void put(char c)
    {
        *reserve(1) = c;
        ++m_used;
    }
    void put(const char* text, qsizetype n)
    {
        std::memcpy(reserve(n), text, size_t(n));
        m_used += n;
    }
    void put(QLatin1String text) { put(text.data(), text.size()); }

    // Text that takes no references (names, the document type, comments): a
    // character beyond Latin-1 becomes "?". A name read from a Latin-1 file
    // holds none.
    void putLatin1(const QString& name)
    {
        char* out = reserve(name.size());
        for (const QChar ch : name)
            *out++ = ch.unicode() > 0xFF ? '?' : char(ch.unicode());
        advance(out);
    }

    void indent(int depth)
    {
        char* out = reserve(depth);
        std::memset(out, ' ', size_t(depth));
        m_used += depth;
    }

    // The bytes, when there is no device.
    QByteArray take()
    {
        m_buffer.resize(m_used);
        return std::move(m_buffer);
    }

    // Hands the rest to the device; false when some write failed.
    bool finish()
    {
        flush();
        return m_ok;
    }

private:
    static constexpr qsizetype Chunk = 1 << 20;

    void flush()
    {
        if (m_used > 0 && m_ok)
            m_ok = SaveFile::writeAll(m_device, m_buffer.constData(), m_used);
        m_used = 0;
    }

    QIODevice* m_device;
    QByteArray m_buffer;
    qsizetype m_used = 0;
    bool m_ok = true;
};

char* putReference(char* out, char32_t c)
{
    char digits[10];
    int n = 0;
    do {
        digits[n++] = char('0' + c % 10);
        c /= 10;
    } while (c > 0);
    *out++ = '&';
    *out++ = '#';
    while (n > 0)
        *out++ = digits[--n];
    *out++ = ';';
    return out;
}

char* putLiteral(char* out, const char* text)
{
    while (*text)
        *out++ = *text++;
    return out;
}

// Characters written as they are, in attributes and text alike: printable
// ASCII other than markup, and the Latin-1 letters and signs above it.
struct PlainTable
{
    bool plain[256];
    constexpr PlainTable() : plain()
    {
        for (int c = 0; c < 256; ++c)
            plain[c] = c >= 0x20 && c != '<' && c != '&' && c != '"' && c != '>';
    }
};
constexpr PlainTable Plain;

// The escaping of QDom's writer: in attributes (inAttribute) quotes and the
// white-space characters that attribute-value normalisation would otherwise
// turn into spaces are escaped too. Characters beyond Latin-1 become numeric
// references; characters that XML cannot carry at all are dropped.
void putEscaped(Output& output, const QString& text, bool inAttribute)
{
    const char16_t* in = reinterpret_cast<const char16_t*>(text.utf16());
    const qsizetype n = text.size();
    // The longest form of one code unit is a reference of five digits.
    char* out = output.reserve(8 * n);
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = in[i];
        if (u <= 0xFF && Plain.plain[u]) {
            *out++ = char(u);
            continue;
        }
        switch (u) {
        case u'<':
            out = putLiteral(out, "&lt;");
            continue;
        case u'&':
            out = putLiteral(out, "&amp;");
            continue;
        case u'"':
            out = inAttribute ? putLiteral(out, "&quot;") : putLiteral(out, "\"");
            continue;
        case u'>':
            // Only "]]>" needs it outside a CDATA section.
            out = i >= 2 && in[i - 1] == u']' && in[i - 2] == u']' ? putLiteral(out, "&gt;")
                                                                   : putLiteral(out, ">");
            continue;
        case u'\r':
            out = putLiteral(out, "&#xd;");
            continue;
        case u'\n':
            out = inAttribute ? putLiteral(out, "&#xa;") : putLiteral(out, "\n");
            continue;
        case u'\t':
            out = inAttribute ? putLiteral(out, "&#x9;") : putLiteral(out, "\t");
            continue;
        default:
            break;
        }
        if (QChar::isHighSurrogate(u) && i + 1 < n && QChar::isLowSurrogate(in[i + 1])) {
            out = putReference(out, QChar::surrogateToUcs4(u, in[i + 1]));
            ++i;
            continue;
        }
        if (isXmlChar(u))
            out = putReference(out, u);
    }
    output.advance(out);
}

void writeNode(Output& out, const QDomNode& node, int depth);

void writeChildren(Output& out, const QDomNode& parent, int depth)
{
    for (QDomNode child = parent.firstChild(); !child.isNull(); child = child.nextSibling())
        writeNode(out, child, depth);
}

// Mirrors the layout of QDom's own writer with an indentation of one: a node
// next to a text node is not broken onto its own line.
void writeElement(Output& out, const QDomElement& e, int depth)
{
    if (!e.previousSibling().isText())
        out.indent(depth);
    out.put('<');
    const QString tag = e.tagName();
    out.putLatin1(tag);

    const QDomNamedNodeMap attrs = e.attributes();
    const int count = attrs.count();
    if (count > 0) {
        QStringList names;
        names.reserve(count);
        for (int i = 0; i < count; ++i)
            names.append(attrs.item(i).nodeName());
        std::sort(names.begin(), names.end(), attributeBefore);
        for (const QString& name : std::as_const(names)) {
            out.put(' ');
            out.putLatin1(name);
            out.put(QLatin1String("=\""));
            putEscaped(out, attrs.namedItem(name).nodeValue(), true);
            out.put('"');
        }
    }

    const QDomNode first = e.firstChild();
    if (!first.isNull()) {
        out.put('>');
        if (!first.isText())
            out.put('\n');
        writeChildren(out, e, depth + 1);
        if (!e.lastChild().isText())
            out.indent(depth);
        out.put(QLatin1String("</"));
        out.putLatin1(tag);
        out.put('>');
    } else {
        out.put(QLatin1String("/>"));
    }
    if (!e.nextSibling().isText())
        out.put('\n');
}

void writeNode(Output& out, const QDomNode& node, int depth)
{
    switch (node.nodeType()) {
    case QDomNode::ElementNode:
        writeElement(out, node.toElement(), depth);
        break;
    case QDomNode::TextNode:
        putEscaped(out, node.nodeValue(), false);
        break;
    case QDomNode::CDATASectionNode: {
        // A CDATA section cannot hold "]]>" or references; split it where needed.
        QString data = node.nodeValue();
        data.replace(QLatin1String("]]>"), QLatin1String("]]]]><![CDATA[>"));
        out.put(QLatin1String("<![CDATA["));
        putEscaped(out, data, false);
        out.put(QLatin1String("]]>"));
        break;
    }
    case QDomNode::CommentNode: {
        // Comments are not parsed for references: what cannot be written in
        // Latin-1 is lost there, as it always was.
        if (!node.previousSibling().isText())
            out.indent(depth);
        out.put(QLatin1String("<!--"));
        const QString value = node.nodeValue();
        out.putLatin1(value);
        if (value.endsWith(QLatin1Char('-')))
            out.put(' ');
        out.put(QLatin1String("-->"));
        if (!node.nextSibling().isText())
            out.put('\n');
        break;
    }
    default:
        // Processing instructions (an XML declaration among them) would claim an
        // encoding the file does not have; the job format never had any.
        break;
    }
}

void writeDocument(Output& out, const QDomDocument& document, const QString& docTypeName)
{
    if (!docTypeName.isEmpty()) {
        out.put(QLatin1String("<!DOCTYPE "));
        out.putLatin1(docTypeName);
        out.put(QLatin1String(">\n"));
    }
    // Comments around the root are kept; the root itself is the one element.
    for (QDomNode n = document.firstChild(); !n.isNull(); n = n.nextSibling()) {
        if (n.isElement() || n.isComment())
            writeNode(out, n, 0);
    }
}

bool isNameStartChar(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || u == u'_' ||
           (u >= 0xC0 && u <= 0xD6) || (u >= 0xD8 && u <= 0xF6) || (u >= 0xF8 && u <= 0xFF);
}

bool isNameChar(QChar c)
{
    const char16_t u = c.unicode();
    return isNameStartChar(c) || (u >= u'0' && u <= u'9') || u == u'-' || u == u'.' || u == 0xB7;
}

} // namespace

namespace XmlWriter {

QString toText(const QDomDocument& document, const QString& docTypeName)
{
    return QString::fromLatin1(toLatin1(document, docTypeName));
}

QByteArray toLatin1(const QDomDocument& document, const QString& docTypeName)
{
    Output out(nullptr);
    writeDocument(out, document, docTypeName);
    return out.take();
}

bool write(QIODevice* device, const QDomDocument& document, const QString& docTypeName)
{
    Output out(device);
    writeDocument(out, document, docTypeName);
    return out.finish();
}

bool isValidName(const QString& name)
{
    if (name.isEmpty() || !isNameStartChar(name.at(0)))
        return false;
    return std::all_of(name.cbegin(), name.cend(), isNameChar);
}

} // namespace XmlWriter
