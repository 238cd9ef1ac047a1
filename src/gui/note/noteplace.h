#pragma once

#include "gui/platform/screenplace.h"

#include <QElapsedTimer>
#include <QPoint>
#include <QPointF>
#include <QSize>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>

class SettingsStore;

// Where a note stands and how large it is. The place and size the program gives a note are
// told from those the user gives it (by a drag, Alt+drag or the window manager's keyboard
// move), and only the user's are stored, a moment after the move or resize has ended.
class NotePlace final
{
    Q_DISABLE_COPY_MOVE(NotePlace)

public:
    /** tag gives the note's key prefix; while it is empty nothing is stored. */
    NotePlace(QWidget &window, SettingsStore &store, std::function<QString()> tag);

    /** The window's present size is the one the program gave it. */
    void programSized() { m_intendedSize = m_window.size(); }
    /** Puts the window in the middle of an area; a place the program gives is not stored. */
    void centreIn(const QRect &area);
    void setPositionTwips(int left, int top);
    /** Gives the window a stored size, within what a screen shows; the caller lays out its text. */
    void setSizeTwips(int width, int height);
    /** Stores a move or resize of the user's that is not stored yet. */
    void storeNow();
    /** The place to store, in twips: the stored one while the note stands where it was put. */
    QPoint placeTwips() const;

    void screensChanging();
    void followScreens(const QList<ScreenPlace::Area> &screens, bool settled);

    /** The user takes the window by the pointer: what follows is theirs. */
    void userTakesIt();
    // What the window hears of itself.
    void shown();
    void moved();
    void resized();

private:
    void applyExactPlace();
    QPointF exactPos() const;
    bool settledAfterShowing() const;

    QWidget &m_window;
    SettingsStore &m_store;
    std::function<QString()> m_tag;

    // Where the window was put, held against a window manager that reports a stale position
    // right after the window is shown.
    QPoint m_intendedPos;
    // The stored position in twips while the window stays where it was put, so that a note that
    // was not moved is stored again exactly as it was (pixels are coarser than twips), also while
    // no screen shows that place and the note stands elsewhere.
    std::optional<QPoint> m_intendedTwips;
    // That place in pixels with their fraction, where Qt's whole pixels cannot show it (a scaled
    // screen): the window goes there exactly once it is shown.
    std::optional<QPointF> m_exactPlace;
    // From a change of the screens until they settle, the note's moves and size are not the user's.
    bool m_followingScreens = false;
    QTimer m_followingEnds;
    QElapsedTimer m_shownFor;
    bool m_holdPosition = false;
    bool m_movedByUser = false;
    // The size the program gave the window; any other is the user's.
    QSize m_intendedSize;
    // A move or resize of the user's is stored once it has ended (no event says so: a pause does).
    QTimer m_storePlace;
    bool m_placeToStore = false;
    bool m_sizeToStore = false;
};
