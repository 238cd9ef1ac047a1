// The floor for start-up: N plain frameless top-level windows of the note's size (the window
// type notes have), each holding a text field, at distinct places, and nothing else (no store,
// no menu, no timers, no window-manager hints). Like the notes, none takes the focus as it
// appears: a window manager that hands each new window the focus costs the X server and itself
// half as much again. What the program costs beyond this is its own.
//
// Usage: quillarren_floor N

#include <QApplication>
#include <QPlainTextEdit>
#include <QWidget>

#include <cstdio>
#include <vector>

namespace {

constexpr int NoteWidth = 133;
constexpr int NoteHeight = 157;
constexpr int StripHeight = 24;

// Distinct places on a 1280 x 1024 screen: rows of 40 notes, 28 px apart, rows 34 px apart.
// The benchmark seeds the program's notes at the same places.
QPoint placeFor(int i)
{
    return QPoint(10 + (i % 40) * 28, 10 + (i / 40) * 34);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 1;
    if (count < 1) {
        std::fprintf(stderr, "usage: %s N   (N >= 1 windows)\n", argv[0]);
        return 2;
    }

    std::vector<QWidget *> windows;
    windows.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        auto *window = new QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint);
        window->setAttribute(Qt::WA_ShowWithoutActivating);
        window->resize(NoteWidth, NoteHeight);
        window->move(placeFor(i));
        auto *text = new QPlainTextEdit(window);
        text->setGeometry(0, StripHeight, NoteWidth, NoteHeight - StripHeight);
        text->setPlainText(QStringLiteral("note %1").arg(i + 1));
        window->show();
        windows.push_back(window);
    }
    const int code = QApplication::exec();
    for (QWidget *window : windows)
        delete window;
    return code;
}
