#pragma once

#include <QPointer>
#include <QProcess>
#include <QTimer>

namespace runtime {

// A program the system started. Every child is kept until it ends (never
// fire-and-forget), so its end is known and Cancel can stop it; it runs in
// a process group of its own, so stopping it reaches whatever it started;
// it runs under a memory limit, so a crafted document makes the converter
// fail alone instead of stalling the desktop; it dies with QUARLEX even
// when QUARLEX is killed outright; and it may have a time limit, past which
// its group is stopped.
class ChildProcess : public QProcess {
    Q_OBJECT
public:
    // Large enough for LibreOffice's address space, far below what a
    // runaway converter would take.
    static constexpr qint64 DefaultMemoryLimit = qint64(4) << 30;

    struct Options {
        // Empty: the program's own working directory.
        QString workingDirectory;
        // Milliseconds; 0 for none.
        int timeLimitMs = 0;
        qint64 memoryLimit = DefaultMemoryLimit;
    };

    // Starts the program without a shell and without waiting. The child is
    // owned by the runtime and deleted some time after it ended; callers
    // keep the QPointer.
    static QPointer<ChildProcess> launch(const QString& program, const QStringList& arguments, const Options& options);
    static QPointer<ChildProcess> launch(const QString& program, const QStringList& arguments,
                                         qint64 memoryLimit = DefaultMemoryLimit);

    ~ChildProcess() override;

    // True once the program ended or could not be started.
    bool hasEnded() const { return m_ended; }
    // Ended by itself with exit status 0.
    bool succeeded() const;
    // Stopped because it ran past its time limit.
    bool timedOut() const { return m_timedOut; }
    // The end of what the program wrote on its standard error (bounded).
    QString errorOutput() const { return QString::fromLocal8Bit(m_errorTail); }

    // Kills the child's whole process group.
    void stopGroup();

signals:
    void ended();

private:
    explicit ChildProcess(const Options& options);
    void markEnded();
    void keepErrorOutput();

    Options m_options;
    QTimer m_timeLimit;
    QByteArray m_errorTail;
    bool m_ended = false;
    bool m_timedOut = false;
};

} // namespace runtime
