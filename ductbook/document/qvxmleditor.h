#ifndef QVXMLEDITOR_H
#define QVXMLEDITOR_H

/// @file
/// The QVXMLEditor class, the common base of the job and template documents.

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

/// The common base of the job and template documents: one XML tree in memory,
/// the file it belongs to, the text of the last failure and the changed flag.
///
/// The job document (Ductbook) and the template document (QvtEditor) derive
/// from it. Besides the document itself it carries what both kinds of file
/// hold: the contractor block, the catalogue of cable types (test definitions
/// and bundled cable types) and the print, page and scale settings. It also
/// offers the text encodings of the tester's measurement block and response
/// plots, and, to the classes that derive from it, the navigation helpers
/// every list and item operation is written on.
///
/// **Failures.** No operation here reports a failure or throws. A setter whose
/// element or attribute is missing does nothing; a getter returns an empty
/// value, a default record, or, for an unknown test definition or bundled
/// cable type, a record whose id is "error". Adding an id that already exists
/// is refused silently. Ids and tags compare exactly, case included.
///
/// **The changed flag** (isChanged()) tells whether the document holds edits
/// that are not on disk yet. It is false after construction; a successful
/// load or save clears it, and the job document also clears it when it
/// creates or unloads a job. Each operation below says whether it sets it.
/// Reading never sets it, not even when a getter repairs an older file by
/// adding a missing attribute.
///
/// The document and every handle into it belong to one thread at a time.
class DUCTBOOK_EXPORT QVXMLEditor : public QObject
{
    Q_OBJECT
public:
    /// An empty document whose document-type name is @p name (the job passes
    /// "Job", so a saved job begins with a document-type declaration of that
    /// name). File name and error text are empty, the changed flag is false,
    /// and the object has no QObject parent. No element is created: the
    /// documents' New and Load fill the tree.
    explicit QVXMLEditor(const QString& name);
    /// A second handle on the same tree: a QDomDocument is a reference, so the
    /// copy and @p other edit one tree, and an element renamed through one is
    /// renamed for the other. The file name, error text and document-type
    /// name are copied; the copy's changed flag is false and its QObject
    /// parent is that of @p other.
    QVXMLEditor(QVXMLEditor& other);
    /// Makes this object a handle on the tree of @p other and copies its file
    /// name and error text; this object keeps its own changed flag and
    /// document-type name. Assigning an object to itself changes nothing.
    QVXMLEditor& operator=(const QVXMLEditor& other);
    /// Releases this handle on the document.
    ~QVXMLEditor() override;

    /// The path of the file the document was loaded from or will be saved to,
    /// as a modifiable reference; empty for a document not yet named.
    QString& filename() { return m_filename; }
    /// Replaces the file name; writes nothing to disk and leaves the changed
    /// flag alone.
    void setFilename(const QString& filename) { m_filename = filename; }
    /// The readable text of the last failure of a file operation (creating,
    /// loading, converting or saving a document), as a modifiable reference;
    /// "Unloading" after the job is unloaded. An operation that succeeds does
    /// not always clear it, so it says something only after a failure.
    QString& error() { return m_error; }
    /// Whether the document holds edits that are not on disk yet.
    bool isChanged() const { return m_changed; }

    /// @name Contractor block
    /// The top-level element "Contractor_Info" with the attributes "tester",
    /// "company", "email", "phone" and "logo", and its child element
    /// "Address" (see Address).
    ///@{

