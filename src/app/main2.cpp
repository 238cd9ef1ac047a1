#include "app/main2.h"

#include "app/noteopener.h"
#include "app/program.h"
#include "app/stayon.h"
#include "commands/menuform.h"
#include "note/form1.h"
#include "platform/errorreport.h"
#include "platform/formtimer.h"
#include "base/system/product.h"
#include "platform/units.h"
#include "base/store/conversions.h"
#include "base/store/notekeys.h"
#include "base/store/noteslots.h"
#include "base/store/settingsstore.h"

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

Form1 *buildNote(Program &program, int index, bool unstoredOnTop, bool storedOnTopDecides)
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

    ApplyStoredLook(program, note);
    using Conversions::toBool;
    const auto onTop = storedOnTopDecides ? toBool(store.get(tag + NoteKeys::AlwaysOnTop)) : std::nullopt;
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
    return note;
}

} // namespace

void ApplyStoredLook(Program &program, Form1 *note)
{
    using namespace Conversions;
    SettingsStore &store = program.store;
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

int NotesToOpen(Program &program)
{
    return NoteSlots::openCount(program.store);
}

void StartUp(Program &program)
{
    BeginStartUp(program);
    program.opener().finishNow();
}

void BeginStartUp(Program &program)
{
    program.NoteCount = qint16(NotesToOpen(program));
    // Every note has an id of its own from its first start on; nothing else is written.
    const NoteSlots::Writes ids = NoteSlots::missingIds(program.store, program.NoteCount);
    if (!ids.empty())
        program.store.saveMany(ids);
    program.opener().open(1, program.NoteCount, NoteOpener::Stacking::AsStored, finalAlwaysOnTop(program));
}

Form1 *OpenStartUpNote(Program &program, int index, bool unstoredOnTop)
{
    return buildNote(program, index, unstoredOnTop, true);
}

Form1 *OpenStoredNote(Program &program, int index)
{
    // A note that joins the open ones is stacked as they are: the stacking is the program's.
    return buildNote(program, index, program.menuForm().AlwaysOnTopName()->isChecked(), false);
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
    return Conversions::dateFormat(locale);
}

QString TimeFormat(const QLocale &locale)
{
    return Conversions::timeFormat(locale);
}

QString GeneralDate(const QDateTime &value)
{
    return Conversions::generalDate(value);
}

QDateTime ParseGeneralDate(const QString &text)
{
    return Conversions::parseGeneralDate(text);
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

bool ShellOpen(Program &program, QWidget *owner, const QString &target)
{
    Q_UNUSED(owner);   // the desktop's handlers open their own windows
    return program.shell().open(target);
}

} // namespace Main2
