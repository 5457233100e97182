#include "platform/DrawSeed.h"

#include <QCoreApplication>

#include <bit>
#include <chrono>
#include <cstdio>

namespace DrawSeed {

std::optional<quint32> parse(const QByteArray &text)
{
    bool ok = false;
    const qulonglong value = text.startsWith("0x") ? text.mid(2).toULongLong(&ok, 16) : text.toULongLong(&ok, 10);
    if (!ok || value > 0xFFFFFFFFu || text.startsWith('+') || text.startsWith('-') || text.startsWith(' '))
        return std::nullopt;
    return quint32(value);
}

quint32 mix(quint64 nanoseconds, quint64 processId)
{
    // splitmix64's finaliser: every bit of the input reaches every bit kept.
    quint64 z = nanoseconds ^ (processId << 40) ^ (processId >> 24);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return quint32((z ^ (z >> 31)) >> 16);
}

quint32 forLaunch()
{
    const QByteArray variable = qgetenv("NUMORA_SEED");
    if (const auto seed = parse(variable))
        return *seed;
    if (!variable.isEmpty())
        std::fprintf(stderr, "numora: NUMORA_SEED 不是 32 位无符号整数，改用时钟作种子\n");
    using std::chrono::nanoseconds;
    const auto wall = std::chrono::system_clock::now().time_since_epoch();
    const auto sinceBoot = std::chrono::steady_clock::now().time_since_epoch();
    const quint64 now = quint64(std::chrono::duration_cast<nanoseconds>(wall).count())
                        ^ std::rotl(quint64(std::chrono::duration_cast<nanoseconds>(sinceBoot).count()), 32);
    return mix(now, quint64(QCoreApplication::applicationPid()));
}

} // namespace DrawSeed
