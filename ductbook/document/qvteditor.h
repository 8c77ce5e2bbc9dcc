#ifndef QVTEDITOR_H
#define QVTEDITOR_H

#include "ductbook_global.h"
#include "qvxmleditor.h"

#include <QDomElement>
#include <QDomNode>
#include <QString>

class Ductbook;

// The template document (".qvt"): one process-wide object holding what a new
// job inherits: the contractor's details, the print, page and scale settings,
// the test definitions and the bundled cable types. It is written by the same
// writer as the job (atomically, the same bytes for the same document) with
// the document type "Qvt".
class DUCTBOOK_EXPORT QvtEditor : public QVXMLEditor
{
    Q_OBJECT
public:
    // Created empty on first use; Destroy() deletes it (nothing is saved).
    static QvtEditor& Instance();
    static void Destroy();

    // A new template in memory for filename (nothing is written): version
    // "3.0", an empty contractor block, the default settings, and empty test
    // definition and bundled cable type lists. False for a null name.
    bool New(const QString& filename);

    // Reads, parses and upgrades a template. An older file is brought to
    // "3.0" one version at a time and written back after each step, so it is
    // upgraded on disk once. The file name is remembered even when loading
    // fails; a failed load leaves the document empty, and save() then refuses
    // to write, so a damaged file is never replaced by a fragment of itself.
    // After a successful load the document counts as unchanged and error()
    // is empty.
    bool Load(const QString& filename);

    // save() writes to the remembered file name and marks the document
    // unchanged; saveAs() writes a copy elsewhere and changes neither the
    // name nor the flag. Both replace the target only once every byte is on
    // disk; on failure the previous file is left as it was and error() says
    // why.
    bool save();
    bool saveAs(const QString& filename);

    // Brings the loaded document to "3.0", saving after each step (Load runs
    // it). False, with the reason in error(), for a document without a root,
    // without "Version", of an unknown version, or when a step could not be
    // saved.
    bool checkVersion();

    // True when the suffix of filename is "qvt" in any case.
    static bool checkQvtExtension(const QString& filename);

    // Copies the job's contractor data and the test definitions and bundled
    // cable types the template lacks; settings are not copied and entries
    // the template already has keep its own version. Does nothing for null.
    void Import(Ductbook* job);

    // The upgrade steps, one format version each. The arguments are working
    // handles owned by the caller: element ends on the "Version" element,
    // node is left where it was. Each returns false only when the document
    // has no "Version" element. They neither save nor check the version they
    // start from; checkVersion does both.
    bool convert14To21(QDomElement* element, QDomNode* node);
    bool convert21To22(QDomElement* element, QDomNode* node);
    bool convert22To23(QDomElement* element, QDomNode* node);
    bool convert23To30(QDomElement* element, QDomNode* node);

protected:
    QvtEditor();
    // Loads filename when it exists, else starts a new template for it. When
    // loading fails the reason is in error() and the document is empty; the
    // process goes on.
    explicit QvtEditor(const QString& filename);
    ~QvtEditor() override;

private:
    Q_DISABLE_COPY(QvtEditor)

    // The "Version" element, left in *element as the steps promise.
    QDomElement versionElement(QDomElement* element);
    void setVersion(QDomElement& version, const char* number);
    // Empties the tree, keeping the document type.
    void clearDocument();
    bool writeTo(const QString& path);
    using Step = bool (QvtEditor::*)(QDomElement*, QDomNode*);
    // When applies: the step, then a save; on success *current becomes to.
    void runStep(QString* current, bool applies, const char* to, Step step);
    // Versions 1.1 to 1.3 to 1.4, saved like a step.
    void upgradeBefore14(QString* current);
    bool saveStep(const char* to);

    static QvtEditor* m_instance;
};

#endif // QVTEDITOR_H
