#ifndef DUCTBOOK_H
#define DUCTBOOK_H

#include "ductbook_global.h"
#include "qvxmleditor.h"

#include "address.h"
#include "contractordata.h"
#include "floor.h"
#include "sheet.h"
#include "sitedata.h"

#include <QMap>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <memory>

struct DuctbookIndexes;

// The job document: one process-wide object holding the job that is open in
// the host. Every read and change of the job goes through it.
class DUCTBOOK_EXPORT Ductbook : public QVXMLEditor
{
    Q_OBJECT
public:
    static Ductbook& Instance();
    static void Destroy();

    // --- lifecycle ---
    QString New();
    virtual bool New(const QString& filename);
    virtual bool Load(const QString& filename);
    virtual void Unload();
    virtual bool save();
    virtual bool saveAs(const QString& filename);

    static bool checkJobExtension(const QString& filename);
    static bool checkUntitledJob(const QString& filename);

    void setDirty(bool dirty);
    void setDefaultQvtFile(const QString& path);

    // --- site block ---
    void setSiteJobID(const QString& value);
    void setSiteCompany(const QString& value);
    void setSiteContact(const QString& value);
    void setSiteEmail(const QString& value);
    void setSitePhone(const QString& value);
    void setSiteAddress(Address& address);
    void setSiteData(const QString& jobid, const QString& company, const QString& contact,
                     const QString& email, const QString& phone, Address& address);
    void setSiteData(SiteData& data);
    QString getSiteJobID();
    QString getSiteCompany();
    QString getSiteContact();
    QString getSiteEmail();
    QString getSitePhone();
    Address getSiteAddress();
    SiteData getSiteData();

    // --- release entries, release number, job notes ---
    void addRelease(const QString& name, const QString& value);
    QString getRelease(const QString& name);
    void removeRelease(const QString& name);
    // Every release entry, name -> value.
    QMap<QString, QString> getReleases();
    int getRelease();
    void setRelease(int release);
    void setJobNotesText(const QString& text);
    QString getJobNotesText();

    // --- lookup maps ---
    QStringList getFloorTags();
    QStringList getFloorIds();
    QString getFloorIdByTag(const QString& tag);
    QString getFloorTagById(const QString& id);
    QStringList getSheetTags();
    QStringList getSheetIds();
    QString getSheetIdByTag(const QString& tag);
    QString getSheetTagById(const QString& id);
    QStringList getCables(bool byTag);
    QString getCableID(const QString& tag);
    QString getCableElement(const QString& id);
    QStringList getCablesByTypeFromMap(const QString& type);
    QString getConnectionTagById(const QString& id);
    QString getPortId(const QString& tag);
    QString getActivePortId(const QString& tag);
    QString getVertRunId(const QString& tag);
    QString getActivePortElement(const QString& id);
    QString getVertRunTag(const QString& id);

    void setAllSheetIDs(QMap<QString, QString> tagToId);
    void setSheetID(const QString& tag, const QString& id);
    void setAllFloorIds(QMap<QString, QString> tagToId);
    void setFloorId(const QString& tag, const QString& id);

    bool floorExists(const QString& name, bool byTag);
    bool sheetExists(const QString& name, bool byTag);
    bool cableExists(const QString& name, bool byTag);
    bool connectionExists(const QString& name, bool byTag);
    bool portExists(const QString& name, bool byTag);
    bool activePortExists(const QString& name, bool byTag);
    bool deviceExists(const QString& name, bool byTag);
    bool verticeExists(const QString& name, bool byTag);
    bool pointExists(const QString& name, bool byTag);
    bool freeTextExists(const QString& name, bool byTag);
    bool floorFreeTextExists(const QString& name, bool byTag);
    bool vertRunExists(const QString& name, bool byTag);
    bool portOrVertRunExists(const QString& name, bool byTag);
    bool roomExists(const QString& name, bool byTag);
    bool roomExistsOnFloor(const QString& floorTag, const QString& name, bool byTag);

    // Not used by the library itself; hands out the connection list, created
    // when missing, as it always has.
    QDomElement getToJobNotesList();

