// jobtool template new/info, export and import: the template (".qvt") that
// jobs take their defaults from, and moving those defaults between a job and
// a template.
#include "cmdargs_p.h"
#include "jobtool_p.h"

#include <ductbook.h>
#include <qvteditor.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace JobTool {

const char* const templateHelp = QT_TRANSLATE_NOOP(
    "jobtool",
    "  template new FILE       Create a new template with the default settings and\n"
    "                          save it as FILE (\".qvt\" is added when FILE has another\n"
    "                          extension).\n"
    "  template info FILE [--json]\n"
    "                          Print a template's version, contractor, test definitions\n"
    "                          with their main limits, bundled cable types and settings\n"
    "                          entries. An older template is shown upgraded; the file\n"
    "                          itself is left as it is.\n");

const char* const exportHelp = QT_TRANSLATE_NOOP(
    "jobtool",
    "  export JOB TEMPLATE [--template QVT]\n"
    "                          Save the job's contractor, settings, test definitions and\n"
    "                          bundled cable types as a new template TEMPLATE.\n");

const char* const importHelp = QT_TRANSLATE_NOOP(
    "jobtool", "  import JOB TEMPLATE [--template QVT]\n"
               "                          Give the job the template's contractor and settings and\n"
               "                          the test definitions and bundled cable types it lacks,\n"
               "                          then save the job. Loading an older template upgrades\n"
               "                          that file, as the application does. (--template names\n"
               "                          the template an old JOB is converted with, as for every\n"
               "                          command that reads a job.)\n");

namespace {

const char* const PrintNames[] = {"JobInfo_Settings",   "NetView_Settings",
                                  "Inventory_Settings", "FloorPlan_Settings",
                                  "TestSched_Settings", "DetailedCable_Settings",
                                  "JobNotes_Settings",  "ActiveNetworkTestResults_Settings"};
const char* const ViewNames[] = {"NetView_Settings", "FloorPlan_Settings"};

// The "number" of the file's "Version" element, as stored; "" when the file
// cannot be read that far. Read as ISO-8859-1, as the library reads it.
QString storedVersion(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QXmlStreamReader reader(QString::fromLatin1(file.readAll()));
    if (!reader.readNextStartElement())
        return QString();
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("Version"))
            return reader.attributes().value(QLatin1String("number")).toString();
        reader.skipCurrentElement();
    }
    return QString();
}

QStringList names(const char* const* begin, const char* const* end)
{
    QStringList list;
    for (auto it = begin; it != end; ++it)
        list.append(QLatin1String(*it));
    return list;
}

QString pairsText(const TestDef& def)
{
    QString text;
    for (int i = 0; i < 4; ++i)
        text += def.pair_in_use()[i] ? QLatin1Char('1') : QLatin1Char('0');
    return text;
}

QJsonObject contractorJson(ContractorData c)
{
    Address a = c.address();
    return QJsonObject{
        {QStringLiteral("tester"), c.tester()},     {QStringLiteral("company"), c.company()},
        {QStringLiteral("email"), c.email()},       {QStringLiteral("phone"), c.phone()},
        {QStringLiteral("logo"), c.logo()},         {QStringLiteral("address1"), a.address1()},
        {QStringLiteral("address2"), a.address2()}, {QStringLiteral("city"), a.city()},
        {QStringLiteral("state"), a.state()},       {QStringLiteral("zipcode"), a.zipcode()},
        {QStringLiteral("country"), a.country()}};
}

QJsonObject testDefJson(const TestDef& d)
{
    return QJsonObject{{QStringLiteral("id"), d.id()},
                       {QStringLiteral("category"), d.cable_category()},
                       {QStringLiteral("dataRate"), d.data_rate()},
                       {QStringLiteral("maxLength"), d.max_length()},
                       {QStringLiteral("lengthConstant"), d.length_constant()},
                       {QStringLiteral("snr"), d.SNR()},
                       {QStringLiteral("skew"), d.skew()},
                       {QStringLiteral("pairsInUse"), pairsText(d)},
                       {QStringLiteral("shield"), d.shield()},
                       {QStringLiteral("defaultType"), d.default_type()},
                       {QStringLiteral("color"), d.color()},
                       {QStringLiteral("comment"), d.comment()}};
}

