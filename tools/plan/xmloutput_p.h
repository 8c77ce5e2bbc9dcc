// XML written into memory and passed on to a device as UTF-8 in large
// pieces: a stream writer on a device writes a few bytes at a time, which
// costs more than the drawing itself on a campus job.
#ifndef XMLOUTPUT_P_H
#define XMLOUTPUT_P_H

#include <QString>
#include <QXmlStreamWriter>

class QIODevice;

namespace Plan {

class XmlOutput
{
public:
    explicit XmlOutput(QIODevice& device);

    QXmlStreamWriter& xml() { return m_xml; }

    // Appends text that is already XML (escaped) where an element may
    // begin, after closing the writer's pending start tag. The writer
    // escapes character by character; long attribute values that need no
    // escaping (a plot's points) go faster this way.
    void raw(const QString& text);

    // Passes what is written so far on to the device when there is much of
    // it (always with force). False, with the device's reason, when the
    // device takes less than it was given.
    bool flush(bool force, QString* error);

private:
    QIODevice& m_device;
    QString m_buffer;
    QXmlStreamWriter m_xml;
};

} // namespace Plan

#endif // XMLOUTPUT_P_H
