#ifndef DUCTBOOK_H
#define DUCTBOOK_H

/*!
@file
The Ductbook class, the job document, and the words its interface is written
in. Including this header brings the template document (QvtEditor), their
base QVXMLEditor and every record the job's interface uses.

<!-- [glossary] -->
- **Tag.** Every item of a job (floor, sheet, room, port, vertical run,
  device, vertex, point, free text, cable, connection, active port) is an XML
  element, and its *tag* is that element's name: `FFloor_1`, `Room3`,
  `Port12`, `VerticalRun2`, `Cable40`. A tag is unique among the items of its
  kind in the whole job (ports and vertical runs share one set of tags), never
  changes while the item exists, and is not shown to the user. Records carry
  it in their `element()` field.
- **Id.** The item's user-visible name, stored in its attribute "id":
  `Floor_1`, `Office 2`, `P07`, `Cable012`. The host may rename an item; ids
  need not be unique (a file may repeat one), and an operation that looks an
  item up by id takes the first in document order. The id of a free text is
  its text.
- **byTag and tags.** An existence test or getter that takes `bool byTag`
  reads its name as a tag when the flag is true and as an id when it is false
  (Ductbook::portExists("Port3", true), Ductbook::portExists("P03", false)).
  A list getter that takes `bool tags` (or `bool byTag`) returns tags when the
  flag is true and ids when it is false, in the same order.
- **Add modes.** Every `add…` operation of Ductbook ends in `int mode`, which
  says where the new item's tag and id come from:
  - **0**: both are generated; the id argument is the prefix of the generated
    id (`"P"` gives `P01`, `P02`, …).
  - **1**: the tag is generated; the id argument is the id.
  - **2**: both are the caller's.
  - **3**: the tag argument is the tag; the id is generated from the id
    argument as prefix.

  Any other value acts as 0. A generated tag is the kind's prefix and a
  number: floors and sheets take the first free number from 1 (`FFloor_2`
  fills the gap between `FFloor_1` and `FFloor_3`); every other kind counts on
  from the number in its greatest existing tag, in string order, while the
  name is taken. Generated ids follow the same rules with the caller's prefix;
  port, vertical-run, device and active-port ids have at least two digits
  (`P01`), cable ids three (`Cable001`), and connections number their ids as
  their tags, without a prefix. A caller's tag (modes 2 and 3) must
  be a valid XML name that no item of the kind has yet; otherwise nothing is
  added. The add operations return the new tag, except that cables,
  connections and active ports return the new id; what each returns on
  failure is in its description.
- **The "Undefined" room.** Every floor has a room whose tag and id are both
  "Undefined". It is not drawn and not in the room map; it holds the ports and
  vertical runs that lie in no drawn room. Ductbook::roomExists and
  Ductbook::roomExistsOnFloor are true for it on every floor, it cannot be
  removed, and removing a drawn room moves the room's ports and vertical runs
  into it.
- **Riser lists.** A vertical run (a riser) carries two lists of cable tags,
  stored in its attributes "connected" and "disconnected" as the tags joined
  with ",". On each floor where a cable meets a riser, the riser lists the
  cable as *connected* when the cable is connected at this riser on this
  floor, and as *disconnected* when it only passes through. The length
  estimate and the routing of cables between floors read these lists.
  Removing a cable does not edit them: Ductbook::removeCableFromAllVRLists or
  Ductbook::fixBrokenVerticalRunCables does.
- **List names old and new.** The lists of a job are elements named in upper
  snake form: "Floor_List", "Room_List", "Port_List", "Cable_List". Some names
  changed between format versions: the vertical runs of a room were kept in
  "VertRun_List" (tags `VertRun…`) before version 2.1 and are kept in
  "VerticalRun_List" (tags `VerticalRun…`) since. Loading an older file
  renames such lists and tags in memory (the file on disk changes only when
  the job is saved); the current writer only ever writes the new names.
- **The changed flag.** QVXMLEditor::isChanged() tells whether the document
  holds edits that are not on disk. Creating, loading, saving and unloading a
  job clear it; Ductbook::setDirty sets or clears it for the host. Each
  operation's description says whether it sets the flag. Reading never sets
  it, not even when a getter repairs an older file by adding a missing
  attribute with its default value; a few setters (the floor attributes and
  the floor and sheet renames) leave the flag to the host.
<!-- [glossary] -->
*/

#include "ductbook_global.h"
#include "qvteditor.h"
#include "qvxmleditor.h"

#include "activeport.h"
#include "activetestresult.h"
#include "address.h"
#include "bundledcable.h"
#include "cable.h"
#include "contractordata.h"
#include "device.h"
#include "deviceconnection.h"
#include "floor.h"
#include "freetext.h"
#include "port.h"
#include "room.h"
#include "sheet.h"
#include "sitedata.h"
#include "testresults.h"
#include "vertice.h"
#include "vertrun.h"

#include <QMap>
#include <QPixmap>
#include <QPoint>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class DuctbookPrivate;

/// The job document: one process-wide object holding the job that is open in
/// the host. Every read and change of the job goes through it.
///
/// The host reaches it through Instance(), then creates a job with New() or
/// opens one with Load(), edits it through the item operations below and
/// writes it with save() or saveAs(). The job reaches the disk only through
/// save() and saveAs(); Export() writes a template file. The terms used throughout (tag and id,
/// byTag, the add modes, the "Undefined" room, the riser lists, the changed
/// flag) are explained in ductbook.h and on the main page, @ref glossary.
///
/// **Lookup maps.** Beside the XML tree the document keeps, per kind of item,
/// a map from tag to id, ordered by tag. The existence tests
/// (floorExists(), portExists(), …) and the map getters (getFloorTags(),
/// getPortId(), …) answer from the maps; every operation of this class keeps
/// them in step with the tree, and Load() rebuilds them. A host that edits the
/// tree another way calls updateAllInternalLists().
///
/// **Failures.** No operation throws or shows a dialog. A setter or remover
/// whose item is not found does nothing and, unless its description says
/// otherwise, leaves the changed flag alone; a
/// getter returns an empty string or list or a default record (whose
/// `element()` is empty). An add that cannot add returns what its description
/// says (an empty string, "Bad Floor", "Bad Sheet", or the tag it would have
/// used). The file operations return false and leave the reason in error().
///
/// **Cost.** Looking an item up by tag or by id costs the same in a job of ten
/// ports as in one of ten thousand; the operations that list or visit every
/// item of a floor or of the job cost what those items are.
class DUCTBOOK_EXPORT Ductbook : public QVXMLEditor
{
    Q_OBJECT
public:
    /// The job document. Created on the first call (or the first call after
    /// Destroy()) with an empty document: no root, no file name, the changed
    /// flag false; New() or Load() gives it a job.
    static Ductbook& Instance();
    /// Deletes the job document, when it exists, without saving anything; the
    /// next Instance() creates a new one. References obtained before are
    /// dangling afterwards.
    static void Destroy();

    /// @name Life of a job
    /// The creation, loading, saving and unloading of a job.
    ///@{

    /// Creates a new, untitled job in place of whatever the document held.
    ///
    /// The file name is the job folder of the application settings followed
    /// by "Untitled1.job", or the first of "Untitled2.job", "Untitled3.job", …
    /// that names no existing file; nothing is written. The job has the
    /// version "3.0", empty contractor and site blocks, one floor (tag
    /// `FFloor_1`, id "Floor_1", the default ceiling height of the settings,
    /// no plan), one sheet (tag `SSheet_1`, id "Sheet_1"), empty cable,
    /// connection, test definition, bundled cable type and active port lists,
    /// and every print, page and scale setting at its default. The lookup maps
    /// are rebuilt for it and the changed flag is cleared.
    /// @return The file name chosen.
    QString New();
    /// Creates a new job, as New(), under the given file name; ".job" is
    /// appended when the name does not end in it (any case). Nothing is
    /// written, and the changed flag is cleared.
    /// @return True; false for a null string (the document is then left as
    ///         it was and error() says "Null filename given to New(const
    ///         &Qstring)").
    virtual bool New(const QString& filename);
    /// Opens the job file @p filename in place of the current job.
    ///
    /// The file is read as ISO-8859-1, whatever it declares, and parsed; a
    /// file of an older format version (1.1 to 2.3) is converted to "3.0" in
    /// memory, step by step (the file on disk is untouched until the job is
    /// saved; getFileVersion() tells the version it had). The lookup maps are
    /// rebuilt and the changed flag is cleared.
    ///
    /// The file name is set to @p filename before anything is read, so it
    /// stays set after a failure. When the file is missing or cannot be
    /// opened, the document still holds the previous job (now under that
    /// name). When parsing or the conversion fails, the document and the
    /// lookup maps are left empty, the previous job is gone, and save()
    /// refuses to write: a damaged file is never replaced by a fragment of
    /// itself. After any failure the host calls Unload(), then New() or
    /// Load().
    /// @return True when the job was loaded. False with the reason in error():
    ///         "Empty or null filename in Ductbook::Load" (the file name is
    ///         then unchanged), "Job file … does not exist", the system's text
    ///         when the file cannot be opened, "Error parsing job file …" with
    ///         the line, column and parser message (or "Unable to parse job
    ///         file …"), or "Incompatible version of job file …" for a missing
    ///         or unknown version or a conversion that failed.
    virtual bool Load(const QString& filename);
    /// Empties the document: no root element, no lookup map entries, file name
    /// "", error() "Unloading", the changed flag false. The host calls New() or
    /// Load() before the next edit.
    virtual void Unload();
    /// Writes the job to its file name, then clears the changed flag.
    ///
    /// The file is written as ISO-8859-1 text through a temporary file that
    /// replaces the old one only once every byte is on disk, so a failed save
    /// leaves the previous file as it was. Pending riser list edits are
    /// written into the tree first. The same document always gives the same
    /// bytes.
    /// @return True when written. False, with the document and the flag
    ///         unchanged, when the file name is empty or just ".job" (error()
    ///         "Filename is Empty"), when the document is empty, after Unload()
    ///         or a failed Load() ("There is no job to save"), or when the file
    ///         cannot be written (the system's text).
    virtual bool save();
    /// Writes the job to @p filename, as save() does, and on success makes it
    /// the job's file name and clears the changed flag. An existing file is
    /// replaced; no extension is added.
    /// @return True when written. False, with file name and flag unchanged,
    ///         for an empty name or ".job" ("Filename is Empty"), a name that is
    ///         a folder ("Filename given is a directory"), an empty document,
    ///         or a write failure (the system's text).
    virtual bool saveAs(const QString& filename);
    ///@}

