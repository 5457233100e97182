#pragma once

#include <QColor>

// Hue, saturation and lightness, each 0..1 (hues 0 and 1 are the same).
struct HslColor
{
    double H = 0, S = 0, L = 0;
};

// The same on the 240 scale: H 0..239, S and L 0..240.
inline constexpr int HslScale = 240;
struct HslScaled
{
    int H = 0, S = 0, L = 0;
    friend constexpr bool operator==(const HslScaled &, const HslScaled &) = default;
};

HslColor ColorToHsl(QColor colour);
QColor HslToColor(HslColor hsl);
HslScaled ColorToHslScaled(QColor colour);
QColor HslScaledToColor(HslScaled hsl);
