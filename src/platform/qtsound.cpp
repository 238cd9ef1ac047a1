#include "platform/qtsound.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

QtSound::QtSound() = default;
QtSound::~QtSound() = default;

bool QtSound::playLooping(const QString &path)
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

bool QtSound::stop()
{
    if (m_effect)
        m_effect->stop();
    return true;
}