    /// Sets the contractor's tester (attribute "tester").
    ///
    /// When the document has a "Contractor_Info" block, writes the attribute
    /// if the block has it and sets the changed flag either way; otherwise
    /// does nothing.
    void setContractorTester(const QString& value);
    /// Sets the contractor's company (attribute "company"); as
    /// setContractorTester().
    void setContractorCompany(const QString& value);
    /// Sets the contractor's e-mail address (attribute "email"); as
    /// setContractorTester().
    void setContractorEmail(const QString& value);
    /// Sets the contractor's phone number (attribute "phone"); as
    /// setContractorTester().
    void setContractorPhone(const QString& value);
    /// Sets the path of the contractor's logo (attribute "logo"); as
    /// setContractorTester().
    void setContractorLogo(const QString& value);
    /// Writes the six fields of @p address into the block's "Address" element
    /// (each only where the attribute exists) and sets the changed flag. Does
    /// nothing when the block or its "Address" element is missing.
    void setContractorAddress(Address& address);
    /// Sets the whole contractor block: the five single-field setters, then
    /// setContractorAddress(). Sets the changed flag in every case, even when
    /// the document has no contractor block and nothing was written.
    void setContractorData(const QString& tester, const QString& company, const QString& email,
                           const QString& phone, const QString& logo, Address& address);
    /// Sets the whole contractor block from a record; as the six-argument
    /// form.
    void setContractorData(ContractorData& data);
    /// The contractor's tester; an empty string when the block or the
    /// attribute is missing.
    QString getContractorTester();
    /// The contractor's company; an empty string when the block or the
    /// attribute is missing.
    QString getContractorCompany();
    /// The contractor's e-mail address; an empty string when the block or the
    /// attribute is missing.
    QString getContractorEmail();
    /// The contractor's phone number; an empty string when the block or the
    /// attribute is missing.
    QString getContractorPhone();
    /// The path of the contractor's logo; an empty string when the block or
    /// the attribute is missing.
    QString getContractorLogo();
    /// The contractor's address; an Address with every field empty when the
    /// block or its "Address" element is missing, and an empty field for each
    /// missing attribute.
    Address getContractorAddress();
    /// The whole contractor block, from the five getters and
    /// getContractorAddress().
    ContractorData getContractorData();
    ///@}

    /// @name Print, page and scale settings
    /// The block "Settings_List" holds three lists. "PrintSettings_List" has
    /// one entry per printed report: "JobInfo_Settings", "NetView_Settings",
    /// "Inventory_Settings", "FloorPlan_Settings", "TestSched_Settings",
    /// "DetailedCable_Settings", "JobNotes_Settings" and
    /// "ActiveNetworkTestResults_Settings". "PageSettings_List" and
    /// "ScaleSettings_List" each have the entries "NetView_Settings" and
    /// "FloorPlan_Settings". An entry is named by its element name within its
    /// list, exactly. Numbers are stored in decimal, doubles with up to six
    /// significant digits (8.25 as "8.25", 1.0000001 as "1").
    ///@{

    /// The named entry of the print settings list.
    ///
    /// An entry that is missing is first created at the end of its list and
    /// filled with the defaults of PrintSettings (which sets the changed
    /// flag); an older entry that lacks attributes gets them, empty. Every
    /// field is read from its attribute: one that is empty or not a number
    /// reads as an empty string or 0.
    /// @return The entry as a record; a default PrintSettings when the
    ///         document has no print settings list; a record of empty strings
    ///         and zeros for a name that is not one of the list's entries.
    PrintSettings getPrintSettings(const QString& name);
    /// The named entry of the page settings list; as getPrintSettings(), with
    /// the defaults of PageSettings.
    /// @return The entry as a record; a default PageSettings when the document
    ///         has no page settings list; a record of empty strings and zeros
    ///         for a name other than "NetView_Settings" and
    ///         "FloorPlan_Settings".
    PageSettings getPageSettings(const QString& name);
    /// The named entry of the scale settings list; as getPrintSettings(), with
    /// the defaults of ScaleSettings.
    /// @return The entry as a record; a default ScaleSettings when the
    ///         document has no scale settings list; a record of empty strings
    ///         and zeros for a name other than "NetView_Settings" and
    ///         "FloorPlan_Settings".
    ScaleSettings getScaleSettings(const QString& name);
    /// Stores a record into the named entry of the print settings list,
    /// creating the entry when it is missing.
    ///
    /// Only the attributes whose stored value differs are written, and the
    /// changed flag is set only when one was: storing what is already there
    /// leaves the flag alone. Does nothing when the document has no print
    /// settings list; for a name that is not one of the list's entries it
    /// writes nothing but sets the changed flag.
    void setPrintSettings(PrintSettings& settings, const QString& name);
    /// Stores a record into the named entry of the page settings list,
    /// creating the entry when it is missing.
    ///
    /// Only the attributes whose stored value differs are written, and the
    /// changed flag is set only when one was. Does nothing when the document
    /// has no page settings list or @p name is not "NetView_Settings" or
    /// "FloorPlan_Settings".
    void setPageSettings(PageSettings& settings, const QString& name);
    /// Stores a record into the named entry of the scale settings list,
    /// creating the entry when it is missing.
    ///
    /// Every attribute is written and the changed flag is set, even when
    /// nothing differed. Does nothing when the document has no scale settings
    /// list or @p name is not "NetView_Settings" or "FloorPlan_Settings".
    void setScaleSettings(ScaleSettings& settings, const QString& name);
    /// Appends the block "Settings_List" with its three lists and every entry
    /// at its defaults, then an empty "JobNotes_Text" element, to @p parent
    /// (the document's root). The print entries take the defaults of
    /// PrintSettings, in portrait except "NetView_Settings" and
    /// "FloorPlan_Settings"; page and scale entries take the defaults of
    /// PageSettings and ScaleSettings. Sets the changed flag. Does nothing
    /// when @p parent is null or a null element.
    void addSettingsList(QDomElement* parent);
    ///@}

