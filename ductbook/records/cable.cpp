#include "cable.h"

#include "constants_p.h"

namespace {
QString defaultCableColor()
{
    return QStringLiteral("#000000");
}
} // namespace

QString Cable::floorChangeMarker()
{
    return QLatin1String(DuctbookConstants::EndFirstFloor);
}

// The empty entry is deliberate: written out it gives an empty "path"
// attribute, which is how the job stores a cable without route points.
Cable::Cable() : m_color(defaultCableColor()), m_path{QString()} {}

Cable::Cable(const QString& element, const QString& id, const QString& use, const QString& to,
             const QString& from, const QString& type, const TestResults& testResults,
             const QStringList& path, const QString& bundleName, const QString& bundleNum,
             const QString& bundleGroupNum, const QString& color)
    : m_element(element), m_id(id), m_from(from), m_to(to), m_type(type), m_use(use),
      m_bundleName(bundleName), m_bundleNum(bundleNum), m_bundleGroupNum(bundleGroupNum),
      m_color(color.isEmpty() ? defaultCableColor() : color), m_path(path),
      m_testResults(testResults)
{
}

Cable::Cable(const Cable& other)
    : QObject(other.parent()), m_element(other.m_element), m_id(other.m_id), m_from(other.m_from),
      m_to(other.m_to), m_type(other.m_type), m_use(other.m_use), m_bundleName(other.m_bundleName),
      m_bundleNum(other.m_bundleNum), m_bundleGroupNum(other.m_bundleGroupNum),
      m_color(other.m_color), m_path(other.m_path), m_testResults(other.m_testResults)
{
}

Cable& Cable::operator=(const Cable& other)
{
    if (this == &other)
        return *this;
    m_element = other.m_element;
    m_id = other.m_id;
    m_from = other.m_from;
    m_to = other.m_to;
    m_type = other.m_type;
    m_use = other.m_use;
    m_bundleName = other.m_bundleName;
    m_bundleNum = other.m_bundleNum;
    m_bundleGroupNum = other.m_bundleGroupNum;
    m_color = other.m_color;
    m_path = other.m_path;
    m_testResults = other.m_testResults;
    return *this;
}

Cable::~Cable() = default;

bool Cable::inBundle() const
{
    return !m_bundleName.isEmpty();
}

bool Cable::hasResponseData() const
{
    return m_testResults.next().pointCount > 0;
}
