#pragma once

#include <utility>

#include "widgets/WidgetColors.h"

#include <QFont>
#include <QImage>
#include <QPalette>

class QFontMetrics;
class QPainter;
class QWidget;

// The colours the flat controls start with.
inline constexpr TColor kFlatBorder = rgbColor(160, 150, 131);   // $8396A0
inline constexpr TColor kFlatFill = rgbColor(235, 234, 225);     // $E1EAEB
inline constexpr TColor kFlatPressed = rgbColor(217, 214, 197);  // $C5D6D9
inline constexpr TColor kFlatSelected = rgbColor(247, 222, 156); // $9CDEF7

enum class TTransparentMode { tmAlways, tmNotFocused, tmNone };
enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum class LightnessShift { Lighten, Darken };

// A companion colour: base's hue and saturation at its lightness (240
// scale) + 10 +/- percent, kept within 0..100; percent 0 gives fallback.
QColor ShiftLightness(QColor base, QColor fallback, int percent, LightnessShift direction);
// What a colour property shows: as set, or with advanced colours on base's
// companion; the property keeps what was set, so turning them off restores it.
QColor ShownColour(TColor set, const QPalette &desktop, bool advanced, QColor base, int percent,
                   LightnessShift direction);

// What the parent paints under control, into painter at control's origin.
void PaintParentBackground(const QWidget *control, QPainter &painter);
// A control's background: filled with fill, or else showing its parent.
void PaintBackground(const QWidget *control, QPainter &painter, bool filled, QColor fill);

// A flat picture of source: its key-coloured pixels in shadow, optionally
// with a highlight copy one pixel down and right, on back.
QImage MakeDisabledGlyph(const QImage &source, QColor key, QColor back, bool drawHighlight, QColor highlight,
                         QColor shadow);

struct GlyphAndCaption
{
    QPoint glyph;
    QRect caption;
};
// Places a glyph cell and a one-line caption in client; margin -1 centres,
// spacing -1 spreads.
GlyphAndCaption LayoutGlyphAndCaption(const QFontMetrics &metrics, QRect client, QPoint pressOffset,
                                      const QString &caption, QSize glyphCell, int margin, int spacing,
                                      TButtonLayout layout);

// width rings, top-left then bottom-right colour; gives the area inside.
TRect DrawBevel(QPainter &painter, TRect rect, QColor topLeft, QColor bottomRight, int width);

// One border ring and two inner rings: the flat frame of edits, memos and
// combo boxes.
void DrawFlatRings(QPainter &painter, QRect rect, QColor border, QColor inner);

// A line as a control shows it: cut after limit characters with "…", so
// that a huge line never freezes the drawing; the data stays whole elsewhere.
constexpr qsizetype kShownLineLimit = 2000;
QString shownLine(const QString &line, qsizetype limit = kShownLineLimit);

// Our fonts are given by character height, which is their text height.
int FontTextHeight(const QFont &font);
int FontLineHeight(const QFont &font);
bool RectsOverlap(const QRect &a, const QRect &b);

// A disabled caption: a highlight copy one pixel down and right, then the
// text in the shadow colour.
void DrawEmbossedText(QPainter &painter, const QRect &rect, int flags, const QString &text, const QPalette &desktop);
// A caption in the control's text colour, embossed while it is disabled.
void DrawCaption(QPainter &painter, const QRect &rect, int flags, const QString &text, const QWidget *control);

// Stores a property's new value; false when it held that value already, so
// that a setter repaints only on a change.
template <class T, class U>
bool storeChanged(T &field, U &&value)
{
    if (field == value)
        return false;
    field = std::forward<U>(value);
    return true;
}
