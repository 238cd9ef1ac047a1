#include "gui/note/notewindow.h"

#include "gui/notebook/program.h"
#include "gui/platform/errorreport.h"
#include "gui/platform/windowtimer.h"
#include "base/store/conversions.h"
#include "base/store/notekeys.h"
#include "base/store/settingsstore.h"

#include <QEvent>

// Which note the user last worked in: its window handle is stored under ".ActivehWnd" at every
// click and activation, and the loaded notes are found among the program's windows.

void NoteWindow::seeThroughOnFirstActivation()
{
    ErrorReport::run(m_program.dialogs(), QStringLiteral("Form1"), QStringLiteral("Form_Activate"), {
        {100, [this] {
             if (m_firstActivationPending)
                 m_seeThroughTimer->setInterval(1);
             m_firstActivationPending = false;
         }},
    });
}

void NoteWindow::recordHandle()
{
    m_program.store.save(key(NoteKeys::ActivehWnd), QString::number(hWnd()));
}

QList<NoteWindow *> NoteWindow::windowsWithStoredHandle() const
{
    QList<NoteWindow *> found;
    if (Tag().isEmpty())
        return found;
    const auto handle = Conversions::toDouble(m_program.store.get(key(NoteKeys::ActivehWnd)));
    if (!handle)
        return found;
    for (ProgramWindow *form : m_program.forms.all()) {
        auto *note = qobject_cast<NoteWindow *>(form);
        if (note && double(note->hWnd()) == *handle)
            found.append(note);
    }
    return found;
}

bool NoteWindow::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::WindowActivate:
        recordHandle();   // the window received the focus
        seeThroughOnFirstActivation();
        if (m_raiseWhenActive) {
            m_raiseWhenActive = false;
            raise();
        }
        break;
    default:
        break;
    }
    return ProgramWindow::event(event);
}

QList<NoteWindow *> NoteWindow::loadedNotes(const WindowList &forms)
{
    QList<NoteWindow *> notes;
    for (ProgramWindow *form : forms.notes()) {
        if (auto *note = qobject_cast<NoteWindow *>(form))
            notes.append(note);
    }
    return notes;
}

QList<NoteWindow *> NoteWindow::openNotes(const WindowList &forms)
{
    QList<NoteWindow *> open = loadedNotes(forms);
    open.removeIf([](const NoteWindow *note) { return note->m_putAway; });
    return open;
}
