#ifndef TESTDEF_H
#define TESTDEF_H

#include "ductbook_global.h"
#include "testresults.h"

#include <QObject>
#include <QString>

// A cable type as the tester must check it. Of the expected block only the
// near-end flags (wiremap[0]), the pair mapping (wiremap[1..4]) and the
// far-end flags (farEndFlags[0]) mean anything here.
class DUCTBOOK_EXPORT TestDef : public QObject
{
    Q_OBJECT

public:
    TestDef();
    TestDef(const QString& id);
    TestDef(const QString& id, const cable_struct& expected);
    TestDef(const TestDef& other);
    TestDef& operator=(const TestDef& other);
    virtual ~TestDef();

    QString& id() { return m_id; }
    const QString& id() const { return m_id; }
    void setId(const QString& id) { m_id = id; }

    cable_struct& expected() { return m_expected; }
    const cable_struct& expected() const { return m_expected; }
    void setExpected(const cable_struct& expected) { m_expected = expected; }

    bool* pair_in_use() { return m_pairInUse; }
    const bool* pair_in_use() const { return m_pairInUse; }
    // Copies four values.
    void setPairInUse(bool* pairs);

    int data_rate() const { return m_dataRate; }
    void setDataRate(int rate) { m_dataRate = rate; }

    int SNR() const { return m_SNR; }
    void setSNR(int snr) { m_SNR = snr; }

    int skew() const { return m_skew; }
    void setSkew(int skew) { m_skew = skew; }

    bool shield() const { return m_shield; }
    void setShield(bool shield) { m_shield = shield; }

    int length_constant() const { return static_cast<int>(m_lengthConstant); }
    void setLengthConstant(float constant) { m_lengthConstant = constant; }

    int max_length() const { return static_cast<int>(m_maxLength); }
    void setMaxLength(float length) { m_maxLength = length; }

    QString& comment() { return m_comment; }
    const QString& comment() const { return m_comment; }
    void setComment(const QString& comment) { m_comment = comment; }

    int cable_category() const { return m_cableCategory; }
    void setCableCategory(int category) { m_cableCategory = category; }

    bool default_type() const { return m_defaultType; }
    void setDefaultType(bool defaultType) { m_defaultType = defaultType; }

    QString& color() { return m_color; }
    const QString& color() const { return m_color; }
    void setColor(QString color) { m_color = color; }

    // Near end (0): 2 high bit, 1 low bit, 0 neither. Far end (1): 1 high bit
    // (a split pair), 0 low bit, -1 neither. -1 for any other pair or end.
    int carePair(int pair, int end) const;
    void setPairCare(int pair, int value, int end);
    void setPairMapping(int pair, int farPair);
    int getPairTo(int pair) const;

    // "GOOD", the 330 ft warning, or the first rule the definition breaks.
    QString validDef() const;

private:
    void copyFields(const TestDef& other);

    QString m_id;
    cable_struct m_expected{};
    bool m_pairInUse[4] = {true, true, true, true};
    int m_dataRate = 0;
    int m_SNR = 0;
    int m_skew = 0;
    bool m_shield = false;
    float m_lengthConstant = 15000.0f;
    float m_maxLength = 330.0f;
    QString m_comment;
    int m_cableCategory = -1;
    bool m_defaultType = false;
    QString m_color;
};

#endif // TESTDEF_H
