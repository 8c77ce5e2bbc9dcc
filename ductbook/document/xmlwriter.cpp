#include "xmlwriter_p.h"

#include <QDomDocument>
#include <QStringList>

#include <algorithm>

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

void appendReference(QString& out, char32_t c)
{
    out += QLatin1String("&#");
    out += QString::number(quint32(c));
    out += QLatin1Char(';');
}

// The escaping of QDom's writer: in attributes (inAttribute) quotes and the
// white-space characters that attribute-value normalisation would otherwise
// turn into spaces are escaped too. Characters beyond Latin-1 become numeric
// references; characters that XML cannot carry at all are dropped.
void appendEscaped(QString& out, const QString& text, bool inAttribute)
{
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar ch = text.at(i);
        const char16_t u = ch.unicode();
        switch (u) {
        case u'<':
            out += QLatin1String("&lt;");
            continue;
        case u'&':
            out += QLatin1String("&amp;");
            continue;
        case u'"':
            out += inAttribute ? QLatin1String("&quot;") : QLatin1String("\"");
            continue;
        case u'>':
            if (i >= 2 && text.at(i - 1) == QLatin1Char(']') && text.at(i - 2) == QLatin1Char(']'))
                out += QLatin1String("&gt;");
            else
                out += QLatin1Char('>');
            continue;
        case u'\r':
            out += QLatin1String("&#xd;");
            continue;
        case u'\n':
            out += inAttribute ? QLatin1String("&#xa;") : QLatin1String("\n");
            continue;
        case u'\t':
            out += inAttribute ? QLatin1String("&#x9;") : QLatin1String("\t");
            continue;
        default:
            break;
        }
        if (ch.isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate()) {
            appendReference(out, QChar::surrogateToUcs4(ch, text.at(i + 1)));
            ++i;
            continue;
        }
        if (!isXmlChar(u))
            continue;
        if (u > 0xFF)
            appendReference(out, u);
        else
            out += ch;
    }
}

void indent(QString& out, int depth)
{
    out += QString(depth, QLatin1Char(' '));
}

void writeNode(QString& out, const QDomNode& node, int depth);

void writeChildren(QString& out, const QDomNode& parent, int depth)
{
    for (QDomNode child = parent.firstChild(); !child.isNull(); child = child.nextSibling())
        writeNode(out, child, depth);
}

// Mirrors the layout of QDom's own writer with an indentation of one: a node
// next to a text node is not broken onto its own line.
void writeElement(QString& out, const QDomElement& e, int depth)
{
    const QDomNode prev = e.previousSibling();
    const QDomNode next = e.nextSibling();
    if (!(prev.isText()))
        indent(out, depth);
    out += QLatin1Char('<');
    out += e.tagName();

    const QDomNamedNodeMap attrs = e.attributes();
    const int count = attrs.count();
    if (count > 0) {
        QStringList names;
        names.reserve(count);
        for (int i = 0; i < count; ++i)
            names.append(attrs.item(i).nodeName());
        std::sort(names.begin(), names.end(), attributeBefore);
        for (const QString& name : std::as_const(names)) {
            out += QLatin1Char(' ');
            out += name;
            out += QLatin1String("=\"");
            appendEscaped(out, attrs.namedItem(name).nodeValue(), true);
            out += QLatin1Char('"');
        }
    }

    const QDomNode first = e.firstChild();
    if (!first.isNull()) {
        out += QLatin1Char('>');
        if (!first.isText())
            out += QLatin1Char('\n');
        writeChildren(out, e, depth + 1);
        if (!e.lastChild().isText())
            indent(out, depth);
        out += QLatin1String("</");
        out += e.tagName();
        out += QLatin1Char('>');
    } else {
        out += QLatin1String("/>");
    }
    if (!(next.isText()))
        out += QLatin1Char('\n');
}

void writeNode(QString& out, const QDomNode& node, int depth)
{
    switch (node.nodeType()) {
    case QDomNode::ElementNode:
        writeElement(out, node.toElement(), depth);
        break;
    case QDomNode::TextNode:
        appendEscaped(out, node.nodeValue(), false);
        break;
    case QDomNode::CDATASectionNode: {
        // A CDATA section cannot hold "]]>" or references; split it where needed.
        QString data = node.nodeValue();
        data.replace(QLatin1String("]]>"), QLatin1String("]]]]><![CDATA[>"));
        out += QLatin1String("<![CDATA[");
        appendEscaped(out, data, false);
        out += QLatin1String("]]>");
        break;
    }
    case QDomNode::CommentNode: {
        // Comments are not parsed for references: what cannot be written in
        // Latin-1 is lost there, as it always was.
        if (!node.previousSibling().isText())
            indent(out, depth);
        out += QLatin1String("<!--");
        const QString value = node.nodeValue();
        for (const QChar ch : value)
            out += ch.unicode() > 0xFF ? QLatin1Char('?') : ch;
        if (value.endsWith(QLatin1Char('-')))
            out += QLatin1Char(' ');
        out += QLatin1String("-->");
        if (!node.nextSibling().isText())
            out += QLatin1Char('\n');
        break;
    }
    default:
        // Processing instructions (an XML declaration among them) would claim an
        // encoding the file does not have; the job format never had any.
        break;
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
    QString out;
    if (!docTypeName.isEmpty()) {
        out += QLatin1String("<!DOCTYPE ");
        out += docTypeName;
        out += QLatin1String(">\n");
    }
    // Comments around the root are kept; the root itself is the one element.
    for (QDomNode n = document.firstChild(); !n.isNull(); n = n.nextSibling()) {
        if (n.isElement() || n.isComment())
            writeNode(out, n, 0);
    }
    return out;
}

QByteArray toLatin1(const QDomDocument& document, const QString& docTypeName)
{
    return toText(document, docTypeName).toLatin1();
}

bool isValidName(const QString& name)
{
    if (name.isEmpty() || !isNameStartChar(name.at(0)))
        return false;
    return std::all_of(name.cbegin(), name.cend(), isNameChar);
}

} // namespace XmlWriter
