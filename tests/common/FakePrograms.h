#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <sys/types.h>

// A temporary "windir" whose system32 folder holds zorvan.exe and quildo.exe
// as links to the fake converter, with the environment the fake reads. The
// previous environment is restored on destruction.
class FakePrograms {
public:
    struct Run {
        QString program;
        QStringList arguments;
        QString workingDirectory;
    };

    FakePrograms();
    ~FakePrograms();
    FakePrograms(const FakePrograms&) = delete;
    FakePrograms& operator=(const FakePrograms&) = delete;

    static QString fakeProgram();

    QString windir() const { return m_dir.path(); }
    // A path inside the temporary folder (nothing is created).
    QString path(const QString& name) const { return m_dir.filePath(name); }
    // A fresh folder inside the temporary folder.
    QString makeFolder(const QString& name) const;
    // A fresh folder of empty files (a batch's documents); entries ending
    // in "/" are folders.
    QString makeFolderWith(const QString& name, const QStringList& entries) const;

    void setBehaviour(const QString& behaviour);
    // Every fake marks itself running for 100 ms and notes how many ran at
    // that moment; concurrency() reads the notes back.
    void countConcurrency();
    struct Concurrency {
        int runs = 0;
        int peak = 0;
    };
    Concurrency concurrency() const;
    void removeConverters();

    QList<Run> runs() const;
    // Pids written by a fake in "hang" behaviour once it runs (child and
    // grandchild); empty while it has not started.
    QList<pid_t> startedPids() const;
    QString startedMarker() const { return path(QStringLiteral("started")); }

    // True while the process exists and is not a zombie.
    static bool isAlive(pid_t pid);

private:
    QTemporaryDir m_dir;
    QList<QPair<QByteArray, QByteArray>> m_saved;
    void setEnv(const char* name, const QString& value);
};
