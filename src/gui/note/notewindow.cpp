#include "gui/note/notewindow.h"
#include "gui/checklist/checklist.h"
#include "gui/platform/apptitle.h"

#include "gui/notebook/program.h"
#include "gui/note/accessiblenotename.h"
#include "gui/menu/notecommands.h"
#include "gui/dialogs/notedialogs.h"
#include "gui/note/keyboardshortcuts.h"
#include "gui/note/notetextlayout.h"
#include "gui/note/texthook.h"
#include "gui/platform/errorreport.h"
#include "gui/platform/windowtimer.h"
#include "gui/platform/windowhints.h"
#include "base/system/product.h"
#include "gui/platform/programicon.h"
#include "gui/platform/units.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextDocument>

namespace {

constexpr int WidthTwips = 1995;
constexpr int HeightTwips = 2355;
constexpr int StripTwips = 360;
constexpr int TextSizeTwips = 2000;
constexpr int TextShorterTwips = 355;

} // namespace

NoteWindow::NoteWindow(Program &program)
    : ProgramWindow(program.forms)
    , m_program(program)
    , m_place(*this, program.store, [this] { return Tag(); })
{
    WindowHints::setUp(this);
    keepOffTaskbar();
    setAttribute(Qt::WA_DeleteOnClose, false);
    setMouseTracking(true);
    resize(Units::twipsToPixels(WidthTwips), Units::twipsToPixels(HeightTwips));
    m_place.programSized();
    setMinimumSize(Units::twipsToPixels(StripTwips), Units::twipsToPixels(StripTwips + 240));

    m_textField = new QPlainTextEdit(this);
    m_textField->setObjectName(QStringLiteral("Text1"));
    // Laid out by the note's own rules, so that a pasted key of a megabyte opens in a moment.
    auto *document = new QTextDocument(m_textField);
    document->setDocumentLayout(new NoteTextLayout(document));
    m_textField->setDocument(document);
    // Before the window's own filters, so that its shortcuts and presses come first.
    Checklist::attach(m_textField);
    m_textField->setFrameShape(QFrame::NoFrame);
    // A note's text field has no scroll bars: one would cover the band the note is resized by.
    m_textField->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_textField->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_textField->setGeometry(0, Units::twipsToPixels(StripTwips), Units::twipsToPixels(TextSizeTwips),
                         Units::twipsToPixels(TextSizeTwips));
    m_textField->setToolTip(tr("You can expand this note by dragging the bottom and right edges"));

    m_textField->viewport()->setMouseTracking(true);
    m_textField->viewport()->installEventFilter(this);
    m_textField->installEventFilter(this);   // its keys: the Ctrl shortcuts
    showBuiltInLook();
    m_textField->setPlainText(QStringLiteral("Text1"));
    m_text = std::make_unique<StoredText>(*m_textField, program.store, [this] { return Tag(); });
    connect(m_textField->document(), &QTextDocument::contentsChange, this,
            [this](int position, int removed, int added) { m_text->edited(position, removed, added); });
    connect(m_textField, &QPlainTextEdit::textChanged, this, [this] { m_text->changed(); });
    new AccessibleNoteName(this, m_textField);   // a screen reader names the note by its first line

    m_noteDialogs = std::make_unique<NoteDialogs>(program.dialogs(), program.dialogFolder, this);
    m_seeThroughTimer = new WindowTimer(QStringLiteral("Timer1"), this);
    connect(m_seeThroughTimer, &WindowTimer::ticked, this, &NoteWindow::applyStoredSeeThrough);

    // New notes open centred on the screen.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        m_place.centreIn(screen->availableGeometry());
}

NoteWindow::~NoteWindow()
{
    // Controllers make their window opaque when released; release them while it still exists.
    m_translucencyTable.clear();
    // The field outlives the text's keeper by a moment; what it says as it goes is no change.
    m_textField->document()->disconnect(this);
    m_textField->disconnect(this);
}

QString NoteWindow::key(const QString &suffix) const
{
    return Tag() + suffix;
}

void NoteWindow::onLoad()
{
    ErrorReport::run(m_program.dialogs(), QStringLiteral("Form1"), QStringLiteral("Form_Load"), {
        {100, [this] { m_firstActivationPending = true; }},
        {104, [this] {
             setWindowTitle(Product::Caption);
             setWindowIcon(programIcon());
         }},
        {106, [] { AppTitle::install(); }},
        {108, [this] { m_seeThroughTimer->setInterval(1); }},
        {110, [this] {
             m_program.HookedTextWindow = m_textField;
             InstallTextHook(m_program);
         }},
        {112, [this] { m_textField->setPlainText(QString()); }},
    });
}

void NoteWindow::onUnload()
{
    ErrorReport::run(m_program.dialogs(), QStringLiteral("Form1"), QStringLiteral("Form_QueryUnload"), {
        {100, [this] {
             m_program.HookedTextWindow = m_textField;
             RemoveTextHook(m_program);
         }},
        {102, [] {
             QCoreApplication::processEvents();
             QCoreApplication::processEvents();
         }},
    });
}

void NoteWindow::closeEvent(QCloseEvent *event)
{
    // A close from the window system (Alt+F4, a logout) only puts the note away: unloading it
    // would let the next create, delete or Quit renumber its keys away. It comes back at the
    // next start, or when the program is started again meanwhile.
    event->ignore();
    hide();
    m_putAway = true;
    if (!openNotes(m_program.forms).isEmpty() || m_program.quitting)
        return;
    emit lastNoteClosed();
}

void NoteWindow::showEvent(QShowEvent *event)
{
    ProgramWindow::showEvent(event);
    m_putAway = false;
    m_place.shown();
}

