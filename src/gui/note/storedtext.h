#pragma once

#include <QString>
#include <QTimer>

#include <functional>
#include <optional>

class SettingsStore;
class QPlainTextEdit;

// The note's text and the store: each change of the user's is stored (in a long note, as the
// edit a keystroke made), while a text the program shows (the stored one, the alarm's) is not
// stored again.
class StoredText final
{
    Q_DISABLE_COPY_MOVE(StoredText)

public:
    /** tag gives the note's key prefix; while it is empty nothing is stored. */
    StoredText(QPlainTextEdit &field, SettingsStore &store, std::function<QString()> tag);

    /** What the field holds, exactly, with a line feed between its paragraphs. */
    QString text() const;
    /** As stored until it is changed, then as the field holds it. */
    QString noteText() const;
    void showStored(const QString &text);

    void beginAlarm();
    void endAlarm();
    bool isFlashing() const { return m_flashing; }

    // What the field's document tells of a change.
    void edited(int position, int removed, int added);
    void changed();

private:
    QString textKey() const;

    QPlainTextEdit &m_field;
    SettingsStore &m_store;
    std::function<QString()> m_tag;
    bool m_showingStoredText = false;
    bool m_flashing = false;
    std::optional<QString> m_storedText;   // as stored, until the text is changed
    bool m_changeStoredAsEdits = false;     // since the last change of the text
    bool m_changeNotStored = false;
    QTimer m_checkLongText;
};
