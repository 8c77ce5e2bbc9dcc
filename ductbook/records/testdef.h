#ifndef TESTDEF_H
#define TESTDEF_H

/// @file
/// The TestDef record: a cable type and the rules a tester checks it by.

#include "ductbook_global.h"
#include "testresults.h"

#include <QObject>
#include <QString>

/// A test definition: a cable type as the tester must check it.
///
/// It says which of the four pairs are in use, how the pairs are wired from
/// the near end to the far end, which data rate the cable must qualify for,
/// which extra measurements (skew, signal-to-noise ratio) are required, the
/// cable's length constant and maximum length, its category and its drawing
/// colour. Its id is the cable type name that cables carry in Cable::type().
/// Jobs and templates keep their test definitions in a list
/// (QVXMLEditor::addTestDef(), QVXMLEditor::getTestDef()); validDef() checks
/// that a definition is consistent before it is stored.
///
/// Of the expected measurement block only three parts mean anything here: the
/// near-end pair flags (`wiremap[0]`), the pair mapping (`wiremap[1]` to
/// `wiremap[4]`) and the far-end pair flags (`farEndFlags[0]`). Pairs are
/// numbered 0 to 3; pair 0 is the pair on pins 1-2, pair 1 the pair on pins
/// 3-6. Each pair p has two flag bits at each end, a low bit (1 shifted left by
/// p) and a high bit (16 shifted left by p); carePair() reads them.
class DUCTBOOK_EXPORT TestDef : public QObject
{
    Q_OBJECT

public:
    /// The same as TestDef(const QString&) with an empty id.
    TestDef();
    /// A definition named @p id with the historical defaults of a definition
    /// made by name: an unmeasured expected block (see cable_struct), all four
    /// pairs in use, data rate, SNR and skew 0, not shielded, length constant
    /// 15000.0, maximum length 330.0, empty comment, category -1, not a
    /// default type, colour "#000000", no QObject parent.
    ///
    /// The length constant of 15000.0 lies outside the range validDef()
    /// demands once a data rate, skew or SNR test is set.
    TestDef(const QString& id);
    /// A definition named @p id with the given expected block: all four pairs
    /// in use, data rate, SNR and skew 0, not shielded, length constant
    /// 1500.0, maximum length 330.0, empty comment, category 0, not a default
    /// type, colour "#000000", no QObject parent.
    TestDef(const QString& id, const cable_struct& expected);
    /// A copy of every field of @p other; the copy has the same QObject parent
    /// as @p other.
    TestDef(const TestDef& other);
    /// Copies every field of @p other; this record keeps its own QObject
    /// parent. Assigning a record to itself changes nothing.
    TestDef& operator=(const TestDef& other);
    /// Destroys the record.
    virtual ~TestDef();

    /// @name id
    ///@{

    /// The definition's name, the cable type, such as "CAT5E".
    QString& id() { return m_id; }
    const QString& id() const { return m_id; }
    void setId(const QString& id) { m_id = id; }
    ///@}

    /// @name expected
    ///@{

    /// The expected measurement block; only its pair flags and pair mapping
    /// are used (see the class description).
    cable_struct& expected() { return m_expected; }
    const cable_struct& expected() const { return m_expected; }
    void setExpected(const cable_struct& expected) { m_expected = expected; }
    ///@}

    /// @name pair_in_use
    ///@{

    /// Which of the four pairs the cable has: the getter returns the array of
    /// four flags itself, so writing through it changes the record.
    bool* pair_in_use() { return m_pairInUse; }
    const bool* pair_in_use() const { return m_pairInUse; }
    /// Copies four flags from @p pairs; does nothing when @p pairs is null.
    void setPairInUse(bool* pairs);
    ///@}

    /// @name data_rate
    ///@{

    /// The data rate the cable must qualify for: 0 for none, 100 for
    /// 100 Mbit/s, 1000 for 1 Gbit/s.
    int data_rate() const { return m_dataRate; }
    void setDataRate(int rate) { m_dataRate = rate; }
    ///@}

    /// @name SNR
    ///@{

    /// The least signal-to-noise ratio required, in tenths of a decibel; 0
    /// turns the SNR test off.
    int SNR() const { return m_SNR; }
    void setSNR(int snr) { m_SNR = snr; }
    ///@}

    /// @name skew
    ///@{

    /// The greatest delay skew allowed, in tenths of a nanosecond; 0 turns the
    /// skew test off.
    int skew() const { return m_skew; }
    void setSkew(int skew) { m_skew = skew; }
    ///@}

    /// @name shield
    ///@{

    /// Whether the cable is shielded.
    bool shield() const { return m_shield; }
    void setShield(bool shield) { m_shield = shield; }
    ///@}

    /// @name length_constant
    ///@{

    /// The cable's capacitance per length, in hundredths of a pF per foot
    /// (1500 is 15 pF/ft); the job turns raw pair lengths into lengths with
    /// it. The field is a float; the getter returns it truncated toward zero,
    /// and so does the job file.
    int length_constant() const { return static_cast<int>(m_lengthConstant); }
    void setLengthConstant(float constant) { m_lengthConstant = constant; }
    ///@}

