#include "gui/platform/programwindow.h"

#include "gui/platform/windowhints.h"
#include "base/store/notekeys.h"

#include <QCloseEvent>
#include <QWindow>

ProgramWindow::ProgramWindow(WindowList &forms, QWidget *parent)
    : QWidget(parent)
    , m_forms(forms)
{
}

ProgramWindow::~ProgramWindow()
{
    if (m_loaded)
        m_forms.remove(this);
}

void ProgramWindow::setTag(const QString &tag)
{
    load();
    m_tag = tag;
}

void ProgramWindow::load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    m_forms.add(this);
    onLoad();
}

void ProgramWindow::unload()
{
    if (!m_loaded || m_unloading)
        return;
    m_unloading = true;
    onUnload();
    hide();
    m_loaded = false;
    m_forms.remove(this);
    deleteLater();
}

qint64 ProgramWindow::hWnd() const
{
    return qint64(internalWinId());
}

void ProgramWindow::setTopmost(bool topmost)
{
    m_topmost = topmost;
    // The window manager's own state of a window kept off the taskbar carries the stacking too;
    // before the window is shown, showing it applies it.
    if (m_offTaskbar && WindowHints::handlesStates()) {
        if (testAttribute(Qt::WA_WState_Created) && isVisible())
            WindowHints::setStates(this, topmost);
        return;
    }
    if (!testAttribute(Qt::WA_WState_Created)) {
        // Not yet on screen: the flag is taken when the window is created.
        setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
        return;
    }
    // Changing the widget's flags would hide and re-create the window; the native window's
    // own flag restacks it in place.
    if (QWindow *window = windowHandle())
        window->setFlag(Qt::WindowStaysOnTopHint, topmost);
}

void ProgramWindow::showEvent(QShowEvent *event)
{
    // A window manager forgets the state of a window it no longer shows (a window hidden before).
    if (m_offTaskbar) {
        // Our own show comes before Qt maps the window; one from the window system (restored
        // from minimized) may come while it is mapped.
        if (event->spontaneous())
            WindowHints::setStates(this, m_topmost);
        else
            WindowHints::setStatesBeforeShowing(this, m_topmost);
        WindowHints::keepOpacityOnceMapped(windowHandle());
    }
    QWidget::showEvent(event);
}

void ProgramWindow::closeEvent(QCloseEvent *event)
{
    // A close from the window system is an unload request, which is never refused.
    event->ignore();
    unload();
}

QList<ProgramWindow *> WindowList::withTag(const QString &tag) const
{
    QList<ProgramWindow *> found;
    for (ProgramWindow *form : m_forms) {
        if (form->Tag() == tag)
            found.append(form);
    }
    return found;
}

QList<ProgramWindow *> WindowList::notes() const
{
    QList<ProgramWindow *> found;
    for (ProgramWindow *form : m_forms) {
        if (form->Tag().contains(NoteKeys::TagPrefix))
            found.append(form);
    }
    return found;
}

void WindowList::add(ProgramWindow *form)
{
    if (!m_forms.contains(form))
        m_forms.append(form);
}

void WindowList::remove(ProgramWindow *form)
{
    const bool wasNote = form->Tag().contains(NoteKeys::TagPrefix);
    if (!m_forms.removeOne(form))
        return;
    if (wasNote && notes().isEmpty())
        emit lastNoteUnloaded();
}
