#include "qvxmleditor.h"

#include "constants_p.h"

QVXMLEditor::QVXMLEditor(const QString& name)
    : QObject(nullptr), document(name), m_docTypeName(name)
{
}

// A copy shares the source's tree: QDomDocument handles are references.
QVXMLEditor::QVXMLEditor(QVXMLEditor& other)
    : QObject(other.parent()), document(other.document), m_filename(other.m_filename),
      m_error(other.m_error), m_changed(false), m_docTypeName(other.m_docTypeName)
{
}

QVXMLEditor& QVXMLEditor::operator=(const QVXMLEditor& other)
{
    if (this == &other)
        return *this;
    document = other.document;
    m_filename = other.m_filename;
    m_error = other.m_error;
    return *this;
}

QVXMLEditor::~QVXMLEditor() = default;

// Navigation starts at the root element, found as the document element, so
// that an XML declaration or a comment ahead of the root does not hide it.
QDomNode QVXMLEditor::getDomNodeFirstChild()
{
    const QDomElement root = document.documentElement();
    if (root.isNull())
        return QDomNode();
    return root.firstChild();
}

QDomElement QVXMLEditor::getChildElement(const QString& name, QDomNode& node)
{
    while (!node.isNull()) {
        if (node.isElement() && node.nodeName() == name)
            return node.toElement();
        node = node.nextSibling();
    }
    return QDomElement();
}

bool QVXMLEditor::hasChildElement(const QString& name, QDomNode& node)
{
    QDomNode walker = node;
    return !getChildElement(name, walker).isNull();
}

QDomElement QVXMLEditor::getElement(const QString& name)
{
    QDomNode node = getDomNodeFirstChild();
    return getChildElement(name, node);
}

QString QVXMLEditor::getChildAttr(const QString& attr, QDomElement& e)
{
    if (e.isNull())
        return QString();
    QDomAttr a = e.attributeNode(attr);
    if (a.isNull())
        return QString();
    if (a.value().isNull())
        a.setValue(QLatin1String(""));
    return a.value();
}

void QVXMLEditor::setChildAttr(const QString& attr, const QString& value, QDomElement& e)
{
    if (e.isNull() || !e.hasAttribute(attr))
        return;
    e.setAttribute(attr, value);
}

QString QVXMLEditor::getElementId(QDomElement e)
{
    return getChildAttr(QStringLiteral("id"), e);
}

void QVXMLEditor::setElementId(const QString& id, QDomElement& e)
{
    setChildAttr(QStringLiteral("id"), id, e);
}

// --- blocks with an address -------------------------------------------------

void QVXMLEditor::setBlockAttr(const QString& block, const QString& attr, const QString& value)
{
    QDomElement e = getElement(block);
    if (e.isNull())
        return;
    setChildAttr(attr, value, e);
    m_changed = true;
}

QString QVXMLEditor::getBlockAttr(const QString& block, const QString& attr)
{
    QDomElement e = getElement(block);
    const QString value = getChildAttr(attr, e);
    return value.isNull() ? QLatin1String("") : value;
}

namespace {
const char* const addressAttributes[] = {"address1", "address2", "city",
                                         "state",    "zipcode",  "country"};
}

void QVXMLEditor::setBlockAddress(const QString& block, Address& address)
{
    QDomElement e = getElement(block);
    if (e.isNull() || !e.hasChildNodes())
        return;
    QDomNode node = e.firstChild();
    QDomElement a = getChildElement(QLatin1String(DuctbookConstants::AddressElement), node);
    if (a.isNull())
        return;
    const QString values[] = {address.address1(), address.address2(), address.city(),
                              address.state(),    address.zipcode(),  address.country()};
    for (int i = 0; i < 6; ++i)
        setChildAttr(QLatin1String(addressAttributes[i]), values[i], a);
    m_changed = true;
}

Address QVXMLEditor::getBlockAddress(const QString& block)
{
    Address address;
    QDomElement e = getElement(block);
    if (e.isNull())
        return address;
    QDomNode node = e.firstChild();
    QDomElement a = getChildElement(QLatin1String(DuctbookConstants::AddressElement), node);
    if (a.isNull())
        return address;
    auto read = [&](int i) {
        const QString v = getChildAttr(QLatin1String(addressAttributes[i]), a);
        return v.isNull() ? QLatin1String("") : v;
    };
    address.setAddress1(read(0));
    address.setAddress2(read(1));
    address.setCity(read(2));
    address.setState(read(3));
    address.setZipCode(read(4));
    address.setCountry(read(5));
    return address;
}

// --- contractor block -------------------------------------------------------

namespace {
QString contractorBlock()
{
    return QLatin1String(DuctbookConstants::ContractorInfoElement);
}
} // namespace

void QVXMLEditor::setContractorTester(const QString& value)
{
    setBlockAttr(contractorBlock(), QStringLiteral("tester"), value);
}

void QVXMLEditor::setContractorCompany(const QString& value)
{
    setBlockAttr(contractorBlock(), QStringLiteral("company"), value);
}

void QVXMLEditor::setContractorEmail(const QString& value)
{
    setBlockAttr(contractorBlock(), QStringLiteral("email"), value);
}

void QVXMLEditor::setContractorPhone(const QString& value)
{
    setBlockAttr(contractorBlock(), QStringLiteral("phone"), value);
}

void QVXMLEditor::setContractorLogo(const QString& value)
{
    setBlockAttr(contractorBlock(), QStringLiteral("logo"), value);
}

void QVXMLEditor::setContractorAddress(Address& address)
{
    setBlockAddress(contractorBlock(), address);
}

void QVXMLEditor::setContractorData(const QString& tester, const QString& company,
                                    const QString& email, const QString& phone, const QString& logo,
                                    Address& address)
{
    setContractorTester(tester);
    setContractorCompany(company);
    setContractorEmail(email);
    setContractorPhone(phone);
    setContractorLogo(logo);
    setContractorAddress(address);
    m_changed = true;
}

void QVXMLEditor::setContractorData(ContractorData& data)
{
    setContractorData(data.tester(), data.company(), data.email(), data.phone(), data.logo(),
                      data.address());
}

QString QVXMLEditor::getContractorTester()
{
    return getBlockAttr(contractorBlock(), QStringLiteral("tester"));
}

QString QVXMLEditor::getContractorCompany()
{
    return getBlockAttr(contractorBlock(), QStringLiteral("company"));
}

QString QVXMLEditor::getContractorEmail()
{
    return getBlockAttr(contractorBlock(), QStringLiteral("email"));
}

QString QVXMLEditor::getContractorPhone()
{
    return getBlockAttr(contractorBlock(), QStringLiteral("phone"));
}

QString QVXMLEditor::getContractorLogo()
{
    return getBlockAttr(contractorBlock(), QStringLiteral("logo"));
}

Address QVXMLEditor::getContractorAddress()
{
    return getBlockAddress(contractorBlock());
}

ContractorData QVXMLEditor::getContractorData()
{
    return ContractorData(getContractorTester(), getContractorCompany(), getContractorEmail(),
                          getContractorPhone(), getContractorLogo(), getContractorAddress());
}
