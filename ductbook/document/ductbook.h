#ifndef DUCTBOOK_H
#define DUCTBOOK_H

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

class ElementCache;
class TagIndex;
struct DuctbookIndexes;
enum class ItemKind;

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
    // The format version the last loaded file was written in ("2.3" for a file
    // converted from 2.3 on loading, "3.0" for a current one); empty after
    // New and Unload.
    QString getFileVersion() const;

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

    // --- import and export with the template ---
    // Takes the template's contractor data and all twelve settings entries,
    // and adds the test definitions and bundled cable types the job lacks
    // (an entry the job has keeps the job's version). The changed flag ends
    // as it was before: a job with unsaved edits stays marked, a new one
    // stays unchanged. Does nothing for null.
    void Import(QvtEditor* tmpl);
    // Adds only the template's default test definitions and default bundled
    // cable types that the job lacks; nothing else is touched. The changed
    // flag ends as it was before. The upgrade of old jobs relies on it.
    void ImportMissingDefaultCableTypes(QvtEditor* tmpl);
    // Writes the job's contractor data, settings, test definitions and
    // bundled cable types as a new template file. The template singleton then
    // holds that template under filename; the job is not changed. On failure
    // error() says why ("Filename is Empty", "Filename given is a
    // directory", or the template's save failure).
    bool Export(const QString& filename);

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

    void copyFloor(const QString& fromTag, const QString& toTag, QMap<QString, QString> cableIds,
                   bool useCableIds);
    void copySheet(const QString& fromTag, const QString& toTag);

    // --- rooms ---
    QString addRoom(const QString& floor, int x, int y, int width, int height, const QString& tag,
                    const QString& id, int nameX, int nameY, int showDimensions, int showRoomName,
                    int layer, int mode);
    QString addRoom(Room& room, int mode);
    Room getRoomByTag(const QString& floor, const QString& tag);
    Room getRoomByTag(const QString& tag);
    Room getRoomById(const QString& floor, const QString& id);
    QStringList getRooms(const QString& floor, bool tags);
    void setRoomPos(const QString& floor, const QString& id, int x, int y, int width, int height);
    void setRoomName(const QString& floor, const QString& id, const QString& newId);
    void setRoomNamePos(const QString& floor, const QString& id, const QPoint& pos);
    void setRoomLayer(const QString& floor, const QString& id, int layer);
    void setShowRoomName(const QString& floor, const QString& id, int value);
    void setShowRoomDimensions(const QString& floor, const QString& id, int value);
    void removeRoom(const QString& floor, const QString& tag);
    void removeRoom(Room& room);

    // --- ports, devices, vertices, points and free texts ---
    QString addPort(const QString& floor, const QString& room, int x, int y, const QString& tag,
                    const QString& id, const QString& use, const QString& iconScale,
                    double dropHeight, int mode);
    QString addPort(Port& port, int mode);
    QString addDevice(const QString& sheet, int x, int y, const QString& tag, const QString& id,
                      const QString& ip, const QString& pic, const QString& iconScale, int mode);
    QString addDevice(Device& device, int mode);
    QString addVertice(const QString& sheet, int x, int y, const QString& tag, const QString& id,
                       int mode);
    QString addVertice(Vertice& vertice, int mode);
    QString addPoint(const QString& floor, int x, int y, const QString& tag, const QString& id,
                     int mode);
    QString addPoint(Vertice& point, int mode);
    QString addFreeText(const QString& sheet, int x, int y, const QString& text, int fontSize);
    QString addFreeText(FreeText text, int mode);
    QString addFloorFreeText(const QString& floor, int x, int y, const QString& text, int fontSize);
    QString addFloorFreeText(FreeText text, int mode);

    Port getPortByTag(const QString& floor, const QString& room, const QString& tag);
    Port getPortById(const QString& floor, const QString& room, const QString& id);
    Port getPortByTag(const QString& floor, const QString& tag);
    Port getPortById(const QString& floor, const QString& id);
    Port getPortByTag(const QString& tag);
    Port getPortById(const QString& id);
    Device getDeviceByTag(const QString& sheet, const QString& tag);
    Device getDeviceById(const QString& sheet, const QString& id);
    Device getDeviceById(const QString& id);
    Device getDevice(const QString& tag);
    Vertice getVerticeByTag(const QString& sheet, const QString& tag);
    Vertice getVerticeById(const QString& sheet, const QString& id);
    Vertice getVertice(const QString& tag);
    Vertice getPointByTag(const QString& floor, const QString& tag);
    Vertice getPointById(const QString& floor, const QString& id);
    Vertice getPointById(const QString& id);
    FreeText getFreeTextByTag(const QString& sheet, const QString& tag);
    FreeText getFreeText(const QString& tag);
    FreeText getFloorFreeTextByTag(const QString& floor, const QString& tag);
    FreeText getFloorFreeText(const QString& tag);

    QStringList getPorts(const QString& floor, const QString& room, bool tags);
    QStringList getPorts(const QString& floor, bool tags);
    QStringList getPorts(bool tags);
    QStringList getDevices(const QString& sheet, bool tags);
    QStringList getDevices(bool tags);
    QStringList getVertices(const QString& sheet, bool tags);
    QStringList getPoints(const QString& floor, bool tags);
    QStringList getFreeTexts(const QString& sheet, bool tags);
    QStringList getFloorFreeTexts(const QString& floor, bool tags);
    QStringList getPortsByUse(const QString& use);
    QStringList getPortsByUse(const QString& floor, const QString& use);
    QStringList getDeviceTypes();
    QString getDeviceType(const QString& deviceTag);
    QStringList getDevicesByType(const QString& type);
    QStringList getDevicesByType(const QString& sheet, const QString& type);

    void setPortPos(const QString& floor, const QString& room, const QString& tag, int x, int y);
    void setPortDropHeight(const QString& floor, const QString& room, const QString& tag,
                           double height);
    void renamePort(const QString& floor, const QString& room, const QString& tag,
                    const QString& newId);
    void setPortIconScale(const QString& floor, const QString& room, const QString& id,
                          const QString& scale);
    void setPortRoom(const QString& floor, const QString& id, const QString& newRoom);
    void setDevicePos(const QString& sheet, const QString& id, int x, int y);
    void setDeviceID(const QString& sheet, const QString& tag, const QString& id);
    void setDeviceIP(const QString& sheet, const QString& tag, const QString& ip);
    void setDeviceProperties(const QString& sheet, const QString& tag, const QString& id,
                             const QString& ip);
    void setDeviceIconScale(const QString& sheet, const QString& tag, const QString& scale);
    void setVerticePos(const QString& sheet, const QString& tag, int x, int y);
    void setPointPos(const QString& floor, const QString& tag, int x, int y);
    void setFreeTextPos(const QString& sheet, const QString& tag, int x, int y);
    void setFloorFreeTextPos(const QString& floor, const QString& tag, int x, int y);
    void setFreeTextID(const QString& sheet, const QString& tag, const QString& text);
    void setFloorFreeTextID(const QString& floor, const QString& tag, const QString& text);
    void setFreeTextFontSize(const QString& sheet, const QString& tag, int size);
    void setFloorFreeTextFontSize(const QString& floor, const QString& tag, int size);
    void moveDevice(const QString& sheet, const QString& tag, int dx, int dy);
    void moveVertice(const QString& sheet, const QString& tag, int dx, int dy);
    void movePoint(const QString& floor, const QString& tag, int dx, int dy);

    void removePort(const QString& floor, const QString& room, const QString& tag);
    void removePort(Port& port);
    void removeDevice(const QString& sheet, const QString& tag);
    void removeDevice(Device& device);
    void removeVertice(const QString& sheet, const QString& tag);
    void removeVertice(Vertice& vertice);
    void removePoint(const QString& floor, const QString& tag);
    void removePoint(Vertice& point);
    void removeFreeText(const QString& sheet, const QString& tag);
    void removeFreeText(FreeText& text);
    void removeFloorFreeText(const QString& floor, const QString& tag);
    void removeFloorFreeText(FreeText& text);

    // --- vertical runs ---
    QString addVertRun(const QString& floor, const QString& room, int x, int y,
                       QStringList& connected, QStringList& disconnected, const QString& tag,
                       const QString& id, const QString& use, const QString& iconScale,
                       double dropHeight, int mode);
    QString addVertRun(VertRun& run, int mode);
    VertRun getVertRunByTag(const QString& floor, const QString& room, const QString& tag);
    VertRun getVertRunById(const QString& floor, const QString& room, const QString& id);
    VertRun getVertRunByTag(const QString& floor, const QString& tag);
    VertRun getVertRunById(const QString& floor, const QString& id);
    VertRun getVertRunByTag(const QString& tag);
    VertRun getVertRunById(const QString& id);
    QString getVertRunFloor(const QString& tag);
    QString getVertRunRoom(const QString& tag);
    QString getVertRunUse(const QString& tag);
    QString getVertRunIconScale(const QString& tag);
    QStringList getVertRuns();
    QStringList getVertRuns(const QString& floor, bool tags);
    QStringList getVertRuns(const QString& floor, const QString& room, bool tags);
    QStringList getVertRunConnectedList(const QString& tag);
    QStringList getVertRunDisconnectedList(const QString& tag);
    void setVertRunConnectedList(const QString& floor, const QString& room, const QString& tag,
                                 const QString& joined);
    void setVertRunDisconnectedList(const QString& floor, const QString& room, const QString& tag,
                                    const QString& joined);
    void addConnectedCableToVertRun(const QString& runTag, const QString& cableTag);
    void addDisconnectedCableToVertRun(const QString& runTag, const QString& cableTag);
    void removeConnectedCableFromVertRun(const QString& runTag, const QString& cableTag);
    void removeDisconnectedCableFromVertRun(const QString& runTag, const QString& cableTag);
    QStringList findCableConnectedLists(const QString& cableTag);
    QStringList findCableDisconnectedLists(const QString& cableTag);
    QStringList getVertRunsWithCableInConnectedList(const QString& cableTag);
    QStringList getVertRunsWithCableInDisconnectedList(const QString& cableTag);
    void removeCableFromAllVRLists(const QString& cableTag);
    void renameCableInAllVertRuns(const QString& oldTag, const QString& newTag);
    void setVertRunPos(const QString& floor, const QString& room, const QString& tag, int x, int y);
    void moveVertRun(const QString& floor, const QString& room, const QString& tag, int dx, int dy);
    void renameVertRun(const QString& floor, const QString& room, const QString& tag,
                       const QString& newId);
    void setVertRunIconScale(const QString& floor, const QString& room, const QString& id,
                             const QString& scale);
    void setVertRunDropHeight(const QString& floor, const QString& room, const QString& id,
                              double height);
    void setVertRunId(const QString& floor, const QString& room, const QString& id,
                      const QString& newId);
    void setVertRunRoom(const QString& floor, const QString& id, const QString& newRoom);
    void removeVertRun(const QString& floor, const QString& room, const QString& tag);
    void removeVertRun(VertRun& run);
    bool fixBrokenVerticalRunCables();
    bool isCableInVertRun(const QString& tag);

    // --- cables and connections ---
    QString addCable(const QString& tag, const QString& id, const QString& use, const QString& to,
                     const QString& from, const QString& type, const QString& bundleName,
                     const QString& bundleNum, const QString& bundleGroupNum, const QString& color,
                     const QStringList& path, TestResults& results, int mode);
    QString addCable(const QString& tag, const QString& id, const QString& use, const QString& to,
                     const QString& from, const QString& type, TestResults& results, int mode);
    QString addCable(const QString& tag, const QString& id, const QString& use, const QString& to,
                     const QString& from, const QString& type, int mode);
    QString addCable(const QString& tag, const QString& id, const QString& use, const QString& to,
                     const QString& from, int mode);
    QString addCable(const QString& tag, const QString& id, const QString& use, const QString& to,
                     int mode);
    QString addCable(const QString& tag, const QString& id, const QString& use, int mode);
    QString addCable(const QString& tag, const QString& id, int mode);
    QString addCable(Cable& cable, int mode);
    QString addConnection(const QString& tag, const QString& id, const QString& to,
                          const QString& from, const QString& type, int mode);
    QString addConnection(DeviceConnection& connection, int mode);

    void setCableUse(const QString& tag, const QString& use);
    void setCableTo(const QString& tag, const QString& id);
    void setCableFrom(const QString& tag, const QString& id);
    void setCableBundleName(const QString& tag, const QString& value);
    void setCableBundleNum(const QString& tag, const QString& value);
    void setCableBundleGroupNum(const QString& tag, const QString& value);
    void setCableID(const QString& tag, const QString& id);
    void setCableType(const QString& tag, const QString& type);
    void setCablePath(const QString& tag, QStringList path);
    void setCableColor(const QString& tag, const QString& color);
    void setCableDefaultType(const QString& tag, const bool& defaultType);
    void setCableTestResults(const QString& tag, TestResults& results);
    void setConnectionTo(const QString& tag, const QString& id);
    void setConnectionFrom(const QString& tag, const QString& id);
    void setConnectionType(const QString& tag, const QString& type);

    QString getCableUse(const QString& tag);
    QString getCableTo(const QString& tag);
    QString getCableFrom(const QString& tag);
    QString getCableType(const QString& tag);
    QString getCableBundleName(const QString& tag);
    QString getCableBundleNum(const QString& tag);
    QString getCableBundleGroupNum(const QString& tag);
    QString getCableColor(const QString& tag);
    QStringList getCablePath(const QString& tag);
    bool getCableDefaultType(const QString& tag);
    TestResults getCableTestResults(const QString& tag);
    Cable getCable(const QString& tag);
    Cable getCableById(const QString& id);
    DeviceConnection getConnection(const QString& tag);
    QString getConnectionTo(const QString& tag);
    QString getConnectionFrom(const QString& tag);
    int getConnectionType(const QString& tag);

    QStringList getConnections(bool tags);
    QStringList getCables(const QString& portTag);
    QStringList getCables(const QString& floor, const QString& typeFilter);
    QStringList getCables(const QString& floor, const QStringList& types);
    QStringList getCablesByType(const QString& type);
    QStringList getCablesByCategory(int category);
    QStringList getCablesInSameBundleGroup(const QString& groupNum, bool tags);
    QStringList getCablesWithBundleName(const QString& name, bool tags);
    QStringList getCablesConnectedToPort(const QString& portId, bool tags);
    QStringList getCablesWithPoint(const QString& pointId, bool tags);
    QStringList getConnections(const QString& deviceId, int unused);
    QStringList getConnections(const QString& sheet);
    bool bundleGroupNumExists(const QString& groupNum);
    bool cableIsInBundle(const QString& tag);
    void removeCable(const QString& tag);
    void removeCable(Cable& cable);
    void removeConnection(const QString& tag);
    void removeConnection(DeviceConnection& connection);

    // --- cable lengths ---
    // The estimate from the drawing: the route over the floor plan, the drop
    // heights and, for a cable between floors, its risers and the ceiling
    // heights of the floors in between. 0 when an end names no port.
    double getCableEstimatedLength(const QString& tag);
    // The horizontal part, on the floor of run, of a cable between floors.
    double getCableEstimatedLength(const QString& tag, VertRun& run);
    // The ceiling heights of the floors strictly between two floors.
    double getCableEstimatedLength(const QString& floorA, const QString& floorB);
    // Measured lengths from the last test result and the cable type's length
    // constant, rounded for display.
    float getRoundedCableLength(const QString& tag, int pair, bool metric);
    float getMaxRoundedCableLength(const QString& tag, bool metric, bool direct);

    // --- uses, short labels and port icons ---
    QString getIconName(const QString& use);
    QString getReverseUse(const QString& use);
    QString getUse(const QString& shortLabel);
    QString getEnglishUse(const QString& displayed);
    QString getEnglishUseFromItalian(const QString& italian);
    int useIsSpecific(const QString& use);
    QStringList getUses();
    QStringList getGeneralUses();
    // The user's own picture for the use when one is configured and on disk,
    // else the host's built-in picture; a null pixmap for a use without icon.
    QPixmap getPortIconPixmap(const QString& use);

    // --- active network tests ---
    // Returns the port's id, or "" when nothing was added.
    QString addActivePort(const QString& tag, const QString& id, QList<ActiveTestResult*> results,
                          int mode);
    QString addActivePort(ActivePort& port, int mode);
    // Returns the new result's tag, or "" when the port does not exist.
    QString addActivePortTestResult(const QString& tag, ActiveTestResult result);
    QStringList getActivePorts(bool tags);
    QStringList getActivePortTestResults(const QString& tag);
    // The results of the returned port are new objects that the caller owns
    // and deletes.
    ActivePort getActivePort(const QString& tag);
    void renameActivePort(const QString& tag, const QString& newId);
    void removeActivePort(const QString& tag);
    bool activePortTestResultExists(const QString& tag, const QString& resultTag);

    // Rebuilds every lookup map and the current cable lists from the document.
    void updateAllInternalLists();

