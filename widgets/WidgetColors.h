#pragma once

#include <QColor>
#include <QPalette>
#include <QRect>

// A colour as the widgets' properties hold it: 0x00BBGGRR, or 0x80000000 | a
// system colour index, which only resolve() turns into red, green and blue.
struct TColor
{
    quint32 value = 0;

    constexpr bool isSystem() const { return (value & 0xFF000000) == 0x80000000; }
    friend constexpr bool operator==(TColor, TColor) = default;
};

constexpr TColor rgbColor(int red, int green, int blue)
{
    return TColor{quint32(red) | quint32(green) << 8 | quint32(blue) << 16};
}

inline constexpr TColor clBlack{0x000000};
inline constexpr TColor clMaroon{0x000080};
inline constexpr TColor clGreen{0x008000};
inline constexpr TColor clNavy{0x800000};
inline constexpr TColor clPurple{0x800080};
inline constexpr TColor clRed{0x0000FF};
inline constexpr TColor clBlue{0xFF0000};
inline constexpr TColor clWhite{0xFFFFFF};
inline constexpr TColor clGray{0x808080};
inline constexpr TColor clHighlight{0x8000000D};
inline constexpr TColor clBtnFace{0x8000000F};
inline constexpr TColor clBtnShadow{0x80000010};
inline constexpr TColor clBtnHighlight{0x80000014};
inline constexpr TColor clWindow{0x80000005};
inline constexpr TColor clWindowText{0x80000008};

// A resolved colour as a property value.
inline TColor toTColor(QColor colour)
{
    return rgbColor(colour.red(), colour.green(), colour.blue());
}

// The only place where a system colour becomes red, green and blue: the
// desktop's palette at drawing time.
QColor resolve(TColor colour, const QPalette &desktop);

// A rectangle given by its edges, Right and Bottom exclusive as drawing
// rectangles are; toQRect() is the one conversion.
struct TRect
{
    int Left = 0, Top = 0, Right = 0, Bottom = 0;

    constexpr int width() const { return Right - Left; }
    constexpr int height() const { return Bottom - Top; }
    constexpr bool isNull() const { return Left == 0 && Top == 0 && Right == 0 && Bottom == 0; }
    QRect toQRect() const { return QRect(Left, Top, width(), height()); }
    friend constexpr bool operator==(const TRect &, const TRect &) = default;
};

// Halves round to the even neighbour (qRound would take 2.5 to 3).
int roundHalfEven(double value);
