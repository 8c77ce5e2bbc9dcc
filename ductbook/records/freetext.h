#ifndef DUCTBOOK_FREETEXT_H
#define DUCTBOOK_FREETEXT_H

#include "ductbook_global.h"

#include <QObject>
#include <QString>

// A text label placed on a sheet, or on a floor (then `sheet` holds the floor
// tag). The id is the text itself.
class DUCTBOOK_EXPORT FreeText : public QObject
{
    Q_OBJECT

public:
    FreeText();
    FreeText(const QString& element, int x, int y, const QString& id, const QString& sheet,
             int fontSize);
    FreeText(const FreeText& other);
    FreeText& operator=(const FreeText& other);
    ~FreeText() override;

    QString& element() { return m_element; }
    const QString& element() const { return m_element; }
    void setElement(const QString& element) { m_element = element; }

    int x() const { return m_x; }
    void setX(int x) { m_x = x; }

    int y() const { return m_y; }
    void setY(int y) { m_y = y; }

    QString& sheet() { return m_sheet; }
    const QString& sheet() const { return m_sheet; }
    void setSheet(const QString& sheet) { m_sheet = sheet; }

    QString& id() { return m_id; }
    const QString& id() const { return m_id; }
    void setID(const QString& id) { m_id = id; }

    int fontSize() const { return m_fontSize; }
    void setFontSize(int fontSize) { m_fontSize = fontSize; }

private:
    QString m_element;
    int m_x = -1;
    int m_y = -1;
    QString m_sheet;
    QString m_id;
    int m_fontSize = 10;
};

#endif // DUCTBOOK_FREETEXT_H
