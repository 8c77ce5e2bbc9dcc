#ifndef CABLE_H
#define CABLE_H

#include "ductbook_global.h"
#include "testresults.h"

#include <QObject>
#include <QString>
#include <QStringList>

class DUCTBOOK_EXPORT Cable : public QObject
{
    Q_OBJECT

public:
    Cable();
    Cable(const QString& element, const QString& id, const QString& use, const QString& to,
          const QString& from, const QString& type, const TestResults& testResults,
          const QStringList& path, const QString& bundleName, const QString& bundleNum,
          const QString& bundleGroupNum, const QString& color);
    Cable(const Cable& other);
    Cable& operator=(const Cable& other);
    virtual ~Cable();

    QString& element() { return m_element; }
    const QString& element() const { return m_element; }
    void setElement(const QString& element) { m_element = element; }

    QString& id() { return m_id; }
    const QString& id() const { return m_id; }
    void setID(const QString& id) { m_id = id; }

    QString& from() { return m_from; }
    const QString& from() const { return m_from; }
    void setFrom(const QString& from) { m_from = from; }

    QString& to() { return m_to; }
    const QString& to() const { return m_to; }
    void setTo(const QString& to) { m_to = to; }

    QString& type() { return m_type; }
    const QString& type() const { return m_type; }
    void setType(const QString& type) { m_type = type; }

    QString& use() { return m_use; }
    const QString& use() const { return m_use; }
    void setUse(const QString& use) { m_use = use; }

    QString& bundleName() { return m_bundleName; }
    const QString& bundleName() const { return m_bundleName; }
    void setBundleName(const QString& name) { m_bundleName = name; }

    QString& bundleNum() { return m_bundleNum; }
    const QString& bundleNum() const { return m_bundleNum; }
    void setBundleNum(const QString& num) { m_bundleNum = num; }

    QString& bundleGroupNum() { return m_bundleGroupNum; }
    const QString& bundleGroupNum() const { return m_bundleGroupNum; }
    void setBundleGroupNum(const QString& num) { m_bundleGroupNum = num; }

    QString& color() { return m_color; }
    const QString& color() const { return m_color; }
    void setColor(const QString& color) { m_color = color; }

    QStringList& path() { return m_path; }
    const QStringList& path() const { return m_path; }
    void setPath(const QStringList& path) { m_path = path; }

    TestResults& testResults() { return m_testResults; }
    const TestResults& testResults() const { return m_testResults; }
    void setTestResults(const TestResults& results) { m_testResults = results; }

    bool inBundle() const;
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
