#include "gui/note/notewindow.h"
#include "gui/checklist/checklist.h"
#include "gui/platform/apptitle.h"
#include "gui/platform/skin.h"

#include "gui/notebook/program.h"
#include "gui/menu/notemenu.h"
#include "gui/note/accessiblenotename.h"
#include "gui/note/borderlessresize.h"
#include "gui/menu/notecommands.h"
#include "gui/dialogs/notedialogs.h"
#include "gui/note/keyboardshortcuts.h"
#include "gui/note/translucency.h"
#include "gui/note/notetextlayout.h"
#include "gui/note/texthook.h"
#include "gui/platform/errorreport.h"
#include "gui/platform/windowtimer.h"
#include "gui/platform/windowhints.h"
#include "base/system/product.h"
#include "gui/platform/programicon.h"
#include "gui/platform/screenplace.h"
#include "gui/platform/units.h"
#include "base/store/conversions.h"
#include "base/store/notekeys.h"
#include "base/store/settingsstore.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextDocument>
#include <QWindow>

#include <cmath>
#include <limits>

namespace {

constexpr qint32 NoteYellow = 0x00C0FFFF;
constexpr int WidthTwips = 1995;
constexpr int HeightTwips = 2355;
constexpr int StripTwips = 360;
constexpr int TextSizeTwips = 2000;
constexpr int TextShorterTwips = 355;
// From this length on, a keystroke stores what it changed instead of the whole text.
constexpr int LongNoteCharacters = 64 * 1024;
constexpr int CheckLongTextMs = 1000;
// A stale position reported by the window manager shows up within this time after showing.
constexpr int HoldPositionMs = 1000;
// A window manager answers a request to move a window within this time.
constexpr int WindowManagerAnswersMs = 1000;
// A move or resize has ended when the window has kept still this long.
constexpr int StorePlaceAfterMs = 300;
// A stored size beyond this many pixels is not one a user gave a note.
constexpr int LargestSidePixels = 16384;

} // namespace

NoteWindow::NoteWindow(Program &program)
    : ProgramWindow(program.forms)
    , m_program(program)
{
    WindowHints::setUp(this);
    keepOffTaskbar();
    setAttribute(Qt::WA_DeleteOnClose, false);
    setMouseTracking(true);
    resize(Units::twipsToPixels(WidthTwips), Units::twipsToPixels(HeightTwips));
    m_intendedSize = size();
    Units::setBackColor(this, NoteYellow);
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
    m_textField->setToolTip(QStringLiteral("You can expand this note by dragging the bottom and right edges"));

    m_textField->viewport()->setMouseTracking(true);
    m_textField->viewport()->installEventFilter(this);
    m_textField->installEventFilter(this);   // its keys: the Ctrl shortcuts
    showBuiltInLook();
    m_textField->setPlainText(QStringLiteral("Text1"));
    connect(m_textField->document(), &QTextDocument::contentsChange, this, &NoteWindow::onTextEdited);
    connect(m_textField, &QPlainTextEdit::textChanged, this, &NoteWindow::onTextChanged);
    new AccessibleNoteName(this, m_textField);   // a screen reader names the note by its first line
    // After a pause in typing into a long note, the stored text is checked against the field.
    m_checkLongText.setSingleShot(true);
    m_checkLongText.setInterval(CheckLongTextMs);
    connect(&m_checkLongText, &QTimer::timeout, this, [this] {
        const QString shown = text();
        if (m_program.store.get(key(NoteKeys::Notes)) != shown)
            m_program.store.save(key(NoteKeys::Notes), shown);
    });

    m_followingEnds.setSingleShot(true);
    m_followingEnds.setInterval(WindowManagerAnswersMs);
    connect(&m_followingEnds, &QTimer::timeout, this, [this] { m_followingScreens = false; });
    m_storePlace.setSingleShot(true);
    m_storePlace.setInterval(StorePlaceAfterMs);
    connect(&m_storePlace, &QTimer::timeout, this, &NoteWindow::storePlaceNow);

    m_noteDialogs = std::make_unique<NoteDialogs>(program.dialogs(), program.dialogFolder, this);
    m_seeThroughTimer = new WindowTimer(QStringLiteral("Timer1"), this);
    connect(m_seeThroughTimer, &WindowTimer::ticked, this, &NoteWindow::onSeeThroughTimer);

    // New notes open centred on the screen.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        m_intendedPos = area.center() - QPoint(width() / 2, height() / 2);
        move(m_intendedPos);
    }
}

