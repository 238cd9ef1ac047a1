#include "gui/dialogs/dialogwindows.h"

#include "gui/note/notewindow.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>
#include <QTimer>

#include <algorithm>

DialogWindows::DialogWindows(WindowList &forms, QObject *parent)
    : QObject(parent)
    , m_forms(forms)
{
    qApp->installEventFilter(this);
}

DialogWindows::~DialogWindows()
{
    qApp->removeEventFilter(this);
}

bool DialogWindows::isDialogWindow(const QWidget *window)
{
    if (!window || !window->isWindow() || qobject_cast<const NoteWindow *>(window))
        return false;
    const Qt::WindowType type = window->windowType();
    if (type != Qt::Window && type != Qt::Dialog && type != Qt::Sheet)
        return false;
    return !(window->windowFlags() & (Qt::BypassWindowManagerHint | Qt::X11BypassWindowManagerHint));
}

bool DialogWindows::anyNoteOnTop() const
{
    const QList<NoteWindow *> open = NoteWindow::openNotes(m_forms);
    return std::any_of(open.cbegin(), open.cend(), [](const NoteWindow *note) { return note->isTopmost(); });
}

bool DialogWindows::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if ((type != QEvent::Show && type != QEvent::Hide && type != QEvent::WindowActivate
         && type != QEvent::WindowDeactivate)
        || !watched->isWidgetType())
        return false;
    auto *window = static_cast<QWidget *>(watched);
    if (!window->isWindow())
        return false;
    switch (type) {
    case QEvent::WindowActivate:
        if (auto *note = qobject_cast<NoteWindow *>(window))
            m_lastNote = note;
        m_keyboardAt = window;
        break;
    case QEvent::WindowDeactivate:
        // Qt takes the keyboard from a window as it hides it, before its hide event.
        if (m_keyboardAt == window && !window->testAttribute(Qt::WA_WState_Hidden))
            m_keyboardAt = nullptr;
        break;
    case QEvent::Show:
        if (!isDialogWindow(window))
            break;
        ++m_dialogsShown;
        // Shown before the window manager maps it: it maps it in the band above the notes, and
        // in the ordinary band again at a later showing once they no longer stay on top.
        if (QWindow *handle = window->windowHandle())
            handle->setFlag(Qt::WindowStaysOnTopHint,
                            anyNoteOnTop() || window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        break;
    case QEvent::Hide:
        // Only a window that had the keyboard gives it back: a notice closed by the program
        // takes nothing from where the user types.
        if (m_keyboardAt == window && isDialogWindow(window)) {
            m_keyboardAt = nullptr;
            // Once the window system has taken the window away: asked at once, openbox gives
            // the keyboard to nobody when a Qt colour dialog closes.
            QTimer::singleShot(0, this, [this, shown = m_dialogsShown] {
                if (shown == m_dialogsShown)   // no other dialog came up meanwhile
                    giveKeyboardBack();
            });
        }
        break;
    default:
        break;
    }
    return false;
}

void DialogWindows::giveKeyboardBack()
{
    // Another dialog still waits for an answer (the colour chooser over the font dialog): the
    // keyboard goes to it, as the window manager sees to.
    if (QApplication::activeModalWidget() || m_keyboardAt)
        return;
    NoteWindow *note = m_lastNote;
    if (!note || !note->isLoaded() || !note->isVisible() || note->isPutAway())
        return;
    note->activateWindow();
    note->focusText();
}
