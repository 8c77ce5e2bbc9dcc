#ifndef BUNDLEDCABLE_H
#define BUNDLEDCABLE_H

#include "ductbook_global.h"

#include <QObject>
#include <QString>
#include <QStringList>

// A bundled cable type: a named bundle made of several cable types.
class DUCTBOOK_EXPORT BundledCable : public QObject
{
    Q_OBJECT

public:
    BundledCable();
    BundledCable(const QString& element, const QString& id, const QStringList& types,
                 const QString& color, bool defaultType);
    BundledCable(const BundledCable& other);
    BundledCable& operator=(const BundledCable& other);
    virtual ~BundledCable();

    QString& element() { return m_element; }
    const QString& element() const { return m_element; }
    void setElement(const QString& element) { m_element = element; }

    QString& id() { return m_id; }
    const QString& id() const { return m_id; }
    void setId(const QString& id) { m_id = id; }

    QStringList& types() { return m_types; }
    const QStringList& types() const { return m_types; }
    void setTypes(const QStringList& types) { m_types = types; }

    QString& color() { return m_color; }
    const QString& color() const { return m_color; }
    void setColor(const QString& color) { m_color = color; }

    bool& defaultType() { return m_defaultType; }
    bool defaultType() const { return m_defaultType; }
    void setDefaultType(const bool& defaultType) { m_defaultType = defaultType; }

private:
    QString m_element;
    QString m_id;
    QStringList m_types;
    QString m_color;
    bool m_defaultType = false;
};

#endif // BUNDLEDCABLE_H