NoteWindow::~NoteWindow()
{
    // Controllers make their window opaque when released; release them while it still exists.
    m_translucencyTable.clear();
}

QString NoteWindow::key(const QString &suffix) const
{
    return Tag() + suffix;
}

void NoteWindow::onLoad()
{
    ErrorReport::run(m_program.dialogs(), QStringLiteral("Form1"), QStringLiteral("Form_Load"), {
        {100, [this] { m_firstActivationPending = true; }},
        {102, [this] { Skin::applyTo(m_program.noteMenu()); }},
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

void NoteWindow::onActivate()
{
    ErrorReport::run(m_program.dialogs(), QStringLiteral("Form1"), QStringLiteral("Form_Activate"), {
        {100, [this] {
             if (m_firstActivationPending)
                 m_seeThroughTimer->setInterval(1);
             m_firstActivationPending = false;
         }},
    });
}

void NoteWindow::onTextEdited(int position, int removed, int added)
{
    if (m_showingStoredText || m_flashing || m_textField->document()->characterCount() < LongNoteCharacters)
        return;
    // A keystroke in a long note stores what it changed, not the whole text again.
    QTextCursor changed(m_textField->document());
    changed.setPosition(position);
    changed.setPosition(position + added, QTextCursor::KeepAnchor);
    QString inserted = changed.selectedText();
    inserted.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    if (m_program.store.saveEdit(key(NoteKeys::Notes), position, removed, inserted))
        m_changeStoredAsEdits = true;
    else
        m_changeNotStored = true;
}

void NoteWindow::onTextChanged()
{
    const bool asEdits = m_changeStoredAsEdits && !m_changeNotStored;
    m_changeStoredAsEdits = false;
    m_changeNotStored = false;
    if (m_showingStoredText || m_flashing)
        return;
    m_storedText.reset();
    // The load step clears the built-in text before the window is given its tag: there is no
    // note yet to store it for, and a key without a number would only litter the store.
    if (Tag().isEmpty())
        return;
    if (asEdits) {
        m_checkLongText.start();
        return;
    }
    m_program.store.save(key(NoteKeys::Notes), text());
}

void NoteWindow::showStoredText(const QString &text)
{
    // The field shows CR LF, CR and U+2028 breaks as its own; storing what it gives back would
    // rewrite a note the user never touched. The stored text changes when the user changes it.
    m_showingStoredText = true;
    m_textField->setPlainText(text);
    m_showingStoredText = false;
    m_storedText = text;   // shares the store's copy
}

void NoteWindow::beginAlarm()
{
    if (m_flashing)
        return;
    m_storedText = noteText();
    m_flashing = true;
    m_textField->setReadOnly(true);
    m_showingStoredText = true;
    m_textField->setPlainText(QStringLiteral("Reminder!"));
    m_showingStoredText = false;
}

void NoteWindow::endAlarm()
{
    if (!m_flashing)
        return;
    m_flashing = false;
    m_textField->setReadOnly(false);
    showStoredText(*m_storedText);
}

void NoteWindow::showColour(qint32 colour)
{
    const QColor shown = Units::toQColor(colour);
    QPalette text = m_textField->palette();
    text.setColor(QPalette::Base, shown);
    m_textField->setPalette(text);
    QPalette window = palette();
    window.setColor(QPalette::Window, shown);
    setPalette(window);
}

QString NoteWindow::noteText() const
{
    return m_storedText ? *m_storedText : text();
}

QString NoteWindow::text() const
{
    // The document's own characters, paragraph breaks made line feeds: toPlainText() would also
    // turn no-break spaces into blanks and line separators into breaks, and it costs several
    // times as much, on every keystroke of a big note.
    QString raw = m_textField->document()->toRawText();
    char16_t *c = reinterpret_cast<char16_t *>(raw.data());
    for (char16_t *const end = c + raw.size(); c != end; ++c) {
        if (*c == QChar::ParagraphSeparator)
            *c = u'\n';
    }
    return raw;
}

void NoteWindow::onSeeThroughTimer()
{
    applyStoredSeeThrough();
}

namespace {

// The slot counter: 1 to 32767, wrapping to 1, a stored value that is not one counting as 1.
qint16 slotFrom(const QString &stored)
{
    const auto slot = Conversions::toInt16(stored);
    return slot && *slot >= 1 ? *slot : 1;
}

// A stored level that is not a whole number from 0 to 255 counts as absent.
// A stored level that is not a whole number from 0 to 255 counts as absent. Below the commands'
// own lower bound a note would be all but invisible, and it has no taskbar entry to be found by.
quint8 levelFrom(const QString &stored)
{
    constexpr int Lowest = 80;
    const auto level = Conversions::toDouble(stored);
    if (level && *level == std::floor(*level) && *level >= 0 && *level <= 255)
        return quint8(std::max(Lowest, int(*level)));
    return 200;
}

} // namespace

void NoteWindow::applyStoredSeeThrough()
{
    m_translucencySlot = slotFrom(m_program.store.get(key(NoteKeys::TransCount), NoteKeys::DefaultTransCount));
    auto controller = std::make_shared<Translucency>(m_program.layered());
    m_translucencyTable.insert(m_translucencySlot, controller);
    controller->sethWnd(hWnd());
    controller->setMode(2);
    controller->setAlpha(levelFrom(m_program.store.get(key(NoteKeys::Translucency), NoteKeys::DefaultTranslucency)));
    const qint16 next = m_translucencySlot == std::numeric_limits<qint16>::max() ? 1 : qint16(m_translucencySlot + 1);
    m_program.store.save(key(NoteKeys::TransCount), QString::number(next));
    m_seeThroughTimer->setInterval(0);
}

Translucency *NoteWindow::translucency() const
{
    return m_translucencyTable.value(m_translucencySlot).get();
}

qint32 NoteWindow::backColor() const
{
    return Units::backColor(this, NoteYellow);
}

void NoteWindow::setBackColor(qint32 colour)
{
    Units::setBackColor(this, colour);
}

void NoteWindow::setTextColor(qint32 colour)
{
    m_textColor = colour;
    QPalette palette = m_textField->palette();
    palette.setColor(QPalette::Text, Units::toQColor(colour));
    m_textField->setPalette(palette);
}

void NoteWindow::setTextBackColor(qint32 colour)
{
    m_textBackColor = colour;
    QPalette palette = m_textField->palette();
    palette.setColor(QPalette::Base, Units::toQColor(colour));
    m_textField->setPalette(palette);
}

void NoteWindow::showBuiltInLook()
{
    m_textField->setFont(QFont(QStringLiteral("Arial"), 9));
    setTextColor(0);
    setTextBackColor(NoteYellow);
    setBackColor(NoteYellow);
}

void NoteWindow::setTextFont(const std::function<void(QFont &)> &edit)
{
    QFont font = m_textField->font();
    edit(font);
    m_textField->setFont(font);
}

void NoteWindow::setPositionTwips(int left, int top)
{
    const QPointF exact(Units::twipsToExactPixels(left), Units::twipsToExactPixels(top));
    const QPoint wanted = exact.toPoint();   // rounded as Qt rounds a place it is told of
    m_intendedPos = Units::placeOnScreen(wanted, size());
    m_intendedTwips = QPoint(left, top);
    m_exactPlace = m_intendedPos == wanted ? std::optional<QPointF>(exact) : std::nullopt;
    move(m_intendedPos);
    if (isVisible())
        applyExactPlace();
}

void NoteWindow::applyExactPlace()
{
    // On a scaled screen Qt's whole pixels lie two or more of the screen's apart; a note the user
    // left between them goes back there, not a pixel off.
    const QScreen *screen = this->screen();
    const double ratio = devicePixelRatioF();
    if (!m_exactPlace || !screen || ratio == 1.0 || pos() != m_intendedPos)
        return;
    const QPoint origin = screen->geometry().topLeft();
    if (Units::toDevicePixels(*m_exactPlace, origin, ratio) != Units::toDevicePixels(QPointF(pos()), origin, ratio))
        WindowHints::placeExactly(this, *m_exactPlace);
}

QPointF NoteWindow::exactPos() const
{
    return WindowHints::exactPosition(this).value_or(QPointF(pos()));
}

void NoteWindow::screensChanging()
{
    // Ended before the change: the user's. A window manager's own rescue comes after it.
    if (m_storePlace.isActive())
        storePlaceNow();
    m_followingEnds.stop();
    m_followingScreens = true;
}

void NoteWindow::followScreens(const QList<ScreenPlace::Area> &screens, bool settled)
{
    if (!m_followingScreens)
        return;   // the user has taken the note meanwhile
    const QPoint stored = m_intendedTwips ? QPoint(Units::twipsToPixels(m_intendedTwips->x()),
                                                   Units::twipsToPixels(m_intendedTwips->y()))
                                          : m_intendedPos;
    // From where the program put it: a window manager may have pushed it partly back already.
    m_intendedPos = ScreenPlace::placeToBe(screens, stored, m_intendedPos, size());
    bool asked = false;
    if (pos() != m_intendedPos) {
        move(m_intendedPos);
        asked = true;
    } else if (settled && exactPos().toPoint() != m_intendedPos) {
        // The window manager moved it without Qt hearing of it (icewm re-places windows at every
        // change of the screens): asked again, where Qt believes it stands already.
        const bool atStoredPlace = m_exactPlace && m_exactPlace->toPoint() == m_intendedPos;
        asked = WindowHints::placeExactly(this, atStoredPlace ? *m_exactPlace : QPointF(m_intendedPos));
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

void NoteWindow::setSizeTwips(int width, int height)
{
    const QSize wanted(Units::twipsToPixels(width), Units::twipsToPixels(height));
    // No larger than a screen shows: a note beyond every edge would swallow every click there.
    const QSize largest = ScreenPlace::largestShown(ScreenPlace::screens(), QSize(LargestSidePixels, LargestSidePixels));
    m_intendedSize = wanted.boundedTo(largest).expandedTo(minimumSize());
    resize(m_intendedSize);
    layOutText();
}

void NoteWindow::storePlaceNow()
{
    m_storePlace.stop();
    if (Tag().isEmpty() || (!m_placeToStore && !m_sizeToStore))
        return;
    std::vector<std::pair<QString, QString>> writes;
    if (m_placeToStore) {
        // Exactly, also between Qt's whole pixels on a scaled screen.
        const QPointF exact = exactPos();
        const QPoint twips(Units::exactPixelsToTwips(exact.x()), Units::exactPixelsToTwips(exact.y()));
        writes.emplace_back(key(NoteKeys::Left), QString::number(twips.x()));
        writes.emplace_back(key(NoteKeys::Top), QString::number(twips.y()));
        // Stored as it is now: the note's place from here on, also for Quit.
        m_intendedPos = pos();
        m_intendedTwips = twips;
        m_exactPlace = exact;
    }
    if (m_sizeToStore) {
        writes.emplace_back(key(NoteKeys::Width), QString::number(Units::pixelsToTwips(width())));
        writes.emplace_back(key(NoteKeys::Height), QString::number(Units::pixelsToTwips(height())));
        m_intendedSize = size();
    }
    m_placeToStore = m_sizeToStore = false;
    m_program.store.saveMany(writes);
}

bool NoteWindow::settledAfterShowing() const
{
    return !m_holdPosition || m_shownFor.elapsed() > HoldPositionMs;
}

// Until the user moves the note it is where it was put, even when a window manager placed it
// elsewhere: a place the note never had must not overwrite its stored one.
QPoint NoteWindow::placeTwips() const
{
    if (m_intendedTwips && (!m_movedByUser || pos() == m_intendedPos))
        return *m_intendedTwips;
    const QPointF exact = exactPos();
    return QPoint(Units::exactPixelsToTwips(exact.x()), Units::exactPixelsToTwips(exact.y()));
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
        onActivate();
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
    // The last note closed ends the program, but never with something typed still unwritten.
    if (m_program.everythingStored()) {
        m_program.end();
        return;
    }
    show();
}

void NoteWindow::showEvent(QShowEvent *event)
{
    ProgramWindow::showEvent(event);
    m_putAway = false;
    m_shownFor.start();
    m_holdPosition = true;
    // Once Qt has asked for its own rounded place, which it does right after this event.
    if (m_exactPlace && devicePixelRatioF() != 1.0)
        QTimer::singleShot(0, this, &NoteWindow::applyExactPlace);
}

void NoteWindow::moveEvent(QMoveEvent *event)
{
    ProgramWindow::moveEvent(event);
    if (m_holdPosition && m_shownFor.elapsed() > HoldPositionMs)
        m_holdPosition = false;
    if (!m_holdPosition) {
        // Long after showing, a move to a place the program did not give is the user's, through
        // us or the window manager (Alt+drag, its keyboard move): stored once it has ended.
        if (pos() != m_intendedPos && isVisible() && !m_followingScreens) {
            m_movedByUser = true;
            m_placeToStore = true;
            m_storePlace.start();
        }
        return;
    }
    // Openbox sometimes has Qt believe a just-shown window sits at the origin while it is at its
    // place; left alone, the next move or Quit would use that origin.
    if (pos() == QPoint(0, 0) && m_intendedPos != QPoint(0, 0))
        move(m_intendedPos);
}

void NoteWindow::mousePressEvent(QMouseEvent *event)
{
    ErrorReport::run(m_program.dialogs(), QStringLiteral("Form1"), QStringLiteral("Form_MouseDown"), {
        {100, [this] { recordHandle(); }},
        {102, [&] {
             if (event->button() == Qt::LeftButton)
                 beginMove(event->globalPosition());
             else if (event->button() == Qt::RightButton) {
                 QPointer<NoteWindow> self = this;
                 openPopupMenu(event->globalPosition().toPoint());
                 if (self)
                     restoreFocusAfterMenu();
             }
         }},
    });
}

void NoteWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (followPointer(event->globalPosition()))
        return;
    setPointerShape(SizeAll);
}

void NoteWindow::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_manualDrag) {
        m_manualDrag.reset();
        storePlaceNow();
    }
    if (event->button() == Qt::LeftButton)
        recordHandle();   // a click on the window
}

void NoteWindow::resizeEvent(QResizeEvent *event)
{
    ProgramWindow::resizeEvent(event);
    if (size() != m_intendedSize && isVisible() && settledAfterShowing() && !m_followingScreens) {
        m_sizeToStore = true;
        m_storePlace.start();
    }
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
        throw Failure(QStringLiteral("Invalid property value"));
    m_textField->setGeometry(0, Units::twipsToPixels(StripTwips), width(), height);
}

bool NoteWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_textField && event->type() == QEvent::KeyPress)
        return onTextKey(static_cast<QKeyEvent *>(event));
    if (watched == m_textField->viewport()) {
        switch (event->type()) {
        // A quick second press in the resize band is still a press there, not a word to select.
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonPress: {
            auto *mouse = static_cast<QMouseEvent *>(event);
            onTextMousePress(mouse);
            if (mouse->isAccepted())
                return true;   // a resize or the menu took the press
            // The text field takes it, and it must not travel on to the window as a move.
            mouse->setAccepted(true);
            return false;
        }
        case QEvent::MouseMove: {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (followPointer(mouse->globalPosition()))
                return true;
            onTextMouseMove(mouse);
            break;
        }
        case QEvent::MouseButtonRelease:
            if (m_manualDrag) {
                m_manualDrag.reset();
                storePlaceNow();
                return true;
            }
            recordHandle();   // a click in the text field
            break;
        default:
            break;
        }
    }
    return ProgramWindow::eventFilter(watched, event);
}

