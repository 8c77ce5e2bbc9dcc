// Cables between ports, device connections on the network sheets, and the
// results of the last test of each cable.
#include "ductbook.h"

#include "constants_p.h"
#include "ductbook_p.h"
#include "index/namegen_p.h"
#include "io/textcodecs_p.h"
#include "io/xmlwriter_p.h"
#include "listtext_p.h"

#include <QColor>
#include <QHash>
#include <QSet>

#include <algorithm>

using namespace DuctbookConstants;
using namespace ListText;

namespace {
QString threeDigits(qint64 n)
{
    return QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0'));
}

} // namespace

QDomElement DuctbookPrivate::cable(const QString& tag)
{
    // An empty name would make the fallback walk take any element.
    if (tag.isEmpty())
        return QDomElement();
    return findItem(maps.cables.elements(), tag, getToCableList());
}

QDomElement DuctbookPrivate::connection(const QString& tag)
{
    if (tag.isEmpty())
        return QDomElement();
    return findItem(maps.connections.elements(), tag, getToConnectionList());
}

// --- names ------------------------------------------------------------------

// The number after the last occurrence of prefix in greatest, plus one; 1
// when there is no greatest name or no number in it.
qint64 DuctbookPrivate::startAfter(const QString& greatest, const QString& prefix)
{
    if (greatest.isEmpty())
        return 1;
    const qsizetype at = greatest.lastIndexOf(prefix);
    const QString rest = at < 0 ? greatest : greatest.mid(at + prefix.size());
    return rest.toLongLong() + 1; // 0 when rest is not a number
}

// "Cable" and a plain number, one above the number in the last tag of the
// cable map in string order, counted up while taken. Once Cable10 exists
// Cable9 stays the last key, so the count resumes where the last one ended.
QString DuctbookPrivate::generateCableTag()
{
    return NameGen::nextAfterGreatest(
        maps.cables.lastTag(), name(CableElement), NameGen::Plain,
        [this](const QString& t) { return q->cableExists(t, true); },
        &maps.nameMemos[QStringLiteral("cable tag")], maps.cables.generation());
}

// The prefix followed by three digits, one above the greatest id of the
// pattern; four-digit ids never match the pattern, so they do not raise
// the start.
QString DuctbookPrivate::generateCableId(CableIndex& idx, const QString& prefix)
{
    const QString word = Ductbook::tr("Cable");
    if (word != idx.idWord)
        countThreeDigitIds(idx, word);
    const qint64 start =
        idx.threeDigitIds.isEmpty() ? 1 : startAfter(idx.threeDigitIds.lastKey(), prefix);
    qint64 n = idx.idHint.resume(prefix, start);
    QString candidate = prefix + threeDigits(n);
    while (q->cableExists(candidate, false))
        candidate = prefix + threeDigits(++n);
    idx.idHint.record(prefix, start, n);
    return candidate;
}

// Connection1, Connection2 ...: once Connection10 exists, Connection9
// stays the greatest name, so the counts resume where the last one ended.
QString DuctbookPrivate::generateConnectionTag()
{
    return NameGen::nextAfterGreatest(
        maps.connections.lastTag(), name(ConnectionElement), NameGen::Plain,
        [this](const QString& t) { return q->connectionExists(t, true); },
        &maps.nameMemos[QStringLiteral("connection tag")], maps.connections.generation());
}

QString DuctbookPrivate::generateConnectionId()
{
    return NameGen::nextAfterGreatest(
        maps.connections.greatestId(), name(ConnectionElement), NameGen::Plain,
        [this](const QString& i) { return q->connectionExists(i, false); },
        &maps.nameMemos[QStringLiteral("connection id")], maps.connections.generation());
}

// --- test results -----------------------------------------------------------

void DuctbookPrivate::writeNewResults(QDomElement& results, const TestResults& r)
{
    results.setAttribute(name(StatusField), r.status());
    results.setAttribute(name(SerialField), r.serialNumber());
    results.setAttribute(name(SoftwareVersionField), r.softwareVersion());
    results.setAttribute(name(TimeField), r.time());
    results.setAttribute(name(BertErrorsField), QString::number(r.BERTResults(), 10));
    results.setAttribute(name(DataField), TextCodecs::encodeMeasurementBlock(r.results()));
    results.setAttribute(name(EchoField), TextCodecs::encodePlot(r.echo()));
    results.setAttribute(name(NextField), TextCodecs::encodePlot(r.next()));
    results.setAttribute(name(ChanField), TextCodecs::encodePlot(r.channel()));
}

