#include "runtime/ChildProcess.h"

#include <QCoreApplication>
#include <QList>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace runtime {

namespace {
QList<ChildProcess*>& live()
{
    static QList<ChildProcess*> children;
    return children;
}
} // namespace

// Children still running when the application object goes are stopped and
// reaped with it, as its QObject children.
ChildProcess::ChildProcess(qint64 memoryLimit)
    : QProcess(QCoreApplication::instance())
    , m_memoryLimit(memoryLimit)
{
    // A converter's chatter would mix with the program's own messages;
    // success is judged by the output file, not by what it prints.
    setStandardOutputFile(QProcess::nullDevice());
    setStandardErrorFile(QProcess::nullDevice());
    setStandardInputFile(QProcess::nullDevice());
    // Runs in the child between fork and exec: only async-signal-safe calls.
    setChildProcessModifier([limit = m_memoryLimit] {
        ::setpgid(0, 0);
        if (limit > 0) {
            const rlimit value{rlim_t(limit), rlim_t(limit)};
            ::setrlimit(RLIMIT_AS, &value);
        }
    });
    connect(this, &QProcess::finished, this, &ChildProcess::markEnded);
    connect(this, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            markEnded();
    });
}

ChildProcess::~ChildProcess()
{
    live().removeOne(this);
    // QProcess's own destructor reaps the child and reports its end; by
    // then this part of the object is gone, so nobody may hear of it.
    disconnect();
    stopGroup();
    waitForFinished(5000);
}

QPointer<ChildProcess> ChildProcess::launch(const QString& program, const QStringList& arguments,
                                            qint64 memoryLimit)
{
    auto* child = new ChildProcess(memoryLimit);
    live().append(child);
    child->start(program, arguments);
    return child;
}

void ChildProcess::markEnded()
{
    if (m_ended)
        return;
    m_ended = true;
    live().removeOne(this);
    emit ended();
    deleteLater();
}

void ChildProcess::stopGroup()
{
    // The pid is only ours while the child is not reaped, i.e. before it
    // ended; afterwards the group id may name someone else's processes.
    if (m_ended || processId() <= 0)
        return;
    ::kill(-pid_t(processId()), SIGKILL);
    ::kill(pid_t(processId()), SIGKILL);
}

void ChildProcess::stopAll()
{
    const QList<ChildProcess*> children = live();
    for (ChildProcess* child : children)
        child->stopGroup();
}

int ChildProcess::runningCount()
{
    return int(live().size());
}

} // namespace runtime
