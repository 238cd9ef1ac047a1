#include "gui/platform/screenwatch.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

// One xrandr call reports a screen's size, its free area and its neighbours one by one.
constexpr int ChangedAfterMs = 100;
// Openbox moves a window left off the screens within tens of milliseconds; a second is ample.
constexpr int SettledAfterMs = 1000;

} // namespace

ScreenWatch::ScreenWatch(QObject *parent)
    : QObject(parent)
{
    m_changed.setSingleShot(true);
    m_changed.setInterval(ChangedAfterMs);
    connect(&m_changed, &QTimer::timeout, this, &ScreenWatch::changed);
    m_settled.setSingleShot(true);
    m_settled.setInterval(SettledAfterMs);
    connect(&m_settled, &QTimer::timeout, this, &ScreenWatch::settled);

    for (QScreen *screen : QGuiApplication::screens())
        watch(screen);
    connect(qGuiApp, &QGuiApplication::screenAdded, this, [this](QScreen *screen) {
        watch(screen);
        noteChange();
    });
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, &ScreenWatch::noteChange);
    connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, &ScreenWatch::noteChange);
}

void ScreenWatch::watch(QScreen *screen)
{
    connect(screen, &QScreen::geometryChanged, this, &ScreenWatch::noteChange);
    connect(screen, &QScreen::availableGeometryChanged, this, &ScreenWatch::noteChange);
}

void ScreenWatch::noteChange()
{
    emit changing();
    m_changed.start();
    m_settled.start();
}
