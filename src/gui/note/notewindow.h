#pragma once

#include "gui/note/noteplace.h"
#include "gui/note/storedtext.h"
#include "gui/platform/programwindow.h"
#include "gui/platform/screenplace.h"

#include <QHash>
#include <QFont>
#include <QPointer>
#include <QRect>

#include <functional>
#include <memory>
#include <optional>

namespace KeyboardShortcuts {
enum class Command;
}

class Translucency;
class NoteDialogs;
class WindowTimer;
class Program;
class QKeyEvent;
class QPlainTextEdit;

// A note on the desktop: a borderless window whose face is the text field Text1, with a strip
// across the top to move it by.
class NoteWindow final : public ProgramWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NoteWindow)

public:
    // Stock pointer shapes, by their old numbers.
    enum PointerShape { IBeam = 3, SizeAll = 5, SizeDiagonal = 8 };

    explicit NoteWindow(Program &program);
    ~NoteWindow() override;

    /** The loaded notes in load order, those the window system closed among them. */
    static QList<NoteWindow *> loadedNotes(const WindowList &forms);
    /** The loaded notes that are on the desktop: not those the window system closed. */
    static QList<NoteWindow *> openNotes(const WindowList &forms);
    /** The window system closed it (Alt+F4, a logout); it stays loaded and stored until shown again. */
    bool isPutAway() const { return m_putAway; }

    QPlainTextEdit *textField() const { return m_textField; }
    WindowTimer *seeThroughTimer() const { return m_seeThroughTimer; }
    NoteDialogs &noteDialogs() { return *m_noteDialogs; }

    /** Applies the note's stored see-through level through a fresh controller (tick of Timer1). */
    void applyStoredSeeThrough();
    /** The controller of the latest set-up, or none before the first. */
    Translucency *translucency() const;

    // Colours in their stored form (0x00BBGGRR, or a system colour with the top bit set).
    qint32 backColor() const;
    void setBackColor(qint32 colour);
    qint32 textColor() const { return m_textColor; }
    void setTextColor(qint32 colour);
    qint32 textBackColor() const { return m_textBackColor; }
    void setTextBackColor(qint32 colour);
    /** The colours and font a note has before anything is stored for it. */
    void showBuiltInLook();
    /** Changes the text field's font through the given edit. */
    void setTextFont(const std::function<void(QFont &)> &edit);

    /** Places the window, twips from the desktop's top-left corner, on a screen; that place
        stays the note's own while the program has to show it elsewhere. */
    void setPositionTwips(int left, int top);
    /** Gives the window a stored size in twips (within sensible bounds) and lays out its text. */
    void setSizeTwips(int width, int height);
    /** Stores the place or size the user gave the note, if a move or resize of theirs has not
        been stored yet (it is, a moment after it ends). */
    void storePlaceNow();
    /** The place to store, in twips: the stored one while the note stands where it was put. */
    QPoint placeTwips() const;
    int leftTwips() const { return placeTwips().x(); }
    int topTwips() const { return placeTwips().y(); }

    /** A screen changes: a move of the user's not stored yet is stored now, and the moves that
        follow until the screens settle are the program's or the window manager's, not the user's. */
    void screensChanging();
    /** Puts the note where it belongs on these screens: at its stored place when that can be
        grabbed, onto the nearest screen when it cannot be grabbed where it is. The stored place
        is kept. Once the screens have settled, moves count as the user's again. */
    void followScreens(const QList<ScreenPlace::Area> &screens, bool settled);

    /** While the alarm flashes the note, its field shows "Reminder!", takes no input and stores
        nothing: a crash then must not leave "Reminder!" as the note's text. */
    void beginAlarm();
    /** Gives the note its own text back after the alarm. */
    void endAlarm();
    bool isFlashing() const { return m_text->isFlashing(); }
    /** Shows a colour on the field and the window for a moment, without making it theirs. */
    void showColour(qint32 colour);

    /** Shows a text that came from elsewhere (the sync folder) without storing it again; the
        user's cursor and selection stay where they were, as far as the new text reaches. */
    void showRemoteText(const QString &text);
    /** Shows the note's stored text without storing it again. */
    void showStoredText(const QString &text);
    /** What the text field holds, exactly, with a line feed between its paragraphs. */
    QString text() const;
    /** The note's text: as stored until it is changed (the field may show its line breaks in
        its own way), then as the field holds it. */
    QString noteText() const;

    /** Stores this window's handle under ".ActivehWnd". */
    void recordHandle();
    /** The loaded note windows whose handle equals this window's stored ".ActivehWnd". */
    QList<NoteWindow *> windowsWithStoredHandle() const;

    bool firstActivationPending() const { return m_firstActivationPending; }
    int pointerShape() const { return m_pointerShape; }

    /** Gives the text field the keyboard focus (once the open menu has closed, if one is open). */
    void focusText();
    /** Shows the note (also when it was put away) in front with the keyboard; a note off every
        screen comes onto the screen under the pointer first, its stored place kept. */
    void bringToUser();

    /** Raises the window now and again once it has the keyboard: openbox maps a new window
        below the active one and lets only the active window raise itself. */
    void raiseOnceActive();

    /** Moves the window with the pointer until the button is released (DragWindow). */
    void beginMove(const QPointF &globalPress);
    /** Resizes the window from the corner with this hit-test code until the button is released. */
    void beginResize(int hitCode, const QPointF &globalPress);

