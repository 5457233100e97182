#pragma once

#include <QFont>
#include <QString>

namespace AppFonts {

// Maps the window's font names onto installed fonts with CJK glyphs; call
// right after the application object exists.
void installSubstitutions();

// The sizes, in device pixels, at which the Song face has bitmaps of its own.
inline constexpr int kSmallestStrike = 11;
inline constexpr int kLargestStrike = 16;
bool drawsWithOwnBitmaps(const QString &family, int devicePixels);

// A font of the given character height in pixels.
QFont font(const QString &family, int pixelHeight, bool bold = false);

} // namespace AppFonts
