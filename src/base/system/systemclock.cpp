#include "base/system/clock.h"

#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>

#ifdef Q_OS_LINUX
#include <sys/timerfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#endif

namespace {

// Where the system does not tell of a clock that was set or a machine that slept, the time is
// looked at again this often.
constexpr qint64 LookAgainMs = 60 * 1000;

} // namespace

// The kernel's timer on the wall clock where there is one: it fires at the wall-clock time however
// long the machine slept, and tells when the clock is set. Elsewhere a timer that looks again.
struct SystemClock::Alarm
{
    std::function<void()> wake;
    QDateTime at;
    int fd = -1;
    std::unique_ptr<QSocketNotifier> notifier;
    QTimer lookAgain;

    void fire()
    {
        disarm();
        const std::function<void()> now = std::move(wake);
        wake = nullptr;
        if (now)
            now();
    }

    void disarm()
    {
        lookAgain.stop();
#ifdef Q_OS_LINUX
        if (fd >= 0) {
            const itimerspec off = {};
            timerfd_settime(fd, 0, &off, nullptr);
        }
#endif
    }

    bool armKernelTimer()
    {
#ifdef Q_OS_LINUX
        if (fd < 0)
            return false;
        const qint64 ms = std::max<qint64>(1, at.toMSecsSinceEpoch());
        itimerspec when = {};
        when.it_value.tv_sec = time_t(ms / 1000);
        when.it_value.tv_nsec = long(ms % 1000) * 1000000;
        if (timerfd_settime(fd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &when, nullptr) == 0)
            return true;
        // A kernel that cannot tell of a clock set still fires at the time; the other timer looks
        // at the time meanwhile as well.
        timerfd_settime(fd, TFD_TIMER_ABSTIME, &when, nullptr);
        return false;
#else
        return false;
#endif
    }

    // Never calls the caller back from within its own request: at the earliest from the event loop.
    void lookAgainSoon()
    {
        const qint64 left = QDateTime::currentDateTime().msecsTo(at);
        lookAgain.start(int(std::clamp<qint64>(left, 0, LookAgainMs)));
    }

    void lookAtTheTime()
    {
        if (QDateTime::currentDateTime() >= at)
            fire();
        else
            lookAgainSoon();
    }

    void kernelTimerReadable()
    {
#ifdef Q_OS_LINUX
        std::uint64_t expirations = 0;
        if (read(fd, &expirations, sizeof expirations) < 0 && errno != ECANCELED)
            return;   // nothing to read after all
        // Due, or the clock was set (ECANCELED): either way the caller looks at the time again.
        fire();
#endif
    }
};

SystemClock::SystemClock()
    : m_alarm(std::make_unique<Alarm>())
{
    m_alarm->lookAgain.setSingleShot(true);
    m_alarm->lookAgain.setTimerType(Qt::PreciseTimer);   // a coarse one may come tens of milliseconds late
    QObject::connect(&m_alarm->lookAgain, &QTimer::timeout, [alarm = m_alarm.get()] { alarm->lookAtTheTime(); });
#ifdef Q_OS_LINUX
    m_alarm->fd = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_alarm->fd >= 0) {
        m_alarm->notifier = std::make_unique<QSocketNotifier>(qintptr(m_alarm->fd), QSocketNotifier::Read);
        QObject::connect(m_alarm->notifier.get(), &QSocketNotifier::activated,
                         [alarm = m_alarm.get()] { alarm->kernelTimerReadable(); });
    }
#endif
}

SystemClock::~SystemClock()
{
#ifdef Q_OS_LINUX
    m_alarm->notifier.reset();
    if (m_alarm->fd >= 0)
        close(m_alarm->fd);
#endif
}

void SystemClock::wakeAt(const QDateTime &at, std::function<void()> wake)
{
    m_alarm->disarm();
    m_alarm->at = at;
    m_alarm->wake = at.isValid() ? std::move(wake) : nullptr;
    if (!at.isValid())
        return;
    // The kernel's timer fires however far the clock moves; the other one looks again meanwhile,
    // and also beside a kernel timer that cannot tell of a clock set.
    if (!m_alarm->armKernelTimer())
        m_alarm->lookAgainSoon();
}