QJsonObject bundleJson(const BundledCable& b)
{
    return QJsonObject{{QStringLiteral("id"), b.id()},
                       {QStringLiteral("color"), b.color()},
                       {QStringLiteral("defaultType"), b.defaultType()},
                       {QStringLiteral("types"), QJsonArray::fromStringList(b.types())}};
}

QJsonObject printJson(const PrintSettings& s)
{
    return QJsonObject{{QStringLiteral("paperSize"), s.paperSize()},
                       {QStringLiteral("orientation"), s.orientation()},
                       {QStringLiteral("printZoom"), s.printZoom()},
                       {QStringLiteral("fitToAcross"), s.fitToAcross()},
                       {QStringLiteral("fitToDown"), s.fitToDown()},
                       {QStringLiteral("printZoomStyle"), s.printZoomStyle()}};
}

QJsonObject pageJson(const PageSettings& s)
{
    return QJsonObject{{QStringLiteral("pageSize"), s.pageSize()},
                       {QStringLiteral("pageStandard"), s.pageStandard()},
                       {QStringLiteral("orientation"), s.orientation()},
                       {QStringLiteral("pageSizeStyle"), s.pageSizeStyle()},
                       {QStringLiteral("pageUnits"), s.pageUnits()},
                       {QStringLiteral("customHeight"), s.customHeight()},
                       {QStringLiteral("customWidth"), s.customWidth()}};
}

QJsonObject scaleJson(const ScaleSettings& s)
{
    return QJsonObject{{QStringLiteral("predefinedScale"), s.predefinedScale()},
                       {QStringLiteral("predefinedStyle"), s.predefinedScaleStyle()},
                       {QStringLiteral("widthUnits"), s.widthUnits()},
                       {QStringLiteral("heightUnits"), s.heightUnits()},
                       {QStringLiteral("customHeight"), s.customHeight()},
                       {QStringLiteral("customWidth"), s.customWidth()},
                       {QStringLiteral("style"), s.style()}};
}

// Everything info shows, gathered once and printed as JSON or as text.
QJsonObject summarize(QvtEditor& t, const QString& file, const QString& stored)
{
    QJsonArray defs;
    for (const QString& type : t.getTypes())
        defs.append(testDefJson(t.getTestDef(type)));
    QJsonArray bundles;
    for (const QString& id : t.getBundledCableTypeIds())
        bundles.append(bundleJson(t.getBundledCableType(id)));
    QJsonObject print;
    for (const char* name : PrintNames)
        print.insert(QLatin1String(name), printJson(t.getPrintSettings(QLatin1String(name))));
    QJsonObject page;
    QJsonObject scale;
    for (const char* name : ViewNames) {
        page.insert(QLatin1String(name), pageJson(t.getPageSettings(QLatin1String(name))));
        scale.insert(QLatin1String(name), scaleJson(t.getScaleSettings(QLatin1String(name))));
    }
    return QJsonObject{{QStringLiteral("file"), file},
                       {QStringLiteral("version"), QStringLiteral("3.0")},
                       {QStringLiteral("storedVersion"), stored},
                       {QStringLiteral("contractor"), contractorJson(t.getContractorData())},
                       {QStringLiteral("testDefinitions"), defs},
                       {QStringLiteral("bundledCableTypes"), bundles},
                       {QStringLiteral("settings"), QJsonObject{{QStringLiteral("print"), print},
                                                                {QStringLiteral("page"), page},
                                                                {QStringLiteral("scale"), scale}}}};
}

