#pragma once

#include "gui/platform/programwindow.h"

// What the program's small windows of a few buttons (the e-mail, reminder and alarm windows)
// share: they open in the middle of the screen, Escape puts them away as their cancelling
// button does, Return or Enter does the window's own act (if it has one a field has not taken),
// and the pointer over them is the plain arrow. When one that had the keyboard
// goes, the note the user worked in gets it back (see DialogWindows).
class SmallDialog : public ProgramWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SmallDialog)

public:
    explicit SmallDialog(WindowList &forms);

protected:
    /** Puts the window in the middle of the primary screen's free area, at its present size. */
    void centreOnScreen();
    /** Escape: what the cancelling button does. */
    virtual void dismiss() = 0;
    /** Return or Enter; nothing by default, where a field takes Return itself or a button
        under the keyboard must not act by it. */
    virtual void act() {}

    void keyPressEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
};