// Adds the attributes of "Test_Results" that older files lack, with the
// values of an untested result ("data" only when repairData is set), in
// the order files have always been given them. The untested values are
// encoded only when something is missing.
void DuctbookPrivate::repairResults(QDomElement& e, bool repairData)
{
    const bool complete =
        e.hasAttribute(name(SoftwareVersionField)) && e.hasAttribute(name(SerialField)) &&
        e.hasAttribute(name(BertErrorsField)) && e.hasAttribute(name(EchoField)) &&
        e.hasAttribute(name(NextField)) && e.hasAttribute(name(ChanField)) &&
        (!repairData || e.hasAttribute(name(DataField)));
    if (complete)
        return;
    const TestResults untested;
    repairedAttr(e, name(SoftwareVersionField), untested.softwareVersion());
    repairedAttr(e, name(SerialField), untested.serialNumber());
    repairedAttr(e, name(BertErrorsField), QString::number(untested.BERTResults(), 10));
    repairedAttr(e, name(EchoField), TextCodecs::encodePlot(untested.echo()));
    repairedAttr(e, name(NextField), TextCodecs::encodePlot(untested.next()));
    repairedAttr(e, name(ChanField), TextCodecs::encodePlot(untested.channel()));
    if (repairData)
        repairedAttr(e, name(DataField), TextCodecs::encodeMeasurementBlock(untested.results()));
}

// Reads "Test_Results" of a cable element, repaired as above; the plots
// stay those of an untested result unless withPlots is set.
TestResults DuctbookPrivate::readResults(const QDomElement& cableElement, bool repairData,
                                         bool withPlots)
{
    TestResults r;
    QDomElement e = cableElement.firstChildElement(name(TestResultsElement));
    if (e.isNull())
        return r;
    repairResults(e, repairData);
    r.setStatus(q->getChildAttr(name(StatusField), e));
    r.setTime(q->getChildAttr(name(TimeField), e));
    r.setSoftwareVersion(e.attribute(name(SoftwareVersionField)));
    r.setSerialNumber(e.attribute(name(SerialField)));
    r.setBERTResults(e.attribute(name(BertErrorsField)).toInt(nullptr, 10));
    if (withPlots) {
        r.setEcho(TextCodecs::decodePlot(e.attribute(name(EchoField))));
        r.setNEXT(TextCodecs::decodePlot(e.attribute(name(NextField))));
        r.setChannel(TextCodecs::decodePlot(e.attribute(name(ChanField))));
    }
    r.setResults(TextCodecs::decodeMeasurementBlock(e.attribute(name(DataField))));
    return r;
}

// Only the measurement block of a cable's results, with the same repairs
// as readResults: what the lengths need, without decoding three plots.
cable_struct DuctbookPrivate::readMeasurements(const QDomElement& cableElement)
{
    QDomElement e = cableElement.firstChildElement(name(TestResultsElement));
    if (e.isNull())
        return TestResults().results();
    repairResults(e, true);
    return TextCodecs::decodeMeasurementBlock(e.attribute(name(DataField)));
}

// --- lists ------------------------------------------------------------------

QStringList DuctbookPrivate::named(const QStringList& tags, bool asTags)
{
    if (asTags)
        return tags;
    QStringList ids;
    ids.reserve(tags.size());
    for (const QString& tag : tags)
        ids.append(q->getCableID(tag));
    return ids;
}

// The current cables whose attribute attr equals value, in cable order.
QStringList DuctbookPrivate::withAttribute(const QString& attr, const QString& value)
{
    QStringList found;
    const QDomElement list = getToCableList();
    for (const QString& tag : maps.currentCableTags.list()) {
        const QDomElement e = findItem(maps.cables.elements(), tag, list);
        if (!e.isNull() && e.attribute(attr) == value)
            found.append(tag);
    }
    return found;
}

// --- adding -------------------------------------------------------------------------