    /// True when the suffix of @p filename (the text after the last ".") is
    /// "job" in any case: `a.JOB` is a job file name, `a.job.bak` is not.
    static bool checkJobExtension(const QString& filename);
    /// True when the file's base name (up to its first ".") cut to eight
    /// characters is "untitled" in any case: `Untitled3.job` and
    /// `/jobs/UNTITLED12.job` are untitled, `Untitle.job` is not. The host uses
    /// it to ask for a name before the first save of a new job.
    static bool checkUntitledJob(const QString& filename);

    /// @name The changed flag, the default template and the format version
    ///@{

    /// Sets the changed flag to @p dirty; for the host, which marks the job
    /// changed after the edits that leave the flag to it.
    void setDirty(bool dirty);
    /// Sets the template file that the conversion of a version 2.1 job reads
    /// its default cable types from (see Load()). A null or empty path is
    /// ignored and the previous one kept. Touches neither the job nor the
    /// changed flag.
    void setDefaultQvtFile(const QString& path);
    /// The format version the last loaded file was written in ("2.3" for a
    /// file converted from 2.3 on loading, "3.0" for a current one); empty
    /// after New() and Unload().
    QString getFileVersion() const;
    ///@}

    /// @name Site block
    /// The top-level element "Site_Info" with the attributes "jobid",
    /// "company", "contact", "email" and "phone", and its child "Address"
    /// (see Address, SiteData). The accessors work as the contractor
    /// accessors of QVXMLEditor: a setter writes an attribute only where it
    /// exists and sets the changed flag whenever the block exists; it does
    /// nothing when the block is missing. A getter returns an empty string
    /// for a missing block or attribute.
    ///@{

    /// Sets the job number (attribute "jobid"); sets the changed flag when
    /// the block exists.
    void setSiteJobID(const QString& value);
    /// Sets the customer's company (attribute "company"); as setSiteJobID().
    void setSiteCompany(const QString& value);
    /// Sets the customer's contact person (attribute "contact"); as
    /// setSiteJobID().
    void setSiteContact(const QString& value);
    /// Sets the customer's e-mail address (attribute "email"); as
    /// setSiteJobID().
    void setSiteEmail(const QString& value);
    /// Sets the customer's phone number (attribute "phone"); as
    /// setSiteJobID().
    void setSitePhone(const QString& value);
    /// Writes the six fields of @p address into the block's "Address" element
    /// (each only where the attribute exists) and sets the changed flag. Does
    /// nothing when the block or its "Address" element is missing.
    void setSiteAddress(Address& address);
    /// Sets the whole site block: the five single-field setters, then
    /// setSiteAddress(). Sets the changed flag in every case, even when the
    /// document has no site block and nothing was written.
    void setSiteData(const QString& jobid, const QString& company, const QString& contact,
                     const QString& email, const QString& phone, Address& address);
    /// Sets the whole site block from a record; as the six-argument form.
    void setSiteData(SiteData& data);
    /// The job number; empty when the block or attribute is missing.
    QString getSiteJobID();
    /// The customer's company; empty when the block or attribute is missing.
    QString getSiteCompany();
    /// The customer's contact person; empty when the block or attribute is
    /// missing.
    QString getSiteContact();
    /// The customer's e-mail address; empty when the block or attribute is
    /// missing.
    QString getSiteEmail();
    /// The customer's phone number; empty when the block or attribute is
    /// missing.
    QString getSitePhone();
    /// The site address; an Address with every field empty when the block or
    /// its "Address" element is missing, and an empty field for each missing
    /// attribute.
    Address getSiteAddress();
    /// The whole site block, from the five getters and getSiteAddress().
    SiteData getSiteData();
    ///@}

    /// @name Release entries, release number and job notes
    /// Release entries are the attributes of the top-level element "Release",
    /// name and value, kept for the host. The release number is a member of
    /// the object only and never stored in the file. The job notes are the
    /// attribute "text" of the top-level element "JobNotes_Text".
    ///@{

    /// Creates or replaces the release entry @p name with @p value and sets
    /// the changed flag, even when the document has no "Release" element and
    /// nothing was written. Does nothing when the document is empty or
    /// @p name is not a valid XML attribute name (the saved file could not be
    /// read back).
    void addRelease(const QString& name, const QString& value);
    /// The value of the release entry @p name; empty when there is no such
    /// entry or no "Release" element.
    QString getRelease(const QString& name);
    /// Removes the release entry @p name and sets the changed flag; does
    /// nothing when there is no "Release" element.
    void removeRelease(const QString& name);
    /// Every release entry, name -> value; empty when there is none.
    QMap<QString, QString> getReleases();
    /// The release number kept for the host (0 after construction); not read
    /// from the file.
    int getRelease();
    /// Sets the release number kept for the host. Touches neither the
    /// document nor the changed flag.
    void setRelease(int release);
    /// Sets the job notes. Sets the changed flag only when the text differs
    /// from the stored one; does nothing when the job has no "JobNotes_Text"
    /// element.
    void setJobNotesText(const QString& text);
    /// The job notes; empty when the job has no "JobNotes_Text" element.
    QString getJobNotesText();
    ///@}

    /// @name Import and export with the template
    /// What moves between the job and the template document (QvtEditor).
    ///@{

    /// Takes the defaults of a template: its contractor data, all twelve
    /// print, page and scale settings entries, and the test definitions and
    /// bundled cable types the job lacks (an entry the job has keeps the
    /// job's version). The changed flag ends as it was before: a job with
    /// unsaved edits stays marked, a new one stays unchanged. Does nothing for
    /// null.
    void Import(QvtEditor* tmpl);
    /// Adds only the template's default test definitions and default bundled
    /// cable types (those whose default flag is set) that the job lacks;
    /// nothing else is touched. The changed flag ends as it was before. The
    /// upgrade of old jobs relies on it. Does nothing for null.
    void ImportMissingDefaultCableTypes(QvtEditor* tmpl);
    /// Writes the job's contractor data, settings, test definitions and
    /// bundled cable types as a new template file. The template singleton
    /// (QvtEditor::Instance()) then holds that template under @p filename;
    /// the job and its changed flag are not changed.
    /// @return True when written. False with the reason in error(): "Filename
    ///         is Empty" (empty name or just ".qvt"), "Filename given is a
    ///         directory", or the template's own save failure.
    bool Export(const QString& filename);
    ///@}

    /// @name Lookup maps
    /// Reads of the per-kind maps from tag to id (see the class description),
    /// the existence tests, and the renames of floors and sheets. None of these
    /// sets the changed flag. The lists of tags and ids a map gives are
    /// ordered by tag in string order (`FFloor_10` before `FFloor_2`); a
    /// reverse lookup (tag by id) gives the smallest tag with that id.
    ///@{

    /// The tags of all floors, in string order.
    QStringList getFloorTags();
    /// The ids of all floors, in the order of getFloorTags().
    QStringList getFloorIds();
    /// The id of the floor of tag @p tag; empty when there is none.
    QString getFloorIdByTag(const QString& tag);
    /// The tag of the floor whose id is @p id; empty when there is none.
    QString getFloorTagById(const QString& id);
    /// The tags of all sheets, in string order.
    QStringList getSheetTags();
    /// The ids of all sheets, in the order of getSheetTags().
    QStringList getSheetIds();
    /// The id of the sheet of tag @p tag; empty when there is none.
    QString getSheetIdByTag(const QString& tag);
    /// The tag of the sheet whose id is @p id; empty when there is none.
    QString getSheetTagById(const QString& id);
    /// The tags (@p byTag true) or ids (false) of all cables, in document
    /// order followed by the order of adding; each id once.
    QStringList getCables(bool byTag);
    /// The id of the cable of tag @p tag; empty when there is none.
    QString getCableID(const QString& tag);
    /// The tag of the cable whose id is @p id; empty when there is none. The
    /// usual way to the tag of a cable that addCable() just added, since
    /// addCable() returns the id.
    QString getCableElement(const QString& id);
    /// The tags of the cables whose "type" is @p type, as the cable type map
    /// holds them; empty for a type no cable has.
    QStringList getCablesByTypeFromMap(const QString& type);
    /// The tag of the connection whose id is @p id; empty when there is none.
    QString getConnectionTagById(const QString& id);
    /// The id of the port of tag @p tag; empty when there is none.
    QString getPortId(const QString& tag);
    /// The id of the active port of tag @p tag; empty when there is none.
    QString getActivePortId(const QString& tag);
    /// The id of the vertical run of tag @p tag; empty when there is none.
    QString getVertRunId(const QString& tag);
    /// The tag of the active port whose id is @p id; empty when there is none.
    QString getActivePortElement(const QString& id);
    /// The tag of the vertical run whose id is @p id; empty when there is
    /// none.
    QString getVertRunTag(const QString& id);

