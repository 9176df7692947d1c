#include "runtime/ChildProcess.h"

#include <QCoreApplication>

#include <csignal>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace runtime {

namespace {
// Enough for the last lines of a converter's complaint; a child that
// prints without end must not grow the program's memory.
constexpr qsizetype ErrorTailBytes = 4096;
} // namespace

// Children still running when the application object goes are stopped and
// reaped with it, as its QObject children.
ChildProcess::ChildProcess(const Options& options) : QProcess(QCoreApplication::instance()), m_options(options)
{
    // A converter's chatter would mix with the program's own messages; only
    // its complaints are kept, to say why it failed.
    setStandardOutputFile(QProcess::nullDevice());
    setStandardInputFile(QProcess::nullDevice());
    if (!options.workingDirectory.isEmpty())
        setWorkingDirectory(options.workingDirectory);
    // Runs in the child between fork and exec: only async-signal-safe calls.
    setChildProcessModifier([limit = options.memoryLimit, parent = ::getpid()] {
        ::setpgid(0, 0);
        // The kernel kills the child when QUARLEX dies, however it dies; if
        // QUARLEX died before this line, nobody is left to wait for it.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent)
            ::_exit(127);
        if (limit > 0) {
            const rlimit value{rlim_t(limit), rlim_t(limit)};
            ::setrlimit(RLIMIT_AS, &value);
        }
    });
    connect(this, &QProcess::readyReadStandardError, this, &ChildProcess::keepErrorOutput);
    connect(this, &QProcess::finished, this, &ChildProcess::markEnded);
    connect(this, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            markEnded();
    });
    m_timeLimit.setSingleShot(true);
    connect(&m_timeLimit, &QTimer::timeout, this, [this] {
        m_timedOut = true;
        stopGroup();
    });
}

ChildProcess::~ChildProcess()
{
    // QProcess's own destructor reaps the child and reports its end; by
    // then this part of the object is gone, so nobody may hear of it.
    disconnect();
    stopGroup();
    waitForFinished(5000);
}

QPointer<ChildProcess> ChildProcess::launch(const QString& program, const QStringList& arguments,
                                            const Options& options)
{
    auto* child = new ChildProcess(options);
    child->start(program, arguments);
    if (options.timeLimitMs > 0 && !child->m_ended)
        child->m_timeLimit.start(options.timeLimitMs);
    return child;
}

QPointer<ChildProcess> ChildProcess::launch(const QString& program, const QStringList& arguments, qint64 memoryLimit)
{
    Options options;
    options.memoryLimit = memoryLimit;
    return launch(program, arguments, options);
}

bool ChildProcess::succeeded() const
{
    return m_ended && !m_timedOut && error() != QProcess::FailedToStart && exitStatus() == QProcess::NormalExit
        && exitCode() == 0;
}

void ChildProcess::keepErrorOutput()
{
    m_errorTail += readAllStandardError();
    if (m_errorTail.size() > ErrorTailBytes)
        m_errorTail.remove(0, m_errorTail.size() - ErrorTailBytes);
}

void ChildProcess::markEnded()
{
    if (m_ended)
        return;
    keepErrorOutput();
    m_ended = true;
    m_timeLimit.stop();
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

} // namespace runtime
