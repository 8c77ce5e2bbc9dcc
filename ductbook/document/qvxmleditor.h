#ifndef QVXMLEDITOR_H
#define QVXMLEDITOR_H

#include "ductbook_global.h"

#include "address.h"
#include "contractordata.h"
#include "pagesettings.h"
#include "printsettings.h"
#include "scalesettings.h"

#include <QDomDocument>
#include <QDomElement>
#include <QObject>
#include <QString>

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

    QDomDocument document;

private:
    QDomElement getToSettingsList(const QString& listName);
    // The entry of a settings list, created empty at the end of its own list
    // when missing (created is then true); null when name is not one of the
    // list's entry names, in which case the list element itself stands in.
    QDomElement settingsEntry(QDomElement& list, const QStringList& names, const QString& name,
                              bool* created);

    QString m_filename;
    QString m_error;
    bool m_changed = false;
    QString m_docTypeName;
};

#endif // QVXMLEDITOR_H
