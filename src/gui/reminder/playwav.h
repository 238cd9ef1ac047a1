#pragma once

#include <QString>

class Program;

// The alarm sound.
namespace Playwav {

/** "Reminder.wav" in the program's folder. */
QString SoundFilePath();

/** Plays the wave file on its own, in a loop; false when the sound service refused it. */
bool PlayWave(Program &program, const QString &path);
/** Stops the sound that plays; false when the sound service refused. */
bool StopWave(Program &program);

} // namespace Playwav
