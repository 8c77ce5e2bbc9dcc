// The template document's life: the singleton, new templates, loading with
// the version upgrade, and saving. The upgrade steps themselves are in
// qvteditor_convert.cpp.
#include "qvteditor.h"

#include "constants_p.h"
#include "legacyconvert_p.h"
#include "savefile_p.h"
#include "xmlwriter_p.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>

using namespace DuctbookConstants;

namespace {
const char* const QvtElement = "Qvt";
const char* const CurrentVersion = "3.0";

QString qvtExtensionOnly()
{
    return QStringLiteral(".qvt");
}
} // namespace

QvtEditor* QvtEditor::m_instance = nullptr;

QvtEditor& QvtEditor::Instance()
{
    if (!m_instance)
        m_instance = new QvtEditor;
    return *m_instance;
}

void QvtEditor::Destroy()
{
    delete m_instance;
    m_instance = nullptr;
}

QvtEditor::QvtEditor() : QVXMLEditor(QLatin1String(QvtElement)) {}

// Ending the host because its template is damaged would lose whatever the
// user has open; the failure is left in error() like any other.
QvtEditor::QvtEditor(const QString& filename) : QVXMLEditor(QLatin1String(QvtElement))
{
    if (!QFile::exists(filename)) {
        New(filename);
        return;
    }
    if (!Load(filename))
        qDebug() << "Load failed in QvtEditor::QvtEditor(const QString &filename)";
}

QvtEditor::~QvtEditor() = default;

void QvtEditor::clearDocument()
{
    document = QDomDocument(docTypeName());
}

bool QvtEditor::New(const QString& filename)
{
    if (filename.isNull()) {
        error() = tr("Unable to create template with NULL filename");
        return false;
    }
    clearDocument();
    setFilename(filename);

    QDomElement root = document.createElement(QLatin1String(QvtElement));
    document.appendChild(root);
    auto append = [&](QDomElement parent, const char* name,
                      std::initializer_list<const char*> attributes = {}) {
        QDomElement e = document.createElement(QLatin1String(name));
        for (const char* a : attributes)
            e.setAttribute(QLatin1String(a), QLatin1String(""));
        parent.appendChild(e);
        return e;
    };
    append(root, VersionElement)
        .setAttribute(QLatin1String(VersionNumberAttribute), QLatin1String(CurrentVersion));
    append(append(root, ContractorInfoElement, {"tester", "company", "email", "phone", "logo"}),
           AddressElement, {"address1", "address2", "city", "state", "zipcode", "country"});
    // Leaves the document marked changed: a new template is not on disk yet.
    addSettingsList(&root);
    append(root, TestDefList);
    append(root, BundledCableList);
    return true;
}

// Every failure after the name is taken empties the document: whatever was
// read (or the template held before) must not be saved under this name.
// The error text of an earlier failure is cleared first: the upgrade of old
// jobs judges the load by an empty error text.
bool QvtEditor::Load(const QString& filename)
{
    error().clear();
    if (filename.isEmpty()) {
        error() = tr("Empty or null filename in QvtEditor::Load");
        clearDocument();
        return false;
    }
    setFilename(filename);
    if (!QFile::exists(filename)) {
        error() = tr("Qvt file %1 does not exist").arg(filename);
        clearDocument();
        return false;
    }
    QFile file(filename);
    if (!file.open(QIODevice::ReadOnly)) {
        error() = file.errorString();
        clearDocument();
        return false;
    }
    // Template files are ISO-8859-1 whatever they declare.
    const QString text = QString::fromLatin1(file.readAll());
    file.close();

    QString message;
    int line = 0;
    int column = 0;
    if (!document.setContent(text, &message, &line, &column)) {
        if (!message.isEmpty() && line != 0 && column != 0) {
            qDebug("errMsg = %s", qPrintable(message));
            qDebug("errLine = %d", line);
            qDebug("errColumn = %d", column);
            error() = tr("Error parsing Qvt file %1\n on line %2,\n column %3,\n%4")
                          .arg(filename)
                          .arg(line)
                          .arg(column)
                          .arg(message);
        } else {
            error() = tr("Unable to parse Qvt file %1").arg(filename);
        }
        clearDocument();
        return false;
    }
    if (!checkVersion()) {
        error() = QStringLiteral("Incompatible version of Qvt file");
        clearDocument();
        return false;
    }
    setChanged(false);
    return true;
}

