#include "gui/note/noteplace.h"

#include "gui/platform/units.h"
#include "gui/platform/windowhints.h"
#include "base/store/notekeys.h"
#include "base/store/settingsstore.h"

#include <QScreen>

namespace {

// A stale position reported by the window manager shows up within this time after showing.
constexpr int HoldPositionMs = 1000;
// A window manager answers a request to move a window within this time.
constexpr int WindowManagerAnswersMs = 1000;
// A move or resize has ended when the window has kept still this long.
constexpr int StorePlaceAfterMs = 300;
// A stored size beyond this many pixels is not one a user gave a note.
constexpr int LargestSidePixels = 16384;

} // namespace

NotePlace::NotePlace(QWidget &window, SettingsStore &store, std::function<QString()> tag)
    : m_window(window)
    , m_store(store)
    , m_tag(std::move(tag))
{
    m_followingEnds.setSingleShot(true);
    m_followingEnds.setInterval(WindowManagerAnswersMs);
    QObject::connect(&m_followingEnds, &QTimer::timeout, &m_window, [this] { m_followingScreens = false; });
    m_storePlace.setSingleShot(true);
    m_storePlace.setInterval(StorePlaceAfterMs);
    QObject::connect(&m_storePlace, &QTimer::timeout, &m_window, [this] { storeNow(); });
}

void NotePlace::centreIn(const QRect &area)
{
    m_intendedPos = area.center() - QPoint(m_window.width() / 2, m_window.height() / 2);
    m_window.move(m_intendedPos);
}

void NotePlace::setPositionTwips(int left, int top)
{
    const QPointF exact(Units::twipsToExactPixels(left), Units::twipsToExactPixels(top));
    const QPoint wanted = exact.toPoint();   // rounded as Qt rounds a place it is told of
    m_intendedPos = Units::placeOnScreen(wanted, m_window.size());
    m_intendedTwips = QPoint(left, top);
    m_exactPlace = m_intendedPos == wanted ? std::optional<QPointF>(exact) : std::nullopt;
    m_window.move(m_intendedPos);
    if (m_window.isVisible())
        applyExactPlace();
}

void NotePlace::applyExactPlace()
{
    // On a scaled screen Qt's whole pixels lie two or more of the screen's apart; a note the user
    // left between them goes back there, not a pixel off.
    const QScreen *screen = m_window.screen();
    const double ratio = m_window.devicePixelRatioF();
    if (!m_exactPlace || !screen || ratio == 1.0 || m_window.pos() != m_intendedPos)
        return;
    const QPoint origin = screen->geometry().topLeft();
    if (Units::toDevicePixels(*m_exactPlace, origin, ratio)
        != Units::toDevicePixels(QPointF(m_window.pos()), origin, ratio))
        WindowHints::placeExactly(&m_window, *m_exactPlace);
}

QPointF NotePlace::exactPos() const
{
    return WindowHints::exactPosition(&m_window).value_or(QPointF(m_window.pos()));
}

void NotePlace::screensChanging()
{
    // Ended before the change: the user's. A window manager's own rescue comes after it.
    if (m_storePlace.isActive())
        storeNow();
    m_followingEnds.stop();
    m_followingScreens = true;
}

void NotePlace::followScreens(const QList<ScreenPlace::Area> &screens, bool settled)
{
    if (!m_followingScreens)
        return;   // the user has taken the note meanwhile
    const QPoint stored = m_intendedTwips ? QPoint(Units::twipsToPixels(m_intendedTwips->x()),
                                                   Units::twipsToPixels(m_intendedTwips->y()))
                                          : m_intendedPos;
    // From where the program put it: a window manager may have pushed it partly back already.
    m_intendedPos = ScreenPlace::placeToBe(screens, stored, m_intendedPos, m_window.size());
    bool asked = false;
    if (m_window.pos() != m_intendedPos) {
        m_window.move(m_intendedPos);
        asked = true;
    } else if (settled && exactPos().toPoint() != m_intendedPos) {
        // The window manager moved it without Qt hearing of it (icewm re-places windows at every
        // change of the screens): asked again, where Qt believes it stands already.
        const bool atStoredPlace = m_exactPlace && m_exactPlace->toPoint() == m_intendedPos;
        asked = WindowHints::placeExactly(&m_window, atStoredPlace ? *m_exactPlace : QPointF(m_intendedPos));
    }
    if (!settled)
        return;
    // The window manager's answer to a request made now is its own, not the user's: icewm keeps
    // a note whole on a screen where its stored place is partly off it.
    if (asked)
        m_followingEnds.start();
    else
        m_followingScreens = false;
}

