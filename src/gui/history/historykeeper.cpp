#include "gui/history/historykeeper.h"

#include "base/history/storednotes.h"
#include "base/store/notekeys.h"
#include "base/store/noteslots.h"
#include "base/store/settingsstore.h"
#include "gui/history/historywindow.h"
#include "gui/note/notewindow.h"
#include "gui/notebook/program.h"
#include "gui/platform/dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextCursor>

using VersionPolicy::Event;

namespace {

HistoryKeeper *g_keeper = nullptr;

const char *const PauseTimer = "quillarrenHistoryPause";

NoteWindow *noteOf(QObject *field)
{
    auto *widget = qobject_cast<QWidget *>(field);
    return widget ? qobject_cast<NoteWindow *>(widget->window()) : nullptr;
}

// A key that replaces a selection: text typed over it, Delete or Backspace.
bool replacesSelection(const QKeyEvent *key)
{
    if (key->key() == Qt::Key_Delete || key->key() == Qt::Key_Backspace)
        return true;
    const Qt::KeyboardModifiers held = key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    return held == Qt::NoModifier && !key->text().isEmpty() && key->text().at(0).isPrint();
}

} // namespace

HistoryKeeper::HistoryKeeper(Program &program)
    : m_program(program)
{
    g_keeper = this;
    // A note's field is watched from the moment it first takes the keyboard: typing and pasting
    // need it, and notes never touched cost nothing.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (NoteWindow *note = qobject_cast<QPlainTextEdit *>(now) ? noteOf(now) : nullptr)
            attach(note);
    });
}

HistoryKeeper::~HistoryKeeper()
{
    delete m_window;
    if (g_keeper == this)
        g_keeper = nullptr;
}

HistoryKeeper *HistoryKeeper::current()
{
    return g_keeper;
}

HistoryWindow *HistoryKeeper::historyWindow() const
{
    return m_window;
}

void HistoryKeeper::open()
{
    QString notice;
    m_history.open(m_program.store.path(), m_program.store.damageBesideNotes(), &notice);
    if (!notice.isEmpty())
        m_program.dialogs().showNotice(notice, tr("Quillarren: note history"));
}

QString HistoryKeeper::idOf(NoteWindow *note) const
{
    return note && !note->Tag().isEmpty() ? m_program.store.get(note->Tag() + NoteKeys::Id) : QString();
}

void HistoryKeeper::keepBefore(NoteWindow *note, Event event, int characters)
{
    if (g_keeper && note)
        g_keeper->keep(note, event, characters);
}

void HistoryKeeper::keep(NoteWindow *note, Event event, int characters)
{
    const QString id = idOf(note);
    if (id.isEmpty() || note->isFlashing())   // a flashing note shows "Reminder!", not its text
        return;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (VersionPolicy::keepNow(event, characters, m_history.lastKept(id), now))
        m_history.add(id, note->noteText(), now);
}

void HistoryKeeper::keepStoredNotes(const SettingsStore &store)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (g_keeper) {
        StoredNotes::keepAll(g_keeper->m_history, store, now);
        return;
    }
    NoteHistory history;
    if (history.open(store.path(), store.damageBesideNotes()))
        StoredNotes::keepAll(history, store, now);
}

void HistoryKeeper::attach(NoteWindow *note)
{
    QPlainTextEdit *field = note->textField();
    if (field->property(PauseTimer).isValid())
        return;
    auto *pause = new QTimer(field);
    pause->setSingleShot(true);
    pause->setInterval(PauseMs);
    field->setProperty(PauseTimer, QVariant::fromValue(static_cast<QObject *>(pause)));
    QPointer<NoteWindow> watched = note;
    connect(pause, &QTimer::timeout, this, [this, watched] {
        if (watched)
            typingPaused(watched);
    });
    // Only a restarted timer on the key path.
    connect(field, &QPlainTextEdit::textChanged, pause, [pause, field] {
        if (!field->isReadOnly())
            pause->start();
    });
    field->installEventFilter(this);
}

void HistoryKeeper::typingPaused(NoteWindow *note)
{
    keep(note, Event::TypingPaused, 0);
}

bool HistoryKeeper::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *field = static_cast<QPlainTextEdit *>(watched);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (field->isReadOnly())
        return false;
    const QTextCursor cursor = field->textCursor();
    const int selected = cursor.selectionEnd() - cursor.selectionStart();
    if (key->matches(QKeySequence::Paste)) {
        const int pasted = int(QApplication::clipboard()->text().size());
        keepBefore(noteOf(field), Event::Paste, std::max(pasted, selected));
    } else if (key->matches(QKeySequence::Cut)) {
        keepBefore(noteOf(field), Event::Cut, selected);
    } else if (selected > 0 && selected == field->document()->characterCount() - 1 && replacesSelection(key)) {
        keepBefore(noteOf(field), Event::ReplaceAfterSelectAll, selected);
    } else if (selected > VersionPolicy::FewCharacters && replacesSelection(key)) {
        keepBefore(noteOf(field), Event::Cut, selected);   // typed over: as good as cut
    }
    return false;
}

void HistoryKeeper::showHistory(NoteWindow *note)
{
    const QString id = idOf(note);
    if (id.isEmpty())
        return;
    if (!m_history.isOpen()) {
        m_program.dialogs().showNotice(tr("The history of the notes is not available this time."),
                                       tr("Quillarren: note history"));
        return;
    }
    keep(note, Event::TypingPaused, 0);   // what is typed now is in the list, to compare against
    delete m_window;
    QPointer<NoteWindow> shown = note;
    const QString name = NoteSlots::firstLine(note->noteText());
    m_window = new HistoryWindow(m_history, id, name, [shown] { return shown ? shown->noteText() : QString(); });
    m_window->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_window, &HistoryWindow::restoreRequested, this, &HistoryKeeper::restore);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void HistoryKeeper::restore(const QString &noteId, const QString &text)
{
    for (NoteWindow *note : NoteWindow::loadedNotes(m_program.forms)) {
        if (idOf(note) != noteId || note->isFlashing())
            continue;
        // The text it replaces is a version first, so the restore can itself be undone; typed
        // into the field as one edit, so Ctrl+Z takes it back too and it is stored as typing is.
        keep(note, Event::VersionRestored, 0);
        QTextCursor cursor = note->textField()->textCursor();
        cursor.select(QTextCursor::Document);
        cursor.insertText(text);
        note->textField()->setTextCursor(cursor);
        if (m_window)
            m_window->refresh();
        return;
    }
}

void HistoryKeeper::upkeep()
{
    if (!m_history.isOpen())
        return;
    m_history.thinAll(QDateTime::currentDateTimeUtc());
    m_history.dropNotesOtherThan(StoredNotes::idsWithLife(m_program.store));
}