QPointF NoteWindow::twipsInText(const QPointF &pixels) const
{
    // Positions in the text field count from its own corner, not from its scrolled viewport.
    const QPointF inField = m_textField->viewport()->mapTo(m_textField, pixels);
    const double tpp = Units::twipsPerPixel();
    return inField * tpp;
}

void NoteWindow::onTextMousePress(QMouseEvent *event)
{
    event->setAccepted(false);
    ErrorReport::run(m_program.dialogs(), QStringLiteral("Form1"), QStringLiteral("Text1_MouseDown"), {
        {100, [this] { recordHandle(); }},
        {102, [&] {
             const QPointF at = twipsInText(event->position());
             const double tpp = Units::twipsPerPixel();
             for (NoteWindow *found : windowsWithStoredHandle()) {
                 const double width = found->m_textField->width() * tpp;
                 const double height = found->m_textField->height() * tpp;
                 if (event->button() == Qt::LeftButton
                     && BorderlessResize::InResizeBand(at.x(), at.y(), width, height)) {
                     const int code = BorderlessResize::EdgeHitCode(int(Conversions::roundHalfEven(at.x())),
                                                                    int(Conversions::roundHalfEven(at.y())));
                     found->beginResize(code, event->globalPosition());
                     event->setAccepted(true);
                 } else if (event->button() == Qt::RightButton) {
                     found->openPopupMenuFromText(event->globalPosition().toPoint());
                     event->setAccepted(true);
                 }
             }
         }},
    });
}

