#include "gui/reminder/playwav.h"

#include "gui/notebook/program.h"
#include "gui/platform/sound.h"
#include "gui/platform/units.h"

namespace Playwav {

QString SoundFilePath()
{
    return Units::programFolder() + QStringLiteral("/Reminder.wav");
}

bool PlayWave(Program &program, const QString &path)
{
    return program.sound().playLooping(path);
}

bool StopWave(Program &program)
{
    return program.sound().stop();
}

} // namespace Playwav
