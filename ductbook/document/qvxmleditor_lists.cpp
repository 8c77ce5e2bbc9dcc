// The catalogue of cable types that job and template files both carry: the
// test definitions and the bundled cable types made of them.
#include "qvxmleditor.h"

#include "constants_p.h"
#include "index/namegen_p.h"

#include <QHash>
#include <QSet>

#include <cmath>

using namespace DuctbookConstants;

namespace {

const QString& idAttr()
{
    static const QString name = QStringLiteral("id");
    return name;
}

// Attributes of a test definition, in the order a new one is written.
const char* const ExpectedAttr = "expected";
const char* const InUseAttr = "in_use";
const char* const DataRateAttr = "data_rate";
const char* const SNRAttr = "SNR";
const char* const SkewAttr = "skew";
const char* const ShieldAttr = "shield";
const char* const LengthConstantAttr = "length_constant";
const char* const MaxLengthAttr = "max_length";
const char* const CommentAttr = "comment";
const char* const CableCategoryAttr = "cable_category";
const char* const DefaultTypeAttr = "default_type";
const char* const ColorAttr = "color";

// A null string written as an attribute value would come back through
// getChildAttr as a value to repair; write "" instead.
QString text(const QString& value)
{
    return value.isNull() ? QLatin1String("") : value;
}

QString flag(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

// Old writers stored other words ("true", "yes"); only "1" has ever meant set.
bool isSet(const QString& value)
{
    return value == QLatin1String("1");
}

int toInteger(const QString& value)
{
    bool ok = false;
    const int number = value.toInt(&ok, 10);
    return ok ? number : 0;
}

// The record hands these back truncated to int, so a value it cannot hold
// ("inf", "1e30") reads as a failed number rather than as whatever the
// conversion would make of it.
float toDecimal(const QString& value)
{
    bool ok = false;
    const float number = value.toFloat(&ok);
    if (!ok || !std::isfinite(number) || std::fabs(number) >= 2147483648.0f)
        return 0.0f;
    return number;
}

// prefix followed by the first number from 1 up that no child of list uses
// as its tag, so a removed entry's tag is handed out again.
QString firstFreeTag(const QDomElement& list, const QString& prefix)
{
    QSet<QString> used;
    for (QDomElement e = list.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        used.insert(e.tagName());
    return NameGen::firstFree(prefix, [&used](const QString& tag) { return used.contains(tag); });
}

} // namespace

QDomElement QVXMLEditor::getToTestDefList()
{
    return getElement(QLatin1String(TestDefList));
}

QDomElement QVXMLEditor::getToBundledCableTypeList()
{
    return getElement(QLatin1String(BundledCableList));
}

// --- test definitions ------------------------------------------------------------

// Cable colours and category queries look a definition up once per cable, so
// this is the one walk such a lookup costs: it stops at the first hit.
QDomElement QVXMLEditor::findTestDef(const QString& id)
{
    if (id.isEmpty())
        return QDomElement();
    const QDomElement list = getToTestDefList();
    for (QDomElement e = list.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (getElementId(e) == id)
            return e;
    }
    return QDomElement();
}

void QVXMLEditor::addTestDef(TestDef& def)
{
    QDomElement list = getToTestDefList();
    if (list.isNull() || testDefExists(def.id()))
        return;
    QDomElement e = document.createElement(firstFreeTag(list, QLatin1String(TestDefElement)));
    e.setAttribute(idAttr(), text(def.id()));
    e.setAttribute(QLatin1String(ExpectedAttr), dataToString(def.expected()));
    e.setAttribute(QLatin1String(InUseAttr), boolArrayToString(def.pair_in_use()));
    e.setAttribute(QLatin1String(DataRateAttr), QString::number(def.data_rate()));
    e.setAttribute(QLatin1String(SNRAttr), QString::number(def.SNR()));
    e.setAttribute(QLatin1String(SkewAttr), QString::number(def.skew()));
    e.setAttribute(QLatin1String(ShieldAttr), flag(def.shield()));
    // The file has always held these as whole numbers.
    e.setAttribute(QLatin1String(LengthConstantAttr), QString::number(def.length_constant()));
    e.setAttribute(QLatin1String(MaxLengthAttr), QString::number(def.max_length()));
    e.setAttribute(QLatin1String(CommentAttr), text(def.comment()));
    e.setAttribute(QLatin1String(CableCategoryAttr), QString::number(def.cable_category()));
    e.setAttribute(QLatin1String(DefaultTypeAttr), flag(def.default_type()));
    e.setAttribute(QLatin1String(ColorAttr), text(def.color()));
    list.appendChild(e);
    setChanged(true);
}

TestDef QVXMLEditor::readTestDef(QDomElement& e)
{
    // Whatever the element cannot say (pair flags after a character that is
    // not "0" or "1") keeps the values of an unnamed definition.
    TestDef def(QLatin1String(""));
    def.setId(text(getElementId(e)));
    def.setExpected(stringToData(getChildAttr(QLatin1String(ExpectedAttr), e)));
    stringToBoolArray(getChildAttr(QLatin1String(InUseAttr), e), def.pair_in_use());
    def.setDataRate(toInteger(getChildAttr(QLatin1String(DataRateAttr), e)));
    def.setSNR(toInteger(getChildAttr(QLatin1String(SNRAttr), e)));
    def.setSkew(toInteger(getChildAttr(QLatin1String(SkewAttr), e)));
    def.setShield(isSet(getChildAttr(QLatin1String(ShieldAttr), e)));
    def.setLengthConstant(toDecimal(getChildAttr(QLatin1String(LengthConstantAttr), e)));
    def.setMaxLength(toDecimal(getChildAttr(QLatin1String(MaxLengthAttr), e)));
    def.setComment(text(getChildAttr(QLatin1String(CommentAttr), e)));
    def.setCableCategory(toInteger(getChildAttr(QLatin1String(CableCategoryAttr), e)));
    def.setDefaultType(isSet(getChildAttr(QLatin1String(DefaultTypeAttr), e)));
    // Files from before colours were kept per type lack the attribute; it is
    // added so that later setters find it. A repair, not an edit.
    if (!e.hasAttribute(QLatin1String(ColorAttr)))
        e.setAttribute(QLatin1String(ColorAttr), QLatin1String(""));
    def.setColor(text(getChildAttr(QLatin1String(ColorAttr), e)));
    return def;
}

TestDef QVXMLEditor::getTestDef(const QString& id)
{
    if (id.isEmpty())
        return TestDef(QLatin1String(""));
    QDomElement e = findTestDef(id);
    if (e.isNull())
        return TestDef(QStringLiteral("error"));
    return readTestDef(e);
}

// A rename is a remove and an add, so the definition gets a new tag at the
// end of the list. It is refused before anything is removed when there is
// nothing to rename or when the add would refuse the new id: the definition
// would otherwise be gone, or a definition nobody asked for would appear.
void QVXMLEditor::renameTestDef(const QString& oldId, const QString& newId)
{
    QDomElement e = findTestDef(oldId);
    if (e.isNull() || newId.isEmpty())
        return;
    QDomElement list = getToTestDefList();
    for (QDomElement other = list.firstChildElement(); !other.isNull();
         other = other.nextSiblingElement()) {
        if (other != e && getElementId(other) == newId)
            return;
    }
    TestDef def = readTestDef(e);
    list.removeChild(e);
    def.setId(newId);
    addTestDef(def);
}

void QVXMLEditor::removeTestDef(const QString& id)
{
    QDomElement e = findTestDef(id);
    if (e.isNull())
        return;
    e.parentNode().removeChild(e);
    setChanged(true);
}

bool QVXMLEditor::testDefExists(const QString& id)
{
    return !findTestDef(id).isNull();
}

bool QVXMLEditor::testDefElementExists(const QString& tag)
{
    const QDomElement list = getToTestDefList();
    if (list.isNull())
        return false;
    QDomNode node = list.firstChild();
    return hasChildElement(tag, node);
}

QStringList QVXMLEditor::getTypes()
{
    QStringList ids;
    const QDomElement list = getToTestDefList();
    for (QDomElement e = list.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        const QString id = getElementId(e);
        if (!id.isEmpty())
            ids.append(id);
    }
    return ids;
}

// An id stands for its first definition everywhere else (getTestDef), so a
// file that repeats an id lists it by that first definition's category.
QStringList QVXMLEditor::getTypes(int category)
{
    QStringList ids;
    QHash<QString, int> categoryOf;
    const QDomElement list = getToTestDefList();
    for (QDomElement e = list.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        const QString id = getElementId(e);
        if (id.isEmpty())
            continue;
        ids.append(id);
        if (!categoryOf.contains(id))
            categoryOf.insert(id, toInteger(getChildAttr(QLatin1String(CableCategoryAttr), e)));
    }
    QStringList matching;
    for (const QString& id : std::as_const(ids)) {
        if (categoryOf.value(id) == category)
            matching.append(id);
    }
    return matching;
}

QStringList QVXMLEditor::getTestDefElements()
{
    QStringList tags;
    const QDomElement list = getToTestDefList();
    for (QDomElement e = list.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        tags.append(e.tagName());
    return tags;
}

// --- bundled cable types ---------------------------------------------------------

QDomElement QVXMLEditor::findBundledCableType(const QString& id)
{
    const QDomElement list = getToBundledCableTypeList();
    for (QDomElement e = list.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (getElementId(e) == id)
            return e;
    }
    return QDomElement();
}

void QVXMLEditor::addBundledCableType(const QString& id, const QStringList& types,
                                      const QString& color, const bool& defaultType)
{
    QDomElement list = getToBundledCableTypeList();
    if (list.isNull() || bundledCableTypeIdExists(id))
        return;
    QDomElement e = document.createElement(firstFreeTag(list, QLatin1String(BundledCableElement)));
    e.setAttribute(idAttr(), text(id));
    e.setAttribute(QLatin1String(ColorAttr), text(color));
    e.setAttribute(QLatin1String(DefaultTypeAttr), flag(defaultType));
    QDomElement typeList = document.createElement(QLatin1String(BundledCableTypeList));
    for (int i = 0; i < types.size(); ++i) {
        QDomElement type =
            document.createElement(QLatin1String(BundledCableTypeElement) + QString::number(i + 1));
        type.setAttribute(idAttr(), text(types.at(i)));
        typeList.appendChild(type);
    }
    e.appendChild(typeList);
    list.appendChild(e);
    setChanged(true);
}

void QVXMLEditor::addBundledCableType(BundledCable& b)
{
    addBundledCableType(b.id(), b.types(), b.color(), b.defaultType());
}

BundledCable QVXMLEditor::getBundledCableType(const QString& id)
{
    BundledCable b;
    if (id.isEmpty())
        return b;
    QDomElement e = findBundledCableType(id);
    if (e.isNull()) {
        b.setId(QStringLiteral("error"));
        return b;
    }
    b.setElement(e.tagName());
    b.setId(text(getElementId(e)));
    b.setColor(text(getChildAttr(QLatin1String(ColorAttr), e)));
    b.setDefaultType(isSet(getChildAttr(QLatin1String(DefaultTypeAttr), e)));
    QStringList types;
    const QDomElement typeList = e.firstChildElement();
    for (QDomElement t = typeList.firstChildElement(); !t.isNull(); t = t.nextSiblingElement())
        types.append(text(getElementId(t)));
    b.setTypes(types);
    return b;
}

// Refused beforehand for the same reasons as renameTestDef.
void QVXMLEditor::renameBundledCableType(const QString& oldId, const QString& newId)
{
    if (oldId.isEmpty() || newId.isEmpty())
        return;
    const QDomElement e = findBundledCableType(oldId);
    if (e.isNull())
        return;
    const QDomElement list = getToBundledCableTypeList();
    for (QDomElement other = list.firstChildElement(); !other.isNull();
         other = other.nextSiblingElement()) {
        if (other != e && getElementId(other) == newId)
            return;
    }
    BundledCable b = getBundledCableType(oldId);
    removeBundledCableTypeByTag(b.element());
    b.setId(newId);
    addBundledCableType(b);
}

void QVXMLEditor::removeBundledCableTypeByTag(const QString& tag)
{
    QDomElement list = getToBundledCableTypeList();
    if (list.isNull())
        return;
    QDomNode node = list.firstChild();
    QDomElement e = getChildElement(tag, node);
    if (e.isNull())
        return;
    list.removeChild(e);
    setChanged(true);
}

QString QVXMLEditor::getBundledCableTypeIdByTag(const QString& tag)
{
    const QDomElement list = getToBundledCableTypeList();
    if (list.isNull())
        return QLatin1String("");
    QDomNode node = list.firstChild();
    return text(getElementId(getChildElement(tag, node)));
}

QString QVXMLEditor::getBundledCableTypeTagById(const QString& id)
{
    const QDomElement e = findBundledCableType(id);
    return e.isNull() ? QLatin1String("") : e.tagName();
}

QStringList QVXMLEditor::getBundledCableTypeTags()
{
    QStringList tags;
    const QDomElement list = getToBundledCableTypeList();
    for (QDomElement e = list.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        tags.append(e.tagName());
    return tags;
}

QStringList QVXMLEditor::getBundledCableTypeIds()
{
    QStringList ids;
    const QDomElement list = getToBundledCableTypeList();
    for (QDomElement e = list.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        ids.append(text(getElementId(e)));
    return ids;
}

bool QVXMLEditor::bundledCableTypeTagExists(const QString& tag)
{
    const QDomElement list = getToBundledCableTypeList();
    if (list.isNull())
        return false;
    QDomNode node = list.firstChild();
    return hasChildElement(tag, node);
}

bool QVXMLEditor::bundledCableTypeIdExists(const QString& id)
{
    return !findBundledCableType(id).isNull();
}
