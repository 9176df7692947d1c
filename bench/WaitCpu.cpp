// The front end's CPU time while it waits for a child, against the child's
// wall time, in one run: the event loop waits for `sleep 3` while it
// stays live, as a conversion waits for its converter. Goal: under 1 % of one core.
#include "runtime/Application.h"
#include "runtime/ChildProcess.h"
#include "runtime/EventWait.h"

#include <QElapsedTimer>
#include <QStandardPaths>

#include <cstdio>
#include <sys/resource.h>

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    runtime::Application app(argc, argv);
    const QString sleep = QStandardPaths::findExecutable(QStringLiteral("sleep"));

    const double cpuBefore = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    QPointer<runtime::ChildProcess> child = runtime::ChildProcess::launch(sleep, {QStringLiteral("3")});
    bool ran = false;
    QObject::connect(child, &runtime::ChildProcess::ended, [&] { ran = child->succeeded(); });
    runtime::EventWait until([&] { return !child || child->hasEnded(); });
    if (child)
        until.wakeOn(child.data(), &runtime::ChildProcess::ended);
    until.run();
    const double wallSeconds = wall.nsecsElapsed() / 1e9;
    const double cpu = cpuSeconds() - cpuBefore;

    const double ratio = 100.0 * cpu / wallSeconds;
    std::printf("child wall time      %8.3f s\n", wallSeconds);
    std::printf("front end CPU time   %8.3f s\n", cpu);
    std::printf("ratio                %8.3f %% of one core (goal < 1 %%): %s\n", ratio,
                ratio < 1.0 ? "met" : "NOT met");
    return ran && ratio < 1.0 ? 0 : 1;
}
