#pragma once

#include <QEventLoop>
#include <QThread>

#include <memory>
#include <utility>

/** Runs `work` on a thread of its own and returns its result; meanwhile the calling thread goes
    on answering its events (the window thread stays responsive while a file is read). */
template <typename Work>
auto runOffThread(Work work) -> decltype(work())
{
    decltype(work()) result{};
    QEventLoop loop;
    std::unique_ptr<QThread> thread(QThread::create([&result, &work] { result = work(); }));
    // Queued to this thread: delivered by the loop below, even when the work ends before it runs.
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    thread->start();
    loop.exec();
    thread->wait();
    return result;
}
