#include "commands/notecommands.h"

#include "app/main2.h"
#include "app/noteopener.h"
#include "base/files/ownfiles.h"
#include "app/program.h"
#include "app/stayon.h"
#include "commands/menuform.h"
#include "commands/newnoteplace.h"
#include "note/commondialog.h"
#include "note/form1.h"
#include "note/texthook.h"
#include "base/system/clock.h"
#include "platform/dialogs.h"
#include "platform/errorreport.h"
#include "platform/formtimer.h"
#include "base/system/product.h"
#include "base/files/textfile.h"
#include "platform/units.h"
#include "reminder/reminder.h"
#include "reminder/remindercheck.h"
#include "base/store/conversions.h"
#include "base/store/notekeys.h"
#include "base/store/noteslots.h"
#include "base/store/settingsstore.h"

#include <QAction>
#include <QComboBox>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocumentFragment>

#include <limits>
#include <utility>
#include <vector>

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

NoteCommands::NoteCommands(Program &program)
    : m_program(program)
{
}

QList<Form1 *> NoteCommands::targets() const
{
    QList<Form1 *> found;
    for (Form *form : m_program.forms.withTag(m_program.CurrentNoteTag)) {
        if (auto *note = qobject_cast<Form1 *>(form))
            found.append(note);
    }
    return found;
}

QList<Form1 *> NoteCommands::editableTargets() const
{
    // A note that flashes "Reminder!" takes no edit until its own text is back.
    QList<Form1 *> found = targets();
    found.removeIf([](const Form1 *note) { return note->isFlashing(); });
    return found;
}

void NoteCommands::Cut()
{
    for (Form1 *note : editableTargets()) {
        QTextCursor cursor = note->Text1()->textCursor();
        if (cursor.selectedText().isEmpty())
            continue;
        Main2::ClearClipboard();
        Main2::PutClipboardText(note->Text1()->textCursor().selection().toPlainText(), 0);
        cursor.removeSelectedText();
        note->Text1()->setTextCursor(cursor);
    }
}

void NoteCommands::Copy()
{
    for (Form1 *note : targets()) {
        const QTextCursor cursor = note->Text1()->textCursor();
        if (cursor.selectedText().isEmpty())
            continue;
        Main2::ClearClipboard();
        Main2::PutClipboardText(cursor.selection().toPlainText(), 0);
    }
}

void NoteCommands::Paste()
{
    for (Form1 *note : editableTargets()) {
        QTextCursor cursor = note->Text1()->textCursor();
        cursor.insertText(Main2::GetClipboardText(0));
        note->Text1()->setTextCursor(cursor);
    }
}

void NoteCommands::SelectAll()
{
    for (Form1 *note : targets()) {
        note->focusText();
        note->Text1()->selectAll();
    }
}

void NoteCommands::insertAtCaret(const QString &text)
{
    for (Form1 *note : editableTargets()) {
        // In front of the selection, which stays in the text; the caret stands right after what
        // went in, so that the next keys follow it (replacing the whole text threw it to the start).
        QTextCursor cursor = note->Text1()->textCursor();
        cursor.setPosition(cursor.selectionStart());
        cursor.insertText(text);
        note->Text1()->setTextCursor(cursor);
    }
}

void NoteCommands::InsertDate()
{
    insertAtCaret(QLocale().toString(m_program.clock().now().date(), Main2::DateFormat(QLocale())));
}

void NoteCommands::InsertTime()
{
    insertAtCaret(QLocale().toString(m_program.clock().now().time(), Main2::TimeFormat(QLocale())));
}

void NoteCommands::CreateNewNote()
{
    // Quit is storing and unloading the notes: a choice still waiting must not change the slots.
    if (m_program.quitting)
        return;
    renumberNotes();
    if (m_program.NoteCount == std::numeric_limits<qint16>::max())
        throw Failure(QStringLiteral("Overflow"));
    auto *note = new Form1(m_program);
    m_program.NoteCount = qint16(m_program.NoteCount + 1);
    const bool onTop = m_program.menuForm().AlwaysOnTopName()->isChecked();
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
    note->Text1()->setFocus(Qt::OtherFocusReason);
    note->activateWindow();
    m_program.focusAfterMenu = note->Text1();
    m_program.store.saveMany(writes);
}

