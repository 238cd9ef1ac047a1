#include "gui/note/storedtext.h"

#include "base/store/notekeys.h"
#include "base/store/settingsstore.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// From this length on, a keystroke stores what it changed instead of the whole text.
constexpr int LongNoteCharacters = 64 * 1024;
constexpr int CheckLongTextMs = 1000;

} // namespace

StoredText::StoredText(QPlainTextEdit &field, SettingsStore &store, std::function<QString()> tag)
    : m_field(field)
    , m_store(store)
    , m_tag(std::move(tag))
{
    // After a pause in typing into a long note, the stored text is checked against the field.
    m_checkLongText.setSingleShot(true);
    m_checkLongText.setInterval(CheckLongTextMs);
    QObject::connect(&m_checkLongText, &QTimer::timeout, &m_field, [this] {
        const QString shown = text();
        if (m_store.get(textKey()) != shown)
            m_store.save(textKey(), shown);
    });
}

QString StoredText::textKey() const
{
    return m_tag() + NoteKeys::Notes;
}

void StoredText::edited(int position, int removed, int added)
{
    if (m_showingStoredText || m_flashing || m_field.document()->characterCount() < LongNoteCharacters)
        return;
    // A keystroke in a long note stores what it changed, not the whole text again.
    QTextCursor changed(m_field.document());
    changed.setPosition(position);
    changed.setPosition(position + added, QTextCursor::KeepAnchor);
    QString inserted = changed.selectedText();
    inserted.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    if (m_store.saveEdit(textKey(), position, removed, inserted))
        m_changeStoredAsEdits = true;
    else
        m_changeNotStored = true;
}

void StoredText::changed()
{
    const bool asEdits = m_changeStoredAsEdits && !m_changeNotStored;
    m_changeStoredAsEdits = false;
    m_changeNotStored = false;
    if (m_showingStoredText || m_flashing)
        return;
    m_storedText.reset();
    // The load step clears the built-in text before the window is given its tag: there is no
    // note yet to store it for, and a key without a number would only litter the store.
    if (m_tag().isEmpty())
        return;
    if (asEdits) {
        m_checkLongText.start();
        return;
    }
    m_store.save(textKey(), text());
}

void StoredText::showStored(const QString &text)
{
    // The field shows CR LF, CR and U+2028 breaks as its own; storing what it gives back would
    // rewrite a note the user never touched. The stored text changes when the user changes it.
    m_showingStoredText = true;
    m_field.setPlainText(text);
    m_showingStoredText = false;
    m_storedText = text;   // shares the store's copy
}

void StoredText::beginAlarm()
{
    if (m_flashing)
        return;
    m_storedText = noteText();
    m_flashing = true;
    m_field.setReadOnly(true);
    m_showingStoredText = true;
    m_field.setPlainText(QCoreApplication::translate("StoredText", "Reminder!"));
    m_showingStoredText = false;
}

void StoredText::endAlarm()
{
    if (!m_flashing)
        return;
    m_flashing = false;
    m_field.setReadOnly(false);
    showStored(*m_storedText);
}

QString StoredText::noteText() const
{
    return m_storedText ? *m_storedText : text();
}

QString StoredText::text() const
{
    // The document's own characters, paragraph breaks made line feeds: toPlainText() would also
    // turn no-break spaces into blanks and line separators into breaks, and it costs several
    // times as much, on every keystroke of a big note.
    QString raw = m_field.document()->toRawText();
    char16_t *c = reinterpret_cast<char16_t *>(raw.data());
    for (char16_t *const end = c + raw.size(); c != end; ++c) {
        if (*c == QChar::ParagraphSeparator)
            *c = u'\n';
    }
    return raw;
}