signals:
    /** The popup menu is asked for at this place on the screen (a right click, the menu key). */
    void menuRequested(const QPoint &globalPos);
    /** A shortcut asks for a command on this note; `repeated`: by a held key's repeat. */
    void commandRequested(KeyboardShortcuts::Command command, bool repeated);
    /** The user closed the last open note: the program ends once everything typed is stored,
        else the note shows again. */
    void lastNoteClosed();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void onLoad() override;
    void onUnload() override;
    /** The first activation after loading applies the stored see-through level again. */
    void seeThroughOnFirstActivation();
    /** A press in the text field: a resize from its corner band, or the menu. */
    void resizeOrMenuFromText(QMouseEvent *event);
    /** The pointer over the text field shows where a resize can begin. */
    void showPointerOverText(QMouseEvent *event);
    /** The Ctrl shortcuts; true when the key must not reach the field (its note is gone). */
    bool onTextKey(QKeyEvent *event);
    void runShortcut(Program &program, KeyboardShortcuts::Command command, bool repeated);
    void openPopupMenu(const QPoint &globalPos);
    /** The menu over the text field, by a right click or its keys; the field takes the keys again after it. */
    void openPopupMenuFromText(const QPoint &globalPos);
    /** Where the text cursor is, on the screen: the keyboard opens the menu there. */
    QPoint textCursorOnScreen() const;
    void restoreFocusAfterMenu();
    void layOutText();
    void setPointerShape(int shape);
    bool followPointer(const QPointF &globalPos);
    QPointF twipsInText(const QPointF &pixels) const;
    QString key(const QString &suffix) const;

    Program &m_program;
    QPlainTextEdit *m_textField = nullptr;
    WindowTimer *m_seeThroughTimer = nullptr;
    bool m_firstActivationPending = false;
    bool m_putAway = false;
    bool m_raiseWhenActive = false;
    std::unique_ptr<StoredText> m_text;
    NotePlace m_place;
    int m_pointerShape = IBeam;
    qint32 m_textColor = 0;
    qint32 m_textBackColor = 0;
    std::unique_ptr<NoteDialogs> m_noteDialogs;
    // This note's translucency controllers by slot. They are the note's own, so another note's
    // set-up never releases them (which would turn this note opaque).
    QHash<int, std::shared_ptr<Translucency>> m_translucencyTable;   // by slot
    qint16 m_translucencySlot = 0;

    // A move or resize that follows the pointer itself, where the platform has no loop for it.
    struct ManualDrag
    {
        Qt::Edges edges;          // none: a move
        QPointF startPointer;
        QRect startGeometry;
    };
    std::optional<ManualDrag> m_manualDrag;
};
