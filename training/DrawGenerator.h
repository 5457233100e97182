#pragma once

#include <QtGlobal>

// The 32-bit linear congruential generator behind every random choice. Its
// starting state is the launch's seed: the same seed draws a bank in the
// same order.
class DrawGenerator
{
public:
    explicit DrawGenerator(quint32 seed = 0) : m_state(seed) {}

    // A number from 0 to bound - 1 (0 when bound is 0).
    quint32 next(quint32 bound)
    {
        m_state = m_state * 134775813u + 1u;
        return quint32((quint64(m_state) * bound) >> 32);
    }

private:
    quint32 m_state;
};