void NoteWindow::onTextMouseMove(QMouseEvent *event)
{
    ErrorReport::run(m_program.dialogs(), QStringLiteral("Form1"), QStringLiteral("Text1_MouseMove"), {
        {100, [this] { recordHandle(); }},
        {102, [&] {
             const QPointF at = twipsInText(event->position());
             const double tpp = Units::twipsPerPixel();
             if (windowsWithStoredHandle().isEmpty())
                 return;
             const bool corner = BorderlessResize::InCornerZone(at.x(), at.y(), m_textField->width() * tpp,
                                                                m_textField->height() * tpp);
             setPointerShape(corner ? SizeDiagonal : IBeam);
         }},
    });
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

void NoteWindow::runShortcut(Program &program, KeyboardShortcuts::Command command, bool repeated)
{
    using Command = KeyboardShortcuts::Command;
    NoteCommands &commands = program.commands();
    switch (command) {
    case Command::None: break;
    case Command::SelectAll: commands.SelectAll(); break;
    case Command::DeleteThisNote:
        // A held key repeats: one press deletes one note at most, the key's repeats nothing.
        if (!repeated)
            commands.DeleteThisNote();
        break;
    case Command::Email: program.showEmail(); break;
    case Command::ChangeFont: commands.ChangeFont(); break;
    case Command::CreateNewNote: commands.CreateNewNote(); break;
    case Command::ChangeColor: commands.ChangeColor(); break;
    case Command::Reminder: program.showReminder(); break;
    case Command::SaveNoteToFile: commands.SaveNoteToFile(); break;
    case Command::InsertDate: commands.InsertDate(); break;
    case Command::InsertTime: commands.InsertTime(); break;
    case Command::Quit: program.noteMenu().onQuit(); break;
    }
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
            m_intendedPos = screen->availableGeometry().center() - QPoint(width() / 2, height() / 2);
            move(m_intendedPos);
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

void NoteWindow::setPointerShape(int shape)
{
    m_pointerShape = shape;
    const Qt::CursorShape cursor = shape == SizeAll        ? Qt::SizeAllCursor
                                   : shape == SizeDiagonal ? Qt::SizeFDiagCursor
                                                           : Qt::IBeamCursor;
    // The text field shows its own pointer; it follows the window's choice while over it.
    if (shape == SizeAll)
        setCursor(cursor);
    else
        m_textField->viewport()->setCursor(cursor);
}

void NoteWindow::openPopupMenu(const QPoint &globalPos)
{
    m_program.CurrentNoteTag = Tag();
    m_program.focusAfterMenu = m_textField;
    m_program.noteMenu().popup(globalPos);
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

void NoteWindow::beginMove(const QPointF &globalPress)
{
    m_holdPosition = false;
    m_followingScreens = false;
    m_movedByUser = true;
    QWindow *window = windowHandle();
    if (window && window->startSystemMove())
        return;
    m_manualDrag = ManualDrag{Qt::Edges(), globalPress, geometry()};
}

void NoteWindow::beginResize(int hitCode, const QPointF &globalPress)
{
    m_holdPosition = false;
    m_followingScreens = false;
    m_movedByUser = true;   // from a left or top corner the place changes too
    const Qt::Edges edges = BorderlessResize::EdgesFor(hitCode);
    QWindow *window = windowHandle();
    if (window && window->startSystemResize(edges))
        return;
    m_manualDrag = ManualDrag{edges, globalPress, geometry()};
}

bool NoteWindow::followPointer(const QPointF &globalPos)
{
    if (!m_manualDrag)
        return false;
    if (!(QGuiApplication::mouseButtons() & Qt::LeftButton)) {
        m_manualDrag.reset();
        return false;
    }
    const QPoint delta = (globalPos - m_manualDrag->startPointer).toPoint();
    setGeometry(BorderlessResize::DraggedGeometry(m_manualDrag->startGeometry, m_manualDrag->edges, delta,
                                                  minimumSize()));
    return true;
}
