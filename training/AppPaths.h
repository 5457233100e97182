#pragma once

#include <QString>

namespace AppPaths {

// Drops leading and trailing blanks and control characters.
QString trimmed(const QString &text);

// AppDir + a backslash-led relative path ("\data\make.tm"), both trimmed,
// with the backslashes turned into this platform's separator.
QString join(const QString &appDir, const QString &relative);

} // namespace AppPaths