QString yesNo(bool value)
{
    return value ? QCoreApplication::translate("jobtool", "yes")
                 : QCoreApplication::translate("jobtool", "no");
}

QString field(const QJsonValue& v)
{
    return v.isString() ? v.toString() : QString::number(v.toDouble());
}

void printText(const QJsonObject& s)
{
    const auto label = [](const char* text) {
        return QCoreApplication::translate("jobtool", text).leftJustified(13) + QLatin1Char(' ');
    };
    out() << label(QT_TRANSLATE_NOOP("jobtool", "Template file"))
          << s.value(QStringLiteral("file")).toString() << "\n";
    const QString stored = s.value(QStringLiteral("storedVersion")).toString();
    out() << label(QT_TRANSLATE_NOOP("jobtool", "Version"))
          << s.value(QStringLiteral("version")).toString();
    if (stored != s.value(QStringLiteral("version")).toString())
        out() << " "
              << QCoreApplication::translate(
                     "jobtool",
                     "(the file is version %1; the application upgrades it when it loads it)")
                     .arg(stored);
    out() << "\n\n" << QCoreApplication::translate("jobtool", "Contractor") << "\n";
    const QJsonObject c = s.value(QStringLiteral("contractor")).toObject();
    for (const char* key : {"tester", "company", "email", "phone", "logo", "address1", "address2",
                            "city", "state", "zipcode", "country"}) {
        const QString value = c.value(QLatin1String(key)).toString();
        if (!value.isEmpty())
            out() << "  " << qSetFieldWidth(10) << Qt::left << key << qSetFieldWidth(0) << " "
                  << value << "\n";
    }

    const QJsonArray defs = s.value(QStringLiteral("testDefinitions")).toArray();
    out() << "\n"
          << QCoreApplication::translate("jobtool", "Test definitions %1").arg(defs.size()) << "\n";
    out() << "  " << qSetFieldWidth(12) << Qt::left << "type" << qSetFieldWidth(5) << Qt::right
          << "cat" << qSetFieldWidth(7) << "Mb/s" << qSetFieldWidth(8) << "max ft"
          << qSetFieldWidth(7) << "const" << qSetFieldWidth(5) << "SNR" << qSetFieldWidth(6)
          << "skew" << qSetFieldWidth(7) << "pairs" << qSetFieldWidth(8) << "shield"
          << qSetFieldWidth(9) << "default" << qSetFieldWidth(0) << "  colour\n";
    for (const QJsonValue& v : defs) {
        const QJsonObject d = v.toObject();
        out() << "  " << qSetFieldWidth(12) << Qt::left << d.value(QStringLiteral("id")).toString()
              << qSetFieldWidth(5) << Qt::right << field(d.value(QStringLiteral("category")))
              << qSetFieldWidth(7) << field(d.value(QStringLiteral("dataRate")))
              << qSetFieldWidth(8) << field(d.value(QStringLiteral("maxLength")))
              << qSetFieldWidth(7) << field(d.value(QStringLiteral("lengthConstant")))
              << qSetFieldWidth(5) << field(d.value(QStringLiteral("snr"))) << qSetFieldWidth(6)
              << field(d.value(QStringLiteral("skew"))) << qSetFieldWidth(7)
              << d.value(QStringLiteral("pairsInUse")).toString() << qSetFieldWidth(8)
              << yesNo(d.value(QStringLiteral("shield")).toBool()) << qSetFieldWidth(9)
              << yesNo(d.value(QStringLiteral("defaultType")).toBool()) << qSetFieldWidth(0) << "  "
              << d.value(QStringLiteral("color")).toString() << "\n";
    }

    const QJsonArray bundles = s.value(QStringLiteral("bundledCableTypes")).toArray();
    out() << "\n"
          << QCoreApplication::translate("jobtool", "Bundled cable types %1").arg(bundles.size())
          << "\n";
    for (const QJsonValue& v : bundles) {
        const QJsonObject b = v.toObject();
        QStringList types;
        for (const QJsonValue& t : b.value(QStringLiteral("types")).toArray())
            types.append(t.toString());
        out() << "  " << qSetFieldWidth(16) << Qt::left << b.value(QStringLiteral("id")).toString()
              << qSetFieldWidth(0) << " " << b.value(QStringLiteral("color")).toString() << "  "
              << (b.value(QStringLiteral("defaultType")).toBool()
                      ? QCoreApplication::translate("jobtool", "default")
                      : QString())
                     .leftJustified(9)
              << types.join(QStringLiteral(", ")) << "\n";
    }

    const QJsonObject settings = s.value(QStringLiteral("settings")).toObject();
    const char* const headings[] = {QT_TRANSLATE_NOOP("jobtool", "Print settings"),
                                    QT_TRANSLATE_NOOP("jobtool", "Page settings"),
                                    QT_TRANSLATE_NOOP("jobtool", "Scale settings")};
    int heading = 0;
    for (const char* list : {"print", "page", "scale"}) {
        out() << "\n" << QCoreApplication::translate("jobtool", headings[heading++]) << "\n";
        const QJsonObject entries = settings.value(QLatin1String(list)).toObject();
        const QStringList entryNames = qstrcmp(list, "print") == 0
                                           ? names(std::begin(PrintNames), std::end(PrintNames))
                                           : names(std::begin(ViewNames), std::end(ViewNames));
        for (const QString& name : entryNames) {
            const QJsonObject e = entries.value(name).toObject();
            QStringList values;
            for (auto it = e.constBegin(); it != e.constEnd(); ++it)
                values.append(it.key() + QLatin1Char('=') + field(it.value()));
            out() << "  " << qSetFieldWidth(34) << Qt::left << name << qSetFieldWidth(0) << " "
                  << values.join(QStringLiteral(", ")) << "\n";
        }
    }
}

