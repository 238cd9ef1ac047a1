#pragma once

#include "platform/form.h"

class Program;
class QPushButton;

// The alarm window: one big "Stop Alarm" button while the alarm sound loops.
class Form2 final : public Form
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form2)

public:
    explicit Form2(Program &program);

    QPushButton *Command1() const { return m_command1; }
    /** "Stop Alarm": the sound stops and the window goes. */
    void Command1_Click();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;   // Form_MouseMove

private:
    void Form_Load() override;
    void Form_Unload() override;

    Program &m_program;
    QPushButton *m_command1 = nullptr;
};
