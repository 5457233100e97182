#include "widgets/xp/XP_Unit.h"

#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

static void initSkinResources()
{
    Q_INIT_RESOURCE(skins); // the artwork lives in a static library
}

namespace {

void copyRow(const QImage &from, int fromRow, QImage &to, int toRow)
{
    std::copy_n(reinterpret_cast<const QRgb *>(from.constScanLine(fromRow)), from.width(),
                reinterpret_cast<QRgb *>(to.scanLine(toRow)));
}

// Copies the block (x, y, w, h) of from to (toX, toY), clipped to the target.
void copyBlock(const QImage &from, QRect block, QImage &to, QPoint at)
{
    for (int r = 0; r < block.height(); ++r) {
        const int ty = at.y() + r;
        if (ty < 0 || ty >= to.height())
            continue;
        const auto *source = reinterpret_cast<const QRgb *>(from.constScanLine(block.y() + r));
        auto *target = reinterpret_cast<QRgb *>(to.scanLine(ty));
        for (int c = 0; c < block.width(); ++c) {
            const int tx = at.x() + c;
            if (tx >= 0 && tx < to.width())
                target[tx] = source[block.x() + c];
        }
    }
}

QHash<int, QCursor> &cursorTable()
{
    static QHash<int, QCursor> table;
    return table;
}

} // namespace

bool PointInRect(const TRect &rect, int x, int y)
{
    return rect.Left <= x && x <= rect.Right && rect.Top <= y && y <= rect.Bottom;
}

QColor GrayColor(QColor colour, int level)
{
    const int grey = qBound(0, (colour.red() + colour.green() + colour.blue()) / 3 + qMin(level, 100), 240);
    return QColor(grey, grey, grey, colour.alpha());
}

void GrayBitmap(QImage &image, int level)
{
    // Pictures hold few colours: a grey is computed once per run of a colour.
    if (image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(QImage::Format_ARGB32);
    QRgb lastSource = 0;
    QRgb lastGrey = GrayColor(QColor::fromRgba(lastSource), level).rgba();
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] != lastSource) {
                lastSource = line[x];
                lastGrey = GrayColor(QColor::fromRgba(lastSource), level).rgba();
            }
            line[x] = lastGrey;
        }
    }
}

void DrawSilhouette(const QImage &image, QImage &surface, int x, int y, QColor colour)
{
    if (image.isNull())
        return;
    const QRgb key = image.pixel(0, image.height() - 1);
    for (int r = 0; r < image.height(); ++r) {
        for (int c = 0; c < image.width(); ++c) {
            if (image.pixel(c, r) != key && surface.rect().contains(x + c, y + r))
                surface.setPixelColor(x + c, y + r, colour);
        }
    }
}

QImage GetStripFrame(const QImage &strip, int count, int n, bool horizontal)
{
    if (horizontal) {
        const int width = strip.width() / count;
        return strip.copy(width * (n - 1), 0, width, strip.height());
    }
    const int height = strip.height() / count;
    return strip.copy(0, height * (n - 1), strip.width(), height);
}

void StretchSkin(const QImage &skin, QPainter &surface, const TRect &target)
{
    const int w = target.width();
    const int h = target.height();
    if (w <= 0 || h <= 0 || skin.isNull())
        return;
    const QImage source = skin.convertToFormat(QImage::Format_ARGB32);
    const int sw = source.width(), sh = source.height();
    const int halfWidth = sw / 2, halfHeight = sh / 2;

    // 1-3: one row band of the target's width: the left part, the centre
    // column repeated, the right part.
    QImage band(w, sh, QImage::Format_ARGB32);
    band.fill(Qt::transparent);
    copyBlock(source, source.rect(), band, {w - sw, 0});
    for (int x = 0; x < qMin(w - halfWidth, w); ++x)
        copyBlock(source, {halfWidth, 0, 1, sh}, band, {x, 0});
    copyBlock(source, {0, 0, halfWidth, sh}, band, {0, 0});

    // 4-6: the upper half, the lower half (one row more, so an even lower
    // half is stretched), the centre row in between.
    QImage result(w, h, QImage::Format_ARGB32);
    result.fill(Qt::transparent);
    for (int y = 0; y < qMin(halfHeight, h); ++y)
        copyRow(band, y, result, y);
    const int lowerRows = halfHeight + 1;
    for (int t = 0; t < lowerRows; ++t) {
        const int y = h - lowerRows + t;
        if (y >= 0 && y < h)
            copyRow(band, halfHeight + t * (sh - halfHeight) / lowerRows, result, y);
    }
    for (int y = halfHeight; y < h - lowerRows; ++y)
        copyRow(band, halfHeight, result, y);

    // 7: copied as it is, alpha included.
    const QPainter::CompositionMode mode = surface.compositionMode();
    surface.setCompositionMode(QPainter::CompositionMode_Source);
    surface.drawImage(target.Left, target.Top, result);
    surface.setCompositionMode(mode);
}

QImage pictureWithTransparency(const QImage &picture, bool transparent, QColor colour)
{
    QImage result = picture.convertToFormat(QImage::Format_ARGB32);
    if (!transparent)
        return result;
    const QRgb key = colour.rgb();
    for (int y = 0; y < result.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if ((line[x] | 0xFF000000) == key)
                line[x] = 0;
        }
    }
    return result;
}

int TaskbarMargin(const QRect &screen, const QRect &available)
{
    // No room kept at the bottom reads as a taskbar that hides itself.
    const int height = screen.bottom() - available.bottom();
    if (height <= 0 || height == 4)
        return 0;
    return qMax(0, height - 2);
}

int TaskbarMargin()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? TaskbarMargin(screen->geometry(), screen->availableGeometry()) : 0;
}

const QImage &skinImage(const char *name)
{
    static QHash<QByteArray, QImage> loaded;
    auto it = loaded.find(name);
    if (it == loaded.end()) {
        initSkinResources();
        QImage image(QStringLiteral(":/skins/%1.png").arg(QLatin1String(name)));
        it = loaded.insert(name, image.convertToFormat(QImage::Format_ARGB32));
    }
    return *it;
}

QCursor applicationCursor(int number)
{
    return cursorTable().value(number, QCursor(Qt::ArrowCursor));
}

bool XPStartUp(const QStringList &arguments,
               const std::function<void(const QString &caption, const QString &text)> &showInformation)
{
    cursorTable().insert(crXPHand, QCursor(QPixmap::fromImage(skinImage("XPHANDCUR")), 7, 1));
    if (arguments.size() > 1 && arguments.at(1).toUpper() == QLatin1String("/MOSSGLINT")) {
        showInformation(QStringLiteral("版权提示"),
                        QStringLiteral("Numora 界面控件集 1.0\n"
                                       "窗口外框、按钮与链接均由 Numora 开发组绘制和编写，\n"
                                       "随 Numora 一同发布。"));
        return false;
    }
    return true;
}
