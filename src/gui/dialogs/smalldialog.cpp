#include "gui/dialogs/smalldialog.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>

SmallDialog::SmallDialog(WindowList &forms)
    : ProgramWindow(forms)
{
    setMouseTracking(true);
}

void SmallDialog::centreOnScreen()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void SmallDialog::keyPressEvent(QKeyEvent *event)
{
    // A key a field did not take arrives here.
    switch (event->key()) {
    case Qt::Key_Escape:
        dismiss();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        act();
        return;
    default:
        ProgramWindow::keyPressEvent(event);
    }
}

void SmallDialog::mouseMoveEvent(QMouseEvent *event)
{
    if (cursor().shape() != Qt::WaitCursor)
        setCursor(Qt::ArrowCursor);
    ProgramWindow::mouseMoveEvent(event);
}
