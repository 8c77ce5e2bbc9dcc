// The template document's life: the singleton, new templates, loading with
// the version upgrade, and saving. The upgrade steps themselves are in
// qvteditor_convert.cpp.
#include "qvteditor.h"
#include "qvteditor_p.h"

#include "constants_p.h"
#include "io/savefile_p.h"
#include "io/xmlwriter_p.h"
#include "upgrade/legacyconvert_p.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>

using namespace DuctbookConstants;

namespace {
const char* const QvtElement = "Qvt";
// Templates are numbered as jobs are.
const char* const CurrentVersion = CurrentJobVersion;

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

QvtEditor::QvtEditor() : QVXMLEditor(QLatin1String(QvtElement)), d(new QvtEditorPrivate(this)) {}

// Ending the host because its template is damaged would lose whatever the
// user has open; the failure is left in error() like any other.
QvtEditor::QvtEditor(const QString& filename)
    : QVXMLEditor(QLatin1String(QvtElement)), d(new QvtEditorPrivate(this))
{
    if (!QFile::exists(filename)) {
        New(filename);
        return;
    }
    if (!Load(filename))
        qDebug() << "Load failed in QvtEditor::QvtEditor(const QString &filename)";
}

QvtEditor::~QvtEditor() = default;

void QvtEditorPrivate::clearDocument()
{
    q->document = QDomDocument(q->docTypeName());
}

bool QvtEditor::New(const QString& filename)
{
    if (filename.isNull()) {
        error() = tr("Unable to create template with NULL filename");
        return false;
    }
    d->clearDocument();
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
        d->clearDocument();
        return false;
    }
    setFilename(filename);
    if (!QFile::exists(filename)) {
        error() = tr("Qvt file %1 does not exist").arg(filename);
        d->clearDocument();
        return false;
    }
    QFile file(filename);
    if (!file.open(QIODevice::ReadOnly)) {
        error() = file.errorString();
        d->clearDocument();
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
        d->clearDocument();
        return false;
    }
    if (!checkVersion()) {
        error() = QStringLiteral("Incompatible version of Qvt file");
        d->clearDocument();
        return false;
    }
    setChanged(false);
    return true;
}

bool QvtEditorPrivate::writeTo(const QString& path)
{
    if (q->document.documentElement().isNull()) {
        // Nothing loaded (or a load failed): writing would replace the file
        // with an empty template.
        q->error() = QvtEditor::tr("There is no template to save");
        return false;
    }
    return SaveFile::replaceContents(path, q->document, q->docTypeName(), &q->error());
}

bool QvtEditor::save()
{
    if (filename().isEmpty() || filename() == qvtExtensionOnly()) {
        error() = tr("Filename is empty.");
        return false;
    }
    if (!d->writeTo(filename()))
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
    return d->writeTo(name);
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

    // Later 2.3 and 3.0 writers put their own digits after the number.
    using LegacyConvert::VersionMatch;
    static const LegacyConvert::UpgradeStep<QvtEditorPrivate> steps[] = {
        {JobVersion11, JobVersion14, &QvtEditorPrivate::convert11To14, VersionMatch::Exact},
        {JobVersion12, JobVersion14, &QvtEditorPrivate::convert11To14, VersionMatch::Exact},
        {JobVersion13, JobVersion14, &QvtEditorPrivate::convert11To14, VersionMatch::Exact},
        {JobVersion14, JobVersion21, &QvtEditorPrivate::convert14To21, VersionMatch::Exact},
        {JobVersion21, JobVersion22, &QvtEditorPrivate::convert21To22, VersionMatch::Exact},
        {JobVersion22, JobVersion23, &QvtEditorPrivate::convert22To23, VersionMatch::Exact},
        {JobVersion23, JobVersion30, &QvtEditorPrivate::convert23To30, VersionMatch::StartsWith}};
    // A step that fails, or cannot be saved, stops the chain where it is.
    current = LegacyConvert::upgrade(current, steps, [this](const auto& step) {
        QDomElement element;
        QDomNode node;
        return (d.get()->*step.run)(&element, &node) && d->saveStep(step.to);
    });

    if (LegacyConvert::versionMatches(current, CurrentVersion, VersionMatch::StartsWith))
        return true;
    error() = tr("%1 is a bad version number in QvtEditor::checkVersion.").arg(current);
    return false;
}

// Each step is written to disk at once, as it always has been: a template
// that cannot be written is not upgraded at all, and the reason is logged
// before the version text replaces it.
bool QvtEditorPrivate::saveStep(const char* to)
{
    if (q->save())
        return true;
    qDebug() << "QvtEditor::checkVersion: the template could not be saved at version" << to << ":"
             << q->error();
    return false;
}