// A tag supplied by the caller (modes 2 and 3) becomes the element's name. One
// that is not a valid name would make the saved file unreadable, and one that
// a cable already has would put a second element under that tag that no
// operation could reach; both are refused.
QString Ductbook::addCable(const QString& tag, const QString& id, const QString& use,
                           const QString& to, const QString& from, const QString& type,
                           const QString& bundleName, const QString& bundleNum,
                           const QString& bundleGroupNum, const QString& color,
                           const QStringList& path, TestResults& results, int mode)
{
    CableIndex& idx = d->state();
    QString cableTag;
    if (AddMode::tagSupplied(mode)) {
        if (!XmlWriter::isValidName(tag) || cableExists(tag, true) || idx.entries.contains(tag) ||
            !d->cable(tag).isNull())
            return QString();
        cableTag = tag;
    } else {
        cableTag = d->generateCableTag();
    }
    const QString cableId = AddMode::idSupplied(mode) ? id : d->generateCableId(idx, id);

    QDomElement list = d->getToCableList();
    if (list.isNull())
        return QString();

    const QString colour =
        !color.isEmpty() && QColor::isValidColorName(color) ? color : getTestDef(type).color();
    const QString storedUse = use == translated(UseCableBox) ? translated(UseTV) : use;

    QDomElement e = document.createElement(cableTag);
    e.setAttribute(QStringLiteral("id"), cableId);
    e.setAttribute(QStringLiteral("use"), storedUse);
    e.setAttribute(QStringLiteral("to"), to);
    e.setAttribute(QStringLiteral("from"), from);
    e.setAttribute(QStringLiteral("type"), type);
    e.setAttribute(QStringLiteral("bundleName"), bundleName);
    e.setAttribute(QStringLiteral("bundleNum"), bundleNum);
    e.setAttribute(QStringLiteral("bundleGroupNum"), bundleGroupNum);
    e.setAttribute(QStringLiteral("color"), colour);
    e.setAttribute(QStringLiteral("path"), path.join(QLatin1Char(',')));
    QDomElement testResults = document.createElement(name(TestResultsElement));
    DuctbookPrivate::writeNewResults(testResults, results);
    e.appendChild(testResults);
    list.appendChild(e);
    d->cableAdded(cableTag, e);
    setChanged(true);
    return cableId;
}

QString Ductbook::addCable(const QString& tag, const QString& id, const QString& use,
                           const QString& to, const QString& from, const QString& type,
                           TestResults& results, int mode)
{
    const QString colour = testDefExists(type) ? getTestDef(type).color() : QString();
    return addCable(tag, id, use, to, from, type, QString(), QString(), QString(), colour,
                    QStringList(QString()), results, mode);
}

QString Ductbook::addCable(const QString& tag, const QString& id, const QString& use,
                           const QString& to, const QString& from, const QString& type, int mode)
{
    TestResults untested;
    return addCable(tag, id, use, to, from, type, untested, mode);
}

QString Ductbook::addCable(const QString& tag, const QString& id, const QString& use,
                           const QString& to, const QString& from, int mode)
{
    TestResults untested;
    return addCable(tag, id, use, to, from, QString(), QString(), QString(), QString(), QString(),
                    QStringList(QString()), untested, mode);
}

QString Ductbook::addCable(const QString& tag, const QString& id, const QString& use,
                           const QString& to, int mode)
{
    return addCable(tag, id, use, to, QString(), mode);
}

QString Ductbook::addCable(const QString& tag, const QString& id, const QString& use, int mode)
{
    return addCable(tag, id, use, QString(), QString(), mode);
}

QString Ductbook::addCable(const QString& tag, const QString& id, int mode)
{
    return addCable(tag, id, QString(), QString(), QString(), mode);
}

QString Ductbook::addCable(Cable& cable, int mode)
{
    return addCable(cable.element(), cable.id(), cable.use(), cable.to(), cable.from(),
                    cable.type(), cable.bundleName(), cable.bundleNum(), cable.bundleGroupNum(),
                    cable.color(), cable.path(), cable.testResults(), mode);
}

