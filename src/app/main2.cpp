#include "app/main2.h"

#include "app/program.h"
#include "app/stayon.h"
#include "commands/menuform.h"
#include "note/form1.h"
#include "platform/errorreport.h"
#include "platform/formtimer.h"
#include "platform/product.h"
#include "platform/units.h"
#include "store/conversions.h"
#include "store/notekeys.h"
#include "store/settingsstore.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSet>

#include <limits>

namespace Main2 {

namespace {

// The highest note slot that holds any key in the store.
int highestStoredSlot(const SettingsStore &store)
{
    int highest = 0;
    const QString prefix = NoteKeys::TagPrefix;
    for (const QString &key : store.keys()) {
        if (!key.startsWith(prefix))
            continue;
        const int dot = key.indexOf(QLatin1Char('.'), prefix.size());
        bool ok = false;
        const int index = QStringView(key).mid(prefix.size(), dot - prefix.size()).toInt(&ok);
        if (ok && index > highest)
            highest = index;
    }
    return std::min<int>(highest, std::numeric_limits<qint16>::max());
}

template <typename Convert>
void applyIfStored(SettingsStore &store, const QString &key, Convert convert)
{
    const QString text = store.get(key);
    if (!text.isEmpty())
        convert(text);
}

// Where the shared check mark ends up once every stored stacking has been applied: the last
// note with a stored value decides it, and without one it stays as the menu window loads it (on).
bool finalAlwaysOnTop(Program &program)
{
    bool onTop = program.menuForm().AlwaysOnTopName()->isChecked();
    for (int index = 1; index <= program.NoteCount; ++index) {
        if (const auto stored = Conversions::toBool(program.store.get(NoteKeys::tagFor(index) + NoteKeys::AlwaysOnTop)))
            onTop = *stored;
    }
    return onTop;
}

void buildNote(Program &program, int index, bool unstoredOnTop)
{
    SettingsStore &store = program.store;
    auto *note = new Form1(program);
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

    using namespace Conversions;
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
    const auto onTop = toBool(store.get(tag + NoteKeys::AlwaysOnTop));
    if (onTop) {
        QAction *check = program.menuForm().AlwaysOnTopName();
        check->setChecked(*onTop);
        if (check->isChecked())
            MakeTopmost(note);
        else
            MakeNotTopmost(note);
    } else if (unstoredOnTop) {
        // A note without a stored stacking follows the check mark the menu will show, so that
        // the menu never shows "Always On Top" checked over notes that are not on top.
        MakeTopmost(note);
    }

    note->Timer1()->setInterval(1);
    note->show();
}

} // namespace

int NotesToOpen(Program &program)
{
    const double stored = Conversions::roundHalfEven(
        Conversions::leadingNumber(program.store.get(NoteKeys::TotalForms, NoteKeys::DefaultTotalForms)));
    // Never more windows than the store has notes for (a count of thousands over a few notes
    // would bury the desktop), and at least one, so the user is never left without a note. A
    // count that is 0, negative or too large cannot be what was meant: open the stored notes.
    const int highest = highestStoredSlot(program.store);
    if (stored >= 1 && stored <= std::numeric_limits<qint16>::max())
        return std::max(1, std::min(int(stored), highest));
    return std::max(1, highest);
}

void StartUp(Program &program)
{
    program.NoteCount = qint16(NotesToOpen(program));
    const bool unstoredOnTop = finalAlwaysOnTop(program);
    for (int index = 1; index <= program.NoteCount; ++index)
        buildNote(program, index, unstoredOnTop);
}

QString SkinFilePath()
{
    return Units::programFolder() + QStringLiteral("/x/o.cjs");
}

void ApplySkinFile(Program &program)
{
    const QString path = SkinFilePath();
    if (!QFileInfo(path).isFile())
        return;
    MenuForm &menuForm = program.menuForm();
    SetStandardColors(&menuForm);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw Failure(QStringLiteral("The skin file %1 cannot be read: %2").arg(path, file.errorString()));
    const QString sheet = QString::fromUtf8(file.readAll());
    // Every note loads the skin again; the menu is restyled only when the file changed.
    if (menuForm.styleSheet() != sheet)
        menuForm.setStyleSheet(sheet);
}

void SetStandardColors(QWidget *window)
{
    Units::setBackColor(window, Units::ButtonFace);
    for (QWidget *child : window->findChildren<QWidget *>()) {
        if (qobject_cast<QRadioButton *>(child) || qobject_cast<QCheckBox *>(child)
            || qobject_cast<QGroupBox *>(child) || qobject_cast<QLabel *>(child))
            Units::setBackColor(child, Units::ButtonFace);
    }
}

QString ShortenedTitle(const QString &fullName)
{
    QString title = fullName;
    do {
        const int space = title.lastIndexOf(QLatin1Char(' '));
        if (space < 0)
            break;   // nothing left to cut: keep the single word
        title.truncate(space);
    } while (title.size() > 40);
    return title;
}

void SetAppTitle()
{
    // Kept as the program's title, not as Qt's application display name: Qt appends that to every
    // window's caption, which cut "Reminder [Enabled]" down to "Reminder [Enab…" in title bars.
    qApp->setProperty(Product::AppTitleProperty, ShortenedTitle(Product::FullName));
}

QString AppTitle()
{
    return qApp->property(Product::AppTitleProperty).toString();
}

} // namespace Main2