int templateNew(const QStringList& args)
{
    if (args.size() != 1)
        return usageError(
            QCoreApplication::translate("jobtool", "usage: jobtool template new FILE"));
    QString name = args.at(0);
    if (!QvtEditor::checkQvtExtension(name))
        name += QStringLiteral(".qvt");
    QvtEditor& t = QvtEditor::Instance();
    if (!t.New(name) || !t.save()) {
        err() << "jobtool: " << t.error() << "\n";
        return Failure;
    }
    out() << QCoreApplication::translate("jobtool", "Created %1").arg(name) << "\n";
    return Ok;
}

// Loads a copy, so that looking at an old template does not upgrade it.
int templateInfo(const QStringList& args)
{
    Arguments parsed;
    QString error;
    if (!parseArguments(QStringLiteral("template info"), args, {QStringLiteral("--json")}, {},
                        &parsed, &error))
        return usageError(error);
    const QStringList& files = parsed.positional;
    const bool json = parsed.has(QStringLiteral("--json"));
    if (files.size() != 1)
        return usageError(
            QCoreApplication::translate("jobtool", "usage: jobtool template info FILE [--json]"));
    const QString file = files.at(0);

    QvtEditor& t = QvtEditor::Instance();
    QTemporaryDir scratch;
    const QString copy = scratch.filePath(QStringLiteral("template.qvt"));
    if (!QFile::exists(file) || !scratch.isValid() || !QFile::copy(file, copy) ||
        !QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner)) {
        // Let the library give its own reason where it has one.
        if (!t.Load(file))
            err() << "jobtool: " << t.error() << "\n";
        else
            err() << "jobtool: "
                  << QCoreApplication::translate("jobtool", "cannot make a working copy of %1")
                         .arg(file)
                  << "\n";
        return Usage;
    }
    if (!t.Load(copy)) {
        err() << "jobtool: " << t.error().replace(copy, file) << "\n";
        return Usage;
    }
    const QJsonObject summary = summarize(t, file, storedVersion(file));
    if (json)
        out() << QJsonDocument(summary).toJson(QJsonDocument::Indented);
    else
        printText(summary);
    return Ok;
}

} // namespace

