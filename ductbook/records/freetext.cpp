#include "freetext.h"

FreeText::FreeText() : QObject(nullptr) {}

FreeText::FreeText(const QString& element, int x, int y, const QString& id, const QString& sheet,
                   int fontSize)
    : QObject(nullptr), m_element(element), m_x(x), m_y(y), m_sheet(sheet), m_id(id),
      m_fontSize(fontSize)
{
}

FreeText::FreeText(const FreeText& other)
    : QObject(other.parent()), m_element(other.m_element), m_x(other.m_x), m_y(other.m_y),
      m_sheet(other.m_sheet), m_id(other.m_id), m_fontSize(other.m_fontSize)
{
}

FreeText& FreeText::operator=(const FreeText& other)
{
    if (this == &other)
        return *this;
    m_element = other.m_element;
    m_x = other.m_x;
    m_y = other.m_y;
    m_sheet = other.m_sheet;
    m_id = other.m_id;
    m_fontSize = other.m_fontSize;
    return *this;
}

FreeText::~FreeText() = default;