    /// Replaces the whole sheet map with @p tagToId; the document is not
    /// touched. For a host that renames sheets in bulk after writing their ids
    /// itself.
    void setAllSheetIDs(QMap<QString, QString> tagToId);
    /// Renames the sheet of tag @p tag: writes @p id into its "id" attribute
    /// (when the element has one) and into the sheet map. Does nothing for a
    /// tag that names no sheet. Does not set the changed flag; the host does.
    void setSheetID(const QString& tag, const QString& id);
    /// Replaces the whole floor map with @p tagToId; the document is not
    /// touched.
    void setAllFloorIds(QMap<QString, QString> tagToId);
    /// Renames the floor of tag @p tag; as setSheetID(), and likewise leaves
    /// the changed flag to the host.
    void setFloorId(const QString& tag, const QString& id);

    /// Whether a floor of that tag (@p byTag true) or id (false) exists.
    bool floorExists(const QString& name, bool byTag);
    /// Whether a sheet of that tag or id exists.
    bool sheetExists(const QString& name, bool byTag);
    /// Whether a cable of that tag or id exists.
    bool cableExists(const QString& name, bool byTag);
    /// Whether a connection of that tag or id exists.
    bool connectionExists(const QString& name, bool byTag);
    /// Whether a port of that tag or id exists, on any floor.
    bool portExists(const QString& name, bool byTag);
    /// Whether an active port of that tag or id exists.
    bool activePortExists(const QString& name, bool byTag);
    /// Whether a device of that tag or id exists, on any sheet.
    bool deviceExists(const QString& name, bool byTag);
    /// Whether a vertex (a bend point of a connection) of that tag or id
    /// exists, on any sheet.
    bool verticeExists(const QString& name, bool byTag);
    /// Whether a cable path point of that tag or id exists, on any floor.
    bool pointExists(const QString& name, bool byTag);
    /// Whether a free text of that tag or text exists, on any sheet.
    bool freeTextExists(const QString& name, bool byTag);
    /// Whether a free text of that tag or text exists, on any floor.
    bool floorFreeTextExists(const QString& name, bool byTag);
    /// Whether a vertical run of that tag or id exists, on any floor.
    bool vertRunExists(const QString& name, bool byTag);
    /// Whether a port or a vertical run of that tag or id exists: the test
    /// that keeps the shared names of the two kinds apart.
    bool portOrVertRunExists(const QString& name, bool byTag);
    /// Whether a drawn room of that tag or id exists on any floor; always true
    /// for "Undefined".
    bool roomExists(const QString& name, bool byTag);
    /// Whether the floor of tag @p floorTag has a room of that tag or id;
    /// always true for "Undefined", even on a floor that does not exist.
    bool roomExistsOnFloor(const QString& floorTag, const QString& name, bool byTag);

    /// Not used by the library itself; hands out the connection list
    /// ("Connection_List"), creating it at the end of the root when it is
    /// missing, as it always has. A null element for an empty document. Does
    /// not set the changed flag.
    QDomElement getToJobNotesList();

    /// The number of items of each kind as the lookup maps hold them, keyed by
    /// kind ("floors", "sheets", "rooms", "ports", "vertical runs", "points",
    /// "floor texts", "devices", "vertices", "sheet texts", "cables",
    /// "connections", "active ports"). The "Undefined" rooms are not counted.
    QMap<QString, int> itemCounts() const;
    ///@}

    /// @name Floors and sheets
    /// A floor is a storey with its plan: an element of "Floor_List" holding
    /// the rooms (with the "Undefined" room), the cable path points and the
    /// floor texts. A sheet is a page of the network drawing: an element of
    /// "Sheet_List" holding devices, vertices and sheet texts. Both are named
    /// by tag.
    ///@{

    /// Adds a floor at the end of the floor list, with an empty room list that
    /// holds the "Undefined" room, and sets the changed flag.
    ///
    /// @p mode is an add mode (see @ref glossary): a generated tag is
    /// "FFloor_" and the first free number from 1; a generated id is @p id
    /// followed by the first number from 1 that no floor id has ("Floor_"
    /// gives "Floor_1"). @p ceilingHeight is in the job's length unit; @p pic
    /// is the path of the plan's picture, or empty.
    /// @return The floor's tag; "Bad Floor", with nothing added, when the job
    ///         has no floor list or the tag is not a valid XML name or is
    ///         taken by another floor.
    QString addFloor(const QString& tag, const QString& id, double ceilingHeight,
                     const QString& pic, int mode);
    /// Adds a floor from a record (its element, id, ceiling height and
    /// picture); as the five-argument form.
    QString addFloor(Floor floor, int mode);
    /// Adds a sheet at the end of the sheet list, with empty device, vertex
    /// and text lists, and sets the changed flag. Generated tags are "SSheet_"
    /// and the first free number; generated ids follow @p id as for floors.
    /// @return The sheet's tag; "Bad Sheet", with nothing added, when the job
    ///         has no sheet list or the tag is not a valid XML name or is
    ///         taken by another sheet.
    QString addSheet(const QString& tag, const QString& id, int mode);
    /// Adds a sheet from a record (its element and id); as the three-argument
    /// form.
    QString addSheet(Sheet sheet, int mode);
    /// The floor of tag @p tag: its tag, id, picture and ceiling height. A
    /// floor written without "pic" or "ceiling_height" gets them ("" and 8)
    /// on this read, without the changed flag being set.
    /// @return The floor; a default Floor when there is none.
    Floor getFloor(const QString& tag);
    /// The sheet of tag @p tag; a default Sheet when there is none.
    Sheet getSheet(const QString& tag);
    /// The path of the floor's plan picture (attribute "pic", added empty
    /// when missing); empty when there is no such floor.
    QString getFloorBackgroundPic(const QString& tag);
    /// Where the plan picture is placed on the floor drawing (attributes
    /// "pic_x" and "pic_y", added as 0 when missing); (0, 0) when there is no
    /// such floor.
    QPoint getFloorBackgroundOrigin(const QString& tag);
    /// How the plan picture is fitted (attribute "option", added as "Center"
    /// when missing); empty when there is no such floor.
    QString getBackgroundOption(const QString& tag);
    /// The floor's ceiling height in the job's length unit (attribute
    /// "ceiling_height", added as 8 when missing); 8 when there is no such
    /// floor.
    double getFloorCeilingHeight(const QString& tag);
    /// Sets the floor's plan picture and its placement (attributes "pic",
    /// "pic_x", "pic_y", created when missing). Does nothing for an unknown
    /// floor. Does not set the changed flag; the host does.
    void setFloorBackgroundPic(const QString& tag, const QString& pic, int x, int y);
    /// Sets how the plan picture is fitted (attribute "option", created when
    /// missing). Does nothing for an unknown floor; does not set the changed
    /// flag.
    void setBackgroundOption(const QString& tag, const QString& option);
    /// Sets the floor's ceiling height (written in its shortest form, 8.0 as
    /// "8"). Does nothing for an unknown floor; does not set the changed flag.
    void setFloorCeilingHeight(const QString& tag, double height);
    /// The number in a floor tag, two digits at least: "03" for `FFloor_3`,
    /// "12" for `FFloor_12`; "1" for an empty tag and "00" for a tag without
    /// a number after its first "_". The floor need not exist. The length
    /// estimate orders floors by this number.
    QString getFloorNumber(const QString& tag);
    /// The number in a sheet tag, as getFloorNumber() ("00" for an empty
    /// tag).
    QString getSheetNumber(const QString& tag);
    /// Removes the floor of tag @p tag with everything on it, and sets the
    /// changed flag.
    ///
    /// Every cable that ends at a port of the floor is removed first, whatever
    /// its type, so that no cable is left naming a port that no longer
    /// exists; those cables stay named in the riser lists of other floors
    /// until fixBrokenVerticalRunCables() or removeCableFromAllVRLists().
    /// Connections, and the items of other floors, are not touched. Does
    /// nothing for an unknown floor.
    void removeFloor(const QString& tag);
    /// Removes the floor whose id is the record's id (the first such floor
    /// in tag order); as removeFloor(const QString&).
    void removeFloor(Floor& floor);
    /// Removes the sheet of tag @p tag with its devices, vertices and texts,
    /// and sets the changed flag. Connections that name its devices are left
    /// as they are. Does nothing for an unknown sheet.
    void removeSheet(const QString& tag);

    /// Copies everything on floor @p fromTag onto the existing floor @p toTag,
    /// and sets the changed flag. Does nothing when either floor is missing.
    ///
    /// Copied are: the cable path points (new tags, ids generated from the
    /// prefix "Point"), the floor texts, the drawn rooms (new tags, same
    /// ids), the ports and vertical runs into the copies of their rooms (new
    /// tags; an id that is taken gets the first free letter appended, "P07"
    /// becoming "P07A"; runs start with empty riser lists), and each cable
    /// that ends at a port of the floor and whose type is a test definition
    /// of the job. A cable's copy joins the copied ends, follows the copied
    /// points, is untested, and gets a new bundle group number where the
    /// original was in a bundle (copies of one bundle share the new number).
    /// Of a cable between floors only this floor's end and this floor's part
    /// of the path are copied, and the copy is listed as disconnected in the
    /// copy of its riser.
    ///
    /// A cable's copy takes the id @p cableIds gives for the original's id
    /// when @p useCableIds is true and the map has it; otherwise it gets a
    /// generated "Cable" id.
    void copyFloor(const QString& fromTag, const QString& toTag, QMap<QString, QString> cableIds,
                   bool useCableIds);
    /// Copies every device, vertex and text of sheet @p fromTag onto the
    /// existing sheet @p toTag, each added in mode 0 (a new tag, an id
    /// generated with the old id as prefix; a text keeps its text), and sets
    /// the changed flag. Connections are not copied. Does nothing when either
    /// sheet is missing.
    void copySheet(const QString& fromTag, const QString& toTag);
    ///@}

