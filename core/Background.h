#pragma once

#include <QFuture>
#include <QFutureWatcher>
#include <QObject>
#include <QPromise>
#include <QThread>

#include <functional>
#include <memory>
#include <type_traits>

// The one way this program works off the UI thread: a job runs elsewhere and
// reports through a QPromise; the UI side holds the QFuture and, with
// deliver(), receives each result on its own thread. Jobs make QImages and
// plain data, never widgets or pixmaps. Qt Core only: the Windows Qt is built
// without QtConcurrent.
namespace Background {

enum class Policy {
    // A thread of Qt's global pool: reused, no thread start per job. The
    // application object waits for every pool job as it is destroyed, so
    // only work that always ends belongs here.
    Pool,
    // A thread of its own that nothing waits for, not even the program's exit.
    // For work that can block without end: a file system call on a mount that
    // stopped answering (a pool job stuck there would hang the program's exit).
    Unwaited,
};

// Runs task on a thread as the policy says; a pool job runs at the given
// priority (where the system has priorities for ordinary threads).
void launch(Policy policy, std::function<void()> task, QThread::Priority priority);

// Runs job(promise) off the calling thread and returns the promise's future.
// A job that runs long checks promise.isCanceled() between its steps.
template <typename T>
QFuture<T> start(Policy policy, std::function<void(QPromise<T> &)> job,
                 QThread::Priority priority = QThread::InheritPriority)
{
    auto promise = std::make_shared<QPromise<T>>();
    QFuture<T> future = promise->future();
    promise->start();
    launch(
        policy,
        [promise, job = std::move(job)] {
            job(*promise);
            promise->finish();
        },
        priority);
    return future;
}

// The same for a callable that returns its one result.
template <typename F>
auto run(Policy policy, F function) -> QFuture<std::invoke_result_t<F>>
{
    using T = std::invoke_result_t<F>;
    return start<T>(policy, [function = std::move(function)](QPromise<T> &promise) { promise.addResult(function()); });
}

// Calls onResult(index, result) on the receiver's thread for every result as it
// arrives, never after the receiver is gone (the watcher is its child) nor
// after the returned watcher is deleted, which is how a caller drops a job's
// remaining results. The watcher deletes itself when the job has finished.
template <typename T, typename F>
QFutureWatcher<T> *deliver(const QFuture<T> &future, QObject *receiver, F onResult)
{
    auto *watcher = new QFutureWatcher<T>(receiver);
    QObject::connect(watcher, &QFutureWatcherBase::resultReadyAt, receiver,
                     [watcher, onResult = std::move(onResult)](int index) { onResult(index, watcher->resultAt(index)); });
    QObject::connect(watcher, &QFutureWatcherBase::finished, watcher, &QObject::deleteLater);
    watcher->setFuture(future);
    return watcher;
}

} // namespace Background