// Connection ids are "Connection" and a plain number whatever the caller
// passes, unless the mode keeps the caller's id.
QString Ductbook::addConnection(const QString& tag, const QString& id, const QString& to,
                                const QString& from, const QString& type, int mode)
{
    QString connectionTag;
    if (AddMode::tagSupplied(mode)) {
        if (!XmlWriter::isValidName(tag) || connectionExists(tag, true) ||
            !d->connection(tag).isNull())
            return QString();
        connectionTag = tag;
    } else {
        connectionTag = d->generateConnectionTag();
    }
    const QString connectionId = AddMode::idSupplied(mode) ? id : d->generateConnectionId();

    QDomElement list = d->getToConnectionList();
    if (list.isNull())
        return QString();
    QDomElement e = document.createElement(connectionTag);
    e.setAttribute(QStringLiteral("id"), connectionId);
    e.setAttribute(QStringLiteral("to"), to);
    e.setAttribute(QStringLiteral("from"), from);
    e.setAttribute(QStringLiteral("type"), type);
    list.appendChild(e);
    d->connectionAdded(connectionTag, e);
    setChanged(true);
    return connectionId;
}

QString Ductbook::addConnection(DeviceConnection& connection, int mode)
{
    return addConnection(connection.element(), connection.id(), connection.to(), connection.from(),
                         connection.type(), mode);
}

// --- setting one field ------------------------------------------------------------

void Ductbook::setCableUse(const QString& tag, const QString& use)
{
    QDomElement e = d->cable(tag);
    if (e.isNull())
        return;
    setChildAttr(QStringLiteral("use"), use, e);
    setChanged(true);
}

void Ductbook::setCableTo(const QString& tag, const QString& id)
{
    QDomElement e = d->cable(tag);
    if (e.isNull())
        return;
    setChildAttr(QStringLiteral("to"), id, e);
    d->cableChanged(tag, e, CableField::Ends);
    setChanged(true);
}

void Ductbook::setCableFrom(const QString& tag, const QString& id)
{
    QDomElement e = d->cable(tag);
    if (e.isNull())
        return;
    setChildAttr(QStringLiteral("from"), id, e);
    d->cableChanged(tag, e, CableField::Ends);
    setChanged(true);
}

void Ductbook::setCableBundleName(const QString& tag, const QString& value)
{
    QDomElement e = d->cable(tag);
    if (e.isNull())
        return;
    setChildAttr(QStringLiteral("bundleName"), value, e);
    setChanged(true);
}

void Ductbook::setCableBundleNum(const QString& tag, const QString& value)
{
    QDomElement e = d->cable(tag);
    if (e.isNull())
        return;
    setChildAttr(QStringLiteral("bundleNum"), value, e);
    setChanged(true);
}

void Ductbook::setCableBundleGroupNum(const QString& tag, const QString& value)
{
    QDomElement e = d->cable(tag);
    if (e.isNull())
        return;
    setChildAttr(QStringLiteral("bundleGroupNum"), value, e);
    d->cableChanged(tag, e, CableField::Group);
    setChanged(true);
}

// Ids need not be unique in a job file, so a rename to an id another cable
// has is allowed; generated ids avoid it.
void Ductbook::setCableID(const QString& tag, const QString& id)
{
    QDomElement e = d->cable(tag);
    if (e.isNull())
        return;
    // An element without the attribute keeps having none; the maps follow
    // the element.
    setElementId(id, e);
    d->cableChanged(tag, e, CableField::Id);
    setChanged(true);
}

void Ductbook::setCableType(const QString& tag, const QString& type)
{
    QDomElement e = d->cable(tag);
    if (e.isNull())
        return;
    setChildAttr(QStringLiteral("type"), type, e);
    d->cableChanged(tag, e, CableField::Type);
    setChanged(true);
}

void Ductbook::setCablePath(const QString& tag, QStringList path)
{
    QDomElement e = d->cable(tag);
    if (e.isNull())
        return;
    setChildAttr(QStringLiteral("path"), path.join(QLatin1Char(',')), e);
    d->cableChanged(tag, e, CableField::Path);
    setChanged(true);
}

void Ductbook::setCableColor(const QString& tag, const QString& color)
{
    if (!QColor::isValidColorName(color))
        return;
    QDomElement e = d->cable(tag);
    if (e.isNull())
        return;
    d->repairedAttr(e, QStringLiteral("color"), QStringLiteral("#000000"));
    e.setAttribute(QStringLiteral("color"), color);
    setChanged(true);
}

void Ductbook::setCableDefaultType(const QString& tag, const bool& defaultType)
{
    QDomElement e = d->cable(tag);
    if (e.isNull())
        return;
    setChildAttr(QStringLiteral("default_type"),
                 defaultType ? QStringLiteral("1") : QStringLiteral("0"), e);
    setChanged(true);
}

