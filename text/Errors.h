#pragma once

#include <QString>
#include <exception>

// An error that ends a user action or a timer tick; its text is what the
// standard error box shows.
class NumoraError : public std::exception
{
public:
    explicit NumoraError(QString text);
    const QString &text() const { return m_text; }
    const char *what() const noexcept override { return m_utf8.constData(); }
    // The text in the user's words where the window's own text is English,
    // for the command line.
    virtual QString localText() const { return m_text; }

private:
    QString m_text;
    QByteArray m_utf8;
};

// The reason, when there is one, follows the path: "Cannot open file
// /x/y: 这不是普通文件".
class FileError : public NumoraError
{
public:
    const QString &path() const { return m_path; }
    const QString &reason() const { return m_reason; }

protected:
    FileError(const QString &form, const QString &path, const QString &reason);
    QString localForm(const QString &form) const;

private:
    QString m_path;
    QString m_reason;
};

class FileOpenError : public FileError
{
public:
    explicit FileOpenError(const QString &path, const QString &reason = {});
    QString localText() const override;
};

class FileCreateError : public FileError
{
public:
    explicit FileCreateError(const QString &path, const QString &reason = {});
    QString localText() const override;
};

class ConvertError : public NumoraError
{
public:
    using NumoraError::NumoraError;
    static ConvertError integer(const QString &text);
    static ConvertError floatingPoint(const QString &text);
};

class ListIndexError : public NumoraError
{
public:
    explicit ListIndexError(int index);
};
