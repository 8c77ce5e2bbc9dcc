#ifndef QVXMLEDITOR_H
#define QVXMLEDITOR_H

#include "ductbook_global.h"

#include "address.h"
#include "bundledcable.h"
#include "contractordata.h"
#include "pagesettings.h"
#include "printsettings.h"
#include "scalesettings.h"
#include "testdef.h"
#include "testresults.h"

#include <QDomDocument>
#include <QDomElement>
#include <QObject>
#include <QString>

#include <QStringList>
#include <functional>

// Common base of the job and template documents: one XML tree in memory, the
// file it belongs to, the text of the last failure and the changed flag, plus
// the navigation helpers every list and item operation is written on.
class DUCTBOOK_EXPORT QVXMLEditor : public QObject
{
    Q_OBJECT
public:
    explicit QVXMLEditor(const QString& name);
    QVXMLEditor(QVXMLEditor& other);
    QVXMLEditor& operator=(const QVXMLEditor& other);
    ~QVXMLEditor() override;

    QString& filename() { return m_filename; }
    void setFilename(const QString& filename) { m_filename = filename; }
    QString& error() { return m_error; }
    // Whether the document holds edits that are not on disk yet.
    bool isChanged() const { return m_changed; }

    // Contractor block ("Contractor_Info" and its "Address").
    void setContractorTester(const QString& value);
    void setContractorCompany(const QString& value);
    void setContractorEmail(const QString& value);
    void setContractorPhone(const QString& value);
    void setContractorLogo(const QString& value);
    void setContractorAddress(Address& address);
    void setContractorData(const QString& tester, const QString& company, const QString& email,
                           const QString& phone, const QString& logo, Address& address);
    void setContractorData(ContractorData& data);
    QString getContractorTester();
    QString getContractorCompany();
    QString getContractorEmail();
    QString getContractorPhone();
    QString getContractorLogo();
    Address getContractorAddress();
    ContractorData getContractorData();

    // Print, page and scale settings lists ("Settings_List").
    PrintSettings getPrintSettings(const QString& name);
    PageSettings getPageSettings(const QString& name);
    ScaleSettings getScaleSettings(const QString& name);
    void setPrintSettings(PrintSettings& settings, const QString& name);
    void setPageSettings(PageSettings& settings, const QString& name);
    void setScaleSettings(ScaleSettings& settings, const QString& name);
    void addSettingsList(QDomElement* parent);

    // How the tester's measurement block and response plots are stored in
    // attributes.
    QString dataToString(cable_struct data) const;
    cable_struct stringToData(const QString& text) const;
    QString responseDataToString(LUMEN_PLOT_DATA data) const;
    LUMEN_PLOT_DATA responseStringToData(const QString& text) const;

    // Test definitions ("TestDef_List"), one per cable type, keyed by id.
    void addTestDef(TestDef& def);
    TestDef getTestDef(const QString& id);
    void renameTestDef(const QString& oldId, const QString& newId);
    void removeTestDef(const QString& id);
    bool testDefExists(const QString& id);
    bool testDefElementExists(const QString& tag);
    QStringList getTypes();
    QStringList getTypes(int category);
    QStringList getTestDefElements();

    // Bundled cable types ("BundledCable_List").
    void addBundledCableType(const QString& id, const QStringList& types, const QString& color,
                             const bool& defaultType);
    void addBundledCableType(BundledCable& b);
    BundledCable getBundledCableType(const QString& id);
    void renameBundledCableType(const QString& oldId, const QString& newId);
    void removeBundledCableTypeByTag(const QString& tag);
    QString getBundledCableTypeIdByTag(const QString& tag);
    QString getBundledCableTypeTagById(const QString& id);
    QStringList getBundledCableTypeTags();
    QStringList getBundledCableTypeIds();
    bool bundledCableTypeTagExists(const QString& tag);
    bool bundledCableTypeIdExists(const QString& id);

protected:
    bool fileChanged() const { return m_changed; }
    void setChanged(bool changed) { m_changed = changed; }

    // The document-type name this document is written with.
    const QString& docTypeName() const { return m_docTypeName; }

    QDomNode getDomNodeFirstChild();
    QDomElement getChildElement(const QString& name, QDomNode& node);
    bool hasChildElement(const QString& name, QDomNode& node);
    QDomElement getElement(const QString& name);
    QString getChildAttr(const QString& attr, QDomElement& e);
    void setChildAttr(const QString& attr, const QString& value, QDomElement& e);
    QString getElementId(QDomElement e);
    void setElementId(const QString& id, QDomElement& e);

    // The attributes of one top-level block with an "Address" child, shared by
    // the contractor and site blocks. Setters mark the document changed when
    // the block exists, whether or not the attribute did.
    void setBlockAttr(const QString& block, const QString& attr, const QString& value);
    QString getBlockAttr(const QString& block, const QString& attr);
    void setBlockAddress(const QString& block, Address& address);
    Address getBlockAddress(const QString& block);

    QDomElement getToPrintSettingsList();
    QDomElement getToPageSettingsList();
    QDomElement getToScaleSettingsList();

    // Four pair flags as "0"/"1" characters.
    QString boolArrayToString(bool* flags) const;
    bool stringToBoolArray(const QString& text, bool* flags) const;

    QDomElement getToTestDefList();
    QDomElement getToBundledCableTypeList();

    QDomDocument document;

private:
    QDomElement getToSettingsList(const QString& listName);
    // The entry of a settings list, created empty at the end of its own list
    // when missing (created is then true); null when name is not one of the
    // list's entry names, in which case the list element itself stands in.
    QDomElement settingsEntry(QDomElement& list, const QStringList& names, const QString& name,
                              bool* created);
    QDomElement settingsSource(QDomElement list, const QStringList& names, const QString& name,
                               const std::function<void()>& writeDefaults);

    // The first test definition whose id is the non-empty id given, or the
    // first bundled cable type whose id is id; null when there is none.
    QDomElement findTestDef(const QString& id);
    QDomElement findBundledCableType(const QString& id);
    TestDef readTestDef(QDomElement& e);

    QString m_filename;
    QString m_error;
    bool m_changed = false;
    QString m_docTypeName;
};

#endif // QVXMLEDITOR_H