void Ductbook::setCableTestResults(const QString& tag, TestResults& results)
{
    const QDomElement cable = d->cable(tag);
    QDomElement e = cable.firstChildElement(name(TestResultsElement));
    if (e.isNull())
        return;
    setChildAttr(name(StatusField), results.status(), e);
    // Results written before the tester reported these two lack them.
    e.setAttribute(name(SoftwareVersionField), results.softwareVersion());
    e.setAttribute(name(SerialField), results.serialNumber());
    setChildAttr(name(TimeField), results.time(), e);
    setChildAttr(name(DataField), TextCodecs::encodeMeasurementBlock(results.results()), e);
    setChildAttr(name(BertErrorsField), QString::number(results.BERTResults(), 10), e);
    setChildAttr(name(EchoField), TextCodecs::encodePlot(results.echo()), e);
    setChildAttr(name(NextField), TextCodecs::encodePlot(results.next()), e);
    setChildAttr(name(ChanField), TextCodecs::encodePlot(results.channel()), e);
    setChanged(true);
}

void Ductbook::setConnectionTo(const QString& tag, const QString& id)
{
    QDomElement e = d->connection(tag);
    if (e.isNull())
        return;
    setChildAttr(QStringLiteral("to"), id, e);
    d->refileConnection(tag);
    setChanged(true);
}

void Ductbook::setConnectionFrom(const QString& tag, const QString& id)
{
    QDomElement e = d->connection(tag);
    if (e.isNull())
        return;
    setChildAttr(QStringLiteral("from"), id, e);
    d->refileConnection(tag);
    setChanged(true);
}

void Ductbook::setConnectionType(const QString& tag, const QString& type)
{
    QDomElement e = d->connection(tag);
    if (e.isNull())
        return;
    setChildAttr(QStringLiteral("type"), type, e);
    setChanged(true);
}

// --- reading one field ------------------------------------------------------------

QString Ductbook::getCableUse(const QString& tag)
{
    QDomElement e = d->cable(tag);
    return e.isNull() ? QString() : getChildAttr(QStringLiteral("use"), e);
}

QString Ductbook::getCableTo(const QString& tag)
{
    QDomElement e = d->cable(tag);
    return e.isNull() ? QString() : getChildAttr(QStringLiteral("to"), e);
}

QString Ductbook::getCableFrom(const QString& tag)
{
    QDomElement e = d->cable(tag);
    return e.isNull() ? QString() : getChildAttr(QStringLiteral("from"), e);
}

QString Ductbook::getCableType(const QString& tag)
{
    QDomElement e = d->cable(tag);
    return e.isNull() ? QString() : getChildAttr(QStringLiteral("type"), e);
}

QString Ductbook::getCableBundleName(const QString& tag)
{
    QDomElement e = d->cable(tag);
    return e.isNull() ? QString() : d->repairedAttr(e, QStringLiteral("bundleName"), QString());
}

QString Ductbook::getCableBundleNum(const QString& tag)
{
    QDomElement e = d->cable(tag);
    return e.isNull() ? QString() : d->repairedAttr(e, QStringLiteral("bundleNum"), QString());
}

QString Ductbook::getCableBundleGroupNum(const QString& tag)
{
    QDomElement e = d->cable(tag);
    return e.isNull() ? QString() : d->repairedAttr(e, QStringLiteral("bundleGroupNum"), QString());
}

QString Ductbook::getCableColor(const QString& tag)
{
    QDomElement e = d->cable(tag);
    return e.isNull() ? QString() : d->repairedAttr(e, QStringLiteral("color"), QString());
}

QStringList Ductbook::getCablePath(const QString& tag)
{
    QDomElement e = d->cable(tag);
    if (e.isNull())
        return QStringList(QString());
    return splitPath(d->repairedAttr(e, QStringLiteral("path"), QString()));
}

bool Ductbook::getCableDefaultType(const QString& tag)
{
    QDomElement e = d->cable(tag);
    return !e.isNull() && getChildAttr(QStringLiteral("default_type"), e).toInt() != 0;
}

TestResults Ductbook::getCableTestResults(const QString& tag)
{
    return d->readResults(d->cable(tag), true);
}

TestResults Ductbook::getCableTestSummary(const QString& tag)
{
    return d->readResults(d->cable(tag), true, false);
}

cable_struct DuctbookPrivate::getCableMeasurements(const QString& tag)
{
    return readMeasurements(cable(tag));
}

