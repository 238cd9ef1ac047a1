#include "gui/menu/notecommands.h"
#include "gui/platform/clipboard.h"
#include "gui/platform/shell.h"
#include "gui/platform/eventwait.h"
#include "gui/platform/apptitle.h"

#include "gui/notebook/notebook.h"
#include "base/files/ownfiles.h"
#include "gui/notebook/program.h"
#include "gui/platform/stayon.h"
#include "gui/notebook/newnoteplace.h"
#include "gui/dialogs/notedialogs.h"
#include "gui/note/notewindow.h"
#include "gui/note/texthook.h"
#include "base/system/clock.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/errorreport.h"
#include "gui/platform/windowtimer.h"
#include "gui/history/historykeeper.h"
#include "base/system/product.h"
#include "base/files/textfile.h"
#include "gui/platform/units.h"
#include "gui/dialogs/reminderdialog.h"
#include "gui/reminder/remindercheck.h"
#include "base/store/conversions.h"
#include "base/store/notekeys.h"
#include "base/store/noteslots.h"
#include "base/store/settingsstore.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocumentFragment>

#include <limits>
#include <utility>
#include <vector>

namespace {

using Writes = std::vector<std::pair<QString, QString>>;

} // namespace

NoteCommands::NoteCommands(Program &program)
    : m_program(program)
{
}

QList<NoteWindow *> NoteCommands::targets() const
{
    return m_program.currentNotes();
}

QList<NoteWindow *> NoteCommands::editableTargets() const
{
    // A note that flashes "Reminder!" takes no edit until its own text is back.
    QList<NoteWindow *> found = targets();
    found.removeIf([](const NoteWindow *note) { return note->isFlashing(); });
    return found;
}

void NoteCommands::Cut()
{
    for (NoteWindow *note : editableTargets()) {
        QTextCursor cursor = note->textField()->textCursor();
        if (cursor.selectedText().isEmpty())
            continue;
        HistoryKeeper::keepBefore(note, VersionPolicy::Event::Cut, int(cursor.selectedText().size()));
        Clipboard::clear();
        Clipboard::putText(note->textField()->textCursor().selection().toPlainText(), 0);
        cursor.removeSelectedText();
        note->textField()->setTextCursor(cursor);
    }
}

void NoteCommands::Copy()
{
    for (NoteWindow *note : targets()) {
        const QTextCursor cursor = note->textField()->textCursor();
        if (cursor.selectedText().isEmpty())
            continue;
        Clipboard::clear();
        Clipboard::putText(cursor.selection().toPlainText(), 0);
    }
}

void NoteCommands::Paste()
{
    for (NoteWindow *note : editableTargets()) {
        QTextCursor cursor = note->textField()->textCursor();
        HistoryKeeper::keepBefore(note, VersionPolicy::Event::Paste,
                                  int(Clipboard::text(0).size() + cursor.selectedText().size()));
        cursor.insertText(Clipboard::text(0));
        note->textField()->setTextCursor(cursor);
    }
}

void NoteCommands::SelectAll()
{
    for (NoteWindow *note : targets()) {
        note->focusText();
        note->textField()->selectAll();
    }
}

void NoteCommands::insertAtCaret(const QString &text)
{
    for (NoteWindow *note : editableTargets()) {
        // In front of the selection, which stays in the text; the caret stands right after what
        // went in, so that the next keys follow it (replacing the whole text threw it to the start).
        QTextCursor cursor = note->textField()->textCursor();
        cursor.setPosition(cursor.selectionStart());
        cursor.insertText(text);
        note->textField()->setTextCursor(cursor);
    }
}

void NoteCommands::InsertDate()
{
    insertAtCaret(QLocale().toString(m_program.clock().now().date(), Conversions::dateFormat(QLocale())));
}

void NoteCommands::InsertTime()
{
    insertAtCaret(QLocale().toString(m_program.clock().now().time(), Conversions::timeFormat(QLocale())));
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
    for (NoteWindow *note : targets())
        note->seeThroughTimer()->setInterval(1);
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
    for (NoteWindow *note : targets()) {
        const QString tag = note->Tag();
        // Hand-edited values that do not convert preset the dialog with the defaults.
        const auto flag = [&](const QString &suffix) {
            return Conversions::toBool(store.get(tag + suffix, QStringLiteral("False"))).value_or(false);
        };
        NoteDialogs &dialog = note->noteDialogs();
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
    const QList<NoteWindow *> found = targets();
    if (found.isEmpty())
        return;
    NoteWindow *note = found.constFirst();
    NoteDialogs &dialog = note->noteDialogs();
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
    const bool onTop = !m_program.alwaysOnTop();
    m_program.setAlwaysOnTop(onTop);
    for (ProgramWindow *form : m_program.forms.all()) {
        if (onTop)
            MakeTopmost(form);
        else
            MakeNotTopmost(form);
    }
    m_program.store.save(m_program.CurrentNoteTag + NoteKeys::AlwaysOnTop, Conversions::fromBool(onTop));
}

void NoteCommands::SaveNoteToFile()
{
    for (NoteWindow *note : targets()) {
        NoteDialogs &dialog = note->noteDialogs();
        dialog.DefaultExt = QStringLiteral(".txt");
        dialog.Filter = QStringLiteral(".txt");
        dialog.Flags = 524288;
        if (!dialog.ShowSave() || dialog.FileName.isEmpty())
            continue;
        QString error;
        // Not "Reminder!" while the note flashes: its own text.
        const QString text = note->isFlashing() ? note->noteText() : note->text();
        if (!TextFile::write(dialog.FileName, text, OwnFiles::forUserFile(m_program.store.path(), false), &error))
            throw Failure(QCoreApplication::translate("NoteCommands", "The note could not be saved to %1: %2").arg(dialog.FileName, error));
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
    m_program.shell().open(QStringLiteral("mailto:") + Product::SupportEmail);
}

void NoteCommands::GotoWebsite()
{
    m_program.shell().open(Product::WebSite);
}
