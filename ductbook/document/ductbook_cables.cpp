// Cables between ports, device connections on the network sheets, and the
// results of the last test of each cable.
#include "ductbook.h"

#include "constants_p.h"
#include "ductbook_p.h"
#include "namegen_p.h"
#include "textcodecs_p.h"
#include "xmlwriter_p.h"

#include <QColor>
#include <QHash>
#include <QSet>

#include <algorithm>

using namespace DuctbookConstants;

namespace {

QLatin1String name(const char* text)
{
    return QLatin1String(text);
}

bool isThreeDigitId(const QString& id, const QString& word)
{
    // The pattern is the word followed by exactly three ASCII digits, matched
    // case-sensitively; spelt out instead of a regular expression so that a
    // translated word is taken literally.
    if (id.size() != word.size() + 3 || !id.startsWith(word))
        return false;
    for (qsizetype i = word.size(); i < id.size(); ++i) {
        const char16_t c = id.at(i).unicode();
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

QString threeDigits(qint64 n)
{
    return QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0'));
}

QStringList splitPath(const QString& joined)
{
    return joined.split(QLatin1Char(','), Qt::SkipEmptyParts);
}

} // namespace

struct DuctbookCableOps
{
    static QDomElement cable(Ductbook& d, const QString& tag)
    {
        // An empty name would make the fallback walk take any element.
        if (tag.isEmpty())
            return QDomElement();
        return d.findItem(d.m_maps->cableElements, tag, d.getToCableList());
    }

    static QDomElement connection(Ductbook& d, const QString& tag)
    {
        if (tag.isEmpty())
            return QDomElement();
        return d.findItem(d.m_maps->connectionElements, tag, d.getToConnectionList());
    }

    // --- the cable index --------------------------------------------------------

    static void countThreeDigitIds(const Ductbook& d, CableIndex& idx, const QString& word)
    {
        idx.threeDigitIds.clear();
        idx.idWord = word;
        const QMap<QString, QString>& map = d.m_maps->cables.map();
        for (auto it = map.cbegin(); it != map.cend(); ++it) {
            if (isThreeDigitId(it.value(), word))
                ++idx.threeDigitIds[it.value()];
        }
    }

    static void rebuild(Ductbook& d, CableIndex& idx)
    {
        idx = CableIndex();
        // One walk of the list: the first element of a tag is the cable of
        // that tag, as every lookup by tag finds it.
        QHash<QString, QDomElement> first;
        const QDomElement list = d.getElement(name(CableList));
        for (QDomElement e = list.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
            if (!first.contains(e.tagName()))
                first.insert(e.tagName(), e);
        }
        for (const QString& tag : std::as_const(d.m_currentCableTags)) {
            const QDomElement e = first.value(tag);
            addEntry(idx, tag, e.attribute(QStringLiteral("from")),
                     e.attribute(QStringLiteral("to")),
                     e.attribute(QStringLiteral("bundleGroupNum")));
        }
        for (const QString& id : std::as_const(d.m_currentCableIds))
            idx.currentIds.insert(id);
        countThreeDigitIds(d, idx, Ductbook::tr("Cable"));
        idx.built = true;
    }

    static CableIndex& state(Ductbook& d)
    {
        CableIndex& idx = d.m_maps->cableIndex;
        if (!idx.built)
            rebuild(d, idx);
        return idx;
    }

    static void insertByEnd(CableIndex& idx, const QString& end, const QString& tag)
    {
        QStringList& tags = idx.byEnd[end];
        const qint64 seq = idx.entries.value(tag).seq;
        // A new cable comes last; only a changed end lands in the middle.
        if (tags.isEmpty() || idx.entries.value(tags.constLast()).seq < seq) {
            tags.append(tag);
            return;
        }
        auto pos =
            std::lower_bound(tags.begin(), tags.end(), seq, [&idx](const QString& t, qint64 s) {
                return idx.entries.value(t).seq < s;
            });
        tags.insert(pos, tag);
    }

    static void removeByEnd(CableIndex& idx, const QString& end, const QString& tag)
    {
        auto it = idx.byEnd.find(end);
        if (it == idx.byEnd.end())
            return;
        it->removeOne(tag);
        if (it->isEmpty())
            idx.byEnd.erase(it);
    }

    static void addEntry(CableIndex& idx, const QString& tag, const QString& from,
                         const QString& to, const QString& group)
    {
        idx.entries.insert(tag, CableEntry{from, to, group, ++idx.nextSeq});
        insertByEnd(idx, from, tag);
        if (to != from)
            insertByEnd(idx, to, tag);
        ++idx.groups[group];
    }

    static void removeEntry(CableIndex& idx, const QString& tag)
    {
        auto it = idx.entries.find(tag);
        if (it == idx.entries.end())
            return;
        removeByEnd(idx, it->from, tag);
        if (it->to != it->from)
            removeByEnd(idx, it->to, tag);
        auto group = idx.groups.find(it->group);
        if (group != idx.groups.end() && --group.value() <= 0)
            idx.groups.erase(group);
        idx.entries.erase(it);
    }

    static void setEnds(CableIndex& idx, const QString& tag, const QString& from, const QString& to)
    {
        auto it = idx.entries.find(tag);
        if (it == idx.entries.end() || (it->from == from && it->to == to))
            return;
        removeByEnd(idx, it->from, tag);
        if (it->to != it->from)
            removeByEnd(idx, it->to, tag);
        it->from = from;
        it->to = to;
        insertByEnd(idx, from, tag);
        if (to != from)
            insertByEnd(idx, to, tag);
    }

    static void setGroup(CableIndex& idx, const QString& tag, const QString& group)
    {
        auto it = idx.entries.find(tag);
        if (it == idx.entries.end() || it->group == group)
            return;
        auto old = idx.groups.find(it->group);
        if (old != idx.groups.end() && --old.value() <= 0)
            idx.groups.erase(old);
        it->group = group;
        ++idx.groups[group];
    }

    static void countId(CableIndex& idx, const QString& id, int delta)
    {
        if (!isThreeDigitId(id, idx.idWord))
            return;
        auto it = idx.threeDigitIds.find(id);
        if (it == idx.threeDigitIds.end()) {
            if (delta > 0)
                idx.threeDigitIds.insert(id, delta);
            return;
        }
        it.value() += delta;
        if (it.value() <= 0)
            idx.threeDigitIds.erase(it);
    }

    // --- names ------------------------------------------------------------------

    // The number after the last occurrence of prefix in greatest, plus one; 1
    // when there is no greatest name or no number in it.
    static qint64 startAfter(const QString& greatest, const QString& prefix)
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
    static QString generateTag(Ductbook& d)
    {
        return NameGen::nextAfterGreatest(
            d.m_maps->cables.lastTag(), name(CableElement), NameGen::Plain,
            [&d](const QString& t) { return d.cableExists(t, true); },
            &d.m_maps->nameMemos[QStringLiteral("cable tag")], d.m_maps->cables.generation());
    }

    // The prefix followed by three digits, one above the greatest id of the
    // pattern; four-digit ids never match the pattern, so they do not raise
    // the start.
    static QString generateId(Ductbook& d, CableIndex& idx, const QString& prefix)
    {
        const QString word = Ductbook::tr("Cable");
        if (word != idx.idWord)
            countThreeDigitIds(d, idx, word);
        const qint64 start =
            idx.threeDigitIds.isEmpty() ? 1 : startAfter(idx.threeDigitIds.lastKey(), prefix);
        qint64 n = idx.idHint.resume(prefix, start);
        QString candidate = prefix + threeDigits(n);
        while (d.cableExists(candidate, false))
            candidate = prefix + threeDigits(++n);
        idx.idHint.record(prefix, start, n);
        return candidate;
    }

    // Connection1, Connection2 ...: once Connection10 exists, Connection9
    // stays the greatest name, so the counts resume where the last one ended.
    static QString generateConnectionTag(Ductbook& d)
    {
        return NameGen::nextAfterGreatest(
            d.m_maps->connections.lastTag(), name(ConnectionElement), NameGen::Plain,
            [&d](const QString& t) { return d.connectionExists(t, true); },
            &d.m_maps->nameMemos[QStringLiteral("connection tag")],
            d.m_maps->connections.generation());
    }

    static QString generateConnectionId(Ductbook& d)
    {
        return NameGen::nextAfterGreatest(
            d.m_maps->connections.greatestId(), name(ConnectionElement), NameGen::Plain,
            [&d](const QString& i) { return d.connectionExists(i, false); },
            &d.m_maps->nameMemos[QStringLiteral("connection id")],
            d.m_maps->connections.generation());
    }

    // A current id leaves the list only with the last cable that has it, so
    // that the list keeps holding every id the cable list does.
    static void dropIdIfUnused(Ductbook& d, CableIndex& idx, const QString& id)
    {
        if (d.m_maps->cables.containsId(id))
            return;
        d.m_currentCableIds.removeAll(id);
        idx.currentIds.remove(id);
    }

    static void addCurrentId(Ductbook& d, CableIndex& idx, const QString& id)
    {
        if (idx.currentIds.contains(id))
            return;
        idx.currentIds.insert(id);
        d.m_currentCableIds.append(id);
    }

    static void removeFromTypeMap(Ductbook& d, const QString& type, const QString& tag)
    {
        auto it = d.m_maps->cableTypes.find(type);
        if (it == d.m_maps->cableTypes.end() || !it->contains(tag)) {
            // The type attribute may have changed behind the map's back;
            // the tag must not stay under any type.
            for (auto any = d.m_maps->cableTypes.begin(); any != d.m_maps->cableTypes.end();) {
                any->removeAll(tag);
                any = any->isEmpty() ? d.m_maps->cableTypes.erase(any) : std::next(any);
            }
            return;
        }
        it->removeAll(tag);
        if (it->isEmpty())
            d.m_maps->cableTypes.erase(it);
    }

    // --- test results -----------------------------------------------------------

    static void writeNewResults(QDomElement& results, const TestResults& r)
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

    // Reads "Test_Results" of a cable element. Attributes that older files
    // lack are added with the values of an untested result; "data" only when
    // repairData is set.
    static TestResults readResults(Ductbook& d, const QDomElement& cableElement, bool repairData)
    {
        TestResults r;
        QDomElement e = cableElement.firstChildElement(name(TestResultsElement));
        if (e.isNull())
            return r;
        const TestResults untested;
        r.setStatus(d.getChildAttr(name(StatusField), e));
        r.setTime(d.getChildAttr(name(TimeField), e));
        r.setSoftwareVersion(
            d.repairedAttr(e, name(SoftwareVersionField), untested.softwareVersion()));
        r.setSerialNumber(d.repairedAttr(e, name(SerialField), untested.serialNumber()));
        r.setBERTResults(
            d.repairedAttr(e, name(BertErrorsField), QString::number(untested.BERTResults(), 10))
                .toInt(nullptr, 10));
        r.setEcho(TextCodecs::decodePlot(
            d.repairedAttr(e, name(EchoField), TextCodecs::encodePlot(untested.echo()))));
        r.setNEXT(TextCodecs::decodePlot(
            d.repairedAttr(e, name(NextField), TextCodecs::encodePlot(untested.next()))));
        r.setChannel(TextCodecs::decodePlot(
            d.repairedAttr(e, name(ChanField), TextCodecs::encodePlot(untested.channel()))));
        const QString data =
            repairData ? d.repairedAttr(e, name(DataField),
                                        TextCodecs::encodeMeasurementBlock(untested.results()))
                       : e.attribute(name(DataField));
        r.setResults(TextCodecs::decodeMeasurementBlock(data));
        return r;
    }

    // --- lists ------------------------------------------------------------------

    static QStringList named(Ductbook& d, const QStringList& tags, bool asTags)
    {
        if (asTags)
            return tags;
        QStringList ids;
        ids.reserve(tags.size());
        for (const QString& tag : tags)
            ids.append(d.getCableID(tag));
        return ids;
    }

    // The current cables whose attribute attr equals value, in cable order.
    static QStringList withAttribute(Ductbook& d, const QString& attr, const QString& value)
    {
        QStringList found;
        const QDomElement list = d.getToCableList();
        for (const QString& tag : std::as_const(d.m_currentCableTags)) {
            const QDomElement e = d.findItem(d.m_maps->cableElements, tag, list);
            if (!e.isNull() && e.attribute(attr) == value)
                found.append(tag);
        }
        return found;
    }

    // Every cable tag that some vertical run of the job lists, connected or
    // not; one pass over the runs instead of one per cable.
    static QSet<QString> cablesInVertRuns(Ductbook& d)
    {
        QSet<QString> listed;
        for (const QString& runTag : d.getVertRuns()) {
            const VertRun run = d.getVertRunByTag(runTag);
            for (const QString& c : run.connected())
                listed.insert(c);
            for (const QString& c : run.disconnected())
                listed.insert(c);
        }
        return listed;
    }
};

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
    CableIndex& idx = DuctbookCableOps::state(*this);
    QString cableTag;
    if (AddMode::tagSupplied(mode)) {
        if (!XmlWriter::isValidName(tag) || cableExists(tag, true) || idx.entries.contains(tag) ||
            !DuctbookCableOps::cable(*this, tag).isNull())
            return QString();
        cableTag = tag;
    } else {
        cableTag = DuctbookCableOps::generateTag(*this);
    }
    const QString cableId =
        AddMode::idSupplied(mode) ? id : DuctbookCableOps::generateId(*this, idx, id);

    QDomElement list = getToCableList();
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
    DuctbookCableOps::writeNewResults(testResults, results);
    e.appendChild(testResults);
    list.appendChild(e);

    m_maps->cableTypes[type].append(cableTag);
    setChanged(true);
    DuctbookCableOps::addCurrentId(*this, idx, cableId);
    m_currentCableTags.append(cableTag);
    m_maps->cables.insert(cableTag, cableId);
    m_maps->cableElements.insert(cableTag, e);
    DuctbookCableOps::addEntry(idx, cableTag, from, to, bundleGroupNum);
    DuctbookCableOps::countId(idx, cableId, 1);
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
            !DuctbookCableOps::connection(*this, tag).isNull())
            return QString();
        connectionTag = tag;
    } else {
        connectionTag = DuctbookCableOps::generateConnectionTag(*this);
    }
    const QString connectionId =
        AddMode::idSupplied(mode) ? id : DuctbookCableOps::generateConnectionId(*this);

    QDomElement list = getToConnectionList();
    if (list.isNull())
        return QString();
    QDomElement e = document.createElement(connectionTag);
    e.setAttribute(QStringLiteral("id"), connectionId);
    e.setAttribute(QStringLiteral("to"), to);
    e.setAttribute(QStringLiteral("from"), from);
    e.setAttribute(QStringLiteral("type"), type);
    list.appendChild(e);

    m_maps->connections.insert(connectionTag, connectionId);
    m_maps->connectionElements.insert(connectionTag, e);
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
    QDomElement e = DuctbookCableOps::cable(*this, tag);
    if (e.isNull())
        return;
    setChildAttr(QStringLiteral("use"), use, e);
    setChanged(true);
}