bool QvtEditor::writeTo(const QString& path)
{
    if (document.documentElement().isNull()) {
        // Nothing loaded (or a load failed): writing would replace the file
        // with an empty template.
        error() = tr("There is no template to save");
        return false;
    }
    return SaveFile::replaceContents(path, document, docTypeName(), &error());
}

bool QvtEditor::save()
{
    if (filename().isEmpty() || filename() == qvtExtensionOnly()) {
        error() = tr("Filename is empty.");
        return false;
    }
    if (!writeTo(filename()))
        return false;
    setChanged(false);
    return true;
}

bool QvtEditor::saveAs(const QString& name)
{
    if (name.isEmpty() || name == qvtExtensionOnly()) {
        error() = tr("Unable to Save file (NULL)");
        return false;
    }
    return writeTo(name);
}

bool QvtEditor::checkQvtExtension(const QString& filename)
{
    return QFileInfo(filename).suffix().toLower() == QLatin1String("qvt");
}

// --- version check and upgrade -----------------------------------------------

bool QvtEditor::checkVersion()
{
    if (!document.hasChildNodes()) {
        error() = QStringLiteral("_doc has no child nodes in QvtEditor::checkVersion");
        return false;
    }
    const QDomElement root = document.documentElement();
    if (root.isNull() || !root.hasChildNodes()) {
        error() =
            QStringLiteral("there are no nodes below root node in _doc in QvtEditor::checkVersion");
        return false;
    }
    const QDomElement version = getElement(QLatin1String(VersionElement));
    if (version.isNull()) {
        error() = QStringLiteral("version Doesn't Exist in QvtEditor::checkVersion");
        return false;
    }
    QString current = version.attribute(QLatin1String(VersionNumberAttribute));
    if (current == QLatin1String(CurrentVersion))
        return true;

    // A step that fails leaves current where it was, so no later step runs.
    upgradeBefore14(&current);
    runStep(&current, current == QLatin1String("1.4"), "2.1", &QvtEditor::convert14To21);
    runStep(&current, current == QLatin1String("2.1"), "2.2", &QvtEditor::convert21To22);
    runStep(&current, current == QLatin1String("2.2"), "2.3", &QvtEditor::convert22To23);
    // Later 2.3 releases wrote "2.3" followed by their own digits.
    runStep(&current, current.startsWith(QLatin1String("2.3")), CurrentVersion,
            &QvtEditor::convert23To30);

    if (current.startsWith(QLatin1String(CurrentVersion)))
        return true;
    error() = tr("%1 is a bad version number in QvtEditor::checkVersion.").arg(current);
    return false;
}

void QvtEditor::runStep(QString* current, bool applies, const char* to, Step step)
{
    if (!applies)
        return;
    QDomElement element;
    QDomNode node;
    if ((this->*step)(&element, &node) && saveStep(to))
        *current = QLatin1String(to);
}

// Each step is written to disk at once, as it always has been: a template
// that cannot be written is not upgraded at all, and the reason is logged
// before the version text replaces it.
bool QvtEditor::saveStep(const char* to)
{
    if (save())
        return true;
    qDebug() << "QvtEditor::checkVersion: the template could not be saved at version" << to << ":"
             << error();
    return false;
}

void QvtEditor::upgradeBefore14(QString* current)
{
    const bool from11 = *current == QLatin1String("1.1");
    const bool from12 = *current == QLatin1String("1.2");
    const bool from13 = *current == QLatin1String("1.3");
    if (!from11 && !from12 && !from13)
        return;
    QDomElement version = getElement(QLatin1String(VersionElement));
    setVersion(version, "1.4");
    if (from11) {
        // 1.1 had no logo in the contractor block.
        QDomElement contractor = getElement(QLatin1String(ContractorInfoElement));
        if (!contractor.isNull() && !contractor.hasAttribute(QStringLiteral("logo")))
            contractor.setAttribute(QStringLiteral("logo"), QLatin1String(""));
    }
    // 1.3 already stored the length constant at its present scale.
    LegacyConvert::reworkTestDefinitions(*this, getToTestDefList(), !from13);
    if (saveStep("1.4"))
        *current = QStringLiteral("1.4");
}