    /// @name Measurement block and plot encodings
    /// How the tester's records are stored in attributes, by cable test
    /// results and test definitions. None of these touches the document.
    ///@{

    /// Encodes a measurement block as 96 upper-case hexadecimal digits.
    ///
    /// The block is packed into 48 bytes, each written as two digits, high
    /// nibble first: the four cable_struct::pairStatus bytes, the four
    /// cable_struct::pairValues as 16 bits each (high byte first, the low 16
    /// bits of the value), the ten cable_struct::wiremap bytes, the four
    /// cable_struct::pairLength as 16 bits, the two cable_struct::farEndFlags
    /// bytes and the eight cable_struct::pairExtra as 16 bits. The padding is
    /// not encoded. An unmeasured block gives 96 times "F".
    QString dataToString(cable_struct data) const;
    /// Decodes a measurement block written by dataToString().
    ///
    /// The 16-bit values come back unsigned (0 to 65535), except that 65535
    /// in cable_struct::pairExtra becomes -1 again; so a pair length of -1
    /// reads back as 65535, and one of 70000 as 4464. A character above "9" is
    /// taken as a capital hexadecimal letter and any other as a digit, so
    /// lower-case letters and other characters give wrong values without
    /// notice. A text shorter than 96 characters reads as if the missing
    /// characters were "F" (unmeasured); characters after the 96th are
    /// ignored.
    cable_struct stringToData(const QString& text) const;
    /// Encodes a response plot: a plot of exactly 257 points as 515 decimal
    /// numbers, each followed by ",": the 257 values of
    /// LUMEN_PLOT_DATA::series1, the 257 of LUMEN_PLOT_DATA::series2, then the
    /// point count (so the text ends in "257,").
    /// @return The text; an empty string for a plot with any other number of
    ///         points. The header words are never written.
    QString responseDataToString(LUMEN_PLOT_DATA data) const;
    /// Decodes a response plot written by responseDataToString().
    ///
    /// The text is split at ","; parts 0 to 256 fill
    /// LUMEN_PLOT_DATA::series1, 257 to 513 LUMEN_PLOT_DATA::series2 and part
    /// 514 the point count; later parts are ignored. A part that is not a
    /// decimal number within the range of a 32-bit integer reads as 0, and so
    /// does every value the text does not reach (a short text without part
    /// 514 gives a point count of 0).
    /// @return The plot, its header words zero; an empty plot for an empty
    ///         text.
    LUMEN_PLOT_DATA responseStringToData(const QString& text) const;
    ///@}

    /// @name Test definitions
    /// The top-level list "TestDef_List" holds one test definition (TestDef)
    /// per cable type, keyed by its id. A definition's element is tagged
    /// "TestDef" followed by the first number from 1 up that no definition
    /// uses, so a removed definition's tag is handed out again.
    ///@{

