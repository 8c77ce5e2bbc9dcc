#include "xmloutput_p.h"

#include <QIODevice>

namespace Plan {

XmlOutput::XmlOutput(QIODevice& device) : m_device(device), m_xml(&m_buffer) {}

void XmlOutput::raw(const QString& text)
{
    // Empty characters close a pending start tag and write nothing else.
    m_xml.writeCharacters(QString());
    m_buffer += text;
}

bool XmlOutput::flush(bool force, QString* error)
{
    if (!force && m_buffer.size() < (1 << 20))
        return true;
    const QByteArray bytes = m_buffer.toUtf8();
    m_buffer.clear();
    if (m_device.write(bytes) == bytes.size())
        return true;
    *error = QStringLiteral("cannot write: %1").arg(m_device.errorString());
    return false;
}

} // namespace Plan