void Ductbook::setCableTo(const QString& tag, const QString& id)
{
    QDomElement e = DuctbookCableOps::cable(*this, tag);
    if (e.isNull())
        return;
    CableIndex& idx = DuctbookCableOps::state(*this);
    setChildAttr(QStringLiteral("to"), id, e);
    DuctbookCableOps::setEnds(idx, tag, e.attribute(QStringLiteral("from")),
                              e.attribute(QStringLiteral("to")));
    setChanged(true);
}

void Ductbook::setCableFrom(const QString& tag, const QString& id)
{
    QDomElement e = DuctbookCableOps::cable(*this, tag);
    if (e.isNull())
        return;
    CableIndex& idx = DuctbookCableOps::state(*this);
    setChildAttr(QStringLiteral("from"), id, e);
    DuctbookCableOps::setEnds(idx, tag, e.attribute(QStringLiteral("from")),
                              e.attribute(QStringLiteral("to")));
    setChanged(true);
}

void Ductbook::setCableBundleName(const QString& tag, const QString& value)
{
    QDomElement e = DuctbookCableOps::cable(*this, tag);
    if (e.isNull())
        return;
    setChildAttr(QStringLiteral("bundleName"), value, e);
    setChanged(true);
}

void Ductbook::setCableBundleNum(const QString& tag, const QString& value)
{
    QDomElement e = DuctbookCableOps::cable(*this, tag);
    if (e.isNull())
        return;
    setChildAttr(QStringLiteral("bundleNum"), value, e);
    setChanged(true);
}

