#include "platform/LazySound.h"
#include "platform/WavSound.h"
#include "text/Errors.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <sndfile.h>
#include <sys/stat.h>

namespace {

QString soundPath(const QString &name)
{
    return QStringLiteral(NUMORA_SOURCE_DIR "/sound/") + name + QStringLiteral(".wav");
}

// Sign changes per second: a rough pitch.
double crossingsPerSecond(const DecodedSound &sound)
{
    const auto *samples = reinterpret_cast<const short *>(sound.samples.constData());
    int crossings = 0;
    for (qint64 i = 1; i < sound.frames; ++i)
        crossings += (samples[i - 1] < 0) != (samples[i] < 0);
    return crossings * double(sound.sampleRate) / sound.frames;
}

QString errorOf(const QString &path)
{
    try {
        decodeWav(path);
    } catch (const NumoraError &error) {
        return error.text();
    }
    return QString();
}

} // namespace

class TestWavSound : public QObject
{
    Q_OBJECT

private slots:
    void deliveredSoundsAreShort_data();
    void deliveredSoundsAreShort();
    void rightSoundsAreBrighterThanWrongOnes();
    void unplayableFilesAreErrors();
    void playingWithoutDeviceIsSilent();
    void moduleLoadsAfterStartAndReportsItsAbsence();
};

void TestWavSound::deliveredSoundsAreShort_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"z0", "z1", "c0", "c1"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestWavSound::deliveredSoundsAreShort()
{
    QFETCH(QString, name);
    const DecodedSound sound = decodeWav(soundPath(name));
    QCOMPARE(sound.channels, 1);
    QCOMPARE(sound.sampleRate, 22050);
    const double seconds = double(sound.frames) / sound.sampleRate;
    QVERIFY2(seconds >= 0.2 && seconds <= 0.6, qPrintable(QString::number(seconds)));
    QCOMPARE(sound.samples.size(), sound.frames * 2);
}

void TestWavSound::rightSoundsAreBrighterThanWrongOnes()
{
    const QStringList names{"z0", "z1", "c0", "c1"};
    QList<QByteArray> seen;
    for (const QString &name : names)
        seen.append(decodeWav(soundPath(name)).samples);
    QCOMPARE(QSet<QByteArray>(seen.begin(), seen.end()).size(), 4);
    for (const char *right : {"z0", "z1"})
        for (const char *wrong : {"c0", "c1"})
            QVERIFY(crossingsPerSecond(decodeWav(soundPath(right))) > 2 * crossingsPerSecond(decodeWav(soundPath(wrong))));
}

void TestWavSound::unplayableFilesAreErrors()
{
    QTemporaryDir dir;
    const QString missing = dir.filePath("missing.wav");
    QVERIFY(errorOf(missing).startsWith("无法播放声音文件 " + missing + "："));
    QVERIFY(errorOf(missing).contains("文件不存在"));
    // A FIFO with no writer once blocked the answer step for good.
    const QString fifo = dir.filePath("fifo.wav");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QCOMPARE(errorOf(fifo), "无法播放声音文件 " + fifo + "：这不是普通文件");

    QFile garbage(dir.filePath("garbage.wav"));
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    garbage.write("RIFF this is no sound at all, only words");
    garbage.close();
    QVERIFY(errorOf(garbage.fileName()).startsWith("无法播放声音文件 " + garbage.fileName() + "："));
    QFile text(dir.filePath("text.wav"));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("1+1=2\r\n");
    text.close();
    QVERIFY(errorOf(text.fileName()).startsWith("无法播放声音文件 " + text.fileName() + "："));

    SF_INFO info{};
    info.samplerate = 22050;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE *empty = sf_open(QFile::encodeName(dir.filePath("empty.wav")).constData(), SFM_WRITE, &info);
    QVERIFY(empty);
    sf_close(empty);
    QCOMPARE(errorOf(dir.filePath("empty.wav")), "声音文件 " + dir.filePath("empty.wav") + " 里没有声音");

    // A header claiming 2 GB of samples over 100 real ones: the real ones count.
    QFile boastful(dir.filePath("boastful.wav"));
    QVERIFY(boastful.open(QIODevice::WriteOnly));
    QByteArray header("RIFF\xF0\xFF\xFF\x7FWAVEfmt \x10\0\0\0\x01\0\x01\0\x22\x56\0\0\x44\xAC\0\0\x02\0\x10\0"
                      "data\0\xFF\xFF\x7F", 44);
    boastful.write(header + QByteArray(200, '\x01'));
    boastful.close();
    QCOMPARE(decodeWav(boastful.fileName()).frames, 100);
}

void TestWavSound::playingWithoutDeviceIsSilent()
{
    WavSoundOutput output;
    output.play(soundPath("z0"));
    output.play(soundPath("c1")); // cuts off the first
    QVERIFY_THROWS_EXCEPTION(NumoraError, output.play(soundPath("nothing")));
}

void TestWavSound::moduleLoadsAfterStartAndReportsItsAbsence()
{
    LazySoundOutput lazy(QStringLiteral(NUMORA_MODULE_DIR));
    QVERIFY(!lazy.loaded()); // nothing of the audio stack until asked
    lazy.load();
    QVERIFY(lazy.loaded());
    lazy.play(soundPath("z0"));
    // The module's errors are caught as ours across the module boundary.
    QVERIFY_THROWS_EXCEPTION(NumoraError, lazy.play(soundPath("nothing")));

    QTemporaryDir empty;
    LazySoundOutput missing(empty.path());
    try {
        missing.play(soundPath("z0"));
        QFAIL("a missing module must be an error");
    } catch (const NumoraError &error) {
        QVERIFY(error.text().startsWith("无法播放声音文件 " + soundPath("z0") + "："));
    }
}

QTEST_GUILESS_MAIN(TestWavSound)
#include "tst_wavsound.moc"
