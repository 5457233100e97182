#pragma once

#include "training/SoundOutput.h"

#include <QLibrary>

#include <memory>

// Plays through the sound module beside the program, which brings the audio
// stack and the codecs: loaded once the window is up, or at the first sound,
// so that start-up does not wait for them.
class LazySoundOutput : public SoundOutput
{
public:
    static constexpr const char *kModuleName = "numora_sound";

    explicit LazySoundOutput(const QString &moduleFolder);
    ~LazySoundOutput() override;

    // Quietly: a module that cannot be loaded is reported by play().
    void load();
    bool loaded() const { return m_output != nullptr; }
    void play(const QString &path) override;

private:
    QLibrary m_module;
    std::unique_ptr<SoundOutput> m_output;
    bool m_tried = false;
};
