#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

class QDBusServiceWatcher;

// Whether the desktop has a tray for an icon, and the moment one comes: a StatusNotifierItem
// host on the session bus (a panel's, under X11 or Wayland), or an XEmbed tray on the X11 screen.
// Qt chooses between the two once, when the program's first tray icon is made, and keeps that
// choice: an icon made while there is neither never reaches a panel that starts later. So the
// icon waits for this to say a tray is there. Where neither can be watched (no X11, no session
// bus), it says so at once and Qt decides as it would.
class TrayPresence final : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TrayPresence)

public:
    explicit TrayPresence(QObject *parent = nullptr);
    ~TrayPresence() override;

    /** Starts looking; appeared() comes once, from the event loop, when a tray is there or
        comes (at once when one is there already). */
    void start();
    bool hasAppeared() const { return m_appeared; }

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

signals:
    void appeared();

private slots:
    void askWhetherAHostIsRegistered();

private:
    bool hasXEmbedTray();
    void markAppeared();
    void stopWatching();

    bool m_started = false;
    bool m_appeared = false;
    bool m_filtering = false;
    bool m_listening = false;
    QDBusServiceWatcher *m_watcher = nullptr;
    quint32 m_trayAtom = 0;      // _NET_SYSTEM_TRAY_Sn of the X11 screen
    quint32 m_managerAtom = 0;   // MANAGER, announced on the root window by a new tray
};
