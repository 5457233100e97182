#include "training/AppPaths.h"

namespace AppPaths {

QString trimmed(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= u' ')
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= u' ')
        --end;
    return text.mid(begin, end - begin);
}

QString join(const QString &appDir, const QString &relative)
{
    QString native = trimmed(relative);
    native.replace(u'\\', u'/');
    return trimmed(appDir) + native;
}

} // namespace AppPaths
