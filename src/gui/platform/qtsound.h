#pragma once

#include "gui/platform/sound.h"

#include <QString>

#include <memory>

class QLibrary;

// The sound service of the program: loads the sound plugin at the first alarm and hands it the
// requests. A plugin that is missing or will not load is said once on stderr, and then the
// alarms go on in silence, as with a missing sound file.
class QtSound final : public Sound
{
public:
    /** pluginPath: the plugin's file; by default the one beside the program. */
    explicit QtSound(QString pluginPath = defaultPluginPath());
    ~QtSound() override;

    bool playLooping(const QString &path) override;
    bool stop() override;

    static QString defaultPluginPath();

private:
    bool load();

    QString m_pluginPath;
    std::unique_ptr<QLibrary> m_library;
    std::unique_ptr<Sound> m_sound;
    bool m_triedLoading = false;
};
