#pragma once

#include "training/SoundOutput.h"

#include <QByteArray>

#include <memory>

class QAudioSink;
class QBuffer;

// A WAV file decoded to 16-bit samples.
struct DecodedSound
{
    int sampleRate = 0;
    int channels = 0;
    qint64 frames = 0;
    QByteArray samples; // interleaved signed 16-bit, native byte order
};

// Decodes at once; a missing, undecodable or empty file throws NumoraError
// with the sound library's own text.
DecodedSound decodeWav(const QString &path);

// Plays WAV files on the default audio output; without one, playing
// succeeds silently.
class WavSoundOutput : public SoundOutput
{
public:
    WavSoundOutput();
    ~WavSoundOutput() override;

    void play(const QString &path) override;

private:
    void stop();

    std::unique_ptr<QBuffer> m_buffer;
    std::unique_ptr<QAudioSink> m_sink;
};
