#include "widgets/WidgetColors.h"

#include <cmath>

QColor resolve(TColor colour, const QPalette &desktop)
{
    if (!colour.isSystem())
        return QColor(colour.value & 0xFF, colour.value >> 8 & 0xFF, colour.value >> 16 & 0xFF);
    switch (colour.value & 0xFF) {
    case 0x05: return desktop.color(QPalette::Active, QPalette::Base);
    case 0x08: return desktop.color(QPalette::Active, QPalette::Text);
    case 0x0D: return desktop.color(QPalette::Active, QPalette::Highlight);
    case 0x10: return desktop.color(QPalette::Active, QPalette::Dark);
    case 0x14: return desktop.color(QPalette::Active, QPalette::Light);
    default: return desktop.color(QPalette::Active, QPalette::Button); // 0x0F, the button face
    }
}

int roundHalfEven(double value)
{
    return int(std::lrint(value));
}
