#pragma once

#include "gui/menu/menuanddialogs.h"
#include "gui/notebook/program.h"
#include "gui/notebook/notebook.h"
#include "fakeclock.h"
#include "fakedialogs.h"
#include "fakeshell.h"
#include "fakesound.h"
#include "gui/note/notewindow.h"
#include "gui/platform/windowtimer.h"
#include "gui/platform/qtlayeredwindow.h"
#include "base/store/notekeys.h"
#include "base/store/settingsstore.h"
#include "ondisk.h"

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A whole program on the real store in a temporary folder, with dialogs and clock answered by
// doubles. start() runs start-up; restart() ends this run and starts again from the same file.
class TestProgram
{
public:
    TestProgram()
    {
        qputenv("XDG_CONFIG_HOME", m_dir.path().toUtf8());
        openStore();
    }

    ~TestProgram() { stop(); }

    SettingsStore &store() { return *m_store; }
    Program &program() { return *m_program; }
    /** The menu, the dialogs and the reminder check, as the running program has them. */
    MenuAndDialogs &windows() { return *m_windows; }
    FakeDialogs dialogs;
    FakeClock clock;
    FakeShell shell;
    FakeSound sound;
    QtLayeredWindow layered;
    int endCount = 0;
    QString storePath() const { return m_dir.path() + QStringLiteral("/Brimvale/Quillarren.sqlite3"); }

    void seed(const QString &key, const QString &value) { m_store->save(key, value); }

    /** "Total Forms" N, and a key in slot N so that start-up opens all N (it opens no slot
        beyond the last one that holds a key). */
    void seedCount(int count)
    {
        seed(NoteKeys::TotalForms, QString::number(count));
        seed(NoteKeys::tagFor(count) + NoteKeys::ActivehWnd, QString());
    }

    /** Stores one note a text, at distinct whole-pixel places, and "Total Forms" to match. */
    void seedNotes(const QStringList &texts)
    {
        seed(NoteKeys::TotalForms, QString::number(texts.size()));
        for (int i = 0; i < texts.size(); ++i) {
            const QString tag = NoteKeys::tagFor(i + 1);
            seed(tag + NoteKeys::Notes, texts.at(i));
            seed(tag + NoteKeys::Left, QString::number(300 + 1500 * i));
            seed(tag + NoteKeys::Top, QString::number(600 + 150 * i));
        }
    }

    /** Every stored value but the windows' own book-keeping (their handles, their translucency
        set-up), which their events write at any moment. */
    QHash<QString, QString> storedValues() const
    {
        QHash<QString, QString> values;
        for (const QString &key : m_store->keys()) {
            if (!key.endsWith(NoteKeys::ActivehWnd) && !key.endsWith(NoteKeys::TransCount))
                values.insert(key, m_store->get(key));
        }
        return values;
    }

    /** The texts of the open notes, in load order. */
    QStringList texts() const
    {
        QStringList found;
        for (NoteWindow *note : notes())
            found.append(note->textField()->toPlainText());
        return found;
    }

    /** A right press in the note's text field, choosing the item from the popup menu. */
    void choose(NoteWindow *note, const QString &item)
    {
        dialogs.menuChoices.enqueue(item);
        QTest::mousePress(note->textField()->viewport(), Qt::RightButton, {}, QPoint(20, 20));
        QTestPrivate::qtestMouseButtons = Qt::NoButton;   // the menu took the release
    }

    static void select(NoteWindow *note, int anchor, int position)
    {
        QTextCursor cursor = note->textField()->textCursor();
        cursor.setPosition(anchor);
        cursor.setPosition(position, QTextCursor::KeepAnchor);
        note->textField()->setTextCursor(cursor);
    }

    void start()
    {
        m_program->notebook().startUp();
    }

    /** Ends this run without storing anything (as a crash would) and starts again. */
    void restart()
    {
        stop();
        openStore();
        start();
    }

    QList<NoteWindow *> notes() const
    {
        QList<NoteWindow *> found;
        for (ProgramWindow *form : m_program->forms.notes())
            found.append(qobject_cast<NoteWindow *>(form));
        return found;
    }

    NoteWindow *note(const QString &tag) const
    {
        for (NoteWindow *n : notes()) {
            if (n->Tag() == tag)
                return n;
        }
        return nullptr;
    }

    /** Lets deferred deletions of unloaded windows happen. */
    static void settle()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    /** Every test's cleanup: a program that ended left no window behind. */
    static void expectNoWindowsLeft()
    {
        settle();
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    /** Keys typed at the end of the note's text, as a user who clicked there would. */
    static void typeAtEnd(NoteWindow *note, const QString &keys)
    {
        note->textField()->moveCursor(QTextCursor::End);
        QTest::keyClicks(note->textField(), keys);
    }

    /** The see-through set-up runs once after showing and stores the note's next counter: let it
        finish before seeding keys it would overwrite. */
    static void settleSeeThrough(NoteWindow *note) { QTRY_COMPARE(note->seeThroughTimer()->interval(), 0); }
    void settleSeeThrough()
    {
        for (NoteWindow *note : notes())
            settleSeeThrough(note);
    }

    /** The texts of slots 1 … "Total Forms", as the next start reads them. */
    static QStringList storedTexts(const SettingsStore &store)
    {
        QStringList texts;
        const int count = store.get(NoteKeys::TotalForms).toInt();
        for (int slot = 1; slot <= count; ++slot)
            texts.append(store.get(NoteKeys::tagFor(slot) + NoteKeys::Notes));
        return texts;
    }

private:
    void openStore()
    {
        m_store = std::make_unique<SettingsStore>();
        const auto result = m_store->open(storePath());
        QVERIFY2(result.ok, qPrintable(result.error));
        m_program = std::make_unique<Program>(*m_store, Platform{&dialogs, &clock, &layered, &shell, &sound});
        m_program->onEnd = [this] { ++endCount; };
        m_windows = std::make_unique<MenuAndDialogs>(*m_program);
    }

    void stop()
    {
        m_windows.reset();
        m_program.reset();
        settle();
        m_store.reset();
    }

    QTemporaryDir m_dir;
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<Program> m_program;
    std::unique_ptr<MenuAndDialogs> m_windows;
};
