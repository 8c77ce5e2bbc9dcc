#ifndef DUCTBOOK_VERTICE_H
#define DUCTBOOK_VERTICE_H

#include "ductbook_global.h"

#include <QObject>
#include <QString>

// A bend point of a connection line on a sheet. The same record carries a
// cable path point on a floor; then `sheet` holds the floor tag.
class DUCTBOOK_EXPORT Vertice : public QObject
{
    Q_OBJECT

public:
    Vertice();
    // The sheet comes before the id here, unlike Device and FreeText.
    Vertice(const QString& element, int x, int y, const QString& sheet, const QString& id);
    Vertice(const Vertice& other);
    Vertice& operator=(const Vertice& other);
    ~Vertice() override;

    bool operator==(const Vertice& other) const;
    bool operator!=(const Vertice& other) const { return !(*this == other); }

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

private:
    QString m_element;
    int m_x = -1;
    int m_y = -1;
    QString m_sheet;
    QString m_id;
};

#endif // DUCTBOOK_VERTICE_H
