#pragma once

#include <QPointer>
#include <QProcess>

namespace runtime {

// A program the system started. Every child is kept until it ends (never
// fire-and-forget), so its end is known and Cancel can stop it; it runs in
// a process group of its own, so stopping it reaches whatever it started
// (soffice is a script that starts further processes); and it runs under a
// memory limit, so a crafted document makes the converter fail alone
// instead of stalling the desktop.
class ChildProcess : public QProcess {
    Q_OBJECT
public:
    // Large enough for LibreOffice's address space, far below what a
    // runaway converter would take.
    static constexpr qint64 DefaultMemoryLimit = qint64(4) << 30;

    // Starts the program without a shell and without waiting. The child is
    // owned by the runtime and deleted some time after it ended; callers
    // keep the QPointer.
    static QPointer<ChildProcess> launch(const QString& program, const QStringList& arguments,
                                         qint64 memoryLimit = DefaultMemoryLimit);

    ~ChildProcess() override;

    // True once the program ended or could not be started.
    bool hasEnded() const { return m_ended; }

    // Kills the child's whole process group.
    void stopGroup();

    // Stops every child still running (Cancel).
    static void stopAll();
    static int runningCount();

signals:
    void ended();

private:
    ChildProcess(qint64 memoryLimit);
    void markEnded();

    qint64 m_memoryLimit;
    bool m_ended = false;
};

} // namespace runtime
