#pragma once

#include "gui/dialogs/smalldialog.h"

class Program;
class QComboBox;
class QLabel;
class QPushButton;

// The e-mail dialog: hands the target note's text to the user's mail program as a mailto: link
// and remembers the recipients per note. One for all notes; it stays loaded, keeping its list
// and what was typed, until Compose, Cancel or its close control.
class EmailDialog final : public SmallDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EmailDialog)

public:
    explicit EmailDialog(Program &program);

    QComboBox *Combo1() const { return m_combo1; }
    QPushButton *Command1() const { return m_command1; }
    QPushButton *Command2() const { return m_command2; }

    /** "Compose": remembers a new address, opens one message per target note, and closes. */
    void compose();
    /** "Cancel": closes, storing and opening nothing. */
    void cancel();

    /** The subject of a note: its first word with the blank after it, never past a line
        break, or "(empty note)" when it has no word. */
    static QString Subject(const QString &text);
    /** The mailto: link, encoded so that the mail program gets the address, subject and body
        exactly: line breaks as CR LF, and everything but letters, digits and -._~ (and "@" and
        "," in the address) percent-encoded. */
    static QString Link(const QString &address, const QString &subject, const QString &body);

private:
    // Escape leaves as Cancel does; Enter in the address box sends, as Compose does.
    void dismiss() override { cancel(); }
    void onLoad() override;
    /** No mail program took the link: says so and offers the note's text on the clipboard. */
    void offerToCopy(const QString &text);

    Program &m_program;
    QComboBox *m_combo1 = nullptr;
    QPushButton *m_command1 = nullptr;
    QPushButton *m_command2 = nullptr;
};