void Ductbook::setCableBundleGroupNum(const QString& tag, const QString& value)
{
    QDomElement e = DuctbookCableOps::cable(*this, tag);
    if (e.isNull())
        return;
    CableIndex& idx = DuctbookCableOps::state(*this);
    setChildAttr(QStringLiteral("bundleGroupNum"), value, e);
    DuctbookCableOps::setGroup(idx, tag, e.attribute(QStringLiteral("bundleGroupNum")));
    setChanged(true);
}

// Ids need not be unique in a job file, so a rename to an id another cable
// has is allowed; generated ids avoid it.
void Ductbook::setCableID(const QString& tag, const QString& id)
{
    QDomElement e = DuctbookCableOps::cable(*this, tag);
    if (e.isNull())
        return;
    CableIndex& idx = DuctbookCableOps::state(*this);
    const QString oldId = getElementId(e);
    setElementId(id, e);
    if (m_maps->cables.containsTag(tag))
        DuctbookCableOps::countId(idx, m_maps->cables.id(tag), -1);
    m_maps->cables.insert(tag, id);
    DuctbookCableOps::countId(idx, id, 1);
    DuctbookCableOps::dropIdIfUnused(*this, idx, oldId);
    DuctbookCableOps::addCurrentId(*this, idx, id);
    idx.idHint.clear();
    setChanged(true);
}

