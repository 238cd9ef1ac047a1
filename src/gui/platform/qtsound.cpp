#include "gui/platform/qtsound.h"

#include "gui/platform/soundplugin.h"
#include "gui/platform/units.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QtDebug>

QtSound::QtSound(QString pluginPath)
    : m_pluginPath(std::move(pluginPath))
{
}

// The plugin stays loaded: its code may still run in the audio system's threads.
QtSound::~QtSound() = default;

QString QtSound::defaultPluginPath()
{
    return Units::programFolder() + QStringLiteral("/" QUILLARREN_SOUND_PLUGIN_FILE);
}

bool QtSound::playLooping(const QString &path)
{
    // A missing file is refused before the audio libraries are loaded for nothing.
    if (!QFileInfo(path).isFile())
        return false;
    return load() && m_sound->playLooping(path);
}

bool QtSound::stop()
{
    if (m_sound)
        return m_sound->stop();
    return true;
}

bool QtSound::load()
{
    if (m_triedLoading)
        return m_sound != nullptr;
    m_triedLoading = true;
    m_library = std::make_unique<QLibrary>(m_pluginPath);
    QString problem;
    if (!m_library->load()) {
        problem = m_library->errorString();
    } else if (const auto create = reinterpret_cast<CreateSoundFunction>(
                   m_library->resolve(SoundPlugin::FactoryName))) {
        m_sound.reset(create(SoundPlugin::InterfaceVersion));
        if (!m_sound)
            problem = QCoreApplication::translate("QtSound", "it was built for another version of Quillarren");
    } else {
        problem = m_library->errorString();
    }
    if (!m_sound)
        qWarning().noquote() << QCoreApplication::translate("QtSound", "Alarms will be silent: the sound plugin %1 cannot be used: %2")
                                    .arg(m_pluginPath, problem);
    return m_sound != nullptr;
}
