#pragma once

#include <QString>

/** The sound service: plays a wave file on its own, looping, until it is told to stop. */
class Sound
{
public:
    virtual ~Sound() = default;
    /** Starts the file playing in a loop and returns at once; false when it cannot be played. */
    virtual bool playLooping(const QString &path) = 0;
    /** Stops what is playing; true when the request was taken. */
    virtual bool stop() = 0;
};
