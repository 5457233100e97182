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

QFont font(const QString &family, int pixelHeight, bool bold)
{
    QFont f(family);
    f.setPixelSize(pixelHeight);
    f.setBold(bold);
    // Our Chinese faces carry no hints, and the auto-hinter would load about
    // a hundred glyphs of each face and size to measure them: 3 MB and a
    // good part of the start-up.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

} // namespace AppFonts