void Ductbook::setCableType(const QString& tag, const QString& type)
{
    QDomElement e = DuctbookCableOps::cable(*this, tag);
    if (e.isNull())
        return;
    DuctbookCableOps::removeFromTypeMap(*this, e.attribute(QStringLiteral("type")), tag);
    setChildAttr(QStringLiteral("type"), type, e);
    m_maps->cableTypes[type].append(tag);
    setChanged(true);
}

void Ductbook::setCablePath(const QString& tag, QStringList path)
{
    QDomElement e = DuctbookCableOps::cable(*this, tag);
    if (e.isNull())
        return;
    setChildAttr(QStringLiteral("path"), path.join(QLatin1Char(',')), e);
    setChanged(true);
}

void Ductbook::setCableColor(const QString& tag, const QString& color)
{
    if (!QColor::isValidColorName(color))
        return;
    QDomElement e = DuctbookCableOps::cable(*this, tag);
    if (e.isNull())
        return;
    repairedAttr(e, QStringLiteral("color"), QStringLiteral("#000000"));
    e.setAttribute(QStringLiteral("color"), color);
    setChanged(true);
}

void Ductbook::setCableDefaultType(const QString& tag, const bool& defaultType)
{
    QDomElement e = DuctbookCableOps::cable(*this, tag);
    if (e.isNull())
        return;
    setChildAttr(QStringLiteral("default_type"),
                 defaultType ? QStringLiteral("1") : QStringLiteral("0"), e);
    setChanged(true);
}

