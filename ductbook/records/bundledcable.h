#ifndef BUNDLEDCABLE_H
#define BUNDLEDCABLE_H

/// @file
/// The BundledCable record.

#include "ductbook_global.h"

#include <QObject>
#include <QString>
#include <QStringList>

/// A bundled cable type: a named bundle made of several cable types.
///
/// Jobs and templates keep their bundled cable types in a list beside the
/// test definitions (QVXMLEditor::addBundledCableType(),
/// QVXMLEditor::getBundledCableType()); a cable that belongs to a bundle names
/// its type by id in Cable::bundleName(). The record is a detached copy.
class DUCTBOOK_EXPORT BundledCable : public QObject
{
    Q_OBJECT

public:
    /// A bundled cable type with empty strings, no types, defaultType() false
    /// and no QObject parent. Note that the colour is empty here, not
    /// "#000000".
    BundledCable();
    /// A bundled cable type with the given fields (no QObject parent).
    BundledCable(const QString& element, const QString& id, const QStringList& types,
                 const QString& color, bool defaultType);
    /// A copy of every field of @p other; the copy has the same QObject parent
    /// as @p other.
    BundledCable(const BundledCable& other);
    /// Copies every field of @p other; this record keeps its own QObject
    /// parent. Assigning a record to itself changes nothing.
    BundledCable& operator=(const BundledCable& other);
    /// Destroys the record.
    virtual ~BundledCable();

    /// @name element
    ///@{

    /// The tag of the type's XML element ("BundledCable" followed by a
    /// number). The document gives a new type its tag and ignores this field
    /// when adding one.
    QString& element() { return m_element; }
    const QString& element() const { return m_element; }
    void setElement(const QString& element) { m_element = element; }
    ///@}

    /// @name id
    ///@{

    /// The bundled cable type's name, unique among the bundled cable types of
    /// a document. Note the setter's spelling, setId(), unlike Cable::setID().
    QString& id() { return m_id; }
    const QString& id() const { return m_id; }
    void setId(const QString& id) { m_id = id; }
    ///@}

    /// @name types
    ///@{

    /// The cable types (test definition ids) that make up the bundle, one
    /// entry per cable, in order; a type may appear more than once.
    QStringList& types() { return m_types; }
    const QStringList& types() const { return m_types; }
    void setTypes(const QStringList& types) { m_types = types; }
    ///@}

    /// @name color
    ///@{

    /// The drawing colour, "#" and six hexadecimal digits; not checked.
    QString& color() { return m_color; }
    const QString& color() const { return m_color; }
    void setColor(const QString& color) { m_color = color; }
    ///@}

    /// @name defaultType
    ///@{

    /// Whether this is one of the default bundled cable types (attribute
    /// "default_type", "1" or "0"). The non-const getter returns a modifiable
    /// reference.
    bool& defaultType() { return m_defaultType; }
    bool defaultType() const { return m_defaultType; }
    void setDefaultType(const bool& defaultType) { m_defaultType = defaultType; }
    ///@}

private:
    QString m_element;
    QString m_id;
    QStringList m_types;
    QString m_color;
    bool m_defaultType = false;
};

#endif // BUNDLEDCABLE_H
