#include "training/Errors.h"

NumoraError::NumoraError(QString text)
    : m_text(std::move(text)), m_utf8(m_text.toUtf8())
{
}

FileOpenError::FileOpenError(const QString &path)
    : NumoraError(QStringLiteral("Cannot open file %1").arg(path))
{
}

FileCreateError::FileCreateError(const QString &path)
    : NumoraError(QStringLiteral("Cannot create file %1").arg(path))
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
