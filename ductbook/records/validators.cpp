#include "validators.h"

#include <QRegularExpression>

namespace {
QValidator::State cutWhenLonger(const QValidator& validator, QString& input, int limit)
{
    if (input.length() > limit)
        validator.fixup(input);
    return QValidator::Acceptable;
}

const int kIdLimit = 25;
const int kInfoLimit = 44;
const int kPortLimit = 20;
const int kTypeLimit = 5;
const int kDeviceLimit = 25;
const int kDeviceCut = 20;
const int kLengthDigits = 9;
} // namespace

IDValidator::IDValidator(QObject* parent) : QValidator(parent) {}

IDValidator::~IDValidator() = default;

QValidator::State IDValidator::validate(QString& input, int& pos) const
{
    Q_UNUSED(pos);
    return cutWhenLonger(*this, input, kIdLimit);
}

void IDValidator::fixup(QString& input) const
{
    input.truncate(kIdLimit);
}

InfoValidator::InfoValidator(QObject* parent) : QValidator(parent) {}

InfoValidator::~InfoValidator() = default;

QValidator::State InfoValidator::validate(QString& input, int& pos) const
{
    Q_UNUSED(pos);
    return cutWhenLonger(*this, input, kInfoLimit);
}

void InfoValidator::fixup(QString& input) const
{
    input.truncate(kInfoLimit);
}

PortValidator::PortValidator(QObject* parent) : QValidator(parent) {}

PortValidator::~PortValidator() = default;

QValidator::State PortValidator::validate(QString& input, int& pos) const
{
    Q_UNUSED(pos);
    return cutWhenLonger(*this, input, kPortLimit);
}

void PortValidator::fixup(QString& input) const
{
    input.truncate(kPortLimit);
}

TypeValidator::TypeValidator(QObject* parent) : QValidator(parent) {}

TypeValidator::~TypeValidator() = default;

QValidator::State TypeValidator::validate(QString& input, int& pos) const
{
    Q_UNUSED(pos);
    return cutWhenLonger(*this, input, kTypeLimit);
}

void TypeValidator::fixup(QString& input) const
{
    input.truncate(kTypeLimit);
}

DeviceValidator::DeviceValidator(QObject* parent) : QValidator(parent) {}

DeviceValidator::~DeviceValidator() = default;

QValidator::State DeviceValidator::validate(QString& input, int& pos) const
{
    Q_UNUSED(pos);
    return cutWhenLonger(*this, input, kDeviceLimit);
}

// Device labels must fit the 20-character box drawn on the network sheet;
// names up to 25 are still let through while typing.
void DeviceValidator::fixup(QString& input) const
{
    input.truncate(kDeviceCut);
}

LengthValidator::LengthValidator(QObject* parent) : QValidator(parent) {}

LengthValidator::~LengthValidator() = default;

QValidator::State LengthValidator::validate(QString& input, int& pos) const
{
    Q_UNUSED(pos);
    const QString digits = QObject::tr("1234567890");
    for (const QChar ch : std::as_const(input)) {
        if (!digits.contains(ch))
            return Invalid;
    }
    if (input.length() > kLengthDigits)
        fixup(input);
    return Acceptable;
}

void LengthValidator::fixup(QString& input) const
{
    input.truncate(kLengthDigits);
}

FileValidator::FileValidator(QObject* parent) : QValidator(parent) {}

FileValidator::~FileValidator() = default;

QValidator::State FileValidator::validate(QString& input, int& pos) const
{
    Q_UNUSED(pos);
    if (input.startsWith(QLatin1Char('.')))
        return Invalid;

    // Translators may change the set, so it is read each time; escaping keeps
    // characters such as "]" or "\" in a translation from breaking the class.
    const QString forbidden = QObject::tr(";<>|&?$*\"", "forbidden characters in field");
    if (forbidden.isEmpty())
        return Acceptable;
    const QRegularExpression forbiddenClass(
        QLatin1Char('[') + QRegularExpression::escape(forbidden) + QLatin1Char(']'));
    if (forbiddenClass.match(input).hasMatch())
        return Invalid;
    return Acceptable;
}

void FileValidator::fixup(QString& input) const
{
    input.replace(QLatin1Char(' '), QLatin1Char('_'));
}
