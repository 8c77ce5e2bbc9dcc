#ifndef VALIDATORS_H
#define VALIDATORS_H

/// @file
/// The input validators for the host's line edits.
///
/// Seven QValidator subclasses keep what a user types within what a job file
/// can hold: item ids, information fields, port names, type fields and device
/// names are cut to a length, lengths must be whole numbers, file names must
/// avoid characters that file systems and shells refuse. A host attaches one to
/// a QLineEdit with QLineEdit::setValidator(). None of them uses the cursor
/// position, and none ever returns QValidator::Intermediate.
///
/// The length-limited validators never refuse input: validate() shortens it in
/// place while the user types and accepts it.

#include "ductbook_global.h"

#include <QValidator>

/// Keeps item ids within 25 characters.
class DUCTBOOK_EXPORT IDValidator : public QValidator
{
    Q_OBJECT

public:
    /// A validator with the given QObject parent.
    explicit IDValidator(QObject* parent = nullptr);
    /// Destroys the validator.
    virtual ~IDValidator();

    /// Accepts every input, first cutting one longer than 25 characters to its
    /// first 25 (fixup()). @p pos is not used.
    /// @return Always QValidator::Acceptable.
    QValidator::State validate(QString& input, int& pos) const override;
    /// Cuts @p input to its first 25 characters.
    void fixup(QString& input) const override;
};

/// Keeps information fields within 44 characters.
class DUCTBOOK_EXPORT InfoValidator : public QValidator
{
    Q_OBJECT

public:
    /// A validator with the given QObject parent.
    explicit InfoValidator(QObject* parent = nullptr);
    /// Destroys the validator.
    virtual ~InfoValidator();

    /// Accepts every input, first cutting one longer than 44 characters to its
    /// first 44 (fixup()). @p pos is not used.
    /// @return Always QValidator::Acceptable.
    QValidator::State validate(QString& input, int& pos) const override;
    /// Cuts @p input to its first 44 characters.
    void fixup(QString& input) const override;
};

/// Keeps port names within 20 characters.
class DUCTBOOK_EXPORT PortValidator : public QValidator
{
    Q_OBJECT

public:
    /// A validator with the given QObject parent.
    explicit PortValidator(QObject* parent = nullptr);
    /// Destroys the validator.
    virtual ~PortValidator();

    /// Accepts every input, first cutting one longer than 20 characters to its
    /// first 20 (fixup()). @p pos is not used.
    /// @return Always QValidator::Acceptable.
    QValidator::State validate(QString& input, int& pos) const override;
    /// Cuts @p input to its first 20 characters.
    void fixup(QString& input) const override;
};

/// Keeps type fields within 5 characters.
class DUCTBOOK_EXPORT TypeValidator : public QValidator
{
    Q_OBJECT

public:
    /// A validator with the given QObject parent.
    explicit TypeValidator(QObject* parent = nullptr);
    /// Destroys the validator.
    virtual ~TypeValidator();

    /// Accepts every input, first cutting one longer than 5 characters to its
    /// first 5 (fixup()). @p pos is not used.
    /// @return Always QValidator::Acceptable.
    QValidator::State validate(QString& input, int& pos) const override;
    /// Cuts @p input to its first 5 characters.
    void fixup(QString& input) const override;
};

/// Keeps device names within 25 characters while typing, and cuts longer ones
/// to 20.
///
/// Device labels must fit the 20-character box drawn on the network sheet;
/// names of up to 25 characters are still let through as typed.
class DUCTBOOK_EXPORT DeviceValidator : public QValidator
{
    Q_OBJECT

public:
    /// A validator with the given QObject parent.
    explicit DeviceValidator(QObject* parent = nullptr);
    /// Destroys the validator.
    virtual ~DeviceValidator();

    /// Accepts every input, first cutting one longer than 25 characters to its
    /// first 20 (fixup()); a name of 21 to 25 characters stays as typed.
    /// @p pos is not used.
    /// @return Always QValidator::Acceptable.
    QValidator::State validate(QString& input, int& pos) const override;
    /// Cuts @p input to its first 20 characters, whatever its length (so a
    /// host that calls it on a name of 21 to 25 characters shortens it too).
    void fixup(QString& input) const override;
};

/// Lengths: whole numbers of at most nine digits.
///
/// The digits allowed are the translatable text "1234567890" (context
/// "QObject"), so a translation may add the digits of another script.
class DUCTBOOK_EXPORT LengthValidator : public QValidator
{
    Q_OBJECT

public:
    /// A validator with the given QObject parent.
    explicit LengthValidator(QObject* parent = nullptr);
    /// Destroys the validator.
    virtual ~LengthValidator();

    /// Refuses any input that holds a character other than a digit (a decimal
    /// point or a minus sign included), and otherwise accepts it, first
    /// cutting one longer than nine digits to its first nine (fixup()). @p pos
    /// is not used.
    /// @return QValidator::Invalid, with @p input unchanged, for a character
    ///         that is not a digit; otherwise QValidator::Acceptable (an empty
    ///         input included).
    QValidator::State validate(QString& input, int& pos) const override;
    /// Cuts @p input to its first nine characters.
    void fixup(QString& input) const override;
};

/// File names: no leading dot and none of the characters that the shells and
/// file systems the jobs travel through refuse.
///
/// The forbidden characters are a translatable text (context "QObject",
/// comment "forbidden characters in field") that holds these nine: `;` `<`
/// `>` `|` `&` `?` `$` `*` and the double quote. A translation may change the
/// set, and an empty one forbids nothing. fixup() is left to the host, which
/// calls it when editing is finished: validate() never calls it.
class DUCTBOOK_EXPORT FileValidator : public QValidator
{
    Q_OBJECT

public:
    /// A validator with the given QObject parent.
    explicit FileValidator(QObject* parent = nullptr);
    /// Destroys the validator.
    virtual ~FileValidator();

    /// Refuses a name that starts with "." or holds a forbidden character;
    /// accepts any other, spaces included. @p input is never changed and
    /// @p pos is not used.
    /// @return QValidator::Invalid or QValidator::Acceptable.
    QValidator::State validate(QString& input, int& pos) const override;
    /// Replaces every space of @p input with "_".
    void fixup(QString& input) const override;
};

#endif // VALIDATORS_H