void Ductbook::setCableTestResults(const QString& tag, TestResults& results)
{
    const QDomElement cable = DuctbookCableOps::cable(*this, tag);
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
    QDomElement e = DuctbookCableOps::connection(*this, tag);
    if (e.isNull())
        return;
    setChildAttr(QStringLiteral("to"), id, e);
    setChanged(true);
}

void Ductbook::setConnectionFrom(const QString& tag, const QString& id)
{
    QDomElement e = DuctbookCableOps::connection(*this, tag);
    if (e.isNull())
        return;
    setChildAttr(QStringLiteral("from"), id, e);
    setChanged(true);
}

void Ductbook::setConnectionType(const QString& tag, const QString& type)
{
    QDomElement e = DuctbookCableOps::connection(*this, tag);
    if (e.isNull())
        return;
    setChildAttr(QStringLiteral("type"), type, e);
    setChanged(true);
}

// --- reading one field ------------------------------------------------------------

QString Ductbook::getCableUse(const QString& tag)
{
    QDomElement e = DuctbookCableOps::cable(*this, tag);
    return e.isNull() ? QString() : getChildAttr(QStringLiteral("use"), e);
}

QString Ductbook::getCableTo(const QString& tag)
{
    QDomElement e = DuctbookCableOps::cable(*this, tag);
    return e.isNull() ? QString() : getChildAttr(QStringLiteral("to"), e);
}

QString Ductbook::getCableFrom(const QString& tag)
{
    QDomElement e = DuctbookCableOps::cable(*this, tag);
    return e.isNull() ? QString() : getChildAttr(QStringLiteral("from"), e);
}

QString Ductbook::getCableType(const QString& tag)
{
    QDomElement e = DuctbookCableOps::cable(*this, tag);
    return e.isNull() ? QString() : getChildAttr(QStringLiteral("type"), e);
}

QString Ductbook::getCableBundleName(const QString& tag)
{
    QDomElement e = DuctbookCableOps::cable(*this, tag);
    return e.isNull() ? QString() : repairedAttr(e, QStringLiteral("bundleName"), QString());
}

QString Ductbook::getCableBundleNum(const QString& tag)
{
    QDomElement e = DuctbookCableOps::cable(*this, tag);
    return e.isNull() ? QString() : repairedAttr(e, QStringLiteral("bundleNum"), QString());
}

QString Ductbook::getCableBundleGroupNum(const QString& tag)
{
    QDomElement e = DuctbookCableOps::cable(*this, tag);
    return e.isNull() ? QString() : repairedAttr(e, QStringLiteral("bundleGroupNum"), QString());
}

QString Ductbook::getCableColor(const QString& tag)
{
    QDomElement e = DuctbookCableOps::cable(*this, tag);
    return e.isNull() ? QString() : repairedAttr(e, QStringLiteral("color"), QString());
}

QStringList Ductbook::getCablePath(const QString& tag)
{
    QDomElement e = DuctbookCableOps::cable(*this, tag);
    if (e.isNull())
        return QStringList(QString());
    return splitPath(repairedAttr(e, QStringLiteral("path"), QString()));
}

