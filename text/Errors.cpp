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

FileOpenError::FileOpenError(const QString &path, const QString &reason)
    : NumoraError(withReason(QStringLiteral("Cannot open file %1").arg(path), reason))
{
}

FileCreateError::FileCreateError(const QString &path, const QString &reason)
    : NumoraError(withReason(QStringLiteral("Cannot create file %1").arg(path), reason))
{
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