#include <QClipboard>
#include <QEventLoop>
#include <QMimeData>
#include <QTimer>

namespace Main2 {

namespace {

constexpr int ClipboardAttempts = 1000;

// Text formats by their old numbers: 0 the default, 1 plain text, 7 OEM text, 13 Unicode text.
bool isTextFormat(int format)
{
    return format == 0 || format == 1 || format == 7 || format == 13;
}

template <typename Access>
void retry(Access access)
{
    for (int attempt = 0; attempt < ClipboardAttempts; ++attempt) {
        if (access())
            return;
    }
}

} // namespace

QString DateFormat(const QLocale &locale)
{
    // Never a two-digit year: a note outlives its century.
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

QString TimeFormat(const QLocale &locale)
{
    // The long format carries the time zone; a note wants the time of day alone.
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return format.trimmed();
}

QString GeneralDate(const QDateTime &value)
{
    const QLocale locale;
    return locale.toString(value, DateFormat(locale) + QLatin1Char(' ') + TimeFormat(locale));
}

QDateTime ParseGeneralDate(const QString &text)
{
    const QLocale locale;
    QDateTime parsed = locale.toDateTime(text.trimmed(), DateFormat(locale) + QLatin1Char(' ') + TimeFormat(locale));
    if (!parsed.isValid())
        parsed = QDateTime::fromString(text.trimmed(), Qt::ISODate);
    return parsed;
}

void DoEventsTwice()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

void Pause(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void ClearClipboard()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    retry([clipboard] {
        clipboard->clear();
        const QMimeData *data = clipboard->mimeData();
        return !data || data->formats().isEmpty();
    });
}

bool PutClipboardText(const QString &text, int format)
{
    if (!isTextFormat(format))
        return false;
    QClipboard *clipboard = QGuiApplication::clipboard();
    bool placed = false;
    retry([&] {
        clipboard->setText(text);
        placed = clipboard->text() == text;
        return placed;
    });
    return placed;
}

QString GetClipboardText(int format)
{
    QString text;
    if (!isTextFormat(format))
        return text;
    QClipboard *clipboard = QGuiApplication::clipboard();
    retry([&] {
        const QMimeData *data = clipboard->mimeData();
        if (!data)
            return false;   // the clipboard could not be read this time
        text = data->hasText() ? data->text() : QString();
        return true;
    });
    return text;
}

} // namespace Main2

#include "platform/shell.h"

namespace Main2 {

void ShellOpen(Program &program, QWidget *owner, const QString &target)
{
    Q_UNUSED(owner);   // the desktop's handlers open their own windows
    program.shell().open(target);
}

} // namespace Main2
