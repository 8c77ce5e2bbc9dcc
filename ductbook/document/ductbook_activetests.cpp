// Active network tests: the ports from which tests were run against the live
// network, and the results of those tests, kept under "ActiveNetworkTest_List".
#include "ductbook.h"

#include "constants_p.h"
#include "ductbook_p.h"
#include "index/namegen_p.h"
#include "io/xmlwriter_p.h"

#include <QSet>

using namespace DuctbookConstants;

namespace {

// Attributes in the order a result is written.
void writeResult(QDomElement& e, const ActiveTestResult& result)
{
    e.setAttribute(QStringLiteral("type"), result.testType());
    e.setAttribute(QStringLiteral("result"), result.testResult());
    e.setAttribute(QStringLiteral("dateTime"), result.dateTime());
}

QStringList childTags(const QDomElement& parent)
{
    QStringList tags;
    for (QDomElement e = parent.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        tags.append(e.tagName());
    return tags;
}

} // namespace

QDomElement DuctbookPrivate::activePortElement(const QString& tag, const QDomElement& list)
{
    return findItem(maps.activePorts.elements(), tag, list);
}

// Tag and id follow the add mode. A tag the caller supplies becomes an element
// name, so one that is not a valid name is refused: the file would not load
// again. A job whose test block lacks the port list gets the list inside that
// block, where the next load looks for it, rather than a second block.
QString Ductbook::addActivePort(const QString& tag, const QString& id,
                                QList<ActiveTestResult*> results, int mode)
{
    const bool tagGiven = AddMode::tagSupplied(mode);
    if (tagGiven && !XmlWriter::isValidName(tag))
        return QString();
    // The greatest tag in code-unit order is "ActivePort9" while ports 10 and
    // up exist; the memo keeps each add from counting up through all of them.
    const ItemIndex& ports = d->maps.activePorts;
    const QString portTag =
        tagGiven ? tag
                 : NameGen::nextAfterGreatest(
                       ports.lastTag(), name(ActivePortElement), NameGen::Plain,
                       [this](const QString& n) { return activePortExists(n, true); },
                       &d->maps.nameMemos[QStringLiteral("active port tag")], ports.generation());
    const QString portId =
        AddMode::idSupplied(mode)
            ? id
            : NameGen::nextAfterGreatest(
                  ports.greatestId(), id, NameGen::Padded,
                  [this](const QString& n) { return activePortExists(n, false); },
                  &d->maps.nameMemos[QStringLiteral("active port id|") + id], ports.generation());

    QDomElement list = d->getToActivePortList();
    if (list.isNull()) {
        QDomElement root = document.documentElement();
        if (root.isNull())
            return QString();
        QDomElement block = getElement(name(ActiveNetworkTestList));
        if (block.isNull()) {
            block = document.createElement(name(ActiveNetworkTestList));
            root.appendChild(block);
        }
        list = document.createElement(name(ActivePortList));
        block.appendChild(list);
    }
    if (!d->activePortElement(portTag, list).isNull())
        return QString();

    QDomElement port = document.createElement(portTag);
    port.setAttribute(QStringLiteral("id"), portId);
    int number = 0;
    for (const ActiveTestResult* result : std::as_const(results)) {
        if (!result)
            continue;
        QDomElement e =
            document.createElement(name(ActiveTestResultElement) + QString::number(++number));
        writeResult(e, *result);
        port.appendChild(e);
    }
    list.appendChild(port);

    d->maps.activePorts.added(portTag, portId, port);
    setChanged(true);
    return portId;
}

QString Ductbook::addActivePort(ActivePort& port, int mode)
{
    return addActivePort(port.element(), port.id(), port.activeTestResults(), mode);
}

// A new result is data the user would lose by closing without saving, so it
// marks the job changed like every other addition.
QString Ductbook::addActivePortTestResult(const QString& tag, ActiveTestResult result)
{
    if (!activePortExists(tag, true))
        return QString();
    QDomElement port = d->activePortElement(tag, d->getToActivePortList());
    if (port.isNull())
        return QString();
    const QStringList taken = childTags(port);
    const QSet<QString> used(taken.cbegin(), taken.cend());
    const QString resultTag = NameGen::firstFree(
        name(ActiveTestResultElement), [&used](const QString& n) { return used.contains(n); });
    QDomElement e = document.createElement(resultTag);
    writeResult(e, result);
    port.appendChild(e);
    setChanged(true);
    return resultTag;
}

QStringList Ductbook::getActivePorts(bool tags)
{
    QStringList out;
    const QDomElement list = d->getToActivePortList();
    for (QDomElement e = list.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        out.append(tags ? e.tagName() : e.attribute(QStringLiteral("id")));
    return out;
}

QStringList Ductbook::getActivePortTestResults(const QString& tag)
{
    return childTags(d->activePortElement(tag, d->getToActivePortList()));
}

ActivePort Ductbook::getActivePort(const QString& tag)
{
    ActivePort port;
    const QDomElement e = d->activePortElement(tag, d->getToActivePortList());
    if (e.isNull())
        return port;
    port.setElement(e.tagName());
    port.setId(e.attribute(QStringLiteral("id")));
    for (QDomElement r = e.firstChildElement(); !r.isNull(); r = r.nextSiblingElement()) {
        auto* result = new ActiveTestResult;
        result->setElement(r.tagName());
        result->setDateTime(r.attribute(QStringLiteral("dateTime")));
        result->setTestResult(r.attribute(QStringLiteral("result")));
        result->setTestType(r.attribute(QStringLiteral("type")));
        port.addTestResult(result);
    }
    return port;
}

void Ductbook::renameActivePort(const QString& tag, const QString& newId)
{
    QDomElement e = d->activePortElement(tag, d->getToActivePortList());
    if (e.isNull())
        return;
    e.setAttribute(QStringLiteral("id"), newId);
    d->maps.activePorts.renamed(e, newId);
    setChanged(true);
}

void Ductbook::removeActivePort(const QString& tag)
{
    QDomElement list = d->getToActivePortList();
    const QDomElement e = d->activePortElement(tag, list);
    if (e.isNull())
        return;
    list.removeChild(e);
    // A second element under a repeated tag was never in the map.
    if (d->maps.activePorts.elements().any(tag) == e) {
        d->maps.activePorts.removed(tag, e);
        // The next element of the tag, if the file repeats it, takes over.
        if (d->maps.activePorts.elements().irregular())
            d->populateActivePortMap();
    }
    setChanged(true);
}

bool Ductbook::activePortTestResultExists(const QString& tag, const QString& resultTag)
{
    return getActivePortTestResults(tag).contains(resultTag);
}
