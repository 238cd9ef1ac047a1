#pragma once

#include "gui/platform/programwindow.h"

class Program;
class QPushButton;

// The alarm window: one big "Stop Alarm" button while the alarm sound loops.
class AlarmWindow final : public ProgramWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AlarmWindow)

public:
    explicit AlarmWindow(Program &program);

    QPushButton *Command1() const { return m_command1; }
    /** "Stop Alarm": the sound stops and the window goes. */
    void Command1_Click();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;   // Form_MouseMove

private:
    void onLoad() override;
    void onUnload() override;

    Program &m_program;
    QPushButton *m_command1 = nullptr;
};
