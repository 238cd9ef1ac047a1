#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QWidget>

class WindowList;

// A window of the program: it carries a Tag, runs its load step at its first use and its
// unload step when it is unloaded, and is listed among the loaded windows meanwhile.
class ProgramWindow : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ProgramWindow)

public:
    explicit ProgramWindow(WindowList &forms, QWidget *parent = nullptr);
    ~ProgramWindow() override;

    QString Tag() const { return m_tag; }
    /** Setting the tag is a use of the window, so an unloaded window is loaded first. */
    void setTag(const QString &tag);

    /** Runs the load step once and joins the loaded-window list. */
    void load();
    bool isLoaded() const { return m_loaded; }
    /** Runs the unload step, leaves the list and destroys the window once control returns. */
    void unload();

    /** The window's native handle, 0 while it has none. */
    qint64 hWnd() const;

    bool isTopmost() const { return m_topmost; }
    void setTopmost(bool topmost);

protected:
    virtual void onLoad() {}
    virtual void onUnload() {}
    /** The window stays out of taskbars and pagers, through every showing and restacking. */
    void keepOffTaskbar() { m_offTaskbar = true; }
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    WindowList &m_forms;
    QString m_tag;
    bool m_loaded = false;
    bool m_unloading = false;
    bool m_topmost = false;
    bool m_offTaskbar = false;
};

// The loaded windows of the program, in the order they were loaded.
class WindowList final : public QObject
{
    Q_OBJECT

public:
    const QList<ProgramWindow *> &all() const { return m_forms; }
    QList<ProgramWindow *> withTag(const QString &tag) const;
    /** The loaded note windows: those whose Tag contains "NotesForm". */
    QList<ProgramWindow *> notes() const;

signals:
    /** The last window with a Tag that names a note has left the list. */
    void lastNoteUnloaded();

private:
    friend class ProgramWindow;
    void add(ProgramWindow *form);
    void remove(ProgramWindow *form);

    QList<ProgramWindow *> m_forms;
};
