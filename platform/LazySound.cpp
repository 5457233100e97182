#include "platform/LazySound.h"

#include "text/Errors.h"

#include <QDir>

LazySoundOutput::LazySoundOutput(const QString &moduleFolder)
    : m_module(QDir(moduleFolder).filePath(QString::fromLatin1(kModuleName)))
{
}

LazySoundOutput::~LazySoundOutput() = default;

void LazySoundOutput::load()
{
    if (m_tried)
        return;
    m_tried = true;
    using Create = SoundOutput *(*)();
    if (const auto create = reinterpret_cast<Create>(m_module.resolve("numoraCreateSoundOutput")))
        m_output.reset(create());
}

void LazySoundOutput::play(const QString &path)
{
    load();
    if (!m_output)
        throw NumoraError(QStringLiteral("无法播放声音文件 %1：%2").arg(path, m_module.errorString()));
    m_output->play(path);
}
