#include "platform/WavSound.h"

#include "text/Errors.h"
#include "text/TextFile.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>

#include <sndfile.h>

namespace {

// libsndfile's own text says what went wrong but not with which file.
NumoraError unplayable(const QString &path, const char *reason)
{
    return NumoraError(QStringLiteral("无法播放声音文件 %1：%2").arg(path, QString::fromLocal8Bit(reason)));
}

struct SndFileCloser
{
    void operator()(SNDFILE *file) const { sf_close(file); }
};

} // namespace

DecodedSound decodeWav(const QString &path)
{
    QFile source;
    try {
        TextFile::openRegular(source, path);
    } catch (const FileOpenError &) {
        throw unplayable(path, QFileInfo::exists(path) ? "这不是普通文件" : "文件不存在");
    }
    SF_INFO info{};
    std::unique_ptr<SNDFILE, SndFileCloser> file(sf_open_fd(source.handle(), SFM_READ, &info, SF_FALSE));
    if (!file)
        throw unplayable(path, sf_strerror(nullptr));
    if (info.frames <= 0 || info.channels <= 0)
        throw NumoraError(QStringLiteral("声音文件 %1 里没有声音").arg(path));

    DecodedSound sound;
    sound.sampleRate = info.samplerate;
    sound.channels = info.channels;
    sound.samples.resize(qsizetype(info.frames) * info.channels * qsizetype(sizeof(short)));
    sound.frames = sf_readf_short(file.get(), reinterpret_cast<short *>(sound.samples.data()), info.frames);
    if (sound.frames <= 0)
        throw unplayable(path, sf_strerror(file.get()));
    sound.samples.resize(qsizetype(sound.frames) * info.channels * qsizetype(sizeof(short)));
    return sound;
}

WavSoundOutput::WavSoundOutput() = default;

WavSoundOutput::~WavSoundOutput()
{
    stop();
}

void WavSoundOutput::stop()
{
    if (m_sink)
        m_sink->stop();
    m_sink.reset();
    m_buffer.reset();
}

void WavSoundOutput::play(const QString &path)
{
    const DecodedSound sound = decodeWav(path);
    stop();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return;

    QAudioFormat format;
    format.setSampleRate(sound.sampleRate);
    format.setChannelCount(sound.channels);
    format.setSampleFormat(QAudioFormat::Int16);
    m_buffer = std::make_unique<QBuffer>();
    m_buffer->setData(sound.samples);
    m_buffer->open(QIODevice::ReadOnly);
    m_sink = std::make_unique<QAudioSink>(device, format);
    m_sink->start(m_buffer.get());
}
