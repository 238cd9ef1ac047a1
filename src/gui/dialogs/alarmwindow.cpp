#include "gui/dialogs/alarmwindow.h"

#include "gui/notebook/program.h"
#include "gui/platform/growtofit.h"
#include "gui/platform/errorreport.h"
#include "gui/platform/programicon.h"
#include "gui/platform/units.h"
#include "gui/reminder/playwav.h"

#include <QPushButton>

AlarmWindow::AlarmWindow(Program &program)
    : SmallDialog(program.forms)
    , m_program(program)
{
    setObjectName(QStringLiteral("Form2"));
    // A fixed window with a title and a close control, no minimise or maximise box; it has a
    // taskbar entry, so an alarm can be found behind other windows.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(tr("Reminder Alarm"));
    setFont(QFont(QStringLiteral("Arial"), 9, QFont::Bold));
    setFixedSize(Units::twipsRect(0, 0, 3960, 1650).size());

    m_command1 = new QPushButton(tr("Stop Alarm"), this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    QFont big(QStringLiteral("Arial"));
    big.setPointSizeF(20.25);
    big.setBold(true);
    m_command1->setFont(big);
    m_command1->setGeometry(Units::twipsRect(120, 120, 3720, 1425));
    connect(m_command1, &QPushButton::clicked, this, &AlarmWindow::stopAlarm);

    GrowToFit::apply(this);   // wide enough for the desktop's language
    centreOnScreen();
}

void AlarmWindow::onLoad()
{
    ErrorReport::run(m_program.dialogs(), QStringLiteral("Form2"), QStringLiteral("Form_Load"), {
        {100, [this] { setWindowIcon(programIcon()); }},
        // A missing file or no audio device is not reported: the alarm goes on in silence.
        {102, [this] { Playwav::PlayWave(m_program, Playwav::SoundFilePath()); }},
    });
}

void AlarmWindow::onUnload()
{
    // However the window goes, by its button or its close control, the sound goes with it:
    // otherwise it would loop with no window left to stop it.
    Playwav::StopWave(m_program);
}

void AlarmWindow::stopAlarm()
{
    Playwav::StopWave(m_program);
    unload();
}