    /// Appends a test definition to the list and sets the changed flag.
    ///
    /// The pair flags are stored as four "1" or "0", the shield and default
    /// type as "1" or "0", and the length constant and maximum length as whole
    /// numbers (1500.75 is stored as "1500"). Does nothing when the document
    /// has no "TestDef_List" or a definition with the id of @p def exists. A
    /// definition with an empty id is stored, but getTypes() does not list it.
    void addTestDef(TestDef& def);
    /// The test definition with the given id.
    ///
    /// Reading a definition written before colours were kept per type adds
    /// the missing "color" attribute, empty (without setting the changed
    /// flag). A number that cannot be read gives 0; "shield" and
    /// "default_type" count as set only for "1"; pair flags after a character
    /// other than "0" or "1" keep the value of TestDef(const QString&) (in
    /// use).
    /// @return The first definition whose id is @p id; TestDef("") for an
    ///         empty @p id; a definition whose id is "error" (and colour
    ///         "#000000") when there is no such definition or no list.
    TestDef getTestDef(const QString& id);
    /// Gives a test definition a new id. The definition is removed and added
    /// again under @p newId, so it gets a new tag and moves to the end of the
    /// list; the changed flag is set.
    ///
    /// Nothing happens, and nothing is removed, when there is no definition
    /// @p oldId, when @p newId is empty, or when another definition already
    /// has the id @p newId. Cables of type @p oldId are not renamed.
    void renameTestDef(const QString& oldId, const QString& newId);
    /// Removes the first test definition whose id is @p id and sets the
    /// changed flag; does nothing when there is none. Cables of that type are
    /// left as they are.
    void removeTestDef(const QString& id);
    /// Whether a test definition with the (non-empty) id @p id exists.
    bool testDefExists(const QString& id);
    /// Whether the list holds an element tagged @p tag.
    bool testDefElementExists(const QString& tag);
    /// The ids of all test definitions, in document order, empty ids left
    /// out; an empty list when there is no list.
    QStringList getTypes();
    /// The ids of the test definitions of one cable category
    /// (TestDef::cable_category()), in document order. An id that several
    /// definitions share goes by the category of its first definition, as
    /// getTestDef() does.
    QStringList getTypes(int category);
    /// The tags of all test definition elements, in document order.
    QStringList getTestDefElements();
    ///@}

    /// @name Bundled cable types
    /// The top-level list "BundledCable_List" holds the bundled cable types
    /// (BundledCable), keyed by id. A type's element is tagged "BundledCable"
    /// followed by the first number from 1 up that no type uses; it holds one
    /// element "BundledCableType_List" with one child per cable of the bundle,
    /// tagged "BundledCableType1", "BundledCableType2" and so on, each holding
    /// a test definition id.
    ///@{

    /// Appends a bundled cable type made of the given cable types (test
    /// definition ids, one per cable, in order) and sets the changed flag.
    /// Does nothing when the document has no "BundledCable_List" or a type
    /// with the id @p id exists.
    void addBundledCableType(const QString& id, const QStringList& types, const QString& color,
                             const bool& defaultType);
    /// Appends a bundled cable type from a record, as the four-argument form;
    /// the record's element name is not used.
    void addBundledCableType(BundledCable& b);
    /// The bundled cable type with the given id.
    /// @return The first type whose id is @p id, with its tag, colour, default
    ///         flag (set only for "1") and cable types in order; a default
    ///         BundledCable for an empty @p id; a default record whose id is
    ///         "error" when there is no such type or no list.
    BundledCable getBundledCableType(const QString& id);
    /// Gives a bundled cable type a new id. The type is removed and added
    /// again under @p newId, so it gets a new tag and moves to the end of the
    /// list; the changed flag is set.
    ///
    /// Nothing happens, and nothing is removed, when either id is empty, when
    /// there is no type @p oldId, or when another type already has the id
    /// @p newId. Cables of the bundle keep naming @p oldId.
    void renameBundledCableType(const QString& oldId, const QString& newId);
    /// Removes the bundled cable type tagged @p tag and sets the changed flag;
    /// does nothing when there is none.
    void removeBundledCableTypeByTag(const QString& tag);
    /// The id of the bundled cable type tagged @p tag; an empty string when
    /// there is none.
    QString getBundledCableTypeIdByTag(const QString& tag);
    /// The tag of the first bundled cable type whose id is @p id; an empty
    /// string when there is none.
    QString getBundledCableTypeTagById(const QString& id);
    /// The tags of all bundled cable types, in document order.
    QStringList getBundledCableTypeTags();
    /// The ids of all bundled cable types, in document order, empty ids
    /// included.
    QStringList getBundledCableTypeIds();
    /// Whether a bundled cable type is tagged @p tag.
    bool bundledCableTypeTagExists(const QString& tag);
    /// Whether a bundled cable type has the id @p id.
    bool bundledCableTypeIdExists(const QString& id);
    ///@}

protected:
    /// The changed flag; the same as isChanged().
    bool fileChanged() const { return m_changed; }
    /// Sets the changed flag to @p changed.
    void setChanged(bool changed) { m_changed = changed; }

    /// The document-type name this document is written with, as given to the
    /// constructor.
    const QString& docTypeName() const { return m_docTypeName; }

