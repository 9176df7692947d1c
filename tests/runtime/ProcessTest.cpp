#include "common/FakePrograms.h"
#include "common/WaitUntil.h"
#include "runtime/ChildProcess.h"
#include "runtime/EventWait.h"
#include "runtime/StopSignals.h"

#include <QDir>
#include <QFile>
#include <QTimer>
#include <gtest/gtest.h>

#include <csignal>

using runtime::ChildProcess;

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs the event loop until the child has ended.
void waitForEnd(const QPointer<ChildProcess>& child)
{
    runtime::EventWait until([&] { return !child || child->hasEnded(); });
    if (child)
        until.wakeOn(child.data(), &ChildProcess::ended);
    ASSERT_TRUE(until.run(20000));
}

} // namespace

TEST(ChildProcess, EventsRunWhileTheWaitLastsUntilTheChildEnds)
{
    FakePrograms fakes;
    fakes.setBehaviour(QStringLiteral("partial"));
    const QString output = fakes.path(QStringLiteral("out file.txt"));
    // The child writes half and waits for a release file that only an event
    // handler, running inside the wait, creates.
    QTimer releaser;
    QObject::connect(&releaser, &QTimer::timeout, [&] {
        if (QFile::exists(output)) {
            QFile release(fakes.path(QStringLiteral("release")));
            release.open(QIODevice::WriteOnly);
        }
    });
    releaser.start(5);
    QPointer<ChildProcess> child = ChildProcess::launch(FakePrograms::fakeProgram(), {output});
    waitForEnd(child);
    EXPECT_EQ(contents(output), "<html><body>first half second half</body></html>\n");
    EXPECT_EQ(fakes.runs().value(0).workingDirectory, QDir::currentPath());
}

TEST(ChildProcess, MemoryLimitMakesAGreedyChildFailAlone)
{
    FakePrograms fakes;
    fakes.setBehaviour(QStringLiteral("alloc"));
    qputenv("FAKE_ALLOC_MB", "96");
    struct Case {
        qint64 limit;
        bool writes;
    };
    for (const Case c : {Case{qint64(48) << 20, false}, Case{qint64(512) << 20, true}}) {
        const QString output = fakes.path(QStringLiteral("alloc%1").arg(c.limit));
        QPointer<ChildProcess> child = ChildProcess::launch(FakePrograms::fakeProgram(), {output}, c.limit);
        int exitCode = -1;
        QObject::connect(child, &QProcess::finished, [&](int code) { exitCode = code; });
        waitForEnd(child);
        EXPECT_EQ(QFile::exists(output), c.writes) << c.limit;
        EXPECT_EQ(exitCode, c.writes ? 0 : 3) << c.limit;
    }
    qunsetenv("FAKE_ALLOC_MB");
}

TEST(ChildProcess, TimeLimitStopsTheGroupAndComplaintsAreKept)
{
    FakePrograms fakes;
    fakes.setBehaviour(QStringLiteral("hang"));
    ChildProcess::Options options;
    options.timeLimitMs = 200;
    options.workingDirectory = fakes.makeFolder(QStringLiteral("work"));
    QPointer<ChildProcess> child = ChildProcess::launch(FakePrograms::fakeProgram(), {"out"}, options);
    bool timedOut = false;
    bool succeeded = true;
    QObject::connect(child, &ChildProcess::ended, [&] {
        timedOut = child->timedOut();
        succeeded = child->succeeded();
    });
    waitForEnd(child);
    EXPECT_TRUE(timedOut);
    EXPECT_FALSE(succeeded);
    const QList<pid_t> pids = fakes.startedPids();
    ASSERT_EQ(pids.size(), 2);
    EXPECT_TRUE(WaitUntil([&] { return !FakePrograms::isAlive(pids[0]) && !FakePrograms::isAlive(pids[1]); }));
    EXPECT_EQ(fakes.runs().value(0).workingDirectory, options.workingDirectory);

    // What it says on its error output is kept for the failure message.
    fakes.setBehaviour(QStringLiteral("write"));
    child = ChildProcess::launch(FakePrograms::fakeProgram(), {"locked.pdf", "out"}, ChildProcess::Options{});
    QString said;
    QObject::connect(child, &ChildProcess::ended, [&] {
        said = child->errorOutput();
        succeeded = child->succeeded();
    });
    waitForEnd(child);
    EXPECT_TRUE(said.endsWith("Command Line Error: Incorrect password\n")) << said.toStdString();
    EXPECT_FALSE(succeeded);
}

TEST(StopSignals, TerminationSignalsArriveThroughTheEventLoop)
{
    for (int number : {SIGINT, SIGTERM, SIGHUP}) {
        runtime::StopSignals stop;
        QList<int> heard;
        QObject::connect(&stop, &runtime::StopSignals::received, [&](int n) { heard << n; });
        ::raise(number);
        EXPECT_TRUE(heard.isEmpty()); // never inside the handler
        EXPECT_TRUE(WaitUntil([&] { return !heard.isEmpty(); }));
        EXPECT_EQ(heard, QList<int>{number});
    }
}

TEST(ChildProcess, AProgramThatDoesNotExistEndsAtOnce)
{
    QPointer<ChildProcess> child = ChildProcess::launch(QStringLiteral("/nonexistent/zorvan.exe"), {});
    bool succeeded = true;
    QObject::connect(child, &ChildProcess::ended, [&] { succeeded = child->succeeded(); });
    waitForEnd(child);
    EXPECT_FALSE(succeeded);
    // It goes away by itself once ended: nothing is kept for a dead child.
    EXPECT_TRUE(WaitUntil([&] { return !child; }));
}

TEST(EventWait, ReturnsAtOnceWhenDoneAndFalseOnTimeout)
{
    runtime::EventWait done([] { return true; });
    EXPECT_TRUE(done.run(0));
    runtime::EventWait never([] { return false; });
    EXPECT_FALSE(never.run(20));
}
