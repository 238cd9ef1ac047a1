#include "gui/notebook/notebook.h"

#include "gui/menu/notecommands.h"
#include "gui/note/notewindow.h"
#include "gui/note/texthook.h"
#include "gui/notebook/newnoteplace.h"
#include "gui/notebook/noteopener.h"
#include "gui/notebook/program.h"
#include "gui/platform/apptitle.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/errorreport.h"
#include "gui/platform/eventwait.h"
#include "gui/platform/stayon.h"
#include "gui/platform/units.h"
#include "base/system/clock.h"
#include "base/store/conversions.h"
#include "base/store/notekeys.h"
#include "base/store/noteslots.h"
#include "base/files/ownfiles.h"
#include "gui/dialogs/notedialogs.h"
#include "gui/platform/windowtimer.h"
#include "base/system/product.h"
#include "base/files/textfile.h"
#include "base/store/settingsstore.h"

#include <QCoreApplication>
#include <QPlainTextEdit>

#include <limits>

// The notes' lives: a new note, a note into the trash, notes added after the open ones, the
// slots kept in load order, and Quit, which stores every note and ends.

namespace {

using Writes = std::vector<std::pair<QString, QString>>;

// Every key of one note, copied to another slot; keys the note lacks are emptied there, which
// reads as absent, so nothing of the slot's earlier note comes back with it. With no note to
// copy from, the slot is only emptied.
void copyNoteKeys(const SettingsStore &store, const QString &from, const QString &to, Writes &writes,
                  const QStringList &suffixes = NoteKeys::AllSuffixes)
{
    for (const QString &suffix : suffixes) {
        if (!from.isNull() && store.contains(from + suffix))
            writes.emplace_back(to + suffix, store.get(from + suffix));
        else if (store.contains(to + suffix))
            writes.emplace_back(to + suffix, QString());
    }
}


} // namespace

void Notebook::createNote()
{
    // Quit is storing and unloading the notes: a choice still waiting must not change the slots.
    if (m_program.quitting)
        return;
    renumberNotes();
    if (m_program.NoteCount == std::numeric_limits<qint16>::max())
        throw Failure(QCoreApplication::translate("Notebook", "Overflow"));
    auto *note = new NoteWindow(m_program);
    emit noteOpened(note);
    m_program.NoteCount = qint16(m_program.NoteCount + 1);
    const bool onTop = m_program.alwaysOnTop();
    note->load();
    if (onTop)
        MakeTopmost(note);
    else
        MakeNotTopmost(note);
    // In view and clear of the note it came from, its place stored at once: a logout or a crash
    // before the note is moved must not bring it back on top of another.
    const QPoint place = placeForNewNote(m_program, note, note->size());
    const int left = Units::pixelsToTwips(place.x()), top = Units::pixelsToTwips(place.y());
    note->setPositionTwips(left, top);
    note->show();
    // Above the others, with the keyboard: a window manager may map it below the active note.
    note->raiseOnceActive();
    const QString tag = NoteKeys::tagFor(m_program.NoteCount);
    // The slot may hold keys of a note that was there before; they must not come back with this one.
    Writes writes;
    NoteSlots::writeInto(m_program.store,
                         {{NoteKeys::Id, NoteSlots::newId()}, {NoteKeys::Left, QString::number(left)},
                          {NoteKeys::Top, QString::number(top)}},
                         tag, writes);
    writes.emplace_back(NoteKeys::TotalForms, QString::number(m_program.NoteCount));
    note->setTag(tag);
    note->textField()->setFocus(Qt::OtherFocusReason);
    note->activateWindow();
    m_program.focusAfterMenu = note->textField();
    m_program.store.saveMany(writes);
}

