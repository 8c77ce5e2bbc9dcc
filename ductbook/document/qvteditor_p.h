#ifndef QVTEDITOR_P_H
#define QVTEDITOR_P_H

#include "qvteditor.h"

#include <QDomElement>
#include <QDomNode>
#include <QString>

// The private implementation of QvtEditor: the helpers of loading, saving and
// the version upgrade. The upgrade table runs every step through this class;
// the steps that are public reach the template through q.
class QvtEditorPrivate
{
public:
    explicit QvtEditorPrivate(QvtEditor* owner) : q(owner) {}
    Q_DISABLE_COPY(QvtEditorPrivate)

    QvtEditor* const q;

    // The "Version" element, left in *element as the steps promise.
    QDomElement versionElement(QDomElement* element);
    static void setVersion(QDomElement& version, const char* number);
    // Empties the tree, keeping the document type.
    void clearDocument();
    bool writeTo(const QString& path);
    // Versions 1.1 to 1.3 to 1.4, a step like the public ones.
    bool convert11To14(QDomElement* element, QDomNode* node);
    bool convert14To21(QDomElement* element, QDomNode* node)
    {
        return q->convert14To21(element, node);
    }
    bool convert21To22(QDomElement* element, QDomNode* node)
    {
        return q->convert21To22(element, node);
    }
    bool convert22To23(QDomElement* element, QDomNode* node)
    {
        return q->convert22To23(element, node);
    }
    bool convert23To30(QDomElement* element, QDomNode* node)
    {
        return q->convert23To30(element, node);
    }
    // The save after a step; false (the reason logged) when it failed.
    bool saveStep(const char* to);
};

#endif // QVTEDITOR_P_H