    /// @name Rooms
    /// A room is an element of a floor's "Room_List" with its position, size,
    /// name placement, layer and display flags, and its own port and
    /// vertical-run lists. Room tags are unique in the job; room ids are
    /// unique per floor only. Every floor also has the "Undefined" room (see
    /// @ref glossary). Setters name the room by floor tag and room id and act
    /// on the first room of the floor with that id.
    ///@{

    /// Adds a room at the end of the floor's room list and sets the changed
    /// flag.
    ///
    /// @p x, @p y, @p width and @p height place it on the floor drawing;
    /// @p nameX and @p nameY place its name; @p showDimensions,
    /// @p showRoomName and @p layer are stored as given. @p mode is an add
    /// mode: a generated tag is "Room" followed by one more than the number
    /// in the greatest room tag; a generated id is @p id followed by one more
    /// than the number in the greatest room id with that prefix, counted up
    /// while a room of this floor has it.
    /// @return The room's tag. The tag is returned also when nothing was
    ///         added: when the floor or its room list is missing, or a tag the
    ///         caller gave is not a valid XML name or names a room anywhere in
    ///         the job. A caller that supplies a tag tests it with
    ///         roomExists() first.
    QString addRoom(const QString& floor, int x, int y, int width, int height, const QString& tag,
                    const QString& id, int nameX, int nameY, int showDimensions, int showRoomName,
                    int layer, int mode);
    /// Adds a room from a record, on the record's floor; its coordinates are
    /// cut to whole numbers (out-of-range values to the nearest int, NaN to
    /// 0). As the thirteen-argument form.
    QString addRoom(Room& room, int mode);
    /// The room of tag @p tag on floor @p floor. "Undefined" gives a record
    /// with element and id "Undefined" and nothing else. A room written
    /// without "layer", "show_name" or "show_dimensions" gets them (3) on
    /// this read, without the changed flag being set.
    /// @return The room; a default Room when there is none.
    Room getRoomByTag(const QString& floor, const QString& tag);
    /// The room of tag @p tag on whichever floor holds it; as the two-argument
    /// form.
    Room getRoomByTag(const QString& tag);
    /// The first room of floor @p floor whose id is @p id; a default Room when
    /// there is none. For "Undefined", a record with the element and id only.
    Room getRoomById(const QString& floor, const QString& id);
    /// The tags (@p tags true) or ids of all rooms of the floor, in document
    /// order, the "Undefined" room included; empty for an unknown floor.
    QStringList getRooms(const QString& floor, bool tags);
    /// Moves and resizes every room of the floor whose id is @p id (each
    /// attribute written only where it exists), and sets the changed flag
    /// when there was one.
    void setRoomPos(const QString& floor, const QString& id, int x, int y, int width, int height);
    /// Renames the first room of the floor whose id is @p id to @p newId, in
    /// the element and in the room map, and sets the changed flag. No check
    /// that @p newId is free.
    void setRoomName(const QString& floor, const QString& id, const QString& newId);
    /// Places the name of the first room of the floor whose id is @p id
    /// (attributes "namex", "namey", created when missing) and sets the
    /// changed flag.
    void setRoomNamePos(const QString& floor, const QString& id, const QPoint& pos);
    /// Sets the drawing layer of the room (attribute "layer", created when
    /// missing) and sets the changed flag.
    void setRoomLayer(const QString& floor, const QString& id, int layer);
    /// Sets whether the room's name is shown (attribute "show_name", created
    /// when missing) and sets the changed flag.
    void setShowRoomName(const QString& floor, const QString& id, int value);
    /// Sets whether the room's dimensions are shown (attribute
    /// "show_dimensions", created when missing) and sets the changed flag.
    void setShowRoomDimensions(const QString& floor, const QString& id, int value);
    /// Removes the room of tag @p tag from floor @p floor and sets the changed
    /// flag. Its ports and vertical runs move to the floor's "Undefined" room
    /// with tag, id and every attribute unchanged, so no cable loses an end.
    /// Does nothing for "Undefined" or a room that is not on the floor.
    void removeRoom(const QString& floor, const QString& tag);
    /// Removes the record's room (its floor and element); as the two-argument
    /// form.
    void removeRoom(Room& room);
    ///@}

    /// @name Ports, devices, vertices, points and free texts
    /// The small items of the two drawings. On a floor: ports (in the port
    /// list of a room), cable path points and floor texts. On a sheet:
    /// devices, vertices (the bend points of connections) and sheet texts.
    /// Positions are whole drawing units. Items that share a kind of name are
    /// told apart by their container: a port by floor and room tag, a point
    /// or floor text by floor tag, a device, vertex or sheet text by sheet
    /// tag.
    ///
    /// A port stored at x = -1 has no place on the plan: the getters that
    /// search one floor by tag or id pass over it. Removing an item removes
    /// only the item: cables and connections that name it stay, and the
    /// caller removes them first.
    ///@{

    /// Adds a port at the end of the port list of room @p room on floor
    /// @p floor and sets the changed flag.
    ///
    /// @p use is the port's use (see getUses()), @p iconScale the size of its
    /// icon, @p dropHeight the height of its cable drop in the job's length
    /// unit. @p mode is an add mode: a generated tag is "Port" followed by one
    /// more than the number in the greatest port tag, counted up while a port
    /// or vertical run has it; a generated id is @p id followed by a number of
    /// at least two digits ("P" gives "P01"), counted likewise over port and
    /// vertical-run ids.
    /// @return The port's tag. The tag is returned also when nothing was
    ///         added: when the floor, room or port list is missing, a tag the
    ///         caller gave is not a valid XML name or is used by a port or
    ///         vertical run, or the room already holds it. A caller that
    ///         supplies a tag tests it with portOrVertRunExists() first.
    QString addPort(const QString& floor, const QString& room, int x, int y, const QString& tag,
                    const QString& id, const QString& use, const QString& iconScale,
                    double dropHeight, int mode);
    /// Adds a port from a record, into its floor and room; as the ten-argument
    /// form, except that it sets the changed flag even when nothing was added.
    QString addPort(Port& port, int mode);
    /// Adds a device at the end of the sheet's device list (created when the
    /// sheet lacks it) and sets the changed flag. @p ip is its network
    /// address, @p pic its picture (which gives its type, see
    /// getDeviceType()). Generated tags are "Device" and a number, generated
    /// ids @p id and a number of at least two digits.
    /// @return The device's tag; returned also when nothing was added (an
    ///         unknown sheet, a tag that is not a valid XML name or that a
    ///         device has).
    QString addDevice(const QString& sheet, int x, int y, const QString& tag, const QString& id,
                      const QString& ip, const QString& pic, const QString& iconScale, int mode);
    /// Adds a device from a record, on its sheet; as the nine-argument form,
    /// except that it sets the changed flag even when nothing was added.
    QString addDevice(Device& device, int mode);
    /// Adds a vertex (a bend point of a connection) to the sheet and sets the
    /// changed flag. Generated tags are "Vertice" and a number, generated ids
    /// @p id and a plain number.
    /// @return The vertex's tag; returned also when nothing was added, as for
    ///         addDevice().
    QString addVertice(const QString& sheet, int x, int y, const QString& tag, const QString& id,
                       int mode);
    /// Adds a vertex from a record, on its sheet; as the six-argument form.
    QString addVertice(Vertice& vertice, int mode);
    /// Adds a cable path point to the floor and sets the changed flag.
    /// Generated tags are "Point" and a number, generated ids @p id and a
    /// plain number. Cable paths name points by id.
    /// @return The point's tag; returned also when nothing was added, as for
    ///         addDevice().
    QString addPoint(const QString& floor, int x, int y, const QString& tag, const QString& id,
                     int mode);
    /// Adds a point from a Vertice record whose `sheet()` holds the floor's
    /// tag; as the six-argument form.
    QString addPoint(Vertice& point, int mode);
    /// Adds a text to the sheet and sets the changed flag. The tag is always
    /// generated ("TText" and a number) and the text is the item's id.
    /// @return The text's tag; returned also when the sheet is unknown and
    ///         nothing was added.
    QString addFreeText(const QString& sheet, int x, int y, const QString& text, int fontSize);
    /// Adds a sheet text from a record (its sheet, position, text as id and
    /// font size); @p mode is ignored, the tag is always generated.
    QString addFreeText(FreeText text, int mode);
    /// Adds a text to the floor plan; as addFreeText() for a sheet.
    QString addFloorFreeText(const QString& floor, int x, int y, const QString& text, int fontSize);
    /// Adds a floor text from a FreeText record whose `sheet()` holds the
    /// floor's tag; @p mode is ignored.
    QString addFloorFreeText(FreeText text, int mode);

