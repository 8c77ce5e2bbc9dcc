#ifndef VALIDATORS_H
#define VALIDATORS_H

#include "ductbook_global.h"

#include <QValidator>

// Validators for the host's line edits, so that typed names and numbers fit
// the job file. The length-limited ones never refuse input: they shorten it in
// place while the user types.

class DUCTBOOK_EXPORT IDValidator : public QValidator
{
    Q_OBJECT

public:
    explicit IDValidator(QObject* parent = nullptr);
    virtual ~IDValidator();

    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
};

class DUCTBOOK_EXPORT InfoValidator : public QValidator
{
    Q_OBJECT

public:
    explicit InfoValidator(QObject* parent = nullptr);
    virtual ~InfoValidator();

    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
};

class DUCTBOOK_EXPORT PortValidator : public QValidator
{
    Q_OBJECT

public:
    explicit PortValidator(QObject* parent = nullptr);
    virtual ~PortValidator();

    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
};

class DUCTBOOK_EXPORT TypeValidator : public QValidator
{
    Q_OBJECT

public:
    explicit TypeValidator(QObject* parent = nullptr);
    virtual ~TypeValidator();

    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
};

// Accepts up to 25 characters as typed but cuts longer names to 20.
class DUCTBOOK_EXPORT DeviceValidator : public QValidator
{
    Q_OBJECT

public:
    explicit DeviceValidator(QObject* parent = nullptr);
    virtual ~DeviceValidator();

    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
};

// Whole numbers of at most nine digits.
class DUCTBOOK_EXPORT LengthValidator : public QValidator
{
    Q_OBJECT

public:
    explicit LengthValidator(QObject* parent = nullptr);
    virtual ~LengthValidator();

    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
};

// File names: no leading dot and none of the characters that the shells and
// file systems the jobs travel through refuse. fixup() is left to the host,
// which calls it when editing is finished.
class DUCTBOOK_EXPORT FileValidator : public QValidator
{
    Q_OBJECT

public:
    explicit FileValidator(QObject* parent = nullptr);
    virtual ~FileValidator();

    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
};

#endif // VALIDATORS_H
