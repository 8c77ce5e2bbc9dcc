#include "validators.h"

#include <QtTest>

#include <memory>

namespace {
// Replaces the file validator's forbidden set, to show that a translated set
// is used as given, including characters that mean something in a class.
class ForbiddenSetTranslator : public QTranslator
{
public:
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override
    {
        Q_UNUSED(n);
        if (qstrcmp(context, "QObject") == 0 && qstrcmp(sourceText, ";<>|&?$*\"") == 0 &&
            qstrcmp(disambiguation, "forbidden characters in field") == 0)
            return QStringLiteral("]\\-^");
        return QString();
    }
    bool isEmpty() const override { return false; }
};

std::unique_ptr<QValidator> makeValidator(const QString& kind)
{
    if (kind == QLatin1String("ID"))
        return std::make_unique<IDValidator>(nullptr);
    if (kind == QLatin1String("Info"))
        return std::make_unique<InfoValidator>(nullptr);
    if (kind == QLatin1String("Port"))
        return std::make_unique<PortValidator>(nullptr);
    if (kind == QLatin1String("Type"))
        return std::make_unique<TypeValidator>(nullptr);
    if (kind == QLatin1String("Device"))
        return std::make_unique<DeviceValidator>(nullptr);
    if (kind == QLatin1String("Length"))
        return std::make_unique<LengthValidator>(nullptr);
    return std::make_unique<FileValidator>(nullptr);
}

QString letters(int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text.append(QChar(u'a' + i % 26));
    return text;
}
} // namespace

class TestValidators : public QObject
{
    Q_OBJECT

private slots:
    void validate_data();
    void validate();
    void fileFixupReplacesSpaces();
    void translatedForbiddenSetIsEscaped();
};

void TestValidators::validate_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("output");

    const int ok = QValidator::Acceptable;
    const int bad = QValidator::Invalid;

    QTest::newRow("id 25 kept") << "ID" << letters(25) << ok << letters(25);
    QTest::newRow("id 26 cut to 25") << "ID" << letters(26) << ok << letters(25);
    QTest::newRow("id empty") << "ID" << QString() << ok << QString();
    QTest::newRow("info 44 kept") << "Info" << letters(44) << ok << letters(44);
    QTest::newRow("info 45 cut to 44") << "Info" << letters(45) << ok << letters(44);
    QTest::newRow("port 20 kept") << "Port" << letters(20) << ok << letters(20);
    QTest::newRow("port 21 cut to 20") << "Port" << letters(21) << ok << letters(20);
    QTest::newRow("type 5 kept") << "Type" << letters(5) << ok << letters(5);
    QTest::newRow("type 6 cut to 5") << "Type" << letters(6) << ok << letters(5);
    QTest::newRow("device 21 kept") << "Device" << letters(21) << ok << letters(21);
    QTest::newRow("device 25 kept") << "Device" << letters(25) << ok << letters(25);
    QTest::newRow("device 26 cut to 20") << "Device" << letters(26) << ok << letters(20);

    QTest::newRow("length empty") << "Length" << QString() << ok << QString();
    QTest::newRow("length digits") << "Length"
                                   << "0123456789" << ok << "012345678";
    QTest::newRow("length nine digits kept") << "Length"
                                             << "987654321" << ok << "987654321";
    QTest::newRow("length decimal point") << "Length"
                                          << "1.5" << bad << "1.5";
    QTest::newRow("length minus sign") << "Length"
                                       << "-1" << bad << "-1";
    QTest::newRow("length letter") << "Length"
                                   << "12a" << bad << "12a";
    QTest::newRow("length space") << "Length"
                                  << " 12" << bad << " 12";
    QTest::newRow("length long with letter not cut") << "Length"
                                                     << "123456789x0" << bad << "123456789x0";

    QTest::newRow("file leading dot") << "File"
                                      << ".x" << bad << ".x";
    QTest::newRow("file inner dot") << "File"
                                    << "plan.job" << ok << "plan.job";
    QTest::newRow("file space kept while typing") << "File"
                                                  << "a b" << ok << "a b";
    QTest::newRow("file empty") << "File" << QString() << ok << QString();
    const QString forbidden = QStringLiteral(";<>|&?$*\"");
    for (const QChar ch : forbidden) {
        const QString name = QStringLiteral("a") + ch + QStringLiteral("b");
        QTest::newRow(qPrintable(QStringLiteral("file forbids ") + ch))
            << "File" << name << bad << name;
    }
    // Characters with a meaning inside a regular-expression class.
    for (const QString& name :
         {QStringLiteral("a]b"), QStringLiteral("a\\b"), QStringLiteral("a-b"),
          QStringLiteral("a^b"), QStringLiteral("a[b"), QStringLiteral("a(b)")}) {
        QTest::newRow(qPrintable(QStringLiteral("file allows ") + name))
            << "File" << name << ok << name;
    }
}

void TestValidators::validate()
{
    QFETCH(QString, kind);
    QFETCH(QString, input);
    QFETCH(int, state);
    QFETCH(QString, output);

    const std::unique_ptr<QValidator> validator = makeValidator(kind);
    int pos = input.size();
    QCOMPARE(int(validator->validate(input, pos)), state);
    QCOMPARE(input, output);
}

void TestValidators::fileFixupReplacesSpaces()
{
    FileValidator validator(nullptr);
    QString name = QStringLiteral("a b");
    validator.fixup(name);
    QCOMPARE(name, QStringLiteral("a_b"));
    name = QStringLiteral(" two  spaces ");
    validator.fixup(name);
    QCOMPARE(name, QStringLiteral("_two__spaces_"));
}

void TestValidators::translatedForbiddenSetIsEscaped()
{
    ForbiddenSetTranslator translator;
    QCoreApplication::installTranslator(&translator);
    FileValidator validator(nullptr);
    int pos = 0;
    QString name;
    for (const char* refused : {"a]b", "a\\b", "a-b", "a^b"}) {
        name = QString::fromLatin1(refused);
        QCOMPARE(validator.validate(name, pos), QValidator::Invalid);
    }
    // Not in the translated set: a ";" is now allowed, and "-" is not a range
    // from "]" to "^" that would take in "\\" alone.
    for (const char* allowed : {"a;b", "a[b", "a_b"}) {
        name = QString::fromLatin1(allowed);
        QCOMPARE(validator.validate(name, pos), QValidator::Acceptable);
    }
    QCoreApplication::removeTranslator(&translator);
    name = QStringLiteral("a;b");
    QCOMPARE(validator.validate(name, pos), QValidator::Invalid);
}

QTEST_GUILESS_MAIN(TestValidators)
#include "tst_validators.moc"
