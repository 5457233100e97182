// Draws the program icon: a 32 x 32, 16-colour picture of a blue slate with
// a plus sign and a red tick. The desktop's copies at other sizes are the
// same pixels as squares, smoothed down where SIZE is no multiple of 32.
// Usage: make_icon OUTPUT.png [SIZE]
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <cstdlib>

namespace {

// The classic 16-colour desktop palette.
QList<QRgb> sixteenColours()
{
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const int size = argc == 3 ? std::atoi(argv[2]) : 32;
    if (argc < 2 || argc > 3 || size < 16 || size > 1024) {
        std::fprintf(stderr, "usage: make_icon OUTPUT.png [SIZE]\n");
        return 2;
    }
    QImage icon(32, 32, QImage::Format_RGB32);
    icon.fill(qRgb(192, 192, 192));
    QPainter painter(&icon);
    painter.fillRect(QRect(2, 2, 28, 28), qRgb(0, 0, 128));
    painter.fillRect(QRect(3, 3, 26, 26), qRgb(0, 0, 255));
    painter.fillRect(QRect(7, 11, 12, 4), qRgb(255, 255, 255)); // plus
    painter.fillRect(QRect(11, 7, 4, 12), qRgb(255, 255, 255));
    QPainterPath tick;
    tick.moveTo(14, 21);
    tick.lineTo(18, 26);
    tick.lineTo(27, 12);
    painter.setPen(QPen(QColor(255, 0, 0), 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPath(tick);
    painter.end();

    const QImage indexed = icon.convertToFormat(QImage::Format_Indexed8, sixteenColours(), Qt::ThresholdDither);
    const int scale = (size + 31) / 32;
    QImage squares = indexed.scaled(32 * scale, 32 * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (size % 32 != 0)
        squares = squares.convertToFormat(QImage::Format_RGB32)
                      .scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return squares.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
