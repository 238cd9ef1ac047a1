#pragma once

#include <QEventLoop>
#include <QObject>
#include <QTimer>

// Runs the event loop as the program's own outermost loop runs (requests from other processes
// are taken only there, never inside a nested loop), until `done` or the time is up.
template <typename Done>
bool serveUntil(Done done, int ms = 5000)
{
    QEventLoop loop;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    look.start(2);
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    if (!done())
        loop.exec();
    return done();
}

/** Serves for this long, whatever happens. */
inline void serveFor(int ms)
{
    serveUntil([] { return false; }, ms);
}
