#include "convert/PrivateFolder.h"
#include "common/QStringPrinter.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

using convert::PrivateFolder;

TEST(PrivateFolder, LeftoversOfDeadProcessesGoOthersStay)
{
    QTemporaryDir parent;
    // A process id that surely names no process: a child that ended and
    // was reaped.
    const pid_t dead = fork();
    if (dead == 0)
        _exit(0);
    ASSERT_GT(dead, 0);
    waitpid(dead, nullptr, 0);
    const QString own = QString::number(QCoreApplication::applicationPid());
    const QStringList names = {
        QStringLiteral("QUARLEX-%1-abc").arg(dead),
        "QUARLEX-" + own + "-abc",
        "QUARLEX-1-abc",
        "QUARLEX-abcdef",
        QStringLiteral("QUARLEX-%1").arg(dead),
        "other-" + QString::number(dead) + "-abc",
    };
    for (const QString& name : names)
        ASSERT_TRUE(QDir(parent.path()).mkpath(name + "/inside"));

    PrivateFolder::removeLeftovers(parent.path(), convert::ProfileFolderPrefix);
    QStringList left = QDir(parent.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    left.sort();
    QStringList kept = {"QUARLEX-" + own + "-abc", "QUARLEX-1-abc", "QUARLEX-abcdef",
                        QStringLiteral("QUARLEX-%1").arg(dead), "other-" + QString::number(dead) + "-abc"};
    kept.sort();
    EXPECT_EQ(left, kept);

    // A folder of its own is named after this process and goes with it.
    QString path;
    {
        PrivateFolder folder(parent.path(), convert::StagingFolderPrefix);
        ASSERT_TRUE(folder.isValid());
        path = folder.path();
        EXPECT_TRUE(QFileInfo(path).fileName().startsWith(".quarlex-" + own + "-"));
    }
    EXPECT_FALSE(QFileInfo::exists(path));
}
