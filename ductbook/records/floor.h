#ifndef DUCTBOOK_FLOOR_H
#define DUCTBOOK_FLOOR_H

/// @file
/// The Floor record.

#include "ductbook_global.h"

#include <QObject>
#include <QString>

/// One storey of the building, with its background plan and ceiling height.
///
/// The job document builds a Floor from a floor element when the host asks for
/// one and takes one back when the host adds a floor. The record is a snapshot:
/// changing it changes nothing in the job until it is handed back to the
/// document. The floor's tag ("FFloor_" followed by a number) names it
/// everywhere else in the job: rooms, ports and points hold the tag of their
/// floor.
class DUCTBOOK_EXPORT Floor : public QObject
{
    Q_OBJECT

public:
    /// A floor with empty strings, a ceiling height of 8.0 and no QObject
    /// parent.
    Floor();
    /// A floor with the given fields (no QObject parent). Note the order: the
    /// tag comes before the id.
    Floor(const QString& element, const QString& id, const QString& pic, double ceilingHeight);
    /// A copy of every field of @p other; the copy has the same QObject parent
    /// as @p other.
    Floor(const Floor& other);
    /// Copies every field of @p other; this record keeps its own QObject
    /// parent. Assigning a record to itself changes nothing.
    Floor& operator=(const Floor& other);
    /// Destroys the record.
    ~Floor() override;

    /// @name id
    ///@{

    /// The floor's display name, such as "Level 3". The getter returns a copy.
    QString id() const { return m_id; }
    void setID(const QString& id) { m_id = id; }
    ///@}

    /// @name element
    ///@{

    /// The floor's tag, the name of its XML element ("FFloor_" followed by a
    /// number). The getter returns a copy.
    QString element() const { return m_element; }
    void setElement(const QString& element) { m_element = element; }
    ///@}

    /// @name pic
    ///@{

    /// The path of the floor's background picture; empty for none.
    QString& pic() { return m_pic; }
    const QString& pic() const { return m_pic; }
    void setPic(const QString& pic) { m_pic = pic; }
    ///@}

    /// @name ceilingHeight
    ///@{

    /// The floor's ceiling height in the job's length unit (feet); 8.0 by
    /// default. The length estimate of a cable between floors adds the ceiling
    /// heights of the floors that lie strictly between its two ends.
    double ceilingHeight() const { return m_ceilingHeight; }
    void setCeilingHeight(double ceilingHeight) { m_ceilingHeight = ceilingHeight; }
    ///@}

private:
    QString m_id;
    QString m_element;
    QString m_pic;
    double m_ceilingHeight = 8.0;
};

#endif // DUCTBOOK_FLOOR_H
