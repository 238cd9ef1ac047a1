#include "gui/dialogs/reminderdialog.h"
#include "base/store/conversions.h"
#include "gui/platform/skin.h"

#include "gui/notebook/program.h"
#include "base/system/clock.h"
#include "gui/platform/errorreport.h"
#include "gui/platform/growtofit.h"
#include "gui/platform/mirroredplaces.h"
#include "gui/platform/programicon.h"
#include "gui/platform/units.h"
#include "base/reminder/reminderrule.h"
#include "base/store/notekeys.h"
#include "base/reminder/reminderdate.h"
#include "base/store/settingsstore.h"

#include <QCloseEvent>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

namespace {

// The picker's default, as the label beside it says.
constexpr int DefaultMinutesAhead = 10;

QLabel *label(QWidget *parent, const QString &name, const QString &text, const QRect &place)
{
    auto *made = new QLabel(text, parent);
    made->setObjectName(name);
    made->setGeometry(place);
    return made;
}

QFont arial(double points, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace

ReminderDialog::ReminderDialog(Program &program)
    : SmallDialog(program.forms)
    , m_program(program)
{
    setObjectName(QStringLiteral("Reminder"));
    // A fixed dialog with a title bar alone: no close control, window menu, minimise or maximise
    // box; "Hide This Window" puts it away. It has no taskbar entry.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    keepOffTaskbar();
    setFont(arial(9, true));
    setFixedSize(Units::twipsRect(0, 0, 5070, 2205).size());

    QLabel *timeLabel = label(this, QStringLiteral("Label1"), tr("Time for Reminder to Go Off:"),
                              Units::twipsRect(120, 120, 4095, 255));
    m_dtPicker1 = new QDateTimeEdit(this);
    timeLabel->setBuddy(m_dtPicker1);   // a screen reader names the picker by it
    m_dtPicker1->setObjectName(QStringLiteral("DTPicker1"));
    // In the form the date is shown in below it: one order of day, month and year on one screen.
    m_dtPicker1->setDisplayFormat(Conversions::dateFormat(QLocale()) + QLatin1Char(' ') + Conversions::timeFormat(QLocale()));
    m_dtPicker1->setDateTimeRange(QDateTime(QDate(1601, 1, 1), QTime(0, 0)),
                                  QDateTime(QDate(9999, 12, 31), QTime(23, 59, 59)));
    m_dtPicker1->setCalendarPopup(true);
    m_dtPicker1->setFont(arial(9, false));
    m_dtPicker1->setGeometry(Units::twipsRect(135, 450, 2505, 375));
    m_label4 = label(this, QStringLiteral("Label4"), tr("Default: 10 mins from now."),
                     Units::twipsRect(2700, 585, 2295, 255));
    label(this, QStringLiteral("Label2"), tr("Date for Reminder to Go Off:"),
          Units::twipsRect(120, 960, 4095, 255));
    m_label3 = label(this, QStringLiteral("Label3"), QString(), Units::twipsRect(120, 1320, 4770, 270));
    m_label3->setFont(arial(9, false));
    m_command1 = new QPushButton(tr("Set Reminder"), this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setFont(arial(11.25, true));
    m_command1->setGeometry(Units::twipsRect(120, 1680, 2295, 425));
    m_command2 = new QPushButton(tr("Hide This Window"), this);
    m_command2->setObjectName(QStringLiteral("Command2"));
    m_command2->setFont(arial(11.25, true));
    m_command2->setGeometry(Units::twipsRect(2595, 1680, 2295, 425));
    setTabOrder(m_dtPicker1, m_command1);
    setTabOrder(m_command1, m_command2);

    connect(m_command1, &QPushButton::clicked, this, &ReminderDialog::setOrDisable);
    connect(m_command2, &QPushButton::clicked, this, &ReminderDialog::putAway);
    // The first change the user makes shows the default no longer applies.
    connect(m_dtPicker1, &QDateTimeEdit::dateTimeChanged, this, [this] {
        if (!m_settingPicker)
            m_label4->hide();
    });

    // Wide enough for the desktop's language, both of the button's captions included.
    GrowToFit::apply(this, {{m_command1, {tr("Set Reminder"), tr("Disable Reminder")}}});
    MirroredPlaces::follow(this);   // mirrored under a language written right to left
    centreOnScreen();
}

void ReminderDialog::onLoad()
{
    ErrorReport::run(m_program.dialogs(), QStringLiteral("Reminder"), QStringLiteral("Form_Load"), {
        {100, [this] { Skin::setStandardColors(this); }},
        {102, [this] { setWindowIcon(programIcon()); }},
        {104, [this] {
             // Ten minutes from now, date included, as the label says.
             m_settingPicker = true;
             m_dtPicker1->setDateTime(m_program.clock().now().addSecs(DefaultMinutesAhead * 60));
             m_settingPicker = false;
         }},
    });
}

void ReminderDialog::onActivate()
{
    ErrorReport::run(m_program.dialogs(), QStringLiteral("Reminder"), QStringLiteral("Form_Activate"), {
        {100, [this] { showTargetNote(); }},
    });
}

QString ReminderDialog::targetTag() const
{
    const QString tag = m_program.CurrentNoteTag;
    return tag.isEmpty() || m_program.forms.withTag(tag).isEmpty() ? QString() : tag;
}

void ReminderDialog::showTargetNote()
{
    const QString tag = targetTag();
    // A dialog that stores nothing must not claim a reminder: it says there is no note to set one for.
    m_command1->setEnabled(!tag.isEmpty());
    if (tag.isEmpty()) {
        showEnabled(false);
        setWindowTitle(tr("Reminder"));
        m_label3->setText(tr("No note chosen: right-click a note and choose Set Reminder."));
        m_label3->setToolTip(QString());
        return;
    }
    const bool enabled = ReminderRule::isEnabled(m_program.store.get(tag + NoteKeys::ReminderStatus));
    showEnabled(enabled);
    const QString stored = m_program.store.get(tag + NoteKeys::ReminderDate);
    const QDateTime date =
        ReminderDate::fromStored([&](const QString &suffix) { return m_program.store.get(tag + suffix); });
    const bool readable = stored.isEmpty() || date.isValid();
    // Shown in this desktop's form, whichever language the date was set under (one order on the
    // screen, the picker's). A date no form reads makes the reminder wait; the user must know it
    // will not go off.
    m_label3->setText(stored.isEmpty() ? stored
                      : readable       ? Conversions::generalDate(date)
                                       : tr("This date cannot be read: set it again."));
    m_label3->setToolTip(readable ? QString()
                                  : tr("\"%1\" is in a form this desktop does not read. The reminder waits "
                                       "until it is set again; it never goes off early.").arg(stored));
}

void ReminderDialog::showEnabled(bool enabled)
{
    m_showsEnabled = enabled;
    setWindowTitle(enabled ? tr("Reminder [Enabled]") : tr("Reminder [Disabled]"));
    m_command1->setText(enabled ? tr("Disable Reminder") : tr("Set Reminder"));
}

void ReminderDialog::setOrDisable()
{
    const QString tag = targetTag();
    // The note was deleted while the dialog was open: nothing is stored, and the dialog says so.
    if (tag.isEmpty()) {
        showTargetNote();
        return;
    }
    // What the button offers as pressed, not its caption, which is in the desktop's language.
    if (!m_showsEnabled) {
        showEnabled(true);
        const QDateTime value = m_dtPicker1->dateTime();
        m_label3->setText(Conversions::generalDate(value));
        m_label3->setToolTip(QString());
        const QTime time = value.time();
        std::vector<std::pair<QString, QString>> writes = {
            {tag + NoteKeys::ReminderStatus, QStringLiteral("Enabled")},
            {tag + NoteKeys::ReminderDate, Conversions::generalDate(value)},
            // The same in a form every locale reads, for a desktop in another language.
            {tag + NoteKeys::ReminderDateIso, ReminderDate::fixedForm(value)},
            {tag + NoteKeys::ReminderHours, QString::number(time.hour())},
            {tag + NoteKeys::ReminderMinutes, QString::number(time.minute())},
            {tag + NoteKeys::ReminderSeconds, QString::number(time.second())},
        };
        // Today's time already passed as it is set: the first alarm is tomorrow's, also after a restart.
        if (const auto passed = ReminderRule::passedToday(m_program.clock().now(), time.hour(), time.minute(),
                                                          time.second()))
            writes.emplace_back(tag + NoteKeys::ReminderLastAlarm, ReminderRule::lastAlarmValue(*passed));
        m_program.store.saveMany(writes);
    } else {
        showEnabled(false);
        m_program.store.save(tag + NoteKeys::ReminderStatus, QStringLiteral("Disabled"));
        m_label3->clear();
        m_label3->setToolTip(QString());
    }
    emit m_program.remindersChanged();
}

void ReminderDialog::putAway()
{
    hide();
}

bool ReminderDialog::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        onActivate();
    return ProgramWindow::event(event);
}

void ReminderDialog::closeEvent(QCloseEvent *event)
{
    // It has no close control; a close the window manager sends only hides it, as its button does.
    event->ignore();
    hide();
}

void ReminderDialog::act()
{
    if (focusWidget() == m_command2)
        putAway();
    else if (m_command1->isEnabled())
        m_command1->click();
}
