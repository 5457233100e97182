// Draws the skinned frame's, the push buttons' and the hand cursor's artwork
// as lossless images, in the sizes and frame layouts the widgets cut them by.
// Usage: make_skins OUTPUT_FOLDER
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cstdio>
#include <functional>

namespace {

constexpr QRgb kMagenta = qRgb(255, 0, 255); // transparent in caption buttons
constexpr int kCaptionHeight = 29;

QColor mix(QColor a, QColor b, double t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

// The caption bar's colours, active and inactive.
struct Look
{
    QColor highlight, top, middle, bottom, outline, edgeOuter, edgeMiddle, edgeInner;
};

const Look kActive{{120, 170, 255}, {42, 120, 240}, {0, 84, 227}, {0, 64, 196}, {0, 38, 140},
                   {0, 38, 140}, {0, 78, 216}, {36, 110, 236}};
const Look kInactive{{200, 212, 246}, {150, 170, 226}, {122, 146, 216}, {108, 130, 200}, {90, 106, 170},
                     {90, 106, 170}, {122, 146, 216}, {150, 170, 226}};

// The caption colour of row y: a light rim on top, a deep blue band, a
// darker foot.
QColor captionRow(const Look &look, int y)
{
    if (y == 0)
        return look.outline;
    if (y == 1)
        return look.highlight;
    if (y < 12)
        return mix(look.top, look.middle, (y - 2) / 10.0);
    if (y < kCaptionHeight - 1)
        return mix(look.middle, look.bottom, (y - 12) / double(kCaptionHeight - 13));
    return look.outline;
}

QImage caption()
{
    QImage image(60, 2 * kCaptionHeight, QImage::Format_RGB32);
    for (int frame = 0; frame < 2; ++frame) {
        const Look &look = frame == 0 ? kActive : kInactive;
        for (int y = 0; y < kCaptionHeight; ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixelColor(x, frame * kCaptionHeight + y, captionRow(look, y));
    }
    return image;
}

// A side edge: the caption's colours on top, then three border columns, the
// outermost darkest.
QImage sideEdge(bool left)
{
    QImage image(6, 63, QImage::Format_RGB32);
    for (int frame = 0; frame < 2; ++frame) {
        const Look &look = frame == 0 ? kActive : kInactive;
        const std::array<QColor, 3> border{look.edgeOuter, look.edgeMiddle, look.edgeInner};
        for (int column = 0; column < 3; ++column) {
            const int fromOutside = left ? column : 2 - column;
            for (int y = 0; y < image.height(); ++y) {
                QColor colour = y < kCaptionHeight ? captionRow(look, y) : border[fromOutside];
                if (fromOutside == 0)
                    colour = look.edgeOuter;
                image.setPixelColor(frame * 3 + column, y, colour);
            }
        }
    }
    return image;
}

QImage bottomEdge()
{
    QImage image(43, 6, QImage::Format_RGB32);
    for (int frame = 0; frame < 2; ++frame) {
        const Look &look = frame == 0 ? kActive : kInactive;
        const std::array<QColor, 3> rows{look.edgeInner, look.edgeMiddle, look.edgeOuter};
        for (int row = 0; row < 3; ++row)
            for (int x = 0; x < image.width(); ++x)
                image.setPixelColor(x, frame * 3 + row, rows[row]);
    }
    return image;
}

using Glyph = std::function<void(QPainter &)>;

// A caption button strip: normal, pressed and pointer-over faces of 15 x 16
// side by side, one spare column; everything outside the faces is magenta.
QImage captionButton(QColor face, const Glyph &glyph)
{
    QImage image(46, 16, QImage::Format_RGB32);
    image.fill(kMagenta);
    const std::array<QColor, 3> faces{face, face.darker(135), face.lighter(125)};
    for (int frame = 0; frame < 3; ++frame) {
        QImage cell(15, 16, QImage::Format_RGB32);
        cell.fill(kMagenta);
        QPainter painter(&cell);
        QLinearGradient fill(0, 0, 0, 16);
        fill.setColorAt(0, faces[frame].lighter(frame == 1 ? 100 : 150));
        fill.setColorAt(0.45, faces[frame]);
        fill.setColorAt(1, faces[frame].darker(frame == 1 ? 110 : 120));
        painter.fillRect(1, 1, 13, 14, fill);
        painter.setPen(QColor(255, 255, 255));
        painter.drawLine(1, 0, 13, 0);
        painter.drawLine(1, 15, 13, 15);
        painter.drawLine(0, 1, 0, 14);
        painter.drawLine(14, 1, 14, 14);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(frame == 1 ? 1 : 0, frame == 1 ? 1 : 0); // a pressed glyph sinks
        glyph(painter);
        painter.end();
        QPainter(&image).drawImage(frame * 15, 0, cell);
    }
    return image;
}

QPen glyphPen(qreal width = 2)
{
    return QPen(Qt::white, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

void closeGlyph(QPainter &p)
{
    p.setPen(glyphPen(2));
    p.drawLine(QPointF(4.5, 4.5), QPointF(10.5, 10.5));
    p.drawLine(QPointF(10.5, 4.5), QPointF(4.5, 10.5));
}

void maxGlyph(QPainter &p)
{
    const QColor white(255, 255, 255);
    for (const QRect &r : {QRect(3, 3, 9, 2), QRect(3, 5, 1, 7), QRect(11, 5, 1, 7), QRect(3, 11, 9, 1)})
        p.fillRect(r, white); // a window with its caption
}

void restoreGlyph(QPainter &p)
{
    // Two windows, the back one showing only where the front one leaves it.
    const QColor white(255, 255, 255);
    for (const QRect &r : {QRect(5, 3, 7, 2), QRect(11, 5, 1, 4), QRect(10, 8, 1, 1), QRect(5, 5, 1, 1)})
        p.fillRect(r, white);
    for (const QRect &r : {QRect(3, 6, 7, 2), QRect(3, 8, 1, 4), QRect(9, 8, 1, 4), QRect(3, 11, 7, 1)})
        p.fillRect(r, white);
}

void minGlyph(QPainter &p)
{
    p.fillRect(QRect(4, 10, 6, 2), QColor(255, 255, 255));
}

void helpGlyph(QPainter &p)
{
    QPainterPath mark;
    mark.moveTo(5, 5.5);
    mark.cubicTo(5, 2.5, 10.5, 2.5, 10.5, 5.5);
    mark.cubicTo(10.5, 7.5, 7.75, 7.5, 7.75, 9.5);
    p.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mark);
    p.fillRect(QRect(7, 11, 2, 2), QColor(255, 255, 255));
}

// One push-button look of 18 x 21: outline, face and an optional inner rim.
struct ButtonLook
{
    QColor outline, faceTop, faceBottom, rimTop, rimBottom;
};

QImage buttonStrip()
{
    const QColor corner(236, 233, 216); // the face colour around the rounded outline
    const QColor blue(0, 60, 116);
    const std::array<ButtonLook, 5> looks{{
        {blue, {255, 255, 255}, {226, 223, 210}, {}, {}},                               // normal
        {blue, {214, 208, 190}, {238, 236, 228}, {}, {}},                               // pressed
        {{201, 199, 186}, {245, 244, 234}, {245, 244, 234}, {}, {}},                    // disabled
        {blue, {255, 255, 255}, {226, 223, 210}, {255, 240, 207}, {229, 151, 0}},       // pointer over
        {blue, {255, 255, 255}, {226, 223, 210}, {206, 231, 255}, {105, 130, 238}},     // focused
    }};
    QImage image(90, 21, QImage::Format_RGB32);
    for (int frame = 0; frame < 5; ++frame) {
        const ButtonLook &look = looks[frame];
        QImage cell(18, 21, QImage::Format_RGB32);
        cell.fill(corner);
        QPainter painter(&cell);
        for (int y = 1; y < 20; ++y)
            painter.fillRect(1, y, 16, 1, mix(look.faceTop, look.faceBottom, (y - 1) / 18.0));
        if (look.rimTop.isValid()) {
            for (int y = 1; y < 20; ++y) {
                const QColor rim = mix(look.rimTop, look.rimBottom, (y - 1) / 18.0);
                painter.fillRect(1, y, 2, 1, rim);
                painter.fillRect(15, y, 2, 1, rim);
            }
            painter.fillRect(2, 1, 14, 2, look.rimTop);
            painter.fillRect(2, 18, 14, 2, look.rimBottom);
        }
        painter.setPen(look.outline);
        painter.drawLine(2, 0, 15, 0);
        painter.drawLine(2, 20, 15, 20);
        painter.drawLine(0, 2, 0, 18);
        painter.drawLine(17, 2, 17, 18);
        // Rounded corners: one pixel in between, half outline, half corner.
        const QColor soft = mix(look.outline, corner, 0.5);
        for (const QPoint p : {QPoint(1, 1), QPoint(16, 1), QPoint(1, 19), QPoint(16, 19)})
            cell.setPixelColor(p, look.outline);
        for (const QPoint p : {QPoint(1, 0), QPoint(0, 1), QPoint(16, 0), QPoint(17, 1), QPoint(0, 19), QPoint(1, 20),
                               QPoint(17, 19), QPoint(16, 20)})
            cell.setPixelColor(p, soft);
        painter.end();
        QPainter(&image).drawImage(frame * 18, 0, cell);
    }
    return image;
}

// A pointing hand, black outline on white, its fingertip at (7, 1).
QImage handCursor()
{
    static const char *const rows[] = {
        "......##...........",
        ".....#WW#..........",
        ".....#WW#..........",
        ".....#WW#..........",
        ".....#WW#..........",
        ".....#WW###........",
        ".....#WW#WW###.....",
        ".....#WW#WW#WW##...",
        ".....#WW#WW#WW#W#..",
        ".##..#WW#WW#WW#WW#.",
        "#WW#.#WWWWWWWWWWW#.",
        "#WWW##WWWWWWWWWWW#.",
        ".#WWW#WWWWWWWWWWW#.",
        "..#WWWWWWWWWWWWWW#.",
        "..#WWWWWWWWWWWWWW#.",
        "...#WWWWWWWWWWWWW#.",
        "...#WWWWWWWWWWWW#..",
        "....#WWWWWWWWWWW#..",
        "....#WWWWWWWWWW#...",
        ".....#WWWWWWWWW#...",
        ".....#WWWWWWWWW#...",
        ".....###########...",
    };
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < int(std::size(rows)); ++y)
        for (int x = 0; rows[y][x]; ++x) {
            if (rows[y][x] == '#')
                image.setPixel(x, y, qRgb(0, 0, 0));
            else if (rows[y][x] == 'W')
                image.setPixel(x, y, qRgb(255, 255, 255));
        }
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_skins OUTPUT_FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]) + u'/';
    const QColor blue(34, 100, 232);
    const std::pair<const char *, QImage> images[] = {
        {"XPFORM_CAPTION", caption()},
        {"XPFORM_LEFT", sideEdge(true)},
        {"XPFORM_RIGHT", sideEdge(false)},
        {"XPFORM_BOTTOM", bottomEdge()},
        {"XPFORM_CLOSE", captionButton(QColor(226, 80, 36), closeGlyph)},
        {"XPFORM_MAX", captionButton(blue, maxGlyph)},
        {"XPFORM_RESTORE", captionButton(blue, restoreGlyph)},
        {"XPFORM_MIN", captionButton(blue, minGlyph)},
        {"XPFORM_HELP", captionButton(blue, helpGlyph)},
        {"XPBUTTON", buttonStrip()},
        {"XPHANDCUR", handCursor()},
    };
    for (const auto &[name, image] : images) {
        if (!image.save(folder + QLatin1String(name) + QStringLiteral(".png"))) {
            std::fprintf(stderr, "%s: cannot write\n", name);
            return 1;
        }
    }
    return 0;
}