void NotePlace::setSizeTwips(int width, int height)
{
    const QSize wanted(Units::twipsToPixels(width), Units::twipsToPixels(height));
    // No larger than a screen shows: a note beyond every edge would swallow every click there.
    const QSize largest = ScreenPlace::largestShown(ScreenPlace::screens(), QSize(LargestSidePixels, LargestSidePixels));
    m_intendedSize = wanted.boundedTo(largest).expandedTo(m_window.minimumSize());
    m_window.resize(m_intendedSize);
}

void NotePlace::storeNow()
{
    m_storePlace.stop();
    const QString tag = m_tag();
    if (tag.isEmpty() || (!m_placeToStore && !m_sizeToStore))
        return;
    std::vector<std::pair<QString, QString>> writes;
    if (m_placeToStore) {
        // Exactly, also between Qt's whole pixels on a scaled screen.
        const QPointF exact = exactPos();
        const QPoint twips(Units::exactPixelsToTwips(exact.x()), Units::exactPixelsToTwips(exact.y()));
        writes.emplace_back(tag + NoteKeys::Left, QString::number(twips.x()));
        writes.emplace_back(tag + NoteKeys::Top, QString::number(twips.y()));
        // Stored as it is now: the note's place from here on, also for Quit.
        m_intendedPos = m_window.pos();
        m_intendedTwips = twips;
        m_exactPlace = exact;
    }
    if (m_sizeToStore) {
        writes.emplace_back(tag + NoteKeys::Width, QString::number(Units::pixelsToTwips(m_window.width())));
        writes.emplace_back(tag + NoteKeys::Height, QString::number(Units::pixelsToTwips(m_window.height())));
        m_intendedSize = m_window.size();
    }
    m_placeToStore = m_sizeToStore = false;
    m_store.saveMany(writes);
}

bool NotePlace::settledAfterShowing() const
{
    return !m_holdPosition || m_shownFor.elapsed() > HoldPositionMs;
}

// Until the user moves the note it is where it was put, even when a window manager placed it
// elsewhere: a place the note never had must not overwrite its stored one.
QPoint NotePlace::placeTwips() const
{
    if (m_intendedTwips && (!m_movedByUser || m_window.pos() == m_intendedPos))
        return *m_intendedTwips;
    const QPointF exact = exactPos();
    return QPoint(Units::exactPixelsToTwips(exact.x()), Units::exactPixelsToTwips(exact.y()));
}

void NotePlace::userTakesIt()
{
    m_holdPosition = false;
    m_followingScreens = false;
    m_movedByUser = true;   // from a left or top corner a resize changes the place too
}

void NotePlace::shown()
{
    m_shownFor.start();
    m_holdPosition = true;
    // Once Qt has asked for its own rounded place, which it does right after the show event.
    if (m_exactPlace && m_window.devicePixelRatioF() != 1.0)
        QTimer::singleShot(0, &m_window, [this] { applyExactPlace(); });
}

void NotePlace::moved()
{
    if (m_holdPosition && m_shownFor.elapsed() > HoldPositionMs)
        m_holdPosition = false;
    if (!m_holdPosition) {
        // Long after showing, a move to a place the program did not give is the user's, through
        // us or the window manager (Alt+drag, its keyboard move): stored once it has ended.
        if (m_window.pos() != m_intendedPos && m_window.isVisible() && !m_followingScreens) {
            m_movedByUser = true;
            m_placeToStore = true;
            m_storePlace.start();
        }
        return;
    }
    // Openbox sometimes has Qt believe a just-shown window sits at the origin while it is at its
    // place; left alone, the next move or Quit would use that origin.
    if (m_window.pos() == QPoint(0, 0) && m_intendedPos != QPoint(0, 0))
        m_window.move(m_intendedPos);
}

void NotePlace::resized()
{
    if (m_window.size() != m_intendedSize && m_window.isVisible() && settledAfterShowing() && !m_followingScreens) {
        m_sizeToStore = true;
        m_storePlace.start();
    }
}
