#ifndef ITEMLOOKUP_P_H
#define ITEMLOOKUP_P_H

#include "constants_p.h"
#include "ductbook_p.h"

#include <QDomDocument>
#include <QDomElement>
#include <QList>
#include <QString>
#include <QStringList>

#include <initializer_list>

// The lookups that the floor and sheet items and the ports share: an item's
// element by id through the kind's index (walking the list only when the
// index cannot answer for sure).
namespace ItemLookup {

inline QString idOf(const QDomElement& e)
{
    return e.attribute(QStringLiteral("id"));
}

inline int intAttr(const QDomElement& e, const char* attr)
{
    return e.attribute(QLatin1String(attr)).toInt();
}

inline QString notSpecified()
{
    return QLatin1String(DuctbookConstants::NotSpecified);
}

using Attr = DuctbookPrivate::Attr;

// Appends a new element named tag to list with attrs, in the order given.
inline QDomElement appendItem(QDomDocument& document, QDomElement& list, const QString& tag,
                              std::initializer_list<Attr> attrs)
{
    QDomElement e = document.createElement(tag);
    list.appendChild(e);
    for (const Attr& a : attrs)
        e.setAttribute(QLatin1String(a.first), a.second);
    return e;
}

inline QStringList names(const QDomElement& list, bool tags)
{
    QStringList result;
    for (QDomElement e = list.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        result.append(tags ? e.tagName() : idOf(e));
    return result;
}

// The first element of list whose id is id, in document order. The index
// names the candidates; when it can tell, and at most one of them sits in
// list, that one is the answer without a walk.
inline QDomElement firstWithId(const ItemIndex& index, const QDomElement& list, const QString& id)
{
    if (list.isNull())
        return QDomElement();
    QList<QDomElement> candidates;
    if (index.elementsWithId(id, &candidates)) {
        QDomElement hit;
        int hits = 0;
        for (const QDomElement& e : std::as_const(candidates)) {
            if (e.parentNode() == list) {
                hit = e;
                ++hits;
            }
        }
        if (hits <= 1)
            return hit;
    }
    for (QDomElement e = list.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (idOf(e) == id)
            return e;
    }
    return QDomElement();
}

// Every element of list whose id is id: from the index when it can tell,
// else by a walk of the list.
inline QList<QDomElement> allWithId(const ItemIndex& index, const QDomElement& list,
                                    const QString& id)
{
    QList<QDomElement> found;
    if (list.isNull())
        return found;
    QList<QDomElement> candidates;
    if (index.elementsWithId(id, &candidates)) {
        for (const QDomElement& e : std::as_const(candidates)) {
            if (e.parentNode() == list)
                found.append(e);
        }
        return found;
    }
    for (QDomElement e = list.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (idOf(e) == id)
            found.append(e);
    }
    return found;
}

} // namespace ItemLookup

#endif // ITEMLOOKUP_P_H