bool Ductbook::getCableDefaultType(const QString& tag)
{
    QDomElement e = DuctbookCableOps::cable(*this, tag);
    return !e.isNull() && getChildAttr(QStringLiteral("default_type"), e).toInt() != 0;
}

TestResults Ductbook::getCableTestResults(const QString& tag)
{
    return DuctbookCableOps::readResults(*this, DuctbookCableOps::cable(*this, tag), true);
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
    const QDomElement list = getToCableList();
    QDomElement found;
    const QStringList candidates = m_maps->cables.tagsWithId(id);
    if (candidates.size() == 1 && !m_maps->cableElements.irregular()) {
        const QDomElement e = DuctbookCableOps::cable(*this, candidates.constFirst());
        if (e.attribute(QStringLiteral("id")) == id)
            found = e;
    }
    if (found.isNull() && (candidates.size() > 1 || m_maps->cableElements.irregular())) {
        for (QDomElement e = list.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
            if (e.attribute(QStringLiteral("id")) == id) {
                found = e;
                break;
            }
        }
    }
    if (found.isNull())
        return Cable();

    const QString color = repairedAttr(found, QStringLiteral("color"), QStringLiteral("#000000"));
    const QString bundleName = repairedAttr(found, QStringLiteral("bundleName"), QString());
    const QString bundleNum = repairedAttr(found, QStringLiteral("bundleNum"), QString());
    return Cable(found.tagName(), found.attribute(QStringLiteral("id")),
                 found.attribute(QStringLiteral("use")), found.attribute(QStringLiteral("to")),
                 found.attribute(QStringLiteral("from")), found.attribute(QStringLiteral("type")),
                 DuctbookCableOps::readResults(*this, found, false),
                 splitPath(found.attribute(QStringLiteral("path"))), bundleName, bundleNum,
                 found.attribute(QStringLiteral("bundleGroupNum")), color);
}

DeviceConnection Ductbook::getConnection(const QString& tag)
{
    const QDomElement e = DuctbookCableOps::connection(*this, tag);
    if (e.isNull())
        return DeviceConnection();
    return DeviceConnection(tag, e.attribute(QStringLiteral("id")),
                            e.attribute(QStringLiteral("to")), e.attribute(QStringLiteral("from")),
                            e.attribute(QStringLiteral("type")));
}

QString Ductbook::getConnectionTo(const QString& tag)
{
    QDomElement e = DuctbookCableOps::connection(*this, tag);
    return e.isNull() ? QString() : getChildAttr(QStringLiteral("to"), e);
}

QString Ductbook::getConnectionFrom(const QString& tag)
{
    QDomElement e = DuctbookCableOps::connection(*this, tag);
    return e.isNull() ? QString() : getChildAttr(QStringLiteral("from"), e);
}

int Ductbook::getConnectionType(const QString& tag)
{
    QDomElement e = DuctbookCableOps::connection(*this, tag);
    return e.isNull() ? 0 : getChildAttr(QStringLiteral("type"), e).toInt();
}

// --- lists ----------------------------------------------------------------------------

QStringList Ductbook::getConnections(bool tags)
{
    return tags ? m_maps->connections.tags() : m_maps->connections.ids();
}

// A cable names its ports by id. When several ports share the id of portTag,
// the cable belongs to the one a lookup by id finds first, which need not be
// portTag.
QStringList Ductbook::getCables(const QString& portTag)
{
    if (!m_maps->ports.containsTag(portTag))
        return QStringList();
    const QString portId = m_maps->ports.id(portTag);
    if (m_maps->ports.tagsWithId(portId).size() > 1 && getPortById(portId).element() != portTag)
        return QStringList();
    return DuctbookCableOps::state(*this).byEnd.value(portId);
}

QStringList Ductbook::getCables(const QString& floor, const QString& typeFilter)
{
    if (typeFilter == tr("Show None"))
        return QStringList();
    const bool all = typeFilter == tr("Show All");
    const QString attr = !all && bundledCableTypeIdExists(typeFilter) ? QStringLiteral("bundleName")
                                                                      : QStringLiteral("type");
    const QDomElement list = getToCableList();
    QStringList found;
    QSet<QString> seen;
    for (const QString& port : getPorts(floor, true)) {
        for (const QString& tag : getCables(port)) {
            if (seen.contains(tag))
                continue;
            if (!all) {
                const QDomElement e = findItem(m_maps->cableElements, tag, list);
                if (e.attribute(attr) != typeFilter)
                    continue;
            }
            seen.insert(tag);
            found.append(tag);
        }
    }
    return found;
}

