#include "platform/AppFonts.h"

#include <QGuiApplication>
#include <QStringList>

namespace AppFonts {

void installSubstitutions()
{
    const QString uming = QStringLiteral("AR PL UMing CN");
    const QString ukai = QStringLiteral("AR PL UKai CN");
    const QString sans = QStringLiteral("Liberation Sans");
    QFont::insertSubstitution(QStringLiteral("宋体"), uming);
    QFont::insertSubstitution(QStringLiteral("楷体_GB2312"), ukai);
    // Latin text in a sans face, Chinese text from the Song face.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), QStringList{sans, uming});
    QFont::insertSubstitutions(QStringLiteral("Arial"), QStringList{sans, uming});
    // Boxes and tips in the default face leave the auto-hinter out too.
    QFont standard = QGuiApplication::font();
    standard.setHintingPreference(QFont::PreferNoHinting);
    QGuiApplication::setFont(standard);
}

bool drawsWithOwnBitmaps(const QString &family, int devicePixels)
{
    // The Song face carries hand-made strikes for these sizes; the Kai face
    // none.
    return family != QStringLiteral("楷体_GB2312") && devicePixels >= kSmallestStrike
           && devicePixels <= kLargestStrike;
}

QFont font(const QString &family, int pixelHeight, bool bold)
{
    QFont f(family);
    f.setPixelSize(pixelHeight);
    f.setBold(bold);
    // Our Chinese faces carry no hints, and the auto-hinter would load about
    // a hundred glyphs of each face and size to measure them: 3 MB and a
    // good part of the start-up.
    f.setHintingPreference(QFont::PreferNoHinting);
    // Small Chinese text smoothed from outlines comes out grey and soft: at
    // the sizes of its strikes the face's own crisp bitmaps are drawn, and
    // Latin text beside them is hinted to match.
    if (drawsWithOwnBitmaps(family, qRound(pixelHeight * qGuiApp->devicePixelRatio()))) {
        f.setStyleStrategy(QFont::NoAntialias);
        f.setHintingPreference(QFont::PreferFullHinting);
    }
    return f;
}

} // namespace AppFonts
