// Paints the welcome picture: a sunny landscape with a rainbow, balloons
// carrying sums, an abacus and a friendly title, saved as a 500 x 401
// baseline colour JPEG. Usage: make_welcome OUTPUT.jpg
#include "platform/AppFonts.h"

#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

#include <cmath>
#include <cstdio>

namespace {

constexpr int kWidth = 500;
constexpr int kHeight = 401;

void sky(QPainter &p)
{
    QLinearGradient air(0, 0, 0, kHeight);
    air.setColorAt(0, QColor(120, 196, 255));
    air.setColorAt(0.6, QColor(200, 236, 255));
    air.setColorAt(1, QColor(236, 250, 255));
    p.fillRect(0, 0, kWidth, kHeight, air);
}

void sun(QPainter &p)
{
    const QPointF centre(430, 62);
    p.setPen(QPen(QColor(255, 200, 40), 5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        p.drawLine(centre + QPointF(std::cos(a), std::sin(a)) * 44, centre + QPointF(std::cos(a), std::sin(a)) * 60);
    }
    QRadialGradient glow(centre, 38);
    glow.setColorAt(0, QColor(255, 248, 160));
    glow.setColorAt(1, QColor(255, 204, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, 38, 38);
    // A smiling face.
    p.setBrush(QColor(120, 70, 20));
    p.drawEllipse(centre + QPointF(-12, -8), 4, 5);
    p.drawEllipse(centre + QPointF(12, -8), 4, 5);
    p.setPen(QPen(QColor(120, 70, 20), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(centre.x() - 16, centre.y() - 8, 32, 26), 200 * 16, 140 * 16);
}

void cloud(QPainter &p, QPointF at, double size)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 235));
    for (const auto &[dx, dy, r] : {std::tuple{0.0, 0.0, 1.0}, {0.9, -0.35, 0.8}, {1.7, 0.05, 0.75}, {-0.8, 0.15, 0.7}})
        p.drawEllipse(at + QPointF(dx, dy) * size, r * size, r * size * 0.85);
}

void rainbow(QPainter &p)
{
    const QColor bands[] = {{238, 64, 64}, {255, 150, 40}, {255, 222, 60}, {90, 200, 90}, {70, 150, 240}, {150, 100, 220}};
    QRectF arc(30, 120, 440, 380);
    p.setBrush(Qt::NoBrush);
    for (const QColor &band : bands) {
        QColor soft = band;
        soft.setAlpha(150);
        p.setPen(QPen(soft, 11, Qt::SolidLine, Qt::FlatCap));
        p.drawArc(arc, 0, 180 * 16);
        arc.adjust(11, 11, -11, -11);
    }
}

void hills(QPainter &p)
{
    const QColor greens[] = {{120, 200, 90}, {90, 180, 70}};
    for (int layer = 0; layer < 2; ++layer) {
        QPainterPath hill;
        hill.moveTo(0, kHeight);
        const double base = 300 + layer * 30;
        hill.lineTo(0, base);
        for (int x = 0; x <= kWidth; x += 10)
            hill.lineTo(x, base - 22 * std::sin((x + layer * 140) / 70.0) - 10 * std::sin(x / 23.0));
        hill.lineTo(kWidth, kHeight);
        p.setPen(Qt::NoPen);
        p.setBrush(greens[layer]);
        p.drawPath(hill);
    }
    // Flowers.
    QRandomGenerator random(7);
    const QColor petals[] = {{255, 90, 120}, {255, 220, 60}, {255, 255, 255}, {180, 120, 255}};
    for (int i = 0; i < 26; ++i) {
        const QPointF at(random.bounded(kWidth), 345 + random.bounded(50));
        p.setBrush(petals[i % 4]);
        for (int k = 0; k < 5; ++k) {
            const double a = k * 2 * M_PI / 5;
            p.drawEllipse(at + QPointF(std::cos(a), std::sin(a)) * 3.5, 3, 3);
        }
        p.setBrush(QColor(255, 200, 0));
        p.drawEllipse(at, 2.2, 2.2);
    }
}

void balloon(QPainter &p, QPointF at, QColor colour, const QString &sum)
{
    p.setPen(QPen(QColor(110, 110, 110), 1.5));
    QPainterPath string;
    string.moveTo(at + QPointF(0, 46));
    string.cubicTo(at + QPointF(-10, 80), at + QPointF(10, 100), at + QPointF(-4, 130));
    p.setBrush(Qt::NoBrush);
    p.drawPath(string);
    QRadialGradient shine(at + QPointF(-12, -16), 60);
    shine.setColorAt(0, colour.lighter(170));
    shine.setColorAt(0.5, colour);
    shine.setColorAt(1, colour.darker(130));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(at, 40, 46);
    QPolygonF knot{at + QPointF(-6, 50), at + QPointF(6, 50), at + QPointF(0, 44)};
    p.setBrush(colour.darker(130));
    p.drawPolygon(knot);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(sum.size() > 4 ? 20 : 24);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(at.x() - 40, at.y() - 20, 80, 40), Qt::AlignCenter, sum);
}

void abacus(QPainter &p)
{
    const QRectF frame(34, 262, 150, 104);
    p.setPen(QPen(QColor(120, 70, 30), 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 244, 214));
    p.drawRoundedRect(frame, 6, 6);
    const QColor beads[] = {{236, 70, 70}, {255, 160, 40}, {250, 210, 50}, {80, 180, 90}, {70, 140, 230}};
    for (int row = 0; row < 5; ++row) {
        const double y = frame.top() + 17 + row * 17.5;
        p.setPen(QPen(QColor(150, 110, 70), 2));
        p.drawLine(QPointF(frame.left() + 4, y), QPointF(frame.right() - 4, y));
        p.setPen(QPen(beads[row].darker(140), 1));
        p.setBrush(beads[row]);
        const int count = row + 1;
        for (int b = 0; b < count; ++b)
            p.drawEllipse(QPointF(frame.left() + 18 + b * 15, y), 7, 6.5);
    }
}

void title(QPainter &p)
{
    const QString text = QStringLiteral("快乐口算");
    QFont font(QStringLiteral("楷体_GB2312"));
    font.setPixelSize(52);
    font.setBold(true);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    path.translate(kWidth / 2.0 - box.center().x(), 232 - box.center().y());
    p.setPen(QPen(Qt::white, 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    QLinearGradient ink(0, 200, 0, 260);
    ink.setColorAt(0, QColor(255, 110, 40));
    ink.setColorAt(1, QColor(220, 40, 90));
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(path);
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    AppFonts::installSubstitutions();
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_welcome OUTPUT.jpg\n");
        return 2;
    }
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    sky(painter);
    rainbow(painter);
    cloud(painter, {90, 60}, 26);
    cloud(painter, {300, 40}, 18);
    sun(painter);
    hills(painter);
    balloon(painter, {110, 120}, QColor(236, 64, 90), QStringLiteral("3+4=7"));
    balloon(painter, {250, 92}, QColor(60, 140, 235), QStringLiteral("6×7=42"));
    balloon(painter, {380, 150}, QColor(60, 180, 110), QStringLiteral("9-5=4"));
    abacus(painter);
    title(painter);
    painter.end();

    QImageWriter writer(QString::fromLocal8Bit(argv[1]), "jpg");
    writer.setQuality(92);
    writer.setProgressiveScanWrite(false); // baseline
    if (!writer.write(image)) {
        std::fprintf(stderr, "%s\n", qPrintable(writer.errorString()));
        return 1;
    }
    return 0;
}