void Notebook::deleteCurrentNote()
{
    if (m_program.quitting)
        return;
    // Notes the window system closed are put away, not open: they do not count here. Notes that
    // still wait to open do: they open first.
    m_program.opener().finishNow();
    const int open = NoteWindow::openNotes(m_program.forms).size();
    if (open == 1) {
        const MessageAnswer answer = m_program.dialogs().messageBox(
            nullptr, QCoreApplication::translate("Notebook", "This is the last note. Would you like to quit?"), QCoreApplication::translate("Notebook", "Quit?"),
            MessageButtons::YesNo, MessageIcon::None);
        // Nothing typed may be lost by ending: while it cannot be written the note stays open.
        // The note itself stays stored and comes back at the next start.
        if (answer == MessageAnswer::Yes && m_program.everythingStored()) {
            RemoveTextHook(m_program);
            EventWait::deliverPendingTwice();
            m_program.end();
            return;
        }
        renumberNotes();
    } else if (const QList<NoteWindow *> found = m_program.currentNotes(); !found.isEmpty()) {
        QString error;
        if (!trashNote(found.constFirst(), &error))
            m_program.dialogs().messageBox(
                nullptr,
                QCoreApplication::translate("Notebook", "The note could not be moved to Deleted Notes, because %1. It stays open; nothing "
                               "was deleted.").arg(error),
                AppTitle::text(), MessageButtons::Ok, MessageIcon::Warning);
    }
    emit m_program.currentNoteDeleted();
}

bool Notebook::trashNote(NoteWindow *note, QString *error)
{
    m_program.opener().finishNow();   // the slots after this one move down, those still to open too
    const SettingsStore &store = m_program.store;
    const QString tag = note->Tag();
    SettingsStore::TrashedNote trashed;
    trashed.values = NoteSlots::valuesOf(store, tag);
    trashed.values.remove(NoteKeys::ActivehWnd);   // names a window of this run only
    trashed.id = trashed.values.value(NoteKeys::Id);
    if (trashed.id.isEmpty())
        trashed.id = trashed.values[NoteKeys::Id] = NoteSlots::newId();
    trashed.deleted = m_program.clock().now();

    // The note goes into the trash with the renumbering, in one transaction: a kill at any moment
    // leaves it either open or in the trash, never both and never neither.
    Renumbering plan = planRenumbering(note);
    NoteSlots::writeInto(store, {}, NoteKeys::tagFor(m_program.NoteCount), plan.writes);   // the slot left over
    plan.writes.emplace_back(NoteKeys::TotalForms, QString::number(plan.count));
    SettingsStore::Change change;
    change.values = std::move(plan.writes);
    change.toTrash = {trashed};
    if (!m_program.store.commit(change, error))
        return false;
    note->unload();
    // Renumbering hands the tag to another note: a command still aimed at the deleted one (from an
    // open dialog) must not land there.
    m_program.CurrentNoteTag.clear();
    applyRenumbering(plan);
    EventWait::deliverPendingTwice();
    return true;
}

bool Notebook::addNotes(const QList<NoteSlots::Values> &notes, SettingsStore::Change alongside, QString *error,
                            const std::function<void(const QString &)> &progress)
{
    if (m_program.quitting || m_program.hasEnded()) {
        *error = QCoreApplication::translate("Notebook", "Quillarren is quitting");
        return false;
    }
    renumberNotes();
    if (m_program.NoteCount + notes.size() > std::numeric_limits<qint16>::max()) {
        *error = QCoreApplication::translate("Notebook", "there would be more notes than Quillarren can keep");
        return false;
    }
    NoteSlots::appendNotes(m_program.store, notes, m_program.NoteCount, alongside.values);
    if (!m_program.store.commit(alongside, error))
        return false;
    // Stored: they open a few at a time from here, a single one at once.
    const int first = m_program.NoteCount + 1;
    m_program.NoteCount = qint16(m_program.NoteCount + notes.size());
    NoteOpener::Progress told;
    if (progress) {
        told = [progress](int opened, int total) {
            progress(QCoreApplication::translate("Notebook", "Opened %1 of %n notes…", nullptr, total).arg(opened));
        };
    }
    m_program.opener().open(first, m_program.NoteCount, NoteOpener::Stacking::AsOpenNotes, false, told);
    // The check sleeps until the reminders it knew of: one that came with these may be sooner.
    emit m_program.remindersChanged();
    return true;
}

// Slots 1 … N for the loaded notes in load order, but `leaving`: the writes that move their keys
// and each note's new tag.
Notebook::Renumbering Notebook::planRenumbering(const ProgramWindow *leaving) const
{
    Renumbering plan;
    for (ProgramWindow *note : m_program.forms.notes()) {
        if (note == leaving)
            continue;
        const QString tag = NoteKeys::tagFor(++plan.count);
        if (note->Tag() == tag)
            continue;
        copyNoteKeys(m_program.store, note->Tag(), tag, plan.writes);
        plan.moves.append({note, tag});
    }
    return plan;
}

