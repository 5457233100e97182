#include "app/AppFonts.h"

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
}

QFont font(const QString &family, int pixelHeight, bool bold)
{
    QFont f(family);
    f.setPixelSize(pixelHeight);
    f.setBold(bold);
    return f;
}

} // namespace AppFonts