    /// @name Navigation helpers
    /// Every lookup starts at the first child of the root element and walks
    /// its siblings. The root is the document element, so an XML declaration,
    /// a comment or a processing instruction ahead of it does not hide it.
    ///@{

    /// The first child of the root element: the first top-level node of the
    /// file; a null node when the document has no root or the root has no
    /// children.
    QDomNode getDomNodeFirstChild();
    /// Walks from @p node (itself included) through its following siblings,
    /// skipping nodes that are not elements, to the first element tagged
    /// @p name (exactly, case included).
    ///
    /// The walk moves the caller's @p node: after a hit it stands on the
    /// element found, after a miss it is null.
    /// @return The element, or a null element when there is none.
    QDomElement getChildElement(const QString& name, QDomNode& node);
    /// Whether getChildElement() would find an element tagged @p name; the
    /// caller's @p node does not move.
    bool hasChildElement(const QString& name, QDomNode& node);
    /// The top-level element tagged @p name; a null element when the document
    /// is empty or has none.
    QDomElement getElement(const QString& name);
    /// The value of attribute @p attr of @p e.
    ///
    /// An attribute that exists but holds a null value (one created without a
    /// value) is first set to "" in the document, so that it is saved as "".
    /// @return The value; a null string when @p e is null or has no attribute
    ///         @p attr.
    QString getChildAttr(const QString& attr, QDomElement& e);
    /// Sets attribute @p attr of @p e to @p value, but only when @p e is not
    /// null and already has that attribute: it never creates one (so every
    /// attribute an element may carry is created with the element) and never
    /// touches the changed flag.
    void setChildAttr(const QString& attr, const QString& value, QDomElement& e);
    /// The attribute "id" of @p e, as getChildAttr().
    QString getElementId(QDomElement e);
    /// Sets the attribute "id" of @p e, as setChildAttr().
    void setElementId(const QString& id, QDomElement& e);
    ///@}

    /// @name Blocks with an address
    /// The contractor and site blocks: a top-level element with text
    /// attributes and an "Address" child.
    ///@{

    /// Writes attribute @p attr of the top-level element @p block (only when
    /// the attribute exists) and sets the changed flag when the block exists,
    /// whether or not the attribute did; does nothing when the block is
    /// missing.
    void setBlockAttr(const QString& block, const QString& attr, const QString& value);
    /// Attribute @p attr of the top-level element @p block; an empty (not
    /// null) string when the block or the attribute is missing.
    QString getBlockAttr(const QString& block, const QString& attr);
    /// Writes @p address into the "Address" child of @p block and sets the
    /// changed flag; does nothing when the block or its "Address" child is
    /// missing.
    void setBlockAddress(const QString& block, Address& address);
    /// The "Address" child of @p block as a record; every field empty when the
    /// block or its "Address" child is missing.
    Address getBlockAddress(const QString& block);
    ///@}

    /// @name Settings list finders
    ///@{

    /// The list "PrintSettings_List" inside the top-level "Settings_List"; a
    /// null element when "Settings_List" is missing or empty or lacks the
    /// list.
    QDomElement getToPrintSettingsList();
    /// The list "PageSettings_List" inside "Settings_List"; null as for
    /// getToPrintSettingsList().
    QDomElement getToPageSettingsList();
    /// The list "ScaleSettings_List" inside "Settings_List"; null as for
    /// getToPrintSettingsList().
    QDomElement getToScaleSettingsList();
    ///@}

    /// @name Four-flag encoding
    /// The pairs in use of a test definition, as four characters "1" or "0".
    ///@{

    /// Encodes four flags, @p flags[0] first.
    /// @return The four characters; an empty string when @p flags is null.
    QString boolArrayToString(bool* flags) const;
    /// Decodes up to four flags into @p flags: "0" sets a flag false, "1" sets
    /// it true.
    /// @return True after four valid characters; false at once at the first
    ///         position that holds anything else or lies past the end of
    ///         @p text (the flags before it keep their new values, the rest are
    ///         untouched), and false when @p flags is null.
    bool stringToBoolArray(const QString& text, bool* flags) const;
    ///@}

    /// @name Catalogue list finders
    ///@{

    /// The top-level "TestDef_List"; a null element when there is none.
    QDomElement getToTestDefList();
    /// The top-level "BundledCable_List"; a null element when there is none.
    QDomElement getToBundledCableTypeList();
    ///@}

    /// The whole file in memory. The object owns it; element and node handles
    /// taken from it stay valid as long as the document does.
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
