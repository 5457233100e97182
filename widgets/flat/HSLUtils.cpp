#include "widgets/flat/HSLUtils.h"

#include "widgets/WidgetColors.h"

#include <algorithm>

namespace {

int channel(double value)
{
    return qBound(0, roundHalfEven(255 * value), 255);
}

double hueToValue(double m1, double m2, double h)
{
    if (h < 0)
        h += 1;
    else if (h > 1)
        h -= 1;
    if (6 * h < 1)
        return m1 + (m2 - m1) * h * 6;
    if (2 * h < 1)
        return m2;
    if (3 * h < 2)
        return m1 + (m2 - m1) * (2.0 / 3 - h) * 6;
    return m1;
}

} // namespace

HslColor ColorToHsl(QColor colour)
{
    const double r = colour.red() / 255.0, g = colour.green() / 255.0, b = colour.blue() / 255.0;
    const double cmax = std::max({r, g, b}), cmin = std::min({r, g, b});
    HslColor hsl;
    hsl.L = (cmax + cmin) / 2;
    if (cmax == cmin)
        return hsl;
    const double d = cmax - cmin;
    hsl.S = hsl.L < 0.5 ? d / (cmax + cmin) : d / (2 - cmax - cmin);
    // Ties go to red, then green.
    if (r == cmax)
        hsl.H = (g - b) / d;
    else if (g == cmax)
        hsl.H = 2 + (b - r) / d;
    else
        hsl.H = 4 + (r - g) / d;
    hsl.H /= 6;
    if (hsl.H < 0)
        hsl.H += 1;
    return hsl;
}

QColor HslToColor(HslColor hsl)
{
    if (hsl.S == 0) {
        const int grey = channel(hsl.L);
        return QColor(grey, grey, grey);
    }
    const double m2 = hsl.L <= 0.5 ? hsl.L * (1 + hsl.S) : hsl.L + hsl.S - hsl.L * hsl.S;
    const double m1 = 2 * hsl.L - m2;
    return QColor(channel(hueToValue(m1, m2, hsl.H + 1.0 / 3)), channel(hueToValue(m1, m2, hsl.H)),
                  channel(hueToValue(m1, m2, hsl.H - 1.0 / 3)));
}

HslScaled ColorToHslScaled(QColor colour)
{
    const HslColor hsl = ColorToHsl(colour);
    return {roundHalfEven(hsl.H * (HslScale - 1)), roundHalfEven(hsl.S * HslScale), roundHalfEven(hsl.L * HslScale)};
}

QColor HslScaledToColor(HslScaled hsl)
{
    return HslToColor({hsl.H / double(HslScale - 1), hsl.S / double(HslScale), hsl.L / double(HslScale)});
}
