#ifndef XMLWRITER_P_H
#define XMLWRITER_P_H

#include "ductbook_global.h"

#include <QByteArray>
#include <QString>

class QDomDocument;
class QIODevice;

// Writes a document as the job and template files have always looked: the
// document-type line, the root element, one space of indentation per level and
// the escaping of QDomDocument::toString(1). Two things differ on purpose:
// attributes come out in a fixed order (QDom keeps them in a hash seeded
// per process, so its own output changes from run to run), and characters
// that ISO-8859-1 cannot hold are written as numeric character references
// instead of being lost.
namespace XmlWriter {

// The text of the document; docTypeName is written in the document-type line.
DUCTBOOK_PRIVATE_EXPORT QString toText(const QDomDocument& document, const QString& docTypeName);

// The file's bytes: toText() in ISO-8859-1, written as such from the start
// (every character above U+00FF is a character reference, so nothing is
// lost).
DUCTBOOK_PRIVATE_EXPORT QByteArray toLatin1(const QDomDocument& document,
                                            const QString& docTypeName);

// The same bytes written to device piece by piece, so that a large job is not
// held in memory a second time. False when the device refused a write.
DUCTBOOK_PRIVATE_EXPORT bool write(QIODevice* device, const QDomDocument& document,
                                   const QString& docTypeName);

// True when name can be an element or attribute name in a file that is read
// back as ISO-8859-1: an XML name made only of Latin-1 characters.
DUCTBOOK_PRIVATE_EXPORT bool isValidName(const QString& name);

} // namespace XmlWriter

#endif // XMLWRITER_P_H
