#ifndef QVTEDITOR_H
#define QVTEDITOR_H

/// @file
/// The QvtEditor class, the template document.

#include "ductbook_global.h"
#include "qvxmleditor.h"

#include <QDomElement>
#include <QDomNode>
#include <QString>

#include <memory>

class Ductbook;
class QvtEditorPrivate;

/// The template document (".qvt"): one process-wide object holding what a new
/// job inherits: the contractor's details, the print, page and scale settings,
/// the test definitions and the bundled cable types. It is written by the same
/// writer as the job (atomically, the same bytes for the same document) with
/// the document type "Qvt".
///
/// The host keeps the user's template here and passes it to
/// Ductbook::Import() to give a job its defaults; Ductbook::Export() writes a
/// job's defaults as a new template through this object. The contractor,
/// settings and cable type operations it inherits from QVXMLEditor work on the
/// template as they do on the job, and set the changed flag as described
/// there.
///
/// **Failures.** The file operations return false and leave a readable reason
/// in error(); nothing throws or shows a dialog.
class DUCTBOOK_EXPORT QvtEditor : public QVXMLEditor
{
    Q_OBJECT
public:
    /// The template document, created empty on first use (no root, no file
    /// name); New() or Load() gives it a template.
    static QvtEditor& Instance();
    /// Deletes the template document, when it exists, without saving
    /// anything; the next Instance() creates a new, empty one.
    static void Destroy();

    /// A new template in memory for @p filename, in place of whatever the
    /// document held (nothing is written, and no extension is added): version
    /// "3.0", an empty contractor block, the default print, page and scale
    /// settings, and empty test definition and bundled cable type lists. The
    /// changed flag is left set, since the new template is not on disk yet.
    /// @return True; false for a null name, with the document unchanged and
    ///         error() "Unable to create template with NULL filename".
    bool New(const QString& filename);

    /// Reads, parses and upgrades a template. The file is read as ISO-8859-1
    /// whatever it declares. An older file (versions 1.1 to 2.3) is brought to
    /// "3.0" one version at a time and written back after each step, so it is
    /// upgraded on disk once (see checkVersion()).
    ///
    /// error() is cleared first. The file name is remembered even when loading
    /// fails (except for an empty name); a failed load leaves the document
    /// empty, and save() then refuses to write, so a damaged file is never
    /// replaced by a fragment of itself. After a successful load the document
    /// counts as unchanged and error() is empty.
    /// @return True when loaded. False with the reason in error(): "Empty or
    ///         null filename in QvtEditor::Load", "Qvt file … does not
    ///         exist", the system's text when the file cannot be opened,
    ///         "Error parsing Qvt file …" with line, column and parser message
    ///         (or "Unable to parse Qvt file …"), or "Incompatible version of
    ///         Qvt file".
    bool Load(const QString& filename);

    /// Writes the template to the remembered file name and marks the
    /// document unchanged. The target is replaced only once every byte is on
    /// disk; on failure the previous file is left as it was.
    /// @return True when written. False with the reason in error(): "Filename
    ///         is empty." (an empty name or just ".qvt"), "There is no template
    ///         to save" (an empty document, as after a failed Load()), or the
    ///         system's text when the file cannot be written.
    bool save();
    /// Writes a copy of the template to @p filename, as save() does, and
    /// changes neither the remembered name nor the changed flag.
    /// @return True when written. False with the reason in error(): "Unable to
    ///         Save file (NULL)" (an empty name or just ".qvt"), "There is no
    ///         template to save", or the system's text.
    bool saveAs(const QString& filename);

    /// Brings the loaded document to "3.0", saving after each step (Load runs
    /// it). Versions 1.1 to 1.3 first become 1.4, then each step of
    /// convert14To21() to convert23To30() runs in turn; a version that starts
    /// with "2.3" counts as 2.3, one that starts with "3.0" as current.
    /// @return True when the document ends at "3.0". False, with the reason in
    ///         error(), for a document without a root or without children,
    ///         without "Version", of an unknown version, or when a step could
    ///         not be saved (the steps before it stay on disk).
    bool checkVersion();

    /// True when the suffix of @p filename (the text after the last ".") is
    /// "qvt" in any case.
    static bool checkQvtExtension(const QString& filename);

    /// Copies the job's contractor data and the test definitions and bundled
    /// cable types the template lacks; settings are not copied and entries
    /// the template already has keep its own version. Sets the changed flag
    /// (through the contractor setters and each definition added); the
    /// template is not saved. Does nothing for null.
    void Import(Ductbook* job);

    /// @name Upgrade steps
    /// The upgrade steps, one format version each. The arguments are working
    /// handles owned by the caller: @p element ends on the "Version" element,
    /// @p node is left where it was. Each returns false only when the document
    /// has no "Version" element. They neither save nor check the version they
    /// start from; checkVersion() does both. A step that adds test
    /// definitions or settings sets the changed flag as those additions do
    /// (the save after it clears the flag again).
    ///@{

    /// 1.4 to 2.1: adds the RG-59 coaxial test definition (a template's own
    /// RG-59 stays) and the print, page and scale settings with their
    /// defaults.
    bool convert14To21(QDomElement* element, QDomNode* node);
    /// 2.1 to 2.2: renumbers the test definitions, gives each a colour, moves
    /// the connector out of the comment, and adds the default bundled cable
    /// types and the inventory report's print settings.
    bool convert21To22(QDomElement* element, QDomNode* node);
    /// 2.2 to 2.3: only the version number changes.
    bool convert22To23(QDomElement* element, QDomNode* node);
    /// 2.3 to 3.0: adds the crossover test definitions the template lacks and
    /// renames the print entry "NetworkDevices_Settings" to
    /// "Inventory_Settings" with the report's defaults.
    bool convert23To30(QDomElement* element, QDomNode* node);
    ///@}

protected:
    /// An empty template document (document type "Qvt"); Instance() uses it.
    QvtEditor();
    /// Loads @p filename when it exists, else starts a new template for it.
    /// When loading fails the reason is in error() and the document is empty;
    /// the process goes on.
    explicit QvtEditor(const QString& filename);
    /// Releases the document; nothing is saved.
    ~QvtEditor() override;

private:
    Q_DISABLE_COPY(QvtEditor)

    // The helpers of loading, saving and the upgrade live in the private
    // implementation.
    friend class QvtEditorPrivate;
    std::unique_ptr<QvtEditorPrivate> d;

    static QvtEditor* m_instance;
};

#endif // QVTEDITOR_H