void NoteCommands::DeleteThisNote()
{
    if (m_program.quitting)
        return;
    // Notes the window system closed are put away, not open: they do not count here. Notes that
    // still wait to open do: they open first.
    m_program.opener().finishNow();
    const int open = Form1::openNotes(m_program.forms).size();
    if (open == 1) {
        const MessageAnswer answer = m_program.dialogs().messageBox(
            nullptr, QStringLiteral("This is the last note. Would you like to quit?"), QStringLiteral("Quit?"),
            MessageButtons::YesNo, MessageIcon::None);
        // Nothing typed may be lost by ending: while it cannot be written the note stays open.
        // The note itself stays stored and comes back at the next start.
        if (answer == MessageAnswer::Yes && m_program.everythingStored()) {
            RemoveTextHook(m_program);
            Main2::DoEventsTwice();
            m_program.end();
            return;
        }
        renumberNotes();
    } else if (const QList<Form1 *> found = targets(); !found.isEmpty()) {
        QString error;
        if (!trashNote(found.constFirst(), &error))
            m_program.dialogs().messageBox(
                nullptr,
                QStringLiteral("The note could not be moved to Deleted Notes, because %1. It stays open; nothing "
                               "was deleted.").arg(error),
                Main2::AppTitle(), MessageButtons::Ok, MessageIcon::Warning);
    }
    // An open reminder dialog no longer has a note to act on, and must say so.
    if (m_program.isReminderLoaded())
        m_program.reminder().showTargetNote();
}

bool NoteCommands::trashNote(Form1 *note, QString *error)
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
    Main2::DoEventsTwice();
    return true;
}

bool NoteCommands::addNotes(const QList<NoteSlots::Values> &notes, SettingsStore::Change alongside, QString *error,
                            const std::function<void(const QString &)> &progress)
{
    if (m_program.quitting || m_program.hasEnded()) {
        *error = QStringLiteral("Quillarren is quitting");
        return false;
    }
    renumberNotes();
    if (m_program.NoteCount + notes.size() > std::numeric_limits<qint16>::max()) {
        *error = QStringLiteral("there would be more notes than Quillarren can keep");
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
            progress(QStringLiteral("Opened %1 of %2 notes…").arg(opened).arg(total));
        };
    }
    m_program.opener().open(first, m_program.NoteCount, NoteOpener::Stacking::AsOpenNotes, false, told);
    // The check sleeps until the reminders it knew of: one that came with these may be sooner.
    m_program.reminderCheck().update();
    return true;
}

