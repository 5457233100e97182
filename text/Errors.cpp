#include "text/Errors.h"

NumoraError::NumoraError(QString text)
    : m_text(std::move(text)), m_utf8(m_text.toUtf8())
{
}

namespace {

QString withReason(QString text, const QString &reason)
{
    return reason.isEmpty() ? text : text + QStringLiteral(": ") + reason;
}

} // namespace

FileError::FileError(const QString &form, const QString &path, const QString &reason)
    : NumoraError(withReason(form.arg(path), reason)), m_path(path), m_reason(reason)
{
}

QString FileError::localForm(const QString &form) const
{
    const QString text = form.arg(m_path);
    return m_reason.isEmpty() ? text : text + QStringLiteral("：") + m_reason;
}

FileOpenError::FileOpenError(const QString &path, const QString &reason)
    : FileError(QStringLiteral("Cannot open file %1"), path, reason)
{
}

QString FileOpenError::localText() const
{
    return localForm(QStringLiteral("无法打开文件 %1"));
}

FileCreateError::FileCreateError(const QString &path, const QString &reason)
    : FileError(QStringLiteral("Cannot create file %1"), path, reason)
{
}

QString FileCreateError::localText() const
{
    return localForm(QStringLiteral("无法写入文件 %1"));
}

ConvertError ConvertError::integer(const QString &text)
{
    return ConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

ConvertError ConvertError::floatingPoint(const QString &text)
{
    return ConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
}

ListIndexError::ListIndexError(int index)
    : NumoraError(QStringLiteral("List index out of bounds (%1)").arg(index))
{
}