    /// The port of tag @p tag in room @p room of floor @p floor. A port
    /// written without "drop_height" or "icon_scale" gets them (7 and
    /// "not_specified") on this read, without the changed flag being set.
    /// @return The port; a default Port when there is none.
    Port getPortByTag(const QString& floor, const QString& room, const QString& tag);
    /// The first port of the room whose id is @p id; a default Port when
    /// there is none.
    Port getPortById(const QString& floor, const QString& room, const QString& id);
    /// The port of tag @p tag on floor @p floor, in whichever room; a default
    /// Port when there is none or it is stored at x = -1.
    Port getPortByTag(const QString& floor, const QString& tag);
    /// The first port of floor @p floor whose id is @p id, rooms asked in
    /// document order and a port at x = -1 passed over; a default Port when
    /// there is none.
    Port getPortById(const QString& floor, const QString& id);
    /// The port of tag @p tag anywhere in the job; a default Port when there
    /// is none.
    Port getPortByTag(const QString& tag);
    /// The first port whose id is @p id, floors in tag order and rooms in
    /// document order; a default Port when there is none. Cable ends name
    /// ports by id, and this is how they are found.
    Port getPortById(const QString& id);
    /// The device of tag @p tag on the sheet; a default Device when there is
    /// none. A device written without "icon_scale" gets it
    /// ("not_specified") on this read.
    Device getDeviceByTag(const QString& sheet, const QString& tag);
    /// The first device of the sheet whose id is @p id; a default Device when
    /// there is none.
    Device getDeviceById(const QString& sheet, const QString& id);
    /// The first device whose id is @p id, sheets in tag order; a default
    /// Device when there is none.
    Device getDeviceById(const QString& id);
    /// The device of tag @p tag on any sheet; a default Device when there is
    /// none.
    Device getDevice(const QString& tag);
    /// The vertex of tag @p tag on the sheet; a default Vertice when there is
    /// none.
    Vertice getVerticeByTag(const QString& sheet, const QString& tag);
    /// The first vertex of the sheet whose id is @p id; a default Vertice when
    /// there is none.
    Vertice getVerticeById(const QString& sheet, const QString& id);
    /// The vertex of tag @p tag on any sheet; a default Vertice when there is
    /// none.
    Vertice getVertice(const QString& tag);
    /// The point of tag @p tag on the floor, as a Vertice whose `sheet()`
    /// holds the floor's tag; a default Vertice when there is none.
    Vertice getPointByTag(const QString& floor, const QString& tag);
    /// The first point of the floor whose id is @p id; a default Vertice when
    /// there is none.
    Vertice getPointById(const QString& floor, const QString& id);
    /// The first point whose id is @p id, floors in tag order; a default
    /// Vertice when there is none.
    Vertice getPointById(const QString& id);
    /// The text of tag @p tag on the sheet; a default FreeText when there is
    /// none.
    FreeText getFreeTextByTag(const QString& sheet, const QString& tag);
    /// The text of tag @p tag on any sheet; a default FreeText when there is
    /// none.
    FreeText getFreeText(const QString& tag);
    /// The text of tag @p tag on the floor, as a FreeText whose `sheet()`
    /// holds the floor's tag; a default FreeText when there is none.
    FreeText getFloorFreeTextByTag(const QString& floor, const QString& tag);
    /// The floor text of tag @p tag on any floor; a default FreeText when
    /// there is none.
    FreeText getFloorFreeText(const QString& tag);

    /// The tags (@p tags true) or ids of the ports of one room, in document
    /// order; empty for an unknown floor or room.
    QStringList getPorts(const QString& floor, const QString& room, bool tags);
    /// The tags or ids of the ports of every room of the floor, rooms and
    /// ports in document order.
    QStringList getPorts(const QString& floor, bool tags);
    /// The tags or ids of all ports of the job, floors in tag order.
    QStringList getPorts(bool tags);
    /// The tags or ids of the devices of the sheet, in document order.
    QStringList getDevices(const QString& sheet, bool tags);
    /// The tags or ids of all devices, sheets in tag order.
    QStringList getDevices(bool tags);
    /// The tags or ids of the vertices of the sheet, in document order.
    QStringList getVertices(const QString& sheet, bool tags);
    /// The tags or ids of the points of the floor, in document order.
    QStringList getPoints(const QString& floor, bool tags);
    /// The tags or texts of the texts of the sheet, in document order.
    QStringList getFreeTexts(const QString& sheet, bool tags);
    /// The tags or texts of the texts of the floor, in document order.
    QStringList getFloorFreeTexts(const QString& floor, bool tags);
    /// The tags of all ports whose use is exactly @p use, floors in tag order.
    QStringList getPortsByUse(const QString& use);
    /// The tags of the ports of the floor whose use is exactly @p use.
    QStringList getPortsByUse(const QString& floor, const QString& use);
    /// The twelve device types, in the order of the device table.
    QStringList getDeviceTypes();
    /// The type of the device of tag @p deviceTag (on any sheet): the type
    /// whose picture is the device's picture; empty for a device with a
    /// picture of its own or an unknown device.
    QString getDeviceType(const QString& deviceTag);
    /// The tags of all devices of type @p type, sheets in tag order.
    QStringList getDevicesByType(const QString& type);
    /// The tags of the devices of the sheet whose type is @p type.
    QStringList getDevicesByType(const QString& sheet, const QString& type);

    /// Moves the port of tag @p tag in the room (attributes "x" and "y",
    /// written where they exist) and sets the changed flag.
    void setPortPos(const QString& floor, const QString& room, const QString& tag, int x, int y);
    /// Sets the port's drop height (up to six significant digits, written
    /// where the attribute exists) and sets the changed flag.
    void setPortDropHeight(const QString& floor, const QString& room, const QString& tag,
                           double height);
    /// Gives the port of tag @p tag the id @p newId, in the element and the
    /// port map, and sets the changed flag. No check that @p newId is free;
    /// cables that named the old id keep naming it.
    void renamePort(const QString& floor, const QString& room, const QString& tag,
                    const QString& newId);
    /// Sets the icon size of the first port of the room whose id is @p id
    /// (attribute "icon_scale", created when missing) and sets the changed
    /// flag.
    void setPortIconScale(const QString& floor, const QString& room, const QString& id,
                          const QString& scale);
    /// Moves the port whose id is @p id on the floor (as getPortById(floor,
    /// id) finds it) into room @p newRoom, at the end of its list, with its
    /// tag, id, position, use, icon size and drop height; sets the changed
    /// flag. Does nothing when the port is not found, already in that room,
    /// or the new room is missing or already holds the tag: a port never
    /// leaves one room without arriving in another.
    void setPortRoom(const QString& floor, const QString& id, const QString& newRoom);
    /// Moves every device of the sheet whose id is @p id (attributes written
    /// where they exist) and sets the changed flag when there was one.
    void setDevicePos(const QString& sheet, const QString& id, int x, int y);
    /// Gives the device of tag @p tag the id @p id (element and map) and sets
    /// the changed flag.
    void setDeviceID(const QString& sheet, const QString& tag, const QString& id);
    /// Sets the device's network address (attribute "ip", written where it
    /// exists) and sets the changed flag.
    void setDeviceIP(const QString& sheet, const QString& tag, const QString& ip);
    /// setDeviceID() and setDeviceIP() in one call; sets the changed flag.
    void setDeviceProperties(const QString& sheet, const QString& tag, const QString& id,
                             const QString& ip);
    /// Sets the device's icon size (attribute "icon_scale", created when
    /// missing) and sets the changed flag.
    void setDeviceIconScale(const QString& sheet, const QString& tag, const QString& scale);
    /// Moves the vertex of tag @p tag (attributes written where they exist)
    /// and sets the changed flag.
    void setVerticePos(const QString& sheet, const QString& tag, int x, int y);
    /// Moves the point of tag @p tag on the floor; as setVerticePos().
    void setPointPos(const QString& floor, const QString& tag, int x, int y);
    /// Moves the sheet text of tag @p tag; as setVerticePos().
    void setFreeTextPos(const QString& sheet, const QString& tag, int x, int y);
    /// Moves the floor text of tag @p tag; as setVerticePos().
    void setFloorFreeTextPos(const QString& floor, const QString& tag, int x, int y);
    /// Replaces the text of the sheet text of tag @p tag (its id) and sets the
    /// changed flag.
    void setFreeTextID(const QString& sheet, const QString& tag, const QString& text);
    /// Replaces the text of the floor text of tag @p tag and sets the changed
    /// flag.
    void setFloorFreeTextID(const QString& floor, const QString& tag, const QString& text);
    /// Sets the font size of the sheet text of tag @p tag (attribute
    /// "fontSize", written where it exists) and sets the changed flag.
    void setFreeTextFontSize(const QString& sheet, const QString& tag, int size);
    /// Sets the font size of the floor text of tag @p tag; as
    /// setFreeTextFontSize().
    void setFloorFreeTextFontSize(const QString& floor, const QString& tag, int size);
    /// Moves the device of tag @p tag by (@p dx, @p dy), the sums held within
    /// the range of int, and sets the changed flag.
    void moveDevice(const QString& sheet, const QString& tag, int dx, int dy);
    /// Moves the vertex of tag @p tag by (@p dx, @p dy); as moveDevice().
    void moveVertice(const QString& sheet, const QString& tag, int dx, int dy);
    /// Moves the point of tag @p tag on the floor by (@p dx, @p dy); as
    /// moveDevice().
    void movePoint(const QString& floor, const QString& tag, int dx, int dy);

