#pragma once

#include <QtGlobal>

// The 32-bit linear congruential generator behind every random choice. It
// starts at 0 at every launch, so a bank is drawn in the same order each time.
class DrawGenerator
{
public:
    // A number from 0 to bound - 1 (0 when bound is 0).
    quint32 next(quint32 bound)
    {
        m_state = m_state * 134775813u + 1u;
        return quint32((quint64(m_state) * bound) >> 32);
    }

private:
    quint32 m_state = 0;
};
