#ifndef CABLE_H
#define CABLE_H

/// @file
/// The Cable record.

#include "ductbook_global.h"
#include "testresults.h"

#include <QObject>
#include <QString>
#include <QStringList>

/// One cable of the job: its two ends, its type and route, its bundle and its
/// last test results.
///
/// A cable runs from one port to another and names both by their ids. Its
/// type is the id of a test definition (TestDef), which also gives new cables
/// their colour. The record is a detached copy of the cable as the job
/// document reported it, or the cable a host hands to the document to add;
/// changing it changes nothing in the job.
class DUCTBOOK_EXPORT Cable : public QObject
{
    Q_OBJECT

public:
    /// A cable with empty strings, colour "#000000", a path of one empty entry,
    /// untested results (TestResults()) and no QObject parent.
    Cable();
    /// A cable with the given fields (no QObject parent). Note the order: the
    /// use comes third, and the end comes before the start. An empty or null
    /// @p color is replaced by "#000000"; any other colour is kept as given,
    /// valid or not.
    Cable(const QString& element, const QString& id, const QString& use, const QString& to,
          const QString& from, const QString& type, const TestResults& testResults,
          const QStringList& path, const QString& bundleName, const QString& bundleNum,
          const QString& bundleGroupNum, const QString& color);
    /// A copy of every field of @p other, the test results whole; the copy has
    /// the same QObject parent as @p other.
    Cable(const Cable& other);
    /// Copies every field of @p other, the test results whole; this record
    /// keeps its own QObject parent. Assigning a record to itself changes
    /// nothing.
    Cable& operator=(const Cable& other);
    /// Destroys the record.
    virtual ~Cable();

    /// @name element
    ///@{

    /// The cable's tag, the name of its XML element (normally "Cable" followed
    /// by a number, such as "Cable12").
    QString& element() { return m_element; }
    const QString& element() const { return m_element; }
    void setElement(const QString& element) { m_element = element; }
    ///@}

    /// @name id
    ///@{

    /// The cable's label, such as "Cable012".
    QString& id() { return m_id; }
    const QString& id() const { return m_id; }
    void setID(const QString& id) { m_id = id; }
    ///@}

    /// @name from
    ///@{

    /// The id of the port at the start of the cable.
    QString& from() { return m_from; }
    const QString& from() const { return m_from; }
    void setFrom(const QString& from) { m_from = from; }
    ///@}

    /// @name to
    ///@{

    /// The id of the port at the end of the cable.
    QString& to() { return m_to; }
    const QString& to() const { return m_to; }
    void setTo(const QString& to) { m_to = to; }
    ///@}

    /// @name type
    ///@{

    /// The cable type: the id of a test definition, such as "CAT5E".
    QString& type() { return m_type; }
    const QString& type() const { return m_type; }
    void setType(const QString& type) { m_type = type; }
    ///@}

    /// @name use
    ///@{

    /// What the cable carries, one of the uses such as "Network" or "TV".
    QString& use() { return m_use; }
    const QString& use() const { return m_use; }
    void setUse(const QString& use) { m_use = use; }
    ///@}

    /// @name bundleName
    ///@{

    /// The id of the bundled cable type (BundledCable) the cable belongs to;
    /// empty when the cable is not part of a bundle.
    QString& bundleName() { return m_bundleName; }
    const QString& bundleName() const { return m_bundleName; }
    void setBundleName(const QString& name) { m_bundleName = name; }
    ///@}

    /// @name bundleNum
    ///@{

    /// The number of the bundle within its bundled cable type, as text.
    QString& bundleNum() { return m_bundleNum; }
    const QString& bundleNum() const { return m_bundleNum; }
    void setBundleNum(const QString& num) { m_bundleNum = num; }
    ///@}

    /// @name bundleGroupNum
    ///@{

    /// The number of the bundle group, as text; the cables of one bundle share
    /// it.
    QString& bundleGroupNum() { return m_bundleGroupNum; }
    const QString& bundleGroupNum() const { return m_bundleGroupNum; }
    void setBundleGroupNum(const QString& num) { m_bundleGroupNum = num; }
    ///@}

    /// @name color
    ///@{

    /// The drawing colour, "#" and six hexadecimal digits; "#000000" by
    /// default. The record does not check it.
    QString& color() { return m_color; }
    const QString& color() const { return m_color; }
    void setColor(const QString& color) { m_color = color; }
    ///@}

    /// @name path
    ///@{

    /// The ids of the path points the cable runs through between its ends, in
    /// drawing order. For a cable between floors the points of the start floor
    /// come first, then the marker "end_first_floor", then the points of the
    /// end floor. A new record holds one empty entry, not an empty list: the
    /// job stores that as an empty path.
    QStringList& path() { return m_path; }
    const QStringList& path() const { return m_path; }
    void setPath(const QStringList& path) { m_path = path; }
    /// The path entry that separates the points of the start floor from those
    /// of the end floor: "end_first_floor". It is a marker, not a point id.
    static QString floorChangeMarker();
    ///@}

    /// @name testResults
    ///@{

    /// The results of the cable's last test; untested (status "UNTESTED") by
    /// default.
    TestResults& testResults() { return m_testResults; }
    const TestResults& testResults() const { return m_testResults; }
    void setTestResults(const TestResults& results) { m_testResults = results; }
    ///@}

    /// True when the cable belongs to a bundle, that is when bundleName() is
    /// not empty (a name of a single space counts).
    bool inBundle() const;
    /// True when the test results hold response plots, that is when the NEXT
    /// plot has at least one point.
    // Only the NEXT plot is consulted: the tester always records it when it
    // records any plot at all.
    bool hasResponseData() const;

private:
    QString m_element;
    QString m_id;
    QString m_from;
    QString m_to;
    QString m_type;
    QString m_use;
    QString m_bundleName;
    QString m_bundleNum;
    QString m_bundleGroupNum;
    QString m_color;
    QStringList m_path;
    TestResults m_testResults;
};

#endif // CABLE_H
