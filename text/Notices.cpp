#include "text/Notices.h"

#include <QCoreApplication>
#include <QMutex>

#include <cstdio>

namespace Notices {

namespace {

QMutex g_lock;
std::function<void(const QString &)> g_handler;

} // namespace

void tell(const QString &text)
{
    const QMutexLocker locker(&g_lock);
    if (g_handler) {
        g_handler(text);
        return;
    }
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()), text.toLocal8Bit().constData());
}

void setHandler(std::function<void(const QString &)> handler)
{
    const QMutexLocker locker(&g_lock);
    g_handler = std::move(handler);
}

} // namespace Notices
