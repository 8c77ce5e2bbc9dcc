#ifndef DOMCOMPARE_H
#define DOMCOMPARE_H

// Compares two XML files by structure: element names, attributes (in any
// order) and child elements in order. Indentation and attribute order are
// the writer's business and are not compared.

#include <QDomDocument>
#include <QDomElement>
#include <QDomNamedNodeMap>
#include <QFile>
#include <QMap>
#include <QString>

namespace DomCompare {

inline QMap<QString, QString> attributesOf(const QDomElement& e)
{
    QMap<QString, QString> map;
    const QDomNamedNodeMap attributes = e.attributes();
    for (int i = 0; i < attributes.count(); ++i) {
        const QDomAttr a = attributes.item(i).toAttr();
        map.insert(a.name(), a.value());
    }
    return map;
}

// "" when actual and expected agree; otherwise where they first differ.
inline QString difference(const QDomElement& actual, const QDomElement& expected,
                          const QString& path = QString())
{
    const QString here = path + QLatin1Char('/') + expected.tagName();
    if (actual.tagName() != expected.tagName())
        return QStringLiteral("%1: found <%2>").arg(here, actual.tagName());
    const QMap<QString, QString> a = attributesOf(actual);
    const QMap<QString, QString> b = attributesOf(expected);
    for (auto it = b.cbegin(); it != b.cend(); ++it) {
        if (!a.contains(it.key()))
            return QStringLiteral("%1: attribute %2 missing").arg(here, it.key());
        if (a.value(it.key()) != it.value())
            return QStringLiteral("%1: %2=\"%3\", expected \"%4\"")
                .arg(here, it.key(), a.value(it.key()), it.value());
    }
    for (auto it = a.cbegin(); it != a.cend(); ++it) {
        if (!b.contains(it.key()))
            return QStringLiteral("%1: unexpected attribute %2=\"%3\"")
                .arg(here, it.key(), it.value());
    }
    QDomElement x = actual.firstChildElement();
    QDomElement y = expected.firstChildElement();
    for (; !x.isNull() && !y.isNull(); x = x.nextSiblingElement(), y = y.nextSiblingElement()) {
        const QString inner = difference(x, y, here);
        if (!inner.isEmpty())
            return inner;
    }
    if (!x.isNull())
        return QStringLiteral("%1: unexpected child <%2>").arg(here, x.tagName());
    if (!y.isNull())
        return QStringLiteral("%1: child <%2> missing").arg(here, y.tagName());
    return QString();
}

inline QDomDocument parseFile(const QString& path, QString* error)
{
    QDomDocument doc;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1").arg(path);
        return doc;
    }
    if (!doc.setContent(QString::fromLatin1(f.readAll())))
        *error = QStringLiteral("cannot parse %1").arg(path);
    return doc;
}

inline QString fileDifference(const QString& actualPath, const QString& expectedPath)
{
    QString error;
    const QDomDocument actual = parseFile(actualPath, &error);
    const QDomDocument expected = parseFile(expectedPath, &error);
    if (!error.isEmpty())
        return error;
    if (actual.doctype().name() != expected.doctype().name())
        return QStringLiteral("document type %1, expected %2")
            .arg(actual.doctype().name(), expected.doctype().name());
    return difference(actual.documentElement(), expected.documentElement());
}

} // namespace DomCompare

#endif // DOMCOMPARE_H
