#pragma once

#include <QFont>
#include <QString>

namespace AppFonts {

// Maps the window's font names onto installed fonts with CJK glyphs; call
// right after the application object exists.
void installSubstitutions();

// A font of the given character height in pixels.
QFont font(const QString &family, int pixelHeight, bool bold = false);

} // namespace AppFonts
