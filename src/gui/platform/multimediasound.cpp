// The sound plugin: the only code that links Qt Multimedia.

#include "gui/platform/sound.h"
#include "gui/platform/soundplugin.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

#include <memory>
#include <type_traits>

namespace {

// With no audio device it plays in silence; a missing or broken file is refused. Nothing here
// waits for the sound.
class MultimediaSound final : public Sound
{
public:
    bool playLooping(const QString &path) override
    {
        if (!QFileInfo(path).isFile())
            return false;
        if (!m_effect)
            m_effect = std::make_unique<QSoundEffect>();
        const QUrl source = QUrl::fromLocalFile(path);
        if (m_effect->source() != source)
            m_effect->setSource(source);
        m_effect->setLoopCount(QSoundEffect::Infinite);
        m_effect->play();
        return m_effect->status() != QSoundEffect::Error;
    }

    bool stop() override
    {
        if (m_effect)
            m_effect->stop();
        return true;
    }

private:
    std::unique_ptr<QSoundEffect> m_effect;
};

} // namespace

extern "C" Q_DECL_EXPORT Sound *quillarren_create_sound(int interfaceVersion)
{
    if (interfaceVersion != SoundPlugin::InterfaceVersion)
        return nullptr;
    return new MultimediaSound;
}

static_assert(std::is_same_v<decltype(&quillarren_create_sound), CreateSoundFunction>,
              "the factory must keep the type the program looks it up with");