void Notebook::applyRenumbering(const Renumbering &plan)
{
    QString followTarget;
    for (const auto &[note, tag] : plan.moves) {
        if (!note)
            continue;
        if (m_program.CurrentNoteTag == note->Tag())
            followTarget = tag;
        note->setTag(tag);
    }
    if (!followTarget.isEmpty())
        m_program.CurrentNoteTag = followTarget;
    m_program.NoteCount = qint16(plan.count);
}

// Keeps the stored slots 1 … N exactly the open notes in load order, with "Total Forms" N, so
// whatever way the program ends next, the same notes come back.
void Notebook::renumberNotes()
{
    // Notes that wait to open hold slots too: they open first, and are numbered with the others.
    m_program.opener().finishNow();
    Renumbering plan = planRenumbering(nullptr);
    plan.writes.emplace_back(NoteKeys::TotalForms, QString::number(plan.count));
    applyRenumbering(plan);
    m_program.store.saveMany(plan.writes);
}

void Notebook::quit()
{
    // Quit delivers events while it unloads and pauses: a second Quit waiting there changes nothing.
    if (m_program.quitting)
        return;
    m_program.opener().finishNow();   // Quit stores the open notes only: every note is one first
    m_program.quitting = true;
    const SettingsStore &store = m_program.store;
    const bool onTop = m_program.alwaysOnTop();
    // Keys that belong to a note but are not among the thirteen written below travel with it
    // (not the window handle, which means nothing after this run).
    static const QStringList carried = [] {
        QStringList suffixes = NoteKeys::AllSuffixes;
        for (const QString &written : {NoteKeys::Left, NoteKeys::Top, NoteKeys::Notes, NoteKeys::TextColor,
                                       NoteKeys::Bold, NoteKeys::Italic, NoteKeys::Underline, NoteKeys::Strikethru,
                                       NoteKeys::Font, NoteKeys::Size, NoteKeys::TextBackColor, NoteKeys::BackColor,
                                       NoteKeys::AlwaysOnTop, NoteKeys::ActivehWnd})
            suffixes.removeOne(written);
        return suffixes;
    }();
    Writes writes;
    int k = 1;
    for (ProgramWindow *form : m_program.forms.all()) {
        auto *note = qobject_cast<NoteWindow *>(form);
        if (!note || !note->Tag().contains(NoteKeys::TagPrefix))
            continue;
        const QString tag = NoteKeys::tagFor(k);
        const QFont font = note->textField()->font();
        const QPoint place = note->placeTwips();
        using Conversions::fromBool;
        writes.insert(writes.end(), {
            {tag + NoteKeys::Left, QString::number(place.x())},
            {tag + NoteKeys::Top, QString::number(place.y())},
            {tag + NoteKeys::Notes, note->noteText()},
            {tag + NoteKeys::TextColor, QString::number(note->textColor())},
            {tag + NoteKeys::Bold, fromBool(font.bold())},
            {tag + NoteKeys::Italic, fromBool(font.italic())},
            {tag + NoteKeys::Underline, fromBool(font.underline())},
            {tag + NoteKeys::Strikethru, fromBool(font.strikeOut())},
            {tag + NoteKeys::Font, font.family()},
            {tag + NoteKeys::Size, Conversions::fromSingle(float(font.pointSizeF()))},
            {tag + NoteKeys::TextBackColor, QString::number(note->textBackColor())},
            {tag + NoteKeys::BackColor, QString::number(note->backColor())},
            {tag + NoteKeys::AlwaysOnTop, fromBool(onTop)},
        });
        if (note->Tag() != tag)
            copyNoteKeys(store, note->Tag(), tag, writes, carried);
        ++k;
    }
    writes.emplace_back(NoteKeys::TotalForms, QString::number(k - 1));
    m_program.store.saveMany(writes);
    // The program must not end with anything unwritten: the user may retry, or cancel and keep
    // every note open.
    if (!m_program.everythingStored()) {
        m_program.quitting = false;
        return;
    }

    emit m_program.notesStoredForQuit();
    const QList<ProgramWindow *> loaded = m_program.forms.all();
    for (ProgramWindow *form : loaded)
        form->unload();
    EventWait::deliverPendingTwice();
    EventWait::pause(500);
    m_program.end();
}
