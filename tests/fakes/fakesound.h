#pragma once

#include "gui/platform/sound.h"

#include <QStringList>

// Records what would have been played, and whether it still plays.
class FakeSound final : public Sound
{
public:
    QStringList started;
    int stops = 0;
    bool playing = false;

    bool playLooping(const QString &path) override
    {
        started.append(path);
        playing = true;
        return true;
    }
    bool stop() override
    {
        ++stops;
        playing = false;
        return true;
    }
};