// Slots 1 … N for the loaded notes in load order, but `leaving`: the writes that move their keys
// and each note's new tag.
NoteCommands::Renumbering NoteCommands::planRenumbering(const Form *leaving) const
{
    Renumbering plan;
    for (Form *note : m_program.forms.notes()) {
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

void NoteCommands::applyRenumbering(const Renumbering &plan)
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
void NoteCommands::renumberNotes()
{
    // Notes that wait to open hold slots too: they open first, and are numbered with the others.
    m_program.opener().finishNow();
    Renumbering plan = planRenumbering(nullptr);
    plan.writes.emplace_back(NoteKeys::TotalForms, QString::number(plan.count));
    applyRenumbering(plan);
    m_program.store.saveMany(plan.writes);
}

void NoteCommands::Quit()
{
    // Quit delivers events while it unloads and pauses: a second Quit waiting there changes nothing.
    if (m_program.quitting)
        return;
    m_program.opener().finishNow();   // Quit stores the open notes only: every note is one first
    m_program.quitting = true;
    const SettingsStore &store = m_program.store;
    const bool onTop = m_program.menuForm().AlwaysOnTopName()->isChecked();
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
    for (Form *form : m_program.forms.all()) {
        auto *note = qobject_cast<Form1 *>(form);
        if (!note || !note->Tag().contains(NoteKeys::TagPrefix))
            continue;
        const QString tag = NoteKeys::tagFor(k);
        const QFont font = note->Text1()->font();
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
    const QList<Form *> loaded = m_program.forms.all();
    for (Form *form : loaded)
        form->unload();
    Main2::DoEventsTwice();
    Main2::Pause(500);
    m_program.end();
}

int NoteCommands::storedTranslucency() const
{
    // A level that does not convert reads as the default, like an absent one.
    const auto level = Conversions::toInt16(
        m_program.store.get(m_program.CurrentNoteTag + NoteKeys::Translucency, NoteKeys::DefaultTranslucency));
    return level.value_or(200);
}

void NoteCommands::storeTranslucency(int level)
{
    m_program.store.save(m_program.CurrentNoteTag + NoteKeys::Translucency, QString::number(level));
    for (Form1 *note : targets())
        note->Timer1()->setInterval(1);
}

void NoteCommands::DefaultTranslucency()
{
    storeTranslucency(200);
}

void NoteCommands::IncreaseTranslucency()
{
    storeTranslucency(std::max(storedTranslucency(), 100) - 20);
}

void NoteCommands::DecreaseTranslucency()
{
    storeTranslucency(std::min(storedTranslucency(), 234) + 20);
}

void NoteCommands::ChangeFont()
{
    const SettingsStore &store = m_program.store;
    for (Form1 *note : targets()) {
        const QString tag = note->Tag();
        // Hand-edited values that do not convert preset the dialog with the defaults.
        const auto flag = [&](const QString &suffix) {
            return Conversions::toBool(store.get(tag + suffix, QStringLiteral("False"))).value_or(false);
        };
        CommonDialog &dialog = note->CommonDialog1();
        dialog.Flags = 259;
        dialog.Font.bold = flag(NoteKeys::Bold);
        dialog.Font.italic = flag(NoteKeys::Italic);
        dialog.Font.underline = flag(NoteKeys::Underline);
        dialog.Font.strikeout = flag(NoteKeys::Strikethru);
        // An empty face name cannot be shown; it presets the default as an absent one does.
        const QString family = store.get(tag + NoteKeys::Font);
        dialog.Font.family = family.trimmed().isEmpty() ? QStringLiteral("Arial") : family;
        const auto size = Conversions::toSingle(store.get(tag + NoteKeys::Size, QStringLiteral("9")));
        dialog.Font.pointSize = size && *size > 0 ? double(*size) : 9.0;
        dialog.Color = note->textColor();
        if (!dialog.ShowFont())
            continue;

        const qint32 colour = dialog.Color;
        const FontChoice chosen = dialog.Font;
        const auto points = Conversions::toInt16(QString::number(chosen.pointSize, 'f', 6));
        const int size16 = points.value_or(9);
        note->setTextColor(colour);
        note->setTextFont([&](QFont &font) {
            font.setBold(chosen.bold);
            font.setItalic(chosen.italic);
            font.setUnderline(chosen.underline);
            font.setStrikeOut(chosen.strikeout);
            font.setFamily(chosen.family);
            font.setPointSize(size16);
        });
        using Conversions::fromBool;
        m_program.store.saveMany({
            {tag + NoteKeys::TextColor, QString::number(colour)},
            {tag + NoteKeys::Bold, fromBool(chosen.bold)},
            {tag + NoteKeys::Italic, fromBool(chosen.italic)},
            {tag + NoteKeys::Underline, fromBool(chosen.underline)},
            {tag + NoteKeys::Strikethru, fromBool(chosen.strikeout)},
            {tag + NoteKeys::Font, chosen.family},
            {tag + NoteKeys::Size, QString::number(size16)},
        });
    }
}

void NoteCommands::ChangeColor()
{
    const QList<Form1 *> found = targets();
    if (found.isEmpty())
        return;
    Form1 *note = found.constFirst();
    CommonDialog &dialog = note->CommonDialog1();
    if (!dialog.ShowColor())
        return;
    note->setTextBackColor(dialog.Color);
    note->setBackColor(dialog.Color);
    m_program.store.saveMany({
        {note->Tag() + NoteKeys::TextBackColor, QString::number(note->textBackColor())},
        {note->Tag() + NoteKeys::BackColor, QString::number(note->backColor())},
    });
}

void NoteCommands::ToggleAlwaysOnTop()
{
    QAction *check = m_program.menuForm().AlwaysOnTopName();
    const bool onTop = !check->isChecked();
    check->setChecked(onTop);
    for (Form *form : m_program.forms.all()) {
        if (onTop)
            MakeTopmost(form);
        else
            MakeNotTopmost(form);
    }
    m_program.store.save(m_program.CurrentNoteTag + NoteKeys::AlwaysOnTop, Conversions::fromBool(onTop));
}

void NoteCommands::SaveNoteToFile()
{
    for (Form1 *note : targets()) {
        CommonDialog &dialog = note->CommonDialog1();
        dialog.DefaultExt = QStringLiteral(".txt");
        dialog.Filter = QStringLiteral(".txt");
        dialog.Flags = 524288;
        if (!dialog.ShowSave() || dialog.FileName.isEmpty())
            continue;
        QString error;
        // Not "Reminder!" while the note flashes: its own text.
        const QString text = note->isFlashing() ? note->noteText() : note->text();
        if (!TextFile::write(dialog.FileName, text, OwnFiles::forUserFile(m_program.store.path(), false), &error))
            throw Failure(QStringLiteral("The note could not be saved to %1: %2").arg(dialog.FileName, error));
    }
}

bool NoteCommands::IsInComboList(const QComboBox *list, const QString &text)
{
    for (int index = 0; index <= list->count(); ++index) {
        if (list->itemText(index) == text)   // itemText() past the end is the empty text
            return true;
    }
    return false;
}

void NoteCommands::EmailAuthor()
{
    const QList<Form *> notes = m_program.forms.notes();
    Main2::ShellOpen(m_program, notes.isEmpty() ? nullptr : notes.constFirst(),
                     QStringLiteral("mailto:") + Product::SupportEmail);
}

void NoteCommands::GotoWebsite()
{
    Main2::ShellOpen(m_program, nullptr, Product::WebSite);
}
