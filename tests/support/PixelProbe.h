#pragma once

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPalette>
#include <QPoint>
#include <QString>

#include <utility>
#include <vector>

// A desktop palette with fixed system colours, so that pixel tests do not
// depend on the platform's theme.
inline QPalette testDesktopPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(236, 233, 216));    // button face
    palette.setColor(QPalette::Window, QColor(236, 233, 216));
    palette.setColor(QPalette::Dark, QColor(172, 168, 153));      // button shadow
    palette.setColor(QPalette::Light, QColor(255, 255, 255));     // button highlight
    palette.setColor(QPalette::Base, QColor(255, 255, 255));      // window
    palette.setColor(QPalette::Text, QColor(0, 0, 0));            // window text
    palette.setColor(QPalette::WindowText, QColor(0, 0, 0));
    palette.setColor(QPalette::Highlight, QColor(49, 106, 197));
    return palette;
}

using Probes = std::vector<std::pair<QPoint, QColor>>;

// Empty when every probe point has its colour, else the first miss; the
// image is then saved beside the test so that it can be looked at.
inline QString probesMatch(const QImage &image, const Probes &probes, const QString &name = QStringLiteral("probe"))
{
    for (const auto &[point, colour] : probes) {
        const QColor seen = image.pixelColor(point);
        if (seen.rgb() != colour.rgb()) {
            const QString path = QDir::temp().filePath(name + QStringLiteral(".png"));
            image.save(path);
            return QStringLiteral("(%1, %2) is %3, not %4; image in %5")
                .arg(point.x()).arg(point.y()).arg(seen.name(), colour.name(), path);
        }
    }
    return QString();
}
