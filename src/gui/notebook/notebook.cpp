#include "gui/notebook/notebook.h"

#include "gui/note/notewindow.h"
#include "gui/notebook/noteopener.h"
#include "gui/notebook/program.h"
#include "gui/platform/stayon.h"
#include "gui/platform/windowtimer.h"
#include "base/store/conversions.h"
#include "base/store/notekeys.h"
#include "base/store/noteslots.h"
#include "base/store/settingsstore.h"
#include "gui/history/historykeeper.h"


namespace {

template <typename Convert>
void applyIfStored(SettingsStore &store, const QString &key, Convert convert)
{
    const QString text = store.get(key);
    if (!text.isEmpty())
        convert(text);
}

} // namespace

Notebook::Notebook(Program &program)
    : m_program(program)
{
}

Notebook::~Notebook() = default;

// Where the shared check mark ends up once every stored stacking has been applied: the last
// note with a stored value decides it, and without one it stays as the menu window loads it (on).
bool Notebook::finalAlwaysOnTop() const
{
    Program &program = m_program;
    bool onTop = program.alwaysOnTop();
    for (int index = 1; index <= program.NoteCount; ++index) {
        if (const auto stored = Conversions::toBool(program.store.get(NoteKeys::tagFor(index) + NoteKeys::AlwaysOnTop)))
            onTop = *stored;
    }
    return onTop;
}

NoteWindow *Notebook::buildNote(int index, bool unstoredOnTop, bool storedOnTopDecides)
{
    Program &program = m_program;
    SettingsStore &store = program.store;
    auto *note = new NoteWindow(program);
    emit noteOpened(note);
    const QString tag = NoteKeys::tagFor(index);
    note->setTag(tag);

    // The size the user gave the note, before its place: a note is placed on a screen whole.
    const auto width = Conversions::toInt32(store.get(tag + NoteKeys::Width));
    const auto height = Conversions::toInt32(store.get(tag + NoteKeys::Height));
    if (width && height && *width > 0 && *height > 0)
        note->setSizeTwips(*width, *height);

    const auto left = Conversions::toInt32(store.get(tag + NoteKeys::Left, NoteKeys::DefaultPosition));
    const auto top = Conversions::toInt32(store.get(tag + NoteKeys::Top, NoteKeys::DefaultPosition));
    note->setPositionTwips(left.value_or(500), top.value_or(500));

    note->showStoredText(store.get(tag + NoteKeys::Notes));

    applyStoredLook(note);
    using Conversions::toBool;
    const auto onTop = storedOnTopDecides ? toBool(store.get(tag + NoteKeys::AlwaysOnTop)) : std::nullopt;
    if (onTop) {
        program.setAlwaysOnTop(*onTop);
        if (*onTop)
            MakeTopmost(note);
        else
            MakeNotTopmost(note);
    } else if (unstoredOnTop) {
        // A note without a stored stacking follows the check mark the menu will show, so that
        // the menu never shows "Always On Top" checked over notes that are not on top.
        MakeTopmost(note);
    }

    note->seeThroughTimer()->setInterval(1);
    note->show();
    return note;
}

void Notebook::applyStoredLook(NoteWindow *note)
{
    using namespace Conversions;
    SettingsStore &store = m_program.store;
    const QString tag = note->Tag();
    applyIfStored(store, tag + NoteKeys::TextColor, [&](const QString &t) {
        if (const auto v = toInt32(t)) note->setTextColor(*v);
    });
    applyIfStored(store, tag + NoteKeys::Bold, [&](const QString &t) {
        if (const auto v = toBool(t)) note->setTextFont([&](QFont &f) { f.setBold(*v); });
    });
    applyIfStored(store, tag + NoteKeys::Italic, [&](const QString &t) {
        if (const auto v = toBool(t)) note->setTextFont([&](QFont &f) { f.setItalic(*v); });
    });
    applyIfStored(store, tag + NoteKeys::Underline, [&](const QString &t) {
        if (const auto v = toBool(t)) note->setTextFont([&](QFont &f) { f.setUnderline(*v); });
    });
    applyIfStored(store, tag + NoteKeys::Strikethru, [&](const QString &t) {
        if (const auto v = toBool(t)) note->setTextFont([&](QFont &f) { f.setStrikeOut(*v); });
    });
    applyIfStored(store, tag + NoteKeys::Font, [&](const QString &t) {
        note->setTextFont([&](QFont &f) { f.setFamily(t); });
    });
    applyIfStored(store, tag + NoteKeys::Size, [&](const QString &t) {
        const auto v = toSingle(t);
        if (v && *v > 0 && *v <= 1638)
            note->setTextFont([&](QFont &f) { f.setPointSizeF(double(*v)); });
    });
    applyIfStored(store, tag + NoteKeys::TextBackColor, [&](const QString &t) {
        if (const auto v = toInt32(t)) note->setTextBackColor(*v);
    });
    applyIfStored(store, tag + NoteKeys::BackColor, [&](const QString &t) {
        if (const auto v = toInt32(t)) note->setBackColor(*v);
    });
}

void Notebook::showSyncedChange(NoteWindow *note, const QString &text)
{
    HistoryKeeper::keepBefore(note, VersionPolicy::Event::FromSyncFolder);
    note->showRemoteText(text);
    note->showBuiltInLook();
    applyStoredLook(note);
    note->seeThroughTimer()->setInterval(1);   // its see-through level, set up again
    emit m_program.remindersChanged();
}

int Notebook::notesToOpen() const
{
    return NoteSlots::openCount(m_program.store);
}

void Notebook::startUp()
{
    beginStartUp();
    m_program.opener().finishNow();
}

void Notebook::beginStartUp()
{
    Program &program = m_program;
    program.NoteCount = qint16(notesToOpen());
    // Every note has an id of its own from its first start on; nothing else is written.
    const NoteSlots::Writes ids = NoteSlots::missingIds(program.store, program.NoteCount);
    if (!ids.empty())
        program.store.saveMany(ids);
    program.opener().open(1, program.NoteCount, NoteOpener::Stacking::AsStored, finalAlwaysOnTop());
}

NoteWindow *Notebook::openStartUpNote(int index, bool unstoredOnTop)
{
    return buildNote(index, unstoredOnTop, true);
}

NoteWindow *Notebook::openStoredNote(int index)
{
    // A note that joins the open ones is stacked as they are: the stacking is the program's.
    return buildNote(index, m_program.alwaysOnTop(), false);
}
