#include "gui/note/accessiblenotename.h"

#include "base/checklist/checklistlines.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// About as much as a screen reader says before the user loses interest.
constexpr int NameCharacters = 40;
// A word is not cut when a blank lies this close to the cut.
constexpr int WordSlack = 12;
// Of a line, only its beginning is read: a note of one long line stays cheap to name.
constexpr int ReadCharacters = 200;
// Renamed once typing in that line pauses, not at every key: a screen reader may say the new name.
constexpr int RenameAfterMs = 1000;

QString beginningOf(const QTextBlock &block)
{
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + qMin(block.length() - 1, ReadCharacters), QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

} // namespace

AccessibleNoteName::AccessibleNoteName(QWidget *window, QPlainTextEdit *field)
    : QObject(window)
    , m_window(window)
    , m_field(field)
{
    field->setAccessibleName(tr("Note text"));
    m_rename.setSingleShot(true);
    m_rename.setInterval(RenameAfterMs);
    connect(&m_rename, &QTimer::timeout, this, &AccessibleNoteName::nameNow);
    connect(field->document(), &QTextDocument::contentsChange, this,
            [this](int position, int removed, int) { contentsChange(position, removed); });
    nameNow();
}

void AccessibleNoteName::contentsChange(int position, int removed)
{
    // A text shown or replaced as a whole is named at once; typing in the named line once it pauses.
    if (position == 0 && removed >= m_namedLineEnd)
        nameNow();
    else if (position <= m_namedLineEnd)
        m_rename.start();
}

void AccessibleNoteName::nameNow()
{
    m_rename.stop();
    const auto [line, end] = firstLine(*m_field->document());
    m_namedLineEnd = end;
    const QString name = forLine(line);
    if (m_window->accessibleName() != name)
        m_window->setAccessibleName(name);
}

QString AccessibleNoteName::forLine(const QString &line)
{
    QString words = ChecklistLines::spoken(line).simplified();
    if (words.isEmpty())
        return tr("Note: (empty)");
    if (words.size() > NameCharacters) {
        int cut = words.lastIndexOf(QLatin1Char(' '), NameCharacters);
        if (cut < NameCharacters - WordSlack)
            cut = NameCharacters;
        if (words.at(cut - 1).isHighSurrogate())
            --cut;   // never half a character
        words = words.left(cut).trimmed() + QChar(0x2026);
    }
    return tr("Note: %1").arg(words);
}

std::pair<QString, int> AccessibleNoteName::firstLine(const QTextDocument &document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QString beginning = beginningOf(block);
        if (!beginning.trimmed().isEmpty())
            return {beginning, block.position() + block.length() - 1};
    }
    return {QString(), document.characterCount() - 1};
}
