#pragma once

#include "gui/platform/dialogs.h"
#include "gui/platform/shell.h"
#include "gui/platform/sound.h"

#include <ctime>

// The platform services of a benchmark's program: nothing asks the user anything, opens or sounds.
class NoDialogs final : public Dialogs
{
public:
    MessageAnswer messageBox(QWidget *, const QString &, const QString &, MessageButtons, MessageIcon) override
    {
        return MessageAnswer::Ok;
    }
    void showNotice(const QString &, const QString &, MessageIcon) override {}
    void closeNotice() override {}
    bool chooseFont(QWidget *, FontChoice &) override { return false; }
    bool chooseColor(QWidget *, QColor &) override { return false; }
    QString saveFileName(QWidget *, const SaveFileRequest &) override { return QString(); }
    QString chooseFolder(QWidget *, const QString &, const QString &) override { return QString(); }
    QAction *popupMenu(QMenu *, const QPoint &) override { return nullptr; }
};
class NoShell final : public Shell
{
public:
    bool open(const QString &) override { return false; }
};
class NoSound final : public Sound
{
public:
    bool playLooping(const QString &) override { return false; }
    bool stop() override { return true; }
};

/** The CPU time of `clock` (the process's or the thread's), in milliseconds. */
inline double cpuMs(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}