    /// @name max_length
    ///@{

    /// The greatest length of the cable, in feet; -1 when not set. The field
    /// is a float; the getter returns it truncated toward zero, and so does
    /// the job file.
    int max_length() const { return static_cast<int>(m_maxLength); }
    void setMaxLength(float length) { m_maxLength = length; }
    ///@}

    /// @name comment
    ///@{

    /// Free text.
    QString& comment() { return m_comment; }
    const QString& comment() const { return m_comment; }
    void setComment(const QString& comment) { m_comment = comment; }
    ///@}

    /// @name cable_category
    ///@{

    /// The category number by which cables are grouped
    /// (QVXMLEditor::getTypes(int) lists the definitions of one category).
    int cable_category() const { return m_cableCategory; }
    void setCableCategory(int category) { m_cableCategory = category; }
    ///@}

    /// @name default_type
    ///@{

    /// A flag stored with the definition (attribute "default_type").
    bool default_type() const { return m_defaultType; }
    void setDefaultType(bool defaultType) { m_defaultType = defaultType; }
    ///@}

    /// @name color
    ///@{

    /// The drawing colour given to new cables of this type, such as
    /// "#3399ff"; validDef() refuses a colour QColor does not accept.
    QString& color() { return m_color; }
    const QString& color() const { return m_color; }
    void setColor(QString color) { m_color = color; }
    ///@}

    /// @name Pair flags and pair mapping
    ///@{

    /// What the flag bits of a pair at one end say.
    ///
    /// @param pair The pair, 0 to 3.
    /// @param end 0 for the near end, 1 for the far end.
    /// @return At the near end 2 when the pair's high bit is set, else 1 when
    ///         its low bit is set, else 0. At the far end 1 when the high bit
    ///         is set (the pair is split), else 0 when the low bit is set, else
    ///         -1. -1 for a pair outside 0 to 3 or any other end.
    int carePair(int pair, int end) const;
    /// Sets the flag bits of a pair at one end so that carePair() reads
    /// @p value.
    ///
    /// At the near end, 0 clears both bits, 1 sets the low bit and clears the
    /// high one, 2 sets the high bit and leaves the low one. At the far end, 0
    /// sets the low bit and clears the high one, 1 sets the high bit and leaves
    /// the low one; there is no way back to -1. Any other pair, value or end
    /// changes nothing.
    /// @param pair The pair, 0 to 3.
    /// @param value The value carePair() is to read.
    /// @param end 0 for the near end, 1 for the far end.
    void setPairCare(int pair, int value, int end);
    /// Wires near-end pair @p pair to far-end pair @p farPair (stored as a
    /// byte in `wiremap[1 + pair]`). A @p farPair outside 0 to 3, such as -1,
    /// marks the pair as not mapped. Does nothing for a @p pair outside 0 to 3.
    void setPairMapping(int pair, int farPair);
    /// The far-end pair that near-end pair @p pair is wired to.
    ///
    /// @return The mapped pair, or @p pair itself when the pair is not mapped
    ///         (its byte, read as a signed value, is negative or above 3) or
    ///         lies outside 0 to 3.
    int getPairTo(int pair) const;
    ///@}

    /// Checks that the definition is consistent.
    ///
    /// The rules are checked in this order, and the first one broken gives the
    /// result:
    /// 1. at least one pair is in use;
    /// 2. with data rate 1000: all four pairs in use, no split pair, a
    ///    straight or crossover mapping, a length constant from 1000 to 6500,
    ///    a skew other than 0 and at most 500, an SNR of at least 200;
    /// 3. with data rate 100: pairs 0 and 1 in use, neither split, pairs 0 and
    ///    1 kept or swapped with each other, a length constant from 1000 to
    ///    6500, an SNR of at least 200;
    /// 4. with a skew other than 0: all four pairs in use, no split pair, a
    ///    straight or crossover mapping, a length constant from 1000 to 6500;
    /// 5. with an SNR other than 0: pairs 0 and 1 in use, neither split, pairs
    ///    0 and 1 kept or swapped with each other, a length constant from 1000
    ///    to 6500;
    /// 6. no two near-end pairs wired to the same far-end pair;
    /// 7. a colour that QColor accepts.
    ///
    /// A split pair is one whose carePair() at the far end is 1. A straight
    /// mapping wires every pair to itself; a crossover swaps pairs 0 and 1 and
    /// either keeps or swaps pairs 2 and 3.
    ///
    /// @return "GOOD" (never translated) when every rule holds; the warning
    ///         "SNR and BERT tests may fail with\ncable length greater than
    ///         330ft (100m)." instead when every rule holds but the maximum
    ///         length is -1 or above 330; otherwise the message of the first
    ///         rule broken, with line breaks for a message box, through tr()
    ///         (all but "Skew test requires\nno splits.", which has always
    ///         been shown untranslated).
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
