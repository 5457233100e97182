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

private:
    QString m_text;
    QByteArray m_utf8;
};

// The reason, when there is one, follows the path: "Cannot open file
// /x/y: not a regular file".
class FileOpenError : public NumoraError
{
public:
    explicit FileOpenError(const QString &path, const QString &reason = {});
};

class FileCreateError : public NumoraError
{
public:
    explicit FileCreateError(const QString &path, const QString &reason = {});
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
