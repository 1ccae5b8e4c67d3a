#include "core/Background.h"

#include <QThreadPool>

#include <thread>

namespace Background {

void launch(Policy policy, std::function<void()> task, QThread::Priority priority)
{
    if (policy == Policy::Unwaited) {
        // Detached: a check stuck in the kernel costs one sleeping thread and
        // holds up nothing, the program's exit included.
        std::thread(std::move(task)).detach();
        return;
    }
    QThreadPool::globalInstance()->start([task = std::move(task), priority] {
        // A pool thread serves the next job too: it gets its priority back.
        QThread *thread = QThread::currentThread();
        const QThread::Priority before = thread->priority();
        if (priority != QThread::InheritPriority)
            thread->setPriority(priority);
        task();
        if (priority != QThread::InheritPriority)
            thread->setPriority(before == QThread::InheritPriority ? QThread::NormalPriority : before);
    });
}

} // namespace Background