    // The number of items of each kind as the lookup maps hold them, keyed by
    // kind ("floors", "sheets", "rooms", "ports", "vertical runs", "points",
    // "floor texts", "devices", "vertices", "sheet texts", "cables",
    // "connections", "active ports").
    QMap<QString, int> itemCounts() const;

    // --- floors and sheets ---
    QString addFloor(const QString& tag, const QString& id, double ceilingHeight,
                     const QString& pic, int mode);
    QString addFloor(Floor floor, int mode);
    QString addSheet(const QString& tag, const QString& id, int mode);
    QString addSheet(Sheet sheet, int mode);
    Floor getFloor(const QString& tag);
    Sheet getSheet(const QString& tag);
    QString getFloorBackgroundPic(const QString& tag);
    QPoint getFloorBackgroundOrigin(const QString& tag);
    QString getBackgroundOption(const QString& tag);
    double getFloorCeilingHeight(const QString& tag);
    void setFloorBackgroundPic(const QString& tag, const QString& pic, int x, int y);
    void setBackgroundOption(const QString& tag, const QString& option);
    void setFloorCeilingHeight(const QString& tag, double height);
    QString getFloorNumber(const QString& tag);
    QString getSheetNumber(const QString& tag);
    void removeFloor(const QString& tag);
    void removeFloor(Floor& floor);
    void removeSheet(const QString& tag);

    // Rebuilds every lookup map and the current cable lists from the document.
    void updateAllInternalLists();

private:
    Ductbook();
    ~Ductbook() override;
    Q_DISABLE_COPY(Ductbook)

    bool checkVersion();
    // Empties the tree (keeping its document type), the maps and the lists.
    void clearDocument();
    bool writeTo(const QString& path);
    void buildSkeleton(double ceilingHeight);

    // Partial rebuilds of the lookup maps.
    void populateCurrentCablesLists();
    void populateCableMap();
    void populateCableTypeMap();
    void populateConnectionMap();
    void populateSheetMap();
    void populateDeviceMap();
    void populateVerticeMap();
    void populateFreeTextMap();
    void populateFloorMap();
    void populateRoomMap();
    void populatePortMap();
    void populateActivePortMap();
    void populateVerticalRunMap();
    void populatePointMap();
    void populateFloorFreeTextMap();
    void populateFloorLevelMaps();
    void populateSheetLevelMaps();

    // Navigation from the root to each item list; null when a step is missing.
    QDomElement getToCableList();
    QDomElement getToConnectionList();
    QDomElement getToActivePortList();
    QDomElement getToFloorList();
    QDomElement getToSheetList();
    QDomElement getToFloor(const QString& floorTag);
    QDomElement getToSheet(const QString& sheetTag);
    QDomElement getToRoom(const QString& floorTag, const QString& roomTag);
    QDomElement getToRoomList(const QString& floorTag);
    QDomElement getToPortList(const QString& floorTag, const QString& roomTag);
    QDomElement getToVertRunList(const QString& floorTag, const QString& roomTag);
    QDomElement getToPointList(const QString& floorTag);
    QDomElement getToFloorFreeTextList(const QString& floorTag);
    QDomElement getToDeviceList(const QString& sheetTag);
    QDomElement getToVerticeList(const QString& sheetTag);
    QDomElement getToFreeTextList(const QString& sheetTag);
    // The list element named listName below container, created and appended
    // when container exists, has children and lacks it.
    QDomElement getOrCreateChildList(QDomElement container, const QString& listName);
    // The first child element of parent whose tag name is name.
    QDomElement childByTag(const QDomElement& parent, const QString& name);

    // Adds attr with value when the element lacks it (a repair on read, which
    // does not mark the document changed), then returns the attribute's value.
    QString repairedAttr(QDomElement& e, const QString& attr, const QString& defaultValue);

    int m_release = 0;
    QStringList m_currentCableIds;
    QStringList m_currentCableTags;
    std::unique_ptr<DuctbookIndexes> m_maps;
    QString m_defaultQvtFile;

    static Ductbook* s_instance;
};

#endif // DUCTBOOK_H