void NoteWindow::moveEvent(QMoveEvent *event)
{
    ProgramWindow::moveEvent(event);
    m_place.moved();
}

void NoteWindow::resizeEvent(QResizeEvent *event)
{
    ProgramWindow::resizeEvent(event);
    m_place.resized();
    ErrorReport::run(m_program.dialogs(), QStringLiteral("Form1"), QStringLiteral("Form_Resize"), {
        {100, [this] {
             for (NoteWindow *note : windowsWithStoredHandle())
                 note->layOutText();
         }},
    });
}

void NoteWindow::layOutText()
{
    const int height = this->height() - Units::twipsToPixels(TextShorterTwips);
    if (height < 0)
        throw Failure(tr("Invalid property value"));
    m_textField->setGeometry(0, Units::twipsToPixels(StripTwips), width(), height);
}

bool NoteWindow::onTextKey(QKeyEvent *event)
{
    using namespace KeyboardShortcuts;
    Program &program = m_program;
    QPointer<NoteWindow> self = this;
    if (opensPopupMenu(event->key(), event->modifiers())) {
        ErrorReport::run(program.dialogs(), QStringLiteral("Form1"), QStringLiteral("Text1_KeyDown"), {
            {102, [this] { openPopupMenuFromText(textCursorOnScreen()); }},
        });
        return true;
    }
    const Command command = commandFor(keyCodeOf(event), shiftMaskOf(event->modifiers()));
    const bool repeated = event->isAutoRepeat();
    ErrorReport::run(program.dialogs(), QStringLiteral("Form1"), QStringLiteral("Text1_KeyDown"), {
        {100, [&] { program.CurrentNoteTag = Tag(); }},
        {102, [&] { runShortcut(program, command, repeated); }},
    });
    // A shortcut's key is the note's alone, also when a held key does not repeat its command: on
    // X11 the field binds some of them itself (Ctrl+D deletes the next character). Other keys,
    // unless a command closed this note, are the field's own.
    return command != Command::None || !self || !self->isLoaded() || self->isPutAway() || program.quitting
        || program.hasEnded();
}

void NoteWindow::runShortcut(Program &, KeyboardShortcuts::Command command, bool repeated)
{
    if (command != KeyboardShortcuts::Command::None)
        emit commandRequested(command, repeated);
}

void NoteWindow::focusText()
{
    // While the menu is open the field is disabled and refuses the focus; it takes it afterwards.
    if (m_textField->isEnabled())
        m_textField->setFocus(Qt::OtherFocusReason);
}

void NoteWindow::bringToUser()
{
    show();
    if (Units::placeOnScreen(pos(), size()) != pos()) {
        const QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        if (screen) {
            // A place the program gives is not the user's: it is not stored.
            m_place.centreIn(screen->availableGeometry());
        }
    }
    raise();
    activateWindow();
    focusText();
}

void NoteWindow::raiseOnceActive()
{
    raise();
    m_raiseWhenActive = !isActiveWindow();
}

void NoteWindow::openPopupMenu(const QPoint &globalPos)
{
    m_program.CurrentNoteTag = Tag();
    m_program.focusAfterMenu = m_textField;
    emit menuRequested(globalPos);
}

void NoteWindow::openPopupMenuFromText(const QPoint &globalPos)
{
    QPointer<NoteWindow> note = this;
    m_textField->setEnabled(false);
    openPopupMenu(globalPos);
    if (!note)
        return;   // the command deleted it
    m_textField->setEnabled(true);
    // Disabling the field dropped its focus: the keys typed next go back to it.
    restoreFocusAfterMenu();
}

QPoint NoteWindow::textCursorOnScreen() const
{
    // Just below the caret, so that the menu leaves the line being written in sight; kept
    // within the field when the caret is scrolled out of it.
    const QRect field = m_textField->viewport()->rect();
    const QPoint below = m_textField->cursorRect().bottomLeft();
    const QPoint inField(qBound(field.left(), below.x(), field.right()), qBound(field.top(), below.y(), field.bottom()));
    return m_textField->viewport()->mapToGlobal(inField);
}

void NoteWindow::restoreFocusAfterMenu()
{
    QPointer<QWidget> field = m_program.focusAfterMenu;
    m_program.focusAfterMenu = nullptr;
    auto *note = field ? qobject_cast<NoteWindow *>(field->window()) : nullptr;
    // The command may have deleted the note or ended the program.
    if (!note || !note->isLoaded() || !note->isVisible() || m_program.quitting || m_program.hasEnded())
        return;
    note->activateWindow();
    field->setFocus(Qt::OtherFocusReason);
}

// The text and the place have rooms of their own.

void NoteWindow::showStoredText(const QString &text)
{
    m_text->showStored(text);
}

QString NoteWindow::text() const
{
    return m_text->text();
}

QString NoteWindow::noteText() const
{
    return m_text->noteText();
}

void NoteWindow::beginAlarm()
{
    m_text->beginAlarm();
}

void NoteWindow::endAlarm()
{
    m_text->endAlarm();
}

void NoteWindow::setPositionTwips(int left, int top)
{
    m_place.setPositionTwips(left, top);
}

void NoteWindow::setSizeTwips(int width, int height)
{
    m_place.setSizeTwips(width, height);
    layOutText();
}

void NoteWindow::storePlaceNow()
{
    m_place.storeNow();
}

QPoint NoteWindow::placeTwips() const
{
    return m_place.placeTwips();
}

void NoteWindow::screensChanging()
{
    m_place.screensChanging();
}

void NoteWindow::followScreens(const QList<ScreenPlace::Area> &screens, bool settled)
{
    m_place.followScreens(screens, settled);
}
