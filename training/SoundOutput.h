#pragma once

#include <QString>

// Plays a sound file without waiting for its end; a new sound cuts off the
// one still playing. Throws NumoraError when the file cannot be played.
class SoundOutput
{
public:
    virtual ~SoundOutput() = default;
    virtual void play(const QString &path) = 0;
};