QStringList Ductbook::getCables(const QString& floor, const QStringList& types)
{
    if (types.isEmpty())
        return QStringList();
    const QStringList portIds = getPorts(floor, false);
    const QSet<QString> onFloor(portIds.cbegin(), portIds.cend());
    const QSet<QString> wanted(types.cbegin(), types.cend());
    const CableIndex& idx = DuctbookCableOps::state(*this);
    const QDomElement list = getToCableList();
    QStringList found;
    for (const QString& tag : std::as_const(m_currentCableTags)) {
        const CableEntry entry = idx.entries.value(tag);
        if (!onFloor.contains(entry.from) && !onFloor.contains(entry.to))
            continue;
        const QDomElement e = findItem(m_maps->cableElements, tag, list);
        if (wanted.contains(e.attribute(QStringLiteral("bundleName"))) ||
            wanted.contains(e.attribute(QStringLiteral("type"))))
            found.append(tag);
    }
    return found;
}

QStringList Ductbook::getCablesByType(const QString& type)
{
    const QString attr =
        bundledCableTypeIdExists(type) ? QStringLiteral("bundleName") : QStringLiteral("type");
    return DuctbookCableOps::withAttribute(*this, attr, type);
}

QStringList Ductbook::getCablesByCategory(int category)
{
    // Each type's definition is read once, not once per cable.
    QHash<QString, int> categoryOf;
    const QDomElement list = getToCableList();
    QStringList found;
    for (const QString& tag : std::as_const(m_currentCableTags)) {
        const QDomElement e = findItem(m_maps->cableElements, tag, list);
        if (e.isNull())
            continue;
        const QString type = e.attribute(QStringLiteral("type"));
        auto it = categoryOf.constFind(type);
        if (it == categoryOf.cend())
            it = categoryOf.insert(type, getTestDef(type).cable_category());
        if (it.value() == category)
            found.append(tag);
    }
    return found;
}

QStringList Ductbook::getCablesInSameBundleGroup(const QString& groupNum, bool tags)
{
    if (!bundleGroupNumExists(groupNum))
        return QStringList();
    const CableIndex& idx = DuctbookCableOps::state(*this);
    QStringList found;
    for (const QString& tag : std::as_const(m_currentCableTags)) {
        if (idx.entries.value(tag).group == groupNum)
            found.append(tag);
    }
    return DuctbookCableOps::named(*this, found, tags);
}

QStringList Ductbook::getCablesWithBundleName(const QString& name, bool tags)
{
    if (!bundledCableTypeIdExists(name))
        return QStringList();
    return DuctbookCableOps::named(
        *this, DuctbookCableOps::withAttribute(*this, QStringLiteral("bundleName"), name), tags);
}

QStringList Ductbook::getCablesConnectedToPort(const QString& portId, bool tags)
{
    return DuctbookCableOps::named(*this, DuctbookCableOps::state(*this).byEnd.value(portId), tags);
}

QStringList Ductbook::getCablesWithPoint(const QString& pointId, bool tags)
{
    const QDomElement list = getToCableList();
    QStringList found;
    for (const QString& tag : std::as_const(m_currentCableTags)) {
        const QDomElement e = findItem(m_maps->cableElements, tag, list);
        if (splitPath(e.attribute(QStringLiteral("path"))).contains(pointId))
            found.append(tag);
    }
    return DuctbookCableOps::named(*this, found, tags);
}

// In the order of the connection map, that is by tag.
QStringList Ductbook::getConnections(const QString& deviceId, int unused)
{
    Q_UNUSED(unused)
    const QDomElement list = getToConnectionList();
    QStringList found;
    for (const QString& tag : m_maps->connections.tags()) {
        const QDomElement e = findItem(m_maps->connectionElements, tag, list);
        if (e.isNull())
            continue;
        if (e.attribute(QStringLiteral("to")) == deviceId ||
            e.attribute(QStringLiteral("from")) == deviceId)
            found.append(tag);
    }
    return found;
}

// The connections of every device and then every vertex of the sheet, each
// once; the ends of all connections are read once rather than once per item.
QStringList Ductbook::getConnections(const QString& sheet)
{
    QHash<QString, QStringList> byEnd;
    const QDomElement list = getToConnectionList();
    for (const QString& tag : m_maps->connections.tags()) {
        const QDomElement e = findItem(m_maps->connectionElements, tag, list);
        if (e.isNull())
            continue;
        const QString to = e.attribute(QStringLiteral("to"));
        const QString from = e.attribute(QStringLiteral("from"));
        byEnd[to].append(tag);
        if (from != to)
            byEnd[from].append(tag);
    }
    QStringList found;
    QSet<QString> seen;
    const QStringList items = getDevices(sheet, false) + getVertices(sheet, false);
    for (const QString& id : items) {
        for (const QString& tag : byEnd.value(id)) {
            if (!seen.contains(tag)) {
                seen.insert(tag);
                found.append(tag);
            }
        }
    }
    return found;
}

