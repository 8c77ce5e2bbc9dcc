// The print, page and scale settings that travel inside a job or template.
#include "qvxmleditor.h"

#include "constants_p.h"

#include <QStringList>

namespace {

const QStringList& printEntryNames()
{
    static const QStringList names =
        DuctbookConstants::toStringList(DuctbookConstants::SettingsNames);
    return names;
}

const QStringList& viewEntryNames()
{
    static const QStringList names = {QLatin1String(DuctbookConstants::NetViewSettings),
                                      QLatin1String(DuctbookConstants::FloorPlanSettings)};
    return names;
}

// Attribute names in the order a new entry creates them.
const QStringList& printAttributes()
{
    static const QStringList names = {
        QStringLiteral("paper_size"),  QStringLiteral("orientation"),
        QStringLiteral("print_zoom"),  QStringLiteral("fit_to_across"),
        QStringLiteral("fit_to_down"), QStringLiteral("print_zoom_style")};
    return names;
}

const QStringList& pageAttributes()
{
    static const QStringList names = {
        QStringLiteral("page_size"),   QStringLiteral("page_standard"),
        QStringLiteral("orientation"), QStringLiteral("page_size_style"),
        QStringLiteral("page_units"),  QStringLiteral("custom_height"),
        QStringLiteral("custom_width")};
    return names;
}

const QStringList& scaleAttributes()
{
    static const QStringList names = {QStringLiteral("predefined_scale"),
                                      QStringLiteral("predefined_style"),
                                      QStringLiteral("width_units"),
                                      QStringLiteral("height_units"),
                                      QStringLiteral("custom_height"),
                                      QStringLiteral("custom_width"),
                                      QStringLiteral("style")};
    return names;
}

QString num(int n)
{
    return QStringLiteral("%1").arg(n);
}

QString num(double x)
{
    return QStringLiteral("%1").arg(x);
}

void addMissingAttributes(QDomElement& e, const QStringList& attributes)
{
    for (const QString& a : attributes) {
        if (!e.hasAttribute(a))
            e.setAttribute(a, QString());
    }
}

QDomElement createEntry(QDomDocument& doc, QDomElement& list, const QString& name,
                        const QStringList& attributes)
{
    QDomElement e = doc.createElement(name);
    for (const QString& a : attributes)
        e.setAttribute(a, QString());
    list.appendChild(e);
    return e;
}

const QStringList& attributesOfList(const QString& listName)
{
    if (listName == QLatin1String(DuctbookConstants::PrintSettingsList))
        return printAttributes();
    if (listName == QLatin1String(DuctbookConstants::PageSettingsList))
        return pageAttributes();
    return scaleAttributes();
}

} // namespace

QDomElement QVXMLEditor::getToSettingsList(const QString& listName)
{
    QDomNode node = getDomNodeFirstChild();
    QDomElement settings = getChildElement(QLatin1String(DuctbookConstants::SettingsList), node);
    if (settings.isNull() || !settings.hasChildNodes())
        return QDomElement();
    QDomNode child = settings.firstChild();
    return getChildElement(listName, child);
}

QDomElement QVXMLEditor::getToPrintSettingsList()
{
    return getToSettingsList(QLatin1String(DuctbookConstants::PrintSettingsList));
}

QDomElement QVXMLEditor::getToPageSettingsList()
{
    return getToSettingsList(QLatin1String(DuctbookConstants::PageSettingsList));
}

QDomElement QVXMLEditor::getToScaleSettingsList()
{
    return getToSettingsList(QLatin1String(DuctbookConstants::ScaleSettingsList));
}

// A missing entry is created with every attribute of its list (empty), and
// an entry from an older file gains the attributes it lacks, so that the
// values the caller sets are really stored; an entry without attributes
// would silently drop every later write.
QDomElement QVXMLEditor::settingsEntry(QDomElement& list, const QStringList& names,
                                       const QString& name, bool* created)
{
    *created = false;
    if (!names.contains(name))
        return QDomElement();
    const QStringList& attributes = attributesOfList(list.tagName());
    QDomNode node = list.firstChild();
    QDomElement entry = getChildElement(name, node);
    if (entry.isNull()) {
        entry = createEntry(document, list, name, attributes);
        *created = true;
    } else {
        addMissingAttributes(entry, attributes);
    }
    return entry;
}

