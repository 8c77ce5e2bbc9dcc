#include "activetestresult.h"

ActiveTestResult::ActiveTestResult() = default;

ActiveTestResult::ActiveTestResult(const QString& element, const QString& testType,
                                   const QString& testResult, const QString& dateTime)
    : m_element(element), m_testType(testType), m_testResult(testResult), m_dateTime(dateTime)
{
}

ActiveTestResult::ActiveTestResult(const ActiveTestResult& other)
    : QObject(other.parent()), m_element(other.m_element), m_testType(other.m_testType),
      m_testResult(other.m_testResult), m_dateTime(other.m_dateTime)
{
}

ActiveTestResult& ActiveTestResult::operator=(const ActiveTestResult& other)
{
    if (this == &other)
        return *this;
    m_element = other.m_element;
    m_testType = other.m_testType;
    m_testResult = other.m_testResult;
    m_dateTime = other.m_dateTime;
    return *this;
}

ActiveTestResult::~ActiveTestResult() = default;
