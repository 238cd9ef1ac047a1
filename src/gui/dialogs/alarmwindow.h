#pragma once

#include "gui/dialogs/smalldialog.h"

class Program;
class QPushButton;

// The alarm window: one big "Stop Alarm" button while the alarm sound loops.
class AlarmWindow final : public SmallDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AlarmWindow)

public:
    explicit AlarmWindow(Program &program);

    QPushButton *Command1() const { return m_command1; }
    /** "Stop Alarm": the sound stops and the window goes. */
    void stopAlarm();

private:
    // Whatever key a startled user reaches for first stops the alarm: Escape or Enter, as well
    // as the button's own Space.
    void dismiss() override { stopAlarm(); }
    void act() override { stopAlarm(); }

    void onLoad() override;
    void onUnload() override;

    Program &m_program;
    QPushButton *m_command1 = nullptr;
};