private:
    Ductbook();
    ~Ductbook() override;
    Q_DISABLE_COPY(Ductbook)

    // Internal helpers of each subject's source file, with access to the maps
    // and the navigation below.
    friend struct DuctbookRoomOps;
    friend struct DuctbookItemOps;
    friend struct DuctbookVertRunOps;
    friend struct DuctbookCableOps;

    // Brings a loaded file of an older format up to the current one, in
    // memory, step by step (ductbook_convert.cpp).
    bool checkVersion();
    bool convert14to21(QDomElement* version, QDomNode* node);
    bool convert21to22(QDomElement* version, QDomNode* node);
    bool convert22to23(QDomElement* version, QDomNode* node);
    bool convert23to30(QDomElement* version, QDomNode* node);
    void convertFloorDrawings14();
    void convertNetworkDrawings14();
    void convertCables21();
    void convertSubRooms22();
    void convertInventorySettings23();
    // The cable pass of fixBrokenVerticalRunCables: cables listed in a vertical
    // run whose two end ports lie on one floor need no riser.
    void detachSameFloorCables();
    // Several cables at once, each list of the job filtered once rather than
    // once per cable (removing a floor removes thousands).
    void removeCables(const QStringList& tags);
    void removeCablesFromAllVRLists(const QSet<QString>& cableTags);
    // Every cable some vertical run lists, connected or not.
    QSet<QString> cablesInVertRuns();
    // The first run of floor, in document order, whose connected (or else
    // disconnected) list holds cable; a run stored at x = -1 does not count.
    QString firstRunListing(const QString& floor, const QString& cable, bool connected);
    // The measurement block of getCableTestResults(tag), read with the same
    // repairs but without decoding the response plots.
    cable_struct getCableMeasurements(const QString& tag);
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
    // The element of tag directly in list, found through cache; null when
    // list is null or holds no such element.
    QDomElement findItem(const ElementCache& cache, const QString& tag, const QDomElement& list);
    // Names for a new item of the floor and sheet kinds: the greatest tag (or
    // id) of the kind's map plus one, counted up while taken. The id of a room
    // is tested on the room's floor.
    QString generateTag(ItemKind kind);
    QString generateId(ItemKind kind, const QString& prefix, const QString& floor = QString());
    quint64 freedGeneration(ItemKind kind) const;
    const TagIndex& mapOf(ItemKind kind) const;
    std::function<bool(const QString&)> existsTest(ItemKind kind, bool byTag, const QString& floor);
    // The list element named listName below container, created and appended
    // when container exists, has children and lacks it.
    QDomElement getOrCreateChildList(QDomElement container, const QString& listName);
    // The first child element of parent whose tag name is name.
    QDomElement childByTag(const QDomElement& parent, const QString& name);

    // Adds attr with value when the element lacks it (a repair on read, which
    // does not mark the document changed), then returns the attribute's value.
    QString repairedAttr(QDomElement& e, const QString& attr, const QString& defaultValue);

    int m_release = 0;
    std::unique_ptr<DuctbookIndexes> m_maps;
    QString m_defaultQvtFile;
    // The version the loaded file was written in.
    QString m_fileVersion;

    static Ductbook* s_instance;

    // --- cable lengths (internal) ---
    QStringList getFloorsInBetween(const QString& floorA, const QString& floorB);
    // The runs of candidates (tags) placed on floor, in the floor's order.
    QList<VertRun> runsOnFloor(const QString& floor, const QStringList& candidates);
    bool placedRunOnFloor(const QString& floor, const QString& tag, VertRun* run);

    // --- active network tests (internal) ---
    // The element of the active port of tag in list; null when there is none.
    QDomElement activePortElement(const QString& tag, const QDomElement& list);
};

#endif // DUCTBOOK_H