    /// Removes the port of tag @p tag from the room and sets the changed flag.
    /// Cables that end at it are left; remove them first (getCables(const
    /// QString&) lists them).
    void removePort(const QString& floor, const QString& room, const QString& tag);
    /// Removes the record's port (its floor, room and element).
    void removePort(Port& port);
    /// Removes the device of tag @p tag from the sheet and sets the changed
    /// flag; connections that name it are left.
    void removeDevice(const QString& sheet, const QString& tag);
    /// Removes the record's device (its sheet and element).
    void removeDevice(Device& device);
    /// Removes the vertex of tag @p tag from the sheet and sets the changed
    /// flag.
    void removeVertice(const QString& sheet, const QString& tag);
    /// Removes the record's vertex (its sheet and element).
    void removeVertice(Vertice& vertice);
    /// Removes the point of tag @p tag from the floor and sets the changed
    /// flag; cable paths that name it keep the name (the length estimate
    /// passes over it).
    void removePoint(const QString& floor, const QString& tag);
    /// Removes the point of a Vertice record whose `sheet()` holds the floor's
    /// tag.
    void removePoint(Vertice& point);
    /// Removes the sheet text of tag @p tag and sets the changed flag.
    void removeFreeText(const QString& sheet, const QString& tag);
    /// Removes the record's sheet text (its sheet and element).
    void removeFreeText(FreeText& text);
    /// Removes the floor text of tag @p tag and sets the changed flag.
    void removeFloorFreeText(const QString& floor, const QString& tag);
    /// Removes the floor text of a FreeText record whose `sheet()` holds the
    /// floor's tag.
    void removeFloorFreeText(FreeText& text);
    ///@}

    /// @name Vertical runs
    /// A vertical run (a riser) is an element of a room's "VerticalRun_List",
    /// placed like a port and carried as a VertRun record; it holds the riser
    /// lists of the cables that pass through it (see @ref glossary). Run tags
    /// and ids share one set of names with ports. A run stored at x = -1 has
    /// no place on the plan: the getters that search one floor pass over it.
    /// The "all runs" walks take the floors in tag order and the rooms and
    /// runs in document order.
    ///@{

    /// Adds a vertical run at the end of the run list of room @p room on floor
    /// @p floor, with the riser lists @p connected and @p disconnected (cable
    /// tags), and sets the changed flag.
    ///
    /// @p mode is an add mode: a generated tag is "VerticalRun" and a number
    /// that no port or run has; a generated id is @p id and a number of at
    /// least two digits that no port or run has.
    /// @return The run's tag. The tag is returned also when nothing was added:
    ///         when the floor, room or run list is missing, or a tag the caller
    ///         gave is not a valid XML name or is used by a port or run, or the
    ///         room already holds it.
    QString addVertRun(const QString& floor, const QString& room, int x, int y,
                       QStringList& connected, QStringList& disconnected, const QString& tag,
                       const QString& id, const QString& use, const QString& iconScale,
                       double dropHeight, int mode);
    /// Adds a run from a record, into its floor and room; as the twelve-argument
    /// form.
    QString addVertRun(VertRun& run, int mode);
    /// The run of tag @p tag in the room. A run written without "icon_scale"
    /// or "drop_height" gets them ("not_specified" and 0) on this read,
    /// without the changed flag being set.
    /// @return The run with its riser lists; a default VertRun (empty lists)
    ///         when there is none.
    VertRun getVertRunByTag(const QString& floor, const QString& room, const QString& tag);
    /// The first run of the room whose id is @p id; a default VertRun when
    /// there is none or @p floor or @p room is empty.
    VertRun getVertRunById(const QString& floor, const QString& room, const QString& id);
    /// The run of tag @p tag on the floor, in whichever room; a default
    /// VertRun when there is none or it is stored at x = -1.
    VertRun getVertRunByTag(const QString& floor, const QString& tag);
    /// The first run of the floor whose id is @p id, rooms in document order
    /// and a run at x = -1 passed over; a default VertRun when there is none.
    VertRun getVertRunById(const QString& floor, const QString& id);
    /// The run of tag @p tag anywhere in the job; a default VertRun when there
    /// is none.
    VertRun getVertRunByTag(const QString& tag);
    /// The first run whose id is @p id anywhere in the job; a default VertRun
    /// when there is none.
    VertRun getVertRunById(const QString& id);
    /// The tag of the floor that holds the run of tag @p tag; empty when there
    /// is none.
    QString getVertRunFloor(const QString& tag);
    /// The tag of the room that holds the run of tag @p tag; empty when there
    /// is none.
    QString getVertRunRoom(const QString& tag);
    /// The use of the run of tag @p tag; empty when there is none.
    QString getVertRunUse(const QString& tag);
    /// The icon size of the run of tag @p tag; empty when there is none.
    QString getVertRunIconScale(const QString& tag);
    /// The tags of all runs of the job.
    QStringList getVertRuns();
    /// The tags (@p tags true) or ids of the runs of every room of the floor.
    QStringList getVertRuns(const QString& floor, bool tags);
    /// The tags or ids of the runs of one room, in document order.
    QStringList getVertRuns(const QString& floor, const QString& room, bool tags);
    /// The cables connected at the run of tag @p tag; empty when there is no
    /// such run.
    QStringList getVertRunConnectedList(const QString& tag);
    /// The cables that pass through the run of tag @p tag; empty when there is
    /// no such run.
    QStringList getVertRunDisconnectedList(const QString& tag);
    /// Replaces the connected list of the run of tag @p tag in the room with
    /// @p joined (cable tags joined with ","), where the run has the
    /// attribute, and sets the changed flag when the run exists.
    void setVertRunConnectedList(const QString& floor, const QString& room, const QString& tag,
                                 const QString& joined);
    /// Replaces the disconnected list; as setVertRunConnectedList().
    void setVertRunDisconnectedList(const QString& floor, const QString& room, const QString& tag,
                                    const QString& joined);
    /// Adds @p cableTag to the connected list of the run of tag @p runTag
    /// (anywhere in the job) unless it is there already, creating the list
    /// when the run lacks it, and sets the changed flag. Does nothing for an
    /// unknown run or an empty cable tag.
    void addConnectedCableToVertRun(const QString& runTag, const QString& cableTag);
    /// Adds @p cableTag to the disconnected list; as
    /// addConnectedCableToVertRun().
    void addDisconnectedCableToVertRun(const QString& runTag, const QString& cableTag);
    /// Removes every occurrence of @p cableTag from the connected list of the
    /// run of tag @p runTag and sets the changed flag when the run exists.
    void removeConnectedCableFromVertRun(const QString& runTag, const QString& cableTag);
    /// Removes @p cableTag from the disconnected list; as
    /// removeConnectedCableFromVertRun().
    void removeDisconnectedCableFromVertRun(const QString& runTag, const QString& cableTag);
    /// The tags of the runs whose connected list holds @p cableTag, in walk
    /// order.
    QStringList findCableConnectedLists(const QString& cableTag);
    /// The tags of the runs whose disconnected list holds @p cableTag, in walk
    /// order.
    QStringList findCableDisconnectedLists(const QString& cableTag);
    /// The same as findCableConnectedLists(), under its other name.
    QStringList getVertRunsWithCableInConnectedList(const QString& cableTag);
    /// The same as findCableDisconnectedLists(), under its other name.
    QStringList getVertRunsWithCableInDisconnectedList(const QString& cableTag);
    /// Removes @p cableTag from both lists of every run; sets the changed flag
    /// when some list held it.
    void removeCableFromAllVRLists(const QString& cableTag);
    /// In every list that holds @p oldTag, removes it and appends @p newTag
    /// (once, and not when it is empty); sets the changed flag when some list
    /// held the old tag. Does nothing when the two are equal.
    void renameCableInAllVertRuns(const QString& oldTag, const QString& newTag);
    /// Moves the run of tag @p tag in the room (attributes written where they
    /// exist) and sets the changed flag.
    void setVertRunPos(const QString& floor, const QString& room, const QString& tag, int x, int y);
    /// Moves the run of tag @p tag by (@p dx, @p dy), the sums held within the
    /// range of int, and sets the changed flag.
    void moveVertRun(const QString& floor, const QString& room, const QString& tag, int dx, int dy);
    /// Gives the run of tag @p tag the id @p newId (element and map) and sets
    /// the changed flag. No check that @p newId is free; setVertRunId() checks.
    void renameVertRun(const QString& floor, const QString& room, const QString& tag,
                       const QString& newId);
    /// Sets the icon size of the first run of the room whose id is @p id
    /// (created when missing) and sets the changed flag.
    void setVertRunIconScale(const QString& floor, const QString& room, const QString& id,
                             const QString& scale);
    /// Sets the drop height of the first run of the room whose id is @p id
    /// (written in its shortest form, created when missing) and sets the
    /// changed flag.
    void setVertRunDropHeight(const QString& floor, const QString& room, const QString& id,
                              double height);
    /// Renames the first run of the room whose id is @p id to @p newId and
    /// sets the changed flag. Does nothing when a port or a run already has
    /// @p newId, since a cable end naming it would be ambiguous.
    void setVertRunId(const QString& floor, const QString& room, const QString& id,
                      const QString& newId);
    /// Moves the first run of the floor whose id is @p id (a run at x = -1
    /// passed over) into room @p newRoom, with its tag, id, riser lists and
    /// every attribute, and sets the changed flag. Does nothing when the run
    /// is not found, already in that room, or the new room has no run list or
    /// already holds the tag.
    void setVertRunRoom(const QString& floor, const QString& id, const QString& newRoom);
    /// Removes the run of tag @p tag from the room and sets the changed flag.
    /// Cables that pass through it keep their paths and their entries in other
    /// runs; the caller reroutes them.
    void removeVertRun(const QString& floor, const QString& room, const QString& tag);
    /// Removes the record's run (its floor, room and element).
    void removeVertRun(VertRun& run);
    /// Repairs the riser lists after cables were removed or moved: rebuilds
    /// the lookup maps (updateAllInternalLists()), drops from every list the
    /// tags of cables that no longer exist, then takes every listed cable
    /// whose two end ports lie on one floor out of all lists and empties its
    /// path, since it needs no riser. Cables between floors are left as they
    /// are. Sets the changed flag when something changed.
    /// @return Always true.
    bool fixBrokenVerticalRunCables();
    /// Whether some run lists the cable of tag @p tag, connected or not.
    bool isCableInVertRun(const QString& tag);
    ///@}