// The element a getter reads: the named entry (a new entry first receives
// the defaults, which the getter then reads back), or, for a name that is not
// one of the list's entries, the list element itself, which has none of the
// attributes: empty strings and zeros. Null when the list is missing.
QDomElement QVXMLEditor::settingsSource(QDomElement list, const QStringList& names,
                                        const QString& name,
                                        const std::function<void()>& writeDefaults)
{
    if (list.isNull())
        return QDomElement();
    bool created = false;
    const QDomElement entry = settingsEntry(list, names, name, &created);
    if (created)
        writeDefaults();
    return entry.isNull() ? list : entry;
}

PrintSettings QVXMLEditor::getPrintSettings(const QString& name)
{
    QDomElement source = settingsSource(getToPrintSettingsList(), printEntryNames(), name, [&] {
        PrintSettings defaults;
        setPrintSettings(defaults, name);
    });
    if (source.isNull())
        return PrintSettings();
    PrintSettings s;
    s.setPaperSize(getChildAttr(QStringLiteral("paper_size"), source));
    s.setPrintZoom(getChildAttr(QStringLiteral("print_zoom"), source).toInt());
    s.setOrientation(getChildAttr(QStringLiteral("orientation"), source).toInt());
    s.setFitToAcross(getChildAttr(QStringLiteral("fit_to_across"), source).toInt());
    s.setFitToDown(getChildAttr(QStringLiteral("fit_to_down"), source).toInt());
    s.setPrintZoomStyle(getChildAttr(QStringLiteral("print_zoom_style"), source).toInt());
    return s;
}

PageSettings QVXMLEditor::getPageSettings(const QString& name)
{
    QDomElement source = settingsSource(getToPageSettingsList(), viewEntryNames(), name, [&] {
        PageSettings defaults;
        setPageSettings(defaults, name);
    });
    if (source.isNull())
        return PageSettings();
    PageSettings s;
    s.setPageSize(getChildAttr(QStringLiteral("page_size"), source));
    s.setPageStandard(getChildAttr(QStringLiteral("page_standard"), source));
    s.setOrientation(getChildAttr(QStringLiteral("orientation"), source).toInt());
    s.setPageSizeStyle(getChildAttr(QStringLiteral("page_size_style"), source).toInt());
    s.setPageUnits(getChildAttr(QStringLiteral("page_units"), source).toInt());
    s.setCustomHeight(getChildAttr(QStringLiteral("custom_height"), source).toDouble());
    s.setCustomWidth(getChildAttr(QStringLiteral("custom_width"), source).toDouble());
    return s;
}

ScaleSettings QVXMLEditor::getScaleSettings(const QString& name)
{
    QDomElement source = settingsSource(getToScaleSettingsList(), viewEntryNames(), name, [&] {
        ScaleSettings defaults;
        setScaleSettings(defaults, name);
    });
    if (source.isNull())
        return ScaleSettings();
    ScaleSettings s;
    s.setPredefinedScaleStyle(getChildAttr(QStringLiteral("predefined_style"), source));
    s.setPredefinedScale(getChildAttr(QStringLiteral("predefined_scale"), source));
    s.setWidthUnits(getChildAttr(QStringLiteral("width_units"), source).toInt());
    s.setHeightUnits(getChildAttr(QStringLiteral("height_units"), source).toInt());
    s.setCustomWidth(getChildAttr(QStringLiteral("custom_width"), source).toDouble());
    s.setCustomHeight(getChildAttr(QStringLiteral("custom_height"), source).toDouble());
    s.setStyle(getChildAttr(QStringLiteral("style"), source).toInt());
    return s;
}

namespace {
// Writes value when it differs from what is stored; true when it did.
bool writeIfDifferent(QDomElement& e, const QString& attr, const QString& value)
{
    if (e.attribute(attr) == value && e.hasAttribute(attr))
        return false;
    if (e.hasAttribute(attr))
        e.setAttribute(attr, value);
    return true;
}
} // namespace