Cable Ductbook::getCable(const QString& tag)
{
    return Cable(tag, getCableID(tag), getCableUse(tag), getCableTo(tag), getCableFrom(tag),
                 getCableType(tag), getCableTestResults(tag), getCablePath(tag),
                 getCableBundleName(tag), getCableBundleNum(tag), getCableBundleGroupNum(tag),
                 getCableColor(tag));
}

// The first cable in document order whose id is id. The cable map names the
// candidates; only when it holds several of them, or the file repeats tags,
// does the list have to be walked to tell which comes first.
Cable Ductbook::getCableById(const QString& id)
{
    const QDomElement list = d->getToCableList();
    QDomElement found;
    const QStringList candidates = d->maps.cables.tagsWithId(id);
    if (candidates.size() == 1 && !d->maps.cables.elements().irregular()) {
        const QDomElement e = d->cable(candidates.constFirst());
        if (e.attribute(QStringLiteral("id")) == id)
            found = e;
    }
    if (found.isNull() && (candidates.size() > 1 || d->maps.cables.elements().irregular())) {
        for (QDomElement e = list.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
            if (e.attribute(QStringLiteral("id")) == id) {
                found = e;
                break;
            }
        }
    }
    if (found.isNull())
        return Cable();

    const QString color =
        d->repairedAttr(found, QStringLiteral("color"), QStringLiteral("#000000"));
    const QString bundleName = d->repairedAttr(found, QStringLiteral("bundleName"), QString());
    const QString bundleNum = d->repairedAttr(found, QStringLiteral("bundleNum"), QString());
    return Cable(found.tagName(), found.attribute(QStringLiteral("id")),
                 found.attribute(QStringLiteral("use")), found.attribute(QStringLiteral("to")),
                 found.attribute(QStringLiteral("from")), found.attribute(QStringLiteral("type")),
                 d->readResults(found, false), splitPath(found.attribute(QStringLiteral("path"))),
                 bundleName, bundleNum, found.attribute(QStringLiteral("bundleGroupNum")), color);
}

DeviceConnection Ductbook::getConnection(const QString& tag)
{
    const QDomElement e = d->connection(tag);
    if (e.isNull())
        return DeviceConnection();
    return DeviceConnection(tag, e.attribute(QStringLiteral("id")),
                            e.attribute(QStringLiteral("to")), e.attribute(QStringLiteral("from")),
                            e.attribute(QStringLiteral("type")));
}

QString Ductbook::getConnectionTo(const QString& tag)
{
    QDomElement e = d->connection(tag);
    return e.isNull() ? QString() : getChildAttr(QStringLiteral("to"), e);
}

QString Ductbook::getConnectionFrom(const QString& tag)
{
    QDomElement e = d->connection(tag);
    return e.isNull() ? QString() : getChildAttr(QStringLiteral("from"), e);
}

int Ductbook::getConnectionType(const QString& tag)
{
    QDomElement e = d->connection(tag);
    return e.isNull() ? 0 : getChildAttr(QStringLiteral("type"), e).toInt();
}

// --- removing -------------------------------------------------------------------------

// The element goes whether or not it has children: a cable element without
// its results is still a cable, and leaving it behind would bring the cable
// back at the next load.
void Ductbook::removeCable(const QString& tag)
{
    d->removeCables({tag});
}

// Each cable leaves every list in one search: the type it is filed under,
// the current tags, and the current ids when it was the last cable with its
// id.
void DuctbookPrivate::removeCables(const QStringList& tags)
{
    QDomElement list = getToCableList();
    bool removed = false;
    for (const QString& tag : tags) {
        QDomElement e = cable(tag);
        if (e.isNull())
            continue;
        list.removeChild(e);
        cableRemoved(tag, e);
        removed = true;
    }
    if (removed)
        q->setChanged(true);
}

void Ductbook::removeCable(Cable& cable)
{
    removeCable(cable.element());
}

void Ductbook::removeConnection(const QString& tag)
{
    QDomElement list = d->getToConnectionList();
    QDomElement e = d->connection(tag);
    if (e.isNull())
        return;
    list.removeChild(e);
    d->connectionRemoved(tag, e);
    setChanged(true);
}

void Ductbook::removeConnection(DeviceConnection& connection)
{
    removeConnection(connection.element());
}
