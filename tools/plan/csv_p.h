// Comma-separated values as spreadsheets write and read them: fields that
// hold a comma, a quote or a line break are quoted, quotes inside are
// doubled, records end in CRLF.
#ifndef CSV_P_H
#define CSV_P_H

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace Csv {

// One field, quoted when it needs to be. Text that a spreadsheet would run
// as a formula (beginning with "=", "+", "-", "@", a tab or a carriage
// return, and not a number) is written with a leading apostrophe.
QString field(const QString& value);
// One record: the fields joined with "," and ended by CRLF.
QString record(const QStringList& fields);

struct Record
{
    int line = 0; // the line of the text on which the record starts, from 1
    QStringList fields;
    QString problem; // why the record is malformed; empty when it is not
};

// The records of a text. Line ends may be CRLF or LF; a quoted field may
// hold commas, doubled quotes and line breaks. A quote inside an unquoted
// field, text after a closing quote and a quoted field that never ends make
// the record malformed; reading goes on with the next line. Records whose
// fields are all empty (blank lines, rows of commas) are left out. The
// apostrophe that field() puts before a formula-like text is taken off again.
QList<Record> parse(const QString& text);

// The text of UTF-8 bytes, without a leading byte order mark; false when the
// bytes are not UTF-8, with the line of the first bad byte.
bool decodeUtf8(const QByteArray& bytes, QString* text, int* badLine);

} // namespace Csv

#endif // CSV_P_H
