#pragma once

#include "platform/sound.h"

#include <memory>

class QSoundEffect;

// Sound through Qt Multimedia. With no audio device it plays in silence; a missing or broken
// file is refused. Nothing here waits for the sound.
class QtSound final : public Sound
{
public:
    QtSound();
    ~QtSound() override;

    bool playLooping(const QString &path) override;
    bool stop() override;

private:
    std::unique_ptr<QSoundEffect> m_effect;   // made at the first alarm: the audio system starts slowly
};
