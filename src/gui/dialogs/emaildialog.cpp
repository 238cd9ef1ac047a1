#include "gui/dialogs/emaildialog.h"
#include "gui/platform/clipboard.h"
#include "gui/platform/shell.h"
#include "gui/platform/skin.h"

#include "gui/notebook/program.h"
#include "gui/menu/notecommands.h"
#include "gui/note/notewindow.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/errorreport.h"
#include "gui/platform/growtofit.h"
#include "gui/platform/mirroredplaces.h"
#include "gui/platform/programicon.h"
#include "gui/platform/units.h"
#include "base/store/notekeys.h"
#include "base/store/settingsstore.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>

namespace {

QFont arialBold(double points)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

QString encoded(const QString &text, const QByteArray &keep = QByteArray())
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text, keep));
}

} // namespace

EmailDialog::EmailDialog(Program &program)
    : SmallDialog(program.forms)
    , m_program(program)
{
    setObjectName(QStringLiteral("Email"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(tr("E-mail Note"));
    setFixedSize(Units::twipsRect(0, 0, 4680, 1635).size());

    auto *label1 = new QLabel(tr("Enter e-mail recepients"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setFont(arialBold(9));
    label1->setGeometry(Units::twipsRect(120, 120, 3840, 255));
    m_combo1 = new QComboBox(this);
    label1->setBuddy(m_combo1);   // a screen reader names the address box by it
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    m_combo1->setEditable(true);
    m_combo1->setInsertPolicy(QComboBox::NoInsert);   // Compose decides what joins the list
    m_combo1->setFont(arialBold(9));
    m_combo1->move(Units::twipsRect(120, 480, 0, 0).topLeft());
    m_combo1->setFixedWidth(Units::twipsToPixels(4455));
    m_command1 = new QPushButton(tr("Compose"), this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setFont(arialBold(11.25));
    m_command1->setGeometry(Units::twipsRect(120, 960, 2055, 495));
    m_command2 = new QPushButton(tr("Cancel"), this);
    m_command2->setObjectName(QStringLiteral("Command2"));
    m_command2->setFont(arialBold(11.25));
    m_command2->setGeometry(Units::twipsRect(2280, 960, 2235, 495));
    setTabOrder(m_combo1, m_command1);
    setTabOrder(m_command1, m_command2);
    connect(m_command1, &QPushButton::clicked, this, &EmailDialog::compose);
    connect(m_command2, &QPushButton::clicked, this, &EmailDialog::cancel);
    // Enter in the address box sends, as Compose does: the address is what the dialog asks for.
    connect(m_combo1->lineEdit(), &QLineEdit::returnPressed, this, &EmailDialog::compose);

    GrowToFit::apply(this);   // wide enough for the desktop's language
    MirroredPlaces::follow(this);   // mirrored under a language written right to left
    centreOnScreen();
}

void EmailDialog::onLoad()
{
    QString history;
    ErrorReport::run(m_program.dialogs(), QStringLiteral("Email"), QStringLiteral("Form_Load"), {
        {100, [this] { Skin::setStandardColors(this); }},
        {102, [this] { setWindowIcon(programIcon()); }},
        {104, [&] { history = m_program.store.get(m_program.CurrentNoteTag + NoteKeys::EmailAddresses); }},
        // Every address follows a comma, so the first entry is always the empty one.
        {106, [&] {
             int comma;
             while ((comma = history.indexOf(QLatin1Char(','))) >= 0) {
                 m_combo1->addItem(history.left(comma));
                 history = history.mid(comma + 1);
             }
         }},
        {116, [&] { m_combo1->addItem(history); }},
        {118, [this] { m_combo1->setCurrentIndex(0); }},
    });
}

QString EmailDialog::Subject(const QString &text)
{
    // The note's first word, with the blank that ends it. A note of one word is that word, and
    // the subject stops at a line break: a subject line cannot hold one.
    qsizetype start = 0;
    while (start < text.size() && text.at(start).isSpace())
        ++start;
    qsizetype end = start;
    while (end < text.size() && !text.at(end).isSpace())
        ++end;
    if (end == start)
        return QStringLiteral("(empty note)");
    if (end < text.size() && text.at(end) == QLatin1Char(' '))
        ++end;
    return text.mid(start, end - start);
}

QString EmailDialog::Link(const QString &address, const QString &subject, const QString &body)
{
    QString lines = body;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return QStringLiteral("mailto:") + encoded(address, "@,") + QStringLiteral("?Subject=") + encoded(subject)
        + QStringLiteral("&Body=") + encoded(lines);
}

void EmailDialog::compose()
{
    const QString address = m_combo1->currentText();
    const QString tag = m_program.CurrentNoteTag;
    if (!NoteCommands::IsInComboList(m_combo1, address)) {
        m_combo1->addItem(address);
        // Remembered for the note that is the target now; nothing for a note that is gone.
        if (!tag.isEmpty()) {
            const QString key = tag + NoteKeys::EmailAddresses;
            m_program.store.save(key, m_program.store.get(key) + QLatin1Char(',') + address);
        }
    }
    for (NoteWindow *note : m_program.currentNotes()) {
        const QString text = note->noteText();
        if (!m_program.shell().open(Link(address, Subject(text), text)))
            offerToCopy(text);
    }
    close();
}

void EmailDialog::offerToCopy(const QString &text)
{
    // Without a mail program the link goes nowhere: the user still gets the text to send.
    const MessageAnswer answer = m_program.dialogs().messageBox(
        this,
        tr("No mail program is set up on this computer to write this e-mail.\n\n"
                       "Copy the note's text, to paste it into a message yourself?"),
        tr("E-mail Note"), MessageButtons::CopyTextCancel, MessageIcon::Warning);
    if (answer == MessageAnswer::CopyText && !Clipboard::putText(text))
        m_program.dialogs().messageBox(this, tr("The text could not be copied: the clipboard is busy."),
                                       tr("E-mail Note"), MessageButtons::Ok, MessageIcon::Warning);
}

void EmailDialog::cancel()
{
    close();
}
