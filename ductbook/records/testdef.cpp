#include "testdef.h"

#include "cablestruct_p.h"

#include <QColor>

namespace {
const int kPairCount = 4;
const int kNearEnd = 0;
const int kFarEnd = 1;

// Cables longer than this (100 m) are outside what the SNR and BERT limits
// were set for.
const float kLongCableFeet = 330.0f;

quint8 lowBit(int pair)
{
    return static_cast<quint8>(1u << pair);
}

quint8 highBit(int pair)
{
    return static_cast<quint8>(16u << pair);
}

bool validPair(int pair)
{
    return pair >= 0 && pair < kPairCount;
}

QString defaultColor()
{
    return QStringLiteral("#000000");
}
} // namespace

TestDef::TestDef() : TestDef(QString()) {}

// The name-only constructor keeps its historical length constant of 15000.0
// and category -1; definitions stored in old templates were made with it.
TestDef::TestDef(const QString& id)
    : m_id(id), m_expected(unmeasuredCableStruct()), m_lengthConstant(15000.0f),
      m_cableCategory(-1), m_color(defaultColor())
{
}

TestDef::TestDef(const QString& id, const cable_struct& expected)
    : m_id(id), m_expected(expected), m_lengthConstant(1500.0f), m_cableCategory(0),
      m_color(defaultColor())
{
}

TestDef::TestDef(const TestDef& other) : QObject(other.parent())
{
    copyFields(other);
}

TestDef& TestDef::operator=(const TestDef& other)
{
    if (this != &other)
        copyFields(other);
    return *this;
}

TestDef::~TestDef() = default;

void TestDef::copyFields(const TestDef& other)
{
    m_id = other.m_id;
    m_expected = other.m_expected;
    for (int pair = 0; pair < kPairCount; ++pair)
        m_pairInUse[pair] = other.m_pairInUse[pair];
    m_dataRate = other.m_dataRate;
    m_SNR = other.m_SNR;
    m_skew = other.m_skew;
    m_shield = other.m_shield;
    m_lengthConstant = other.m_lengthConstant;
    m_maxLength = other.m_maxLength;
    m_comment = other.m_comment;
    m_cableCategory = other.m_cableCategory;
    m_defaultType = other.m_defaultType;
    m_color = other.m_color;
}

void TestDef::setPairInUse(bool* pairs)
{
    if (!pairs)
        return;
    for (int pair = 0; pair < kPairCount; ++pair)
        m_pairInUse[pair] = pairs[pair];
}

int TestDef::carePair(int pair, int end) const
{
    if (!validPair(pair))
        return -1;
    if (end == kNearEnd) {
        const quint8 flags = m_expected.wiremap[0];
        if (flags & highBit(pair))
            return 2;
        return (flags & lowBit(pair)) ? 1 : 0;
    }
    if (end == kFarEnd) {
        const quint8 flags = m_expected.farEndFlags[0];
        if (flags & highBit(pair))
            return 1;
        return (flags & lowBit(pair)) ? 0 : -1;
    }
    return -1;
}

void TestDef::setPairCare(int pair, int value, int end)
{
    if (!validPair(pair))
        return;
    quint8* flags = nullptr;
    if (end == kNearEnd)
        flags = &m_expected.wiremap[0];
    else if (end == kFarEnd)
        flags = &m_expected.farEndFlags[0];
    else
        return;

    const quint8 low = lowBit(pair);
    const quint8 high = highBit(pair);
    if (end == kNearEnd) {
        switch (value) {
        case 0:
            *flags &= static_cast<quint8>(~(low | high));
            break;
        case 1:
            *flags = static_cast<quint8>((*flags | low) & ~high);
            break;
        case 2:
            *flags |= high;
            break;
        default:
            break;
        }
        return;
    }
    // The far end has no way back to "neither bit": once a pair is cared
    // for at the far end it stays so.
    switch (value) {
    case 0:
        *flags = static_cast<quint8>((*flags | low) & ~high);
        break;
    case 1:
        *flags |= high;
        break;
    default:
        break;
    }
}

void TestDef::setPairMapping(int pair, int farPair)
{
    // Only wiremap[1..4] hold the mapping; other bytes are the tester's.
    if (!validPair(pair))
        return;
    m_expected.wiremap[1 + pair] = static_cast<quint8>(farPair);
}

int TestDef::getPairTo(int pair) const
{
    if (!validPair(pair))
        return pair;
    const qint8 farPair = static_cast<qint8>(m_expected.wiremap[1 + pair]);
    if (farPair < 0 || farPair > 3)
        return pair;
    return farPair;
}