void QVXMLEditor::setPrintSettings(PrintSettings& settings, const QString& name)
{
    QDomElement list = getToPrintSettingsList();
    if (list.isNull())
        return;
    bool created = false;
    QDomElement entry = settingsEntry(list, printEntryNames(), name, &created);
    if (entry.isNull()) {
        // Not an entry of this list: nothing can be stored.
        m_changed = true;
        return;
    }
    const QString values[] = {settings.paperSize(),      num(settings.orientation()),
                              num(settings.printZoom()), num(settings.fitToAcross()),
                              num(settings.fitToDown()), num(settings.printZoomStyle())};
    const QStringList& attributes = printAttributes();
    for (int i = 0; i < attributes.size(); ++i) {
        if (writeIfDifferent(entry, attributes.at(i), values[i]))
            m_changed = true;
    }
}

void QVXMLEditor::setPageSettings(PageSettings& settings, const QString& name)
{
    QDomElement list = getToPageSettingsList();
    if (list.isNull())
        return;
    bool created = false;
    QDomElement entry = settingsEntry(list, viewEntryNames(), name, &created);
    if (entry.isNull())
        return;
    const QString values[] = {settings.pageSize(),         settings.pageStandard(),
                              num(settings.orientation()), num(settings.pageSizeStyle()),
                              num(settings.pageUnits()),   num(settings.customHeight()),
                              num(settings.customWidth())};
    const QStringList& attributes = pageAttributes();
    for (int i = 0; i < attributes.size(); ++i) {
        if (writeIfDifferent(entry, attributes.at(i), values[i]))
            m_changed = true;
    }
}

void QVXMLEditor::setScaleSettings(ScaleSettings& settings, const QString& name)
{
    QDomElement list = getToScaleSettingsList();
    if (list.isNull())
        return;
    bool created = false;
    QDomElement entry = settingsEntry(list, viewEntryNames(), name, &created);
    if (entry.isNull())
        return;
    setChildAttr(QStringLiteral("predefined_scale"), settings.predefinedScale(), entry);
    setChildAttr(QStringLiteral("predefined_style"), settings.predefinedScaleStyle(), entry);
    setChildAttr(QStringLiteral("custom_height"), num(settings.customHeight()), entry);
    setChildAttr(QStringLiteral("custom_width"), num(settings.customWidth()), entry);
    setChildAttr(QStringLiteral("height_units"), num(settings.heightUnits()), entry);
    setChildAttr(QStringLiteral("width_units"), num(settings.widthUnits()), entry);
    setChildAttr(QStringLiteral("style"), num(settings.style()), entry);
    m_changed = true;
}

void QVXMLEditor::addSettingsList(QDomElement* parent)
{
    if (!parent || parent->isNull())
        return;
    QDomElement settings = document.createElement(QLatin1String(DuctbookConstants::SettingsList));
    parent->appendChild(settings);

    QDomElement print = document.createElement(QLatin1String(DuctbookConstants::PrintSettingsList));
    settings.appendChild(print);
    for (const QString& name : printEntryNames())
        createEntry(document, print, name, printAttributes());
    PrintSettings printDefaults;
    for (const QString& name : viewEntryNames())
        setPrintSettings(printDefaults, name);
    printDefaults.setOrientation(0);
    for (const QString& name : printEntryNames()) {
        if (!viewEntryNames().contains(name))
            setPrintSettings(printDefaults, name);
    }

    QDomElement page = document.createElement(QLatin1String(DuctbookConstants::PageSettingsList));
    settings.appendChild(page);
    PageSettings pageDefaults;
    for (const QString& name : viewEntryNames())
        createEntry(document, page, name, pageAttributes());
    for (const QString& name : viewEntryNames())
        setPageSettings(pageDefaults, name);

    QDomElement scale = document.createElement(QLatin1String(DuctbookConstants::ScaleSettingsList));
    settings.appendChild(scale);
    ScaleSettings scaleDefaults;
    for (const QString& name : viewEntryNames())
        createEntry(document, scale, name, scaleAttributes());
    for (const QString& name : viewEntryNames())
        setScaleSettings(scaleDefaults, name);

    QDomElement notes =
        document.createElement(QLatin1String(DuctbookConstants::JobNotesTextElement));
    notes.setAttribute(QStringLiteral("text"), QString());
    parent->appendChild(notes);
}
