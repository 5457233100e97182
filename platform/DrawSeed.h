#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <optional>

namespace DrawSeed {

// NUMORA_SEED as an unsigned 32-bit number (decimal, or hexadecimal after
// "0x"); nothing for any other text.
std::optional<quint32> parse(const QByteArray &text);

// The seed of a launch: NUMORA_SEED when it holds a number, else the clock
// and the process mixed, so that no two launches ask in the same order.
quint32 forLaunch();

// The clock and process mixed into 32 bits.
quint32 mix(quint64 nanoseconds, quint64 processId);

} // namespace DrawSeed