QString TestDef::validDef() const
{
    bool allInUse = true;
    bool anyInUse = false;
    for (int pair = 0; pair < kPairCount; ++pair) {
        allInUse = allInUse && m_pairInUse[pair];
        anyInUse = anyInUse || m_pairInUse[pair];
    }
    const bool firstTwoInUse = m_pairInUse[0] && m_pairInUse[1];

    auto split = [this](int pair) { return carePair(pair, kFarEnd) == 1; };
    const bool splitOnFirstTwo = split(0) || split(1);
    const bool anySplit = splitOnFirstTwo || split(2) || split(3);

    const bool straight =
        getPairTo(0) == 0 && getPairTo(1) == 1 && getPairTo(2) == 2 && getPairTo(3) == 3;
    const bool firstTwoSwapped = getPairTo(0) == 1 && getPairTo(1) == 0;
    const bool lastTwoKept = getPairTo(2) == 2 && getPairTo(3) == 3;
    const bool lastTwoSwapped = getPairTo(2) == 3 && getPairTo(3) == 2;
    const bool crossover = firstTwoSwapped && (lastTwoKept || lastTwoSwapped);
    const bool straightOrCrossover = straight || crossover;
    const bool twoPairMappingValid = (getPairTo(0) == 0 && getPairTo(1) == 1) || firstTwoSwapped;

    const bool lengthConstantInRange = m_lengthConstant >= 1000.0f && m_lengthConstant <= 6500.0f;

    if (!anyInUse)
        return tr("Cable has no pairs please\n specify which pairs are in use.");

    if (m_dataRate == 1000) {
        if (!allInUse)
            return tr("1 Gbit/s requires\nall 4 pairs be in use.");
        if (anySplit)
            return tr("1 Gbit/s requires\nno splits.");
        if (!straightOrCrossover)
            return tr("Invalid pair-mapping\nnot a valid straight through or\ncrossover cable "
                      "can't run 1 Gbit/s.");
        if (!lengthConstantInRange)
            return tr("1 Gbit/s requires that length constant\nis between 10.0 and 65.0 (pF/ft) "
                      "or 32.8 and 213.2 (pF/m)");
        if (m_skew == 0 || m_skew > 500)
            return tr("1 Gbit/s requires that skew must be measured\nand be at most 50ns.");
        if (m_SNR == 0 || m_SNR < 200)
            return tr("1 Gbit/s requires that SNR must be measured\nand be at least 20dB.");
    }

    if (m_dataRate == 100) {
        if (!firstTwoInUse)
            return tr("100 Mbits/s requires pairs\n 1-2 and 3-6 be in use.");
        if (splitOnFirstTwo)
            return tr("100 Mbits/s requires no \nsplits on pairs 1-2 and 3-6.");
        if (!twoPairMappingValid)
            return tr("Invalid pair-mapping\nnot a valid straight through or\ncrossover cable "
                      "can't run 100 Mbits/s.");
        if (!lengthConstantInRange)
            return tr("100 Mbits/s requires that length constant\nis between 10.0 and "
                      "65.0(pF/ft) or 32.8 and 213.2 (pF/m)");
        if (m_SNR == 0 || m_SNR < 200)
            return tr("100 Mbits/s requires that SNR must be measured\nand be at least 20dB.");
    }

    if (m_skew != 0) {
        if (!allInUse)
            return tr("Skew test requires\nall 4 pairs be in use.");
        // This one has always been shown untranslated.
        if (anySplit)
            return QStringLiteral("Skew test requires\nno splits.");
        if (!straightOrCrossover)
            return tr("Invalid pair-mapping\nnot a valid straight through or\ncrossover cable "
                      "can't run Skew test.");
        if (!lengthConstantInRange)
            return tr("Skew test requires that length constant\nis between 10.0 and 65.0(pF/ft) "
                      "or 32.8 and 213.2 (pF/m)");
    }

    if (m_SNR != 0) {
        if (!firstTwoInUse)
            return tr("SNR test requires pairs\n 1-2 and 3-6 be in use.");
        if (splitOnFirstTwo)
            return tr("SNR test requires no \nsplits on pairs 1-2 and 3-6.");
        if (!twoPairMappingValid)
            return tr("Invalid pair-mapping\nnot a valid straight through or\ncrossover cable "
                      "can't run SNR test.");
        if (!lengthConstantInRange)
            return tr("SNR test requires that length constant\nis between 10.0 and 65.0(pF/ft) "
                      "or 32.8 and 213.2 (pF/m).");
    }

    // "GOOD" is what callers compare against, so it is never translated. The
    // length warning does not stop the remaining checks.
    QString result = QStringLiteral("GOOD");
    if (m_maxLength == -1.0f || m_maxLength > kLongCableFeet)
        result = tr("SNR and BERT tests may fail with\ncable length greater than 330ft (100m).");

    for (int pair = 0; pair < kPairCount; ++pair) {
        for (int other = pair + 1; other < kPairCount; ++other) {
            if (getPairTo(pair) == getPairTo(other))
                return tr("Can't map 2 pairs on near end to\nsame pair on far end.");
        }
    }

    if (!QColor::isValidColorName(m_color))
        return tr("Invalid color.");

    return result;
}