bool Ductbook::bundleGroupNumExists(const QString& groupNum)
{
    return DuctbookCableOps::state(*this).groups.value(groupNum) > 0;
}

bool Ductbook::cableIsInBundle(const QString& tag)
{
    const QString name = getCableBundleName(tag);
    return !name.isNull() && !name.isEmpty();
}

// --- removing -------------------------------------------------------------------------

// The element goes whether or not it has children: a cable element without
// its results is still a cable, and leaving it behind would bring the cable
// back at the next load.
void Ductbook::removeCable(const QString& tag)
{
    removeCables({tag});
}

void Ductbook::removeCables(const QStringList& tags)
{
    QDomElement list = getToCableList();
    CableIndex& idx = DuctbookCableOps::state(*this);
    QSet<QString> removed;
    QSet<QString> ids;
    for (const QString& tag : tags) {
        QDomElement e = DuctbookCableOps::cable(*this, tag);
        if (e.isNull())
            continue;
        const QString id = m_maps->cables.containsTag(tag) ? m_maps->cables.id(tag)
                                                           : e.attribute(QStringLiteral("id"));
        m_maps->cableElements.remove(tag, e);
        list.removeChild(e);
        if (m_maps->cables.containsTag(tag))
            DuctbookCableOps::countId(idx, id, -1);
        m_maps->cables.remove(tag);
        DuctbookCableOps::removeEntry(idx, tag);
        removed.insert(tag);
        ids.insert(id);
    }
    if (removed.isEmpty())
        return;

    auto isRemoved = [&removed](const QString& t) { return removed.contains(t); };
    // Every type list is filtered, not only the list of each cable's type
    // attribute: that may have changed behind the map's back.
    for (auto it = m_maps->cableTypes.begin(); it != m_maps->cableTypes.end();) {
        it->removeIf(isRemoved);
        it = it->isEmpty() ? m_maps->cableTypes.erase(it) : std::next(it);
    }
    m_currentCableTags.removeIf(isRemoved);
    // An id leaves the current list only with the last cable that has it.
    QSet<QString> unused;
    for (const QString& id : std::as_const(ids)) {
        if (!m_maps->cables.containsId(id)) {
            unused.insert(id);
            idx.currentIds.remove(id);
        }
    }
    m_currentCableIds.removeIf([&unused](const QString& id) { return unused.contains(id); });
    idx.idHint.clear();
    setChanged(true);
}

void Ductbook::removeCable(Cable& cable)
{
    removeCable(cable.element());
}

void Ductbook::removeConnection(const QString& tag)
{
    QDomElement list = getToConnectionList();
    QDomElement e = DuctbookCableOps::connection(*this, tag);
    if (e.isNull())
        return;
    m_maps->connectionElements.remove(tag, e);
    list.removeChild(e);
    m_maps->connections.remove(tag);
    setChanged(true);
}

void Ductbook::removeConnection(DeviceConnection& connection)
{
    removeConnection(connection.element());
}

// --- cables and vertical runs ---------------------------------------------------------

bool Ductbook::isCableInVertRun(const QString& tag)
{
    for (const QString& runTag : getVertRuns()) {
        const VertRun run = getVertRunByTag(runTag);
        if (run.connected().contains(tag) || run.disconnected().contains(tag))
            return true;
    }
    return false;
}

// A cable whose two end ports are found on one floor needs no riser: it
// leaves every run list and loses its path. A cable with an end that names no
// port is left alone; nothing says where it runs.
void Ductbook::detachSameFloorCables()
{
    const QSet<QString> listed = DuctbookCableOps::cablesInVertRuns(*this);
    if (listed.isEmpty())
        return;
    const QStringList tags = getCables(true);
    QSet<QString> detached;
    for (const QString& tag : tags) {
        if (!listed.contains(tag))
            continue;
        const Port from = getPortById(getCableFrom(tag));
        const Port to = getPortById(getCableTo(tag));
        if (from.element().isEmpty() || to.element().isEmpty() || from.floor() != to.floor())
            continue;
        detached.insert(tag);
        setCablePath(tag, QStringList());
    }
    removeCablesFromAllVRLists(detached);
}