    /// @name Cables and connections
    /// A cable joins two ports (or vertical runs), named by id in its "from"
    /// and "to" attributes, along a path of point ids; it has a use, a type (a
    /// test definition id), bundle fields, a colour and one "Test_Results"
    /// child. A connection joins two devices or vertices of a sheet. Both live
    /// in top-level lists ("Cable_List", "Connection_List") and are named by
    /// tag. A cable between floors has a path of the points of its start
    /// floor, the entry "end_first_floor", then the points of its end floor.
    /// Setters of single attributes write them only where the element has
    /// them, and set the changed flag whenever the cable or connection exists.
    ///@{

    /// Adds a cable at the end of the cable list (created when missing) with
    /// an untested or given result, and sets the changed flag.
    ///
    /// @p to and @p from are the ids of its end ports; @p type is the id of
    /// its test definition; @p bundleName, @p bundleNum and @p bundleGroupNum
    /// place it in a bundle (empty for none); @p path lists point ids;
    /// @p results is written into its "Test_Results" child. @p color is kept
    /// when it is a valid colour name, otherwise the cable takes the colour of
    /// its test definition ("#000000" for an unknown type). A @p use of
    /// "cable_box" is stored as "TV".
    ///
    /// @p mode is an add mode: a generated tag is "Cable" and one more than
    /// the number in the greatest cable tag; a generated id is @p id (the
    /// prefix, normally "Cable") followed by three digits, one more than the
    /// greatest three-digit id with that prefix.
    /// @return The new cable's **id** (getCableElement() gives its tag); an
    ///         empty string, with nothing added, when a tag the caller gave is
    ///         not a valid XML name or names a cable, or the document is empty.
    QString addCable(const QString& tag, const QString& id, const QString& use, const QString& to,
                     const QString& from, const QString& type, const QString& bundleName,
                     const QString& bundleNum, const QString& bundleGroupNum, const QString& color,
                     const QStringList& path, TestResults& results, int mode);
    /// Adds a cable outside any bundle, with an empty path, the colour of its
    /// test definition and the given results; as the full form.
    QString addCable(const QString& tag, const QString& id, const QString& use, const QString& to,
                     const QString& from, const QString& type, TestResults& results, int mode);
    /// Adds an untested cable of type @p type outside any bundle with an empty
    /// path; as the full form.
    QString addCable(const QString& tag, const QString& id, const QString& use, const QString& to,
                     const QString& from, const QString& type, int mode);
    /// Adds an untested cable without a type ("#000000" as colour); as the
    /// full form.
    QString addCable(const QString& tag, const QString& id, const QString& use, const QString& to,
                     const QString& from, int mode);
    /// Adds an untested cable with only its "to" end; as the full form.
    QString addCable(const QString& tag, const QString& id, const QString& use, const QString& to,
                     int mode);
    /// Adds an untested cable without ends; as the full form.
    QString addCable(const QString& tag, const QString& id, const QString& use, int mode);
    /// Adds an untested cable with neither use nor ends; as the full form.
    QString addCable(const QString& tag, const QString& id, int mode);
    /// Adds a cable from a record, with all its fields and results; as the
    /// full form.
    QString addCable(Cable& cable, int mode);
    /// Adds a connection between the devices or vertices whose ids are @p to
    /// and @p from, with the line type @p type, and sets the changed flag.
    /// Generated tags and ids are both "Connection" and a number; in modes 0
    /// and 3 the @p id argument is not used.
    /// @return The new connection's id; an empty string, with nothing added,
    ///         when a tag the caller gave is not a valid XML name or names a
    ///         connection, or the document is empty.
    QString addConnection(const QString& tag, const QString& id, const QString& to,
                          const QString& from, const QString& type, int mode);
    /// Adds a connection from a record; as the six-argument form.
    QString addConnection(DeviceConnection& connection, int mode);

    /// Sets the cable's use, stored as given.
    void setCableUse(const QString& tag, const QString& use);
    /// Sets the id of the port the cable runs to.
    void setCableTo(const QString& tag, const QString& id);
    /// Sets the id of the port the cable runs from.
    void setCableFrom(const QString& tag, const QString& id);
    /// Sets the name of the bundled cable type the cable belongs to.
    void setCableBundleName(const QString& tag, const QString& value);
    /// Sets the cable's number within its bundle.
    void setCableBundleNum(const QString& tag, const QString& value);
    /// Sets the number of the bundle group the cable belongs to.
    void setCableBundleGroupNum(const QString& tag, const QString& value);
    /// Gives the cable of tag @p tag the id @p id, in the element and the
    /// maps. No check that @p id is free.
    void setCableID(const QString& tag, const QString& id);
    /// Sets the cable's type (a test definition id).
    void setCableType(const QString& tag, const QString& type);
    /// Sets the cable's path, the point ids joined with ",".
    void setCablePath(const QString& tag, QStringList path);
    /// Sets the cable's colour (attribute "color", created when missing). Does
    /// nothing, and leaves the flag alone, when @p color is not a valid colour
    /// name.
    void setCableColor(const QString& tag, const QString& color);
    /// Sets the cable's default-type flag, stored as "1" or "0".
    void setCableDefaultType(const QString& tag, const bool& defaultType);
    /// Stores a test result in the cable's "Test_Results" child: status, time,
    /// BERT errors, the encoded measurement block and response plots (each
    /// where the attribute exists), and the tester's software version and
    /// serial number (created when missing). Sets the changed flag; does
    /// nothing when the cable or its "Test_Results" child is missing.
    void setCableTestResults(const QString& tag, TestResults& results);
    /// Sets the id of the device or vertex the connection runs to.
    void setConnectionTo(const QString& tag, const QString& id);
    /// Sets the id of the device or vertex the connection runs from.
    void setConnectionFrom(const QString& tag, const QString& id);
    /// Sets the connection's line type.
    void setConnectionType(const QString& tag, const QString& type);

    /// The cable's use; empty for an unknown cable.
    QString getCableUse(const QString& tag);
    /// The id of the port the cable runs to; empty for an unknown cable.
    QString getCableTo(const QString& tag);
    /// The id of the port the cable runs from; empty for an unknown cable.
    QString getCableFrom(const QString& tag);
    /// The cable's type; empty for an unknown cable.
    QString getCableType(const QString& tag);
    /// The cable's bundle name (attribute added empty when missing, without
    /// the changed flag); empty for an unknown cable.
    QString getCableBundleName(const QString& tag);
    /// The cable's number within its bundle; as getCableBundleName().
    QString getCableBundleNum(const QString& tag);
    /// The cable's bundle group number; as getCableBundleName().
    QString getCableBundleGroupNum(const QString& tag);
    /// The cable's colour; as getCableBundleName().
    QString getCableColor(const QString& tag);
    /// The point ids of the cable's path, empty entries left out; for an
    /// unknown cable a list of one empty string.
    QStringList getCablePath(const QString& tag);
    /// The cable's default-type flag; false for an unknown cable.
    bool getCableDefaultType(const QString& tag);
    /// The cable's test result, with the measurement block and plots decoded.
    /// Results written by older versions get their missing attributes on this
    /// read, without the changed flag being set.
    /// @return The result; a default (untested) TestResults for an unknown
    ///         cable.
    TestResults getCableTestResults(const QString& tag);
    /// The cable's test result without its three response plots: status,
    /// time, tester serial number and software version, bit errors and the
    /// decoded measurement block, read with the same repairs as
    /// getCableTestResults(); the plots are those of an untested result.
    /// Decoding the plots is most of the cost of reading a result, so a pass
    /// over many cables that shows no plots (a schedule, a summary) reads
    /// this instead.
    /// @return The result; a default (untested) TestResults for an unknown
    ///         cable.
    TestResults getCableTestSummary(const QString& tag);
    /// The whole cable of tag @p tag, from the getters above. For an unknown
    /// cable the record has the tag as element and every other field empty.
    Cable getCable(const QString& tag);
    /// The first cable in document order whose id is @p id; a default Cable
    /// when there is none.
    Cable getCableById(const QString& id);
    /// The connection of tag @p tag; a default DeviceConnection when there is
    /// none.
    DeviceConnection getConnection(const QString& tag);
    /// The id the connection runs to; empty for an unknown connection.
    QString getConnectionTo(const QString& tag);
    /// The id the connection runs from; empty for an unknown connection.
    QString getConnectionFrom(const QString& tag);
    /// The connection's line type as a number; 0 for an unknown connection.
    int getConnectionType(const QString& tag);