int templateCommand(const QStringList& args)
{
    const QString sub = args.value(0);
    if (sub == QLatin1String("new"))
        return templateNew(args.mid(1));
    if (sub == QLatin1String("info"))
        return templateInfo(args.mid(1));
    if (sub.isEmpty())
        return usageError(
            QCoreApplication::translate("jobtool", "usage: jobtool template new|info FILE"));
    return usageError(
        QCoreApplication::translate("jobtool", "template: unknown subcommand '%1'").arg(sub));
}

int exportCommand(const QStringList& args)
{
    Arguments a;
    QString error;
    if (!parseArguments(QStringLiteral("export"), args, {}, {QStringLiteral("--template")}, &a,
                        &error))
        return usageError(error);
    if (a.positional.size() != 2)
        return usageError(QCoreApplication::translate(
            "jobtool", "usage: jobtool export JOB TEMPLATE [--template QVT]"));
    Ductbook& job = Ductbook::Instance();
    if (!loadJob(job, a.positional.at(0), a.value(QStringLiteral("--template"))))
        return Usage;
    if (!job.Export(a.positional.at(1))) {
        err() << "jobtool: " << job.error() << "\n";
        return Failure;
    }
    QvtEditor& t = QvtEditor::Instance();
    out() << QCoreApplication::translate(
                 "jobtool",
                 "Exported %1 to %2: contractor, settings, %3 test definitions, %4 bundled "
                 "cable types")
                 .arg(a.positional.at(0), a.positional.at(1))
                 .arg(t.getTypes().size())
                 .arg(t.getBundledCableTypeIds().size())
          << "\n";
    return Ok;
}

int importCommand(const QStringList& args)
{
    Arguments a;
    QString error;
    if (!parseArguments(QStringLiteral("import"), args, {}, {QStringLiteral("--template")}, &a,
                        &error))
        return usageError(error);
    if (a.positional.size() != 2)
        return usageError(QCoreApplication::translate(
            "jobtool", "usage: jobtool import JOB TEMPLATE [--template QVT]"));
    const QString jobPath = a.positional.at(0);
    const QString templatePath = a.positional.at(1);
    Ductbook& job = Ductbook::Instance();
    if (!loadJob(job, jobPath, a.value(QStringLiteral("--template"))))
        return Usage;
    QvtEditor& t = QvtEditor::Instance();
    if (!t.Load(templatePath)) {
        err() << "jobtool: " << t.error() << "\n";
        return Usage;
    }
    const QStringList typesBefore = job.getTypes();
    const QStringList bundlesBefore = job.getBundledCableTypeIds();
    job.Import(&t);
    if (!job.save()) {
        err() << "jobtool: " << job.error() << "\n";
        return Failure;
    }
    QStringList newTypes = job.getTypes();
    for (const QString& type : typesBefore)
        newTypes.removeOne(type);
    QStringList newBundles = job.getBundledCableTypeIds();
    for (const QString& id : bundlesBefore)
        newBundles.removeOne(id);
    out() << QCoreApplication::translate("jobtool", "Imported %1 into %2: contractor, settings")
                 .arg(templatePath, jobPath);
    out() << ", "
          << QCoreApplication::translate("jobtool", "%n new test definitions", nullptr,
                                         int(newTypes.size()));
    if (!newTypes.isEmpty())
        out() << " (" << newTypes.join(QStringLiteral(", ")) << ")";
    out() << ", "
          << QCoreApplication::translate("jobtool", "%n new bundled cable types", nullptr,
                                         int(newBundles.size()));
    if (!newBundles.isEmpty())
        out() << " (" << newBundles.join(QStringLiteral(", ")) << ")";
    out() << "\n";
    return Ok;
}

} // namespace JobTool
