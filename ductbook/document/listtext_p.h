#ifndef LISTTEXT_P_H
#define LISTTEXT_P_H

#include <QString>
#include <QStringList>

// The stored form of the job's tag lists: the cable lists of a vertical run
// (its "connected" and "disconnected" attributes) and the path points of a
// cable, each the tags joined with ",".
namespace ListText {

inline const QString& attrConnected()
{
    static const QString s = QStringLiteral("connected");
    return s;
}

inline const QString& attrDisconnected()
{
    static const QString s = QStringLiteral("disconnected");
    return s;
}

// The stored form of a cable list is the tags joined with ","; empty parts
// (left by older writers) are not cable tags.
inline QStringList splitList(const QString& text)
{
    return text.split(QLatin1Char(','), Qt::SkipEmptyParts);
}

inline QString joinList(const QStringList& list)
{
    return list.join(QLatin1Char(','));
}

inline QStringList splitPath(const QString& joined)
{
    return joined.split(QLatin1Char(','), Qt::SkipEmptyParts);
}

} // namespace ListText

#endif // LISTTEXT_P_H