    /// The tags (@p tags true) or ids of all connections, in tag order.
    QStringList getConnections(bool tags);
    /// The tags of the cables that end at the port of tag @p portTag (whose
    /// "to" or "from" is the port's id), in cable order. Empty for an unknown
    /// port, and for a port whose id another port shares when cable ends
    /// resolve to the other one.
    QStringList getCables(const QString& portTag);
    /// The tags of the cables that end at a port of the floor, port by port,
    /// each once, filtered by @p typeFilter: the translated "Show All" takes
    /// every cable, "Show None" none; the id of a bundled cable type takes the
    /// cables of that bundle name; any other text the cables of that type.
    QStringList getCables(const QString& floor, const QString& typeFilter);
    /// The tags of the cables, in cable order, that end at a port of the floor
    /// and whose type or bundle name is in @p types; empty when @p types is.
    QStringList getCables(const QString& floor, const QStringList& types);
    /// The tags of the cables of bundle name @p type when that is a bundled
    /// cable type id, else of the cables whose type is @p type.
    QStringList getCablesByType(const QString& type);
    /// The tags of the cables whose type's test definition has the cable
    /// category @p category (TestDef::cable_category()).
    QStringList getCablesByCategory(int category);
    /// The tags (@p tags true) or ids of the cables of bundle group
    /// @p groupNum; empty when no cable has it.
    QStringList getCablesInSameBundleGroup(const QString& groupNum, bool tags);
    /// The tags or ids of the cables of bundle name @p name; empty when it is
    /// not a bundled cable type id.
    QStringList getCablesWithBundleName(const QString& name, bool tags);
    /// The tags or ids of the cables whose "to" or "from" is @p portId (an
    /// id, unlike getCables(const QString&)), in cable order.
    QStringList getCablesConnectedToPort(const QString& portId, bool tags);
    /// The tags or ids of the cables whose path holds the point id
    /// @p pointId, in cable order.
    QStringList getCablesWithPoint(const QString& pointId, bool tags);
    /// The tags of the connections whose "to" or "from" is @p deviceId, in tag
    /// order; @p unused is not read.
    QStringList getConnections(const QString& deviceId, int unused);
    /// The tags of the connections that end at a device or vertex of the
    /// sheet, devices first, each once.
    QStringList getConnections(const QString& sheet);
    /// Whether some cable has the bundle group number @p groupNum.
    bool bundleGroupNumExists(const QString& groupNum);
    /// Whether the cable of tag @p tag has a bundle name.
    bool cableIsInBundle(const QString& tag);
    /// Removes the cable of tag @p tag with its test result and sets the
    /// changed flag; does nothing, and leaves the flag alone, for an unknown
    /// tag. The riser lists that name it are not edited
    /// (removeCableFromAllVRLists()).
    void removeCable(const QString& tag);
    /// Removes the record's cable (its element).
    void removeCable(Cable& cable);
    /// Removes the connection of tag @p tag and sets the changed flag.
    void removeConnection(const QString& tag);
    /// Removes the record's connection (its element).
    void removeConnection(DeviceConnection& connection);
    ///@}

    /// @name Cable lengths
    /// The estimate drawn from the plans before a cable is tested, and the
    /// measured length of a tested cable rounded for display. Positions count
    /// 36 drawing units to the foot; a segment that touches a point at (0, 0)
    /// (one never placed) counts -1. None of these changes the document.
    ///@{

    /// The estimate from the drawing: the route over the floor plan from the
    /// "from" port through the path's points to the "to" port, the drop
    /// heights of both ports and, for a cable between floors, the horizontal
    /// parts to and from its risers, their drop heights and the ceiling
    /// heights of the floors in between. The total is multiplied by 3.2808399
    /// when the floor plan's scale settings are metric.
    /// @return The estimate; 0 when an end names no port.
    double getCableEstimatedLength(const QString& tag);
    /// The horizontal part, on the floor of @p run, of a cable between floors:
    /// from the "from" port through the points before "end_first_floor" to
    /// the run, or from the run through the points after it to the "to" port.
    /// @return The length; 0 when the run has no floor or its floor holds
    ///         neither end.
    double getCableEstimatedLength(const QString& tag, VertRun& run);
    /// The ceiling heights of the floors strictly between two floors, told
    /// apart by the number in their tag (getFloorNumber()); 0 for the same or
    /// adjacent floors.
    double getCableEstimatedLength(const QString& floorA, const QString& floorB);
    /// The measured length of pair @p pair (0 to 3) from the cable's last test
    /// result and the length constant of its test definition, rounded to a
    /// tenth of a foot, or converted to metres and rounded to a half when
    /// @p metric.
    /// @return The length; 0 for a pair outside 0 to 3 or a length constant
    ///         of 0.
    float getRoundedCableLength(const QString& tag, int pair, bool metric);
    /// What getRoundedCableLength() gives, from measurements and a test
    /// definition the caller has already read: a report that shows every
    /// pair of thousands of cables reads each result and definition once.
    /// @return The length; 0 for a pair outside 0 to 3 or a length constant
    ///         of 0.
    static float roundedPairLength(const cable_struct& measurements, const TestDef& def, int pair,
                                   bool metric);
    /// The measured length of the cable (its shortest valid pair). With
    /// @p direct the tester's reading itself, 0 when untested, in whole metres
    /// when @p metric; otherwise scaled by the length constant and rounded as
    /// getRoundedCableLength() does (an untested cable then gives a negative
    /// value).
    /// @return The length; 0 for a length constant of 0 when not @p direct.
    float getMaxRoundedCableLength(const QString& tag, bool metric, bool direct);
    ///@}

    /// @name Uses, short labels and port icons
    /// A use is what a port or cable serves ("Network", "Phone", "CCTV", a
    /// wall plate "2Wall", …), stored by its fixed key and shown by its
    /// displayed (translatable) name. All comparisons are exact. None of these
    /// changes the document.
    ///@{

    /// The resource path of the use's icon; empty for a use without icon or
    /// a word that is no use.
    QString getIconName(const QString& use);
    /// The short label of a use ("Network" gives "Net", "cable_box" and "TV"
    /// give "TV", every wall plate gives "Plate"); any other word is returned
    /// unchanged.
    QString getReverseUse(const QString& use);
    /// The use of a short label ("Net" gives "Network"); any other word,
    /// "Plate", "Panel" and "Comm" included, is returned unchanged.
    QString getUse(const QString& shortLabel);
    /// The stored key of a displayed use name; empty for a word that is no
    /// use.
    QString getEnglishUse(const QString& displayed);
    /// The displayed use name for an Italian use name written by old versions
    /// ("Rete" gives "Network", "Quad" gives "4Wall"); empty for any other
    /// word.
    QString getEnglishUseFromItalian(const QString& italian);
    /// 1 when the use names a service (Network, Speaker, Phone, Control, Fire,
    /// Security, Intercom, CCTV, Satellite, TV, cable_box), 0 for any other
    /// word, the wall plates included.
    int useIsSpecific(const QString& use);
    /// The service uses offered for ports, displayed names in menu order.
    QStringList getUses();
    /// The port kinds offered for ports (the wall plates, custom port,
    /// intercom, vertical run, comm center, cable box, patch panel and NA), in
    /// menu order.
    QStringList getGeneralUses();
    /// The user's own picture for the use when one is configured and on disk,
    /// else the host's built-in picture; a null pixmap for a use without icon.
    QPixmap getPortIconPixmap(const QString& use);
    ///@}

    /// @name Active network tests
    /// Active ports are the ports from which active network tests (iPerf,
    /// LLDP, PING, PoE, port discovery) were run: elements of
    /// "ActivePort_List" in the top-level "ActiveNetworkTest_List", each
    /// holding its results tagged "ActiveTest_Result1", "ActiveTest_Result2",
    /// ….
    ///@{

    /// Adds an active port with its results and sets the changed flag. The
    /// lists are created when the job lacks them; null entries of @p results
    /// are passed over, and the caller keeps ownership of the results.
    ///
    /// @p mode is an add mode: a generated tag is "ActivePort" and a number; a
    /// generated id is @p id and a number of at least two digits.
    /// @return The port's id; an empty string, with nothing added, when a tag
    ///         the caller gave is not a valid XML name or is already an active
    ///         port's, or the document is empty.
    QString addActivePort(const QString& tag, const QString& id, QList<ActiveTestResult*> results,
                          int mode);
    /// Adds an active port from a record; as the four-argument form.
    QString addActivePort(ActivePort& port, int mode);
    /// Appends one result to the active port of tag @p tag, tagged with the
    /// first "ActiveTest_Result" number the port does not use, and sets the
    /// changed flag.
    /// @return The new result's tag; empty when the port does not exist.
    QString addActivePortTestResult(const QString& tag, ActiveTestResult result);
    /// The tags (@p tags true) or ids of all active ports, in document order.
    QStringList getActivePorts(bool tags);
    /// The tags of the results of the active port of tag @p tag, in document
    /// order; empty for an unknown port.
    QStringList getActivePortTestResults(const QString& tag);
    /// The active port of tag @p tag with its results; a default ActivePort
    /// for an unknown tag. The results of the returned port are new objects,
    /// on every call, that the caller owns and deletes.
    ActivePort getActivePort(const QString& tag);
    /// Gives the active port of tag @p tag the id @p newId (element and map)
    /// and sets the changed flag; the tag stays.
    void renameActivePort(const QString& tag, const QString& newId);
    /// Removes the active port of tag @p tag with its results and sets the
    /// changed flag.
    void removeActivePort(const QString& tag);
    /// Whether the active port of tag @p tag has a result tagged
    /// @p resultTag.
    bool activePortTestResultExists(const QString& tag, const QString& resultTag);
    ///@}

    /// @name Rebuilding the lookup maps
    ///@{

    /// Rebuilds every lookup map and the current cable lists from the
    /// document; for a host that changed the tree by other means. Does not set
    /// the changed flag.
    void updateAllInternalLists();
    ///@}

private:
    Ductbook();
    ~Ductbook() override;
    Q_DISABLE_COPY(Ductbook)

    // Everything else of the job lives in the private implementation: the
    // lookup maps, the state of the open job and the helpers.
    friend class DuctbookPrivate;
    std::unique_ptr<DuctbookPrivate> d;

    static Ductbook* s_instance;
};

#endif // DUCTBOOK_H
