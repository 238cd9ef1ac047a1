#include "platform/form.h"

#include "platform/notewindow.h"
#include "base/store/notekeys.h"

#include <QCloseEvent>
#include <QWindow>

Form::Form(FormList &forms, QWidget *parent)
    : QWidget(parent)
    , m_forms(forms)
{
}

Form::~Form()
{
    if (m_loaded)
        m_forms.remove(this);
}

void Form::setTag(const QString &tag)
{
    load();
    m_tag = tag;
}

void Form::load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    m_forms.add(this);
    Form_Load();
}

void Form::unload()
{
    if (!m_loaded || m_unloading)
        return;
    m_unloading = true;
    Form_Unload();
    hide();
    m_loaded = false;
    m_forms.remove(this);
    deleteLater();
}

qint64 Form::hWnd() const
{
    return qint64(internalWinId());
}

void Form::setTopmost(bool topmost)
{
    m_topmost = topmost;
    // The window manager's own state of a window kept off the taskbar carries the stacking too;
    // before the window is shown, showing it applies it.
    if (m_offTaskbar && NoteWindow::handlesStates()) {
        if (testAttribute(Qt::WA_WState_Created) && isVisible())
            NoteWindow::setStates(this, topmost);
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

void Form::showEvent(QShowEvent *event)
{
    // A window manager forgets the state of a window it no longer shows (a window hidden before).
    if (m_offTaskbar) {
        NoteWindow::setStates(this, m_topmost);
        NoteWindow::keepOpacityOnceMapped(windowHandle());
    }
    QWidget::showEvent(event);
}

void Form::closeEvent(QCloseEvent *event)
{
    // A close from the window system is an unload request, which is never refused.
    event->ignore();
    unload();
}

QList<Form *> FormList::withTag(const QString &tag) const
{
    QList<Form *> found;
    for (Form *form : m_forms) {
        if (form->Tag() == tag)
            found.append(form);
    }
    return found;
}

QList<Form *> FormList::notes() const
{
    QList<Form *> found;
    for (Form *form : m_forms) {
        if (form->Tag().contains(NoteKeys::TagPrefix))
            found.append(form);
    }
    return found;
}

void FormList::add(Form *form)
{
    if (!m_forms.contains(form))
        m_forms.append(form);
}

void FormList::remove(Form *form)
{
    const bool wasNote = form->Tag().contains(NoteKeys::TagPrefix);
    if (!m_forms.removeOne(form))
        return;
    if (wasNote && notes().isEmpty())
        emit lastNoteUnloaded();
}
