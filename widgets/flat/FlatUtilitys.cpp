#include "widgets/flat/FlatUtilitys.h"

#include "widgets/flat/HSLUtils.h"

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>

QColor ShiftLightness(QColor base, QColor fallback, int percent, LightnessShift direction)
{
    if (percent == 0)
        return fallback;
    HslScaled hsl = ColorToHslScaled(base);
    const int lightness = hsl.L + 10;
    // The bound is 100 on the 240 scale, as the controls always had it.
    if (direction == LightnessShift::Lighten)
        hsl.L = lightness + percent > 100 ? 100 : lightness + percent;
    else
        hsl.L = lightness - percent < 0 ? 0 : lightness - percent;
    return HslScaledToColor(hsl);
}

QColor ShownColour(TColor set, const QPalette &desktop, bool advanced, QColor base, int percent,
                   LightnessShift direction)
{
    const QColor own = resolve(set, desktop);
    return advanced ? ShiftLightness(base, own, percent, direction) : own;
}

void PaintParentBackground(const QWidget *control, QPainter &painter)
{
    QWidget *parent = control->parentWidget();
    if (!parent)
        return;
    painter.save();
    parent->render(&painter, QPoint(), QRegion(control->geometry()), QWidget::DrawWindowBackground);
    painter.restore();
}

void PaintBackground(const QWidget *control, QPainter &painter, bool filled, QColor fill)
{
    if (filled)
        painter.fillRect(control->rect(), fill);
    else
        PaintParentBackground(control, painter);
}

QImage MakeDisabledGlyph(const QImage &source, QColor key, QColor back, bool drawHighlight, QColor highlight,
                         QColor shadow)
{
    const QImage pixels = source.convertToFormat(QImage::Format_RGB32);
    QImage result(source.size(), QImage::Format_RGB32);
    result.fill(back);
    const auto paintInk = [&](QPoint offset, QColor colour) {
        for (int y = 0; y < pixels.height(); ++y)
            for (int x = 0; x < pixels.width(); ++x)
                if (pixels.pixel(x, y) == key.rgb() && result.rect().contains(x + offset.x(), y + offset.y()))
                    result.setPixelColor(x + offset.x(), y + offset.y(), colour);
    };
    if (drawHighlight)
        paintInk({1, 1}, highlight);
    paintInk({0, 0}, shadow);
    return result;
}

GlyphAndCaption LayoutGlyphAndCaption(const QFontMetrics &metrics, QRect client, QPoint pressOffset,
                                      const QString &caption, QSize glyphCell, int margin, int spacing,
                                      TButtonLayout layout)
{
    const int w = client.width(), h = client.height();
    const QSize glyph = glyphCell.isValid() ? glyphCell : QSize(0, 0);
    const QSize text = caption.isEmpty() ? QSize(0, 0)
                                         : metrics.size(Qt::TextSingleLine | Qt::TextShowMnemonic, caption);
    const bool sideBySide = layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphRight;
    QPoint glyphAt, captionAt;
    // The cross axis: each centred, odd halves going down or right.
    if (sideBySide) {
        glyphAt.setY((h - glyph.height() + 1) / 2);
        captionAt.setY((h - text.height() + 1) / 2);
    } else {
        glyphAt.setX((w - glyph.width() + 1) / 2);
        captionAt.setX((w - text.width() + 1) / 2);
    }
    if (text.width() == 0 || glyph.width() == 0)
        spacing = 0;
    const int extent = sideBySide ? w : h;
    const int glyphExtent = sideBySide ? glyph.width() : glyph.height();
    const int textExtent = sideBySide ? text.width() : text.height();
    if (margin == -1) {
        if (spacing == -1)
            margin = spacing = (extent - (glyphExtent + textExtent)) / 3;
        else
            margin = (extent - (glyphExtent + spacing + textExtent) + 1) / 2;
    } else if (spacing == -1) {
        spacing = (extent - margin - glyphExtent - textExtent) / 2;
    }
    int glyphMain, textMain;
    if (layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphTop) {
        glyphMain = margin;
        textMain = glyphMain + glyphExtent + spacing;
    } else {
        glyphMain = extent - margin - glyphExtent;
        textMain = glyphMain - spacing - textExtent;
    }
    if (sideBySide) {
        glyphAt.setX(glyphMain);
        captionAt.setX(textMain);
    } else {
        glyphAt.setY(glyphMain);
        captionAt.setY(textMain);
    }
    const QPoint shift = client.topLeft() + pressOffset;
    return {glyphAt + shift, QRect(captionAt + shift, text)};
}

TRect DrawBevel(QPainter &painter, TRect rect, QColor topLeft, QColor bottomRight, int width)
{
    for (int ring = 0; ring < width; ++ring) {
        const int l = rect.Left, t = rect.Top, w = rect.width(), h = rect.height();
        painter.fillRect(QRect(l, t, 1, h), topLeft);
        painter.fillRect(QRect(l, t, w - 1, 1), topLeft);
        // The top-right and bottom-left corners take the second colour.
        painter.fillRect(QRect(rect.Right - 1, t, 1, h), bottomRight);
        painter.fillRect(QRect(l, rect.Bottom - 1, w, 1), bottomRight);
        rect = TRect{rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1};
    }
    return rect;
}

void DrawFlatRings(QPainter &painter, QRect rect, QColor border, QColor inner)
{
    TRect ring{rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
    ring = DrawBevel(painter, ring, border, border, 1);
    DrawBevel(painter, ring, inner, inner, 2);
}

int FontTextHeight(const QFont &font)
{
    return font.pixelSize() > 0 ? font.pixelSize() : QFontMetrics(font).height();
}

int FontLineHeight(const QFont &font)
{
    const int h = FontTextHeight(font);
    return roundHalfEven(h + h / 8.0);
}

bool RectsOverlap(const QRect &a, const QRect &b)
{
    return a.intersects(b);
}

void DrawEmbossedText(QPainter &painter, const QRect &rect, int flags, const QString &text, const QPalette &desktop)
{
    painter.setPen(resolve(clBtnHighlight, desktop));
    painter.drawText(rect.translated(1, 1), flags, text);
    painter.setPen(resolve(clBtnShadow, desktop));
    painter.drawText(rect, flags, text);
}

void DrawCaption(QPainter &painter, const QRect &rect, int flags, const QString &text, const QWidget *control)
{
    if (!control->isEnabled()) {
        DrawEmbossedText(painter, rect, flags, text, control->palette());
        return;
    }
    painter.setPen(control->palette().color(QPalette::WindowText));
    painter.drawText(rect, flags, text);
}

QString shownLine(const QString &line, qsizetype limit)
{
    if (line.size() <= limit)
        return line;
    return line.left(limit) + QChar(0x2026);
}
