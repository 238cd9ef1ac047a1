#pragma once

#include <QBasicTimer>
#include <QElapsedTimer>
#include <QObject>

// Stops the text cursor blinking after a while without input, as the desktop toolkits do, so that
// an idle program does not wake twice a second; the cursor stays drawn. The next key, click or
// focus change starts it blinking again. One watches the whole program.
class CursorBlinkTimeout final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CursorBlinkTimeout)

public:
    static constexpr int DefaultTimeoutMs = 10000;

    /** Watches the program's input from now on; the blinking stops timeoutMs after the last input. */
    explicit CursorBlinkTimeout(int timeoutMs = DefaultTimeoutMs, QObject *parent = nullptr);
    /** Leaves the blinking as the desktop set it. */
    ~CursorBlinkTimeout() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    void noteInput();
    void arm(int milliseconds);
    void stopBlinking();
    void resumeBlinking();

    int m_timeoutMs;
    QBasicTimer m_timer;
    QElapsedTimer m_sinceInput;
    bool m_stopped = false;
    int m_flashTime = 0;   // the desktop's, while the blinking is stopped
};
