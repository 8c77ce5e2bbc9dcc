// The document's view of the tester's records. The formats themselves live in
// TextCodecs, where they are tested without a document; these members only
// keep the interface the documents and their callers have always used.
#include "qvxmleditor.h"

#include "io/textcodecs_p.h"

QString QVXMLEditor::dataToString(cable_struct data) const
{
    return TextCodecs::encodeMeasurementBlock(data);
}

cable_struct QVXMLEditor::stringToData(const QString& text) const
{
    return TextCodecs::decodeMeasurementBlock(text);
}

QString QVXMLEditor::responseDataToString(LUMEN_PLOT_DATA data) const
{
    return TextCodecs::encodePlot(data);
}

LUMEN_PLOT_DATA QVXMLEditor::responseStringToData(const QString& text) const
{
    return TextCodecs::decodePlot(text);
}

QString QVXMLEditor::boolArrayToString(bool* flags) const
{
    return TextCodecs::encodeFlags(flags);
}

bool QVXMLEditor::stringToBoolArray(const QString& text, bool* flags) const
{
    return TextCodecs::decodeFlags(text, flags);
}
