#include "convert/LibreOfficeRtf.h"

#include "convert/FailureReason.h"
#include "runtime/ChildProcess.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>
#include <QUrl>

#include <algorithm>
#include <limits>

namespace convert {

namespace {

QString& programOverride()
{
    static QString program;
    return program;
}

// LibreOffice ends a first start on a fresh profile with this status and
// expects to be started again; its launcher script would do that for us.
constexpr int RestartRequested = 81;
constexpr int MaxRestarts = 2;

QString nameOf(const RtfTask& task)
{
    return QFileInfo(task.htmlPath).completeBaseName();
}

} // namespace

LibreOfficeRtf::LibreOfficeRtf(QObject* parent) : RtfConverter(parent)
{
}

LibreOfficeRtf::~LibreOfficeRtf()
{
    stop();
}

void LibreOfficeRtf::setProgram(const QString& program)
{
    programOverride() = program;
}

QString LibreOfficeRtf::program()
{
    if (!programOverride().isEmpty())
        return programOverride();
    const QString script = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (script.isEmpty())
        return QStringLiteral("soffice");
    const QString binary = QFileInfo(script).canonicalPath() + QStringLiteral("/soffice.bin");
    return QFileInfo(binary).isExecutable() ? binary : script;
}

void LibreOfficeRtf::convert(const QList<RtfTask>& tasks, int timeLimitMs)
{
    m_tasks = tasks;
    m_failures = QStringList(tasks.size(), QString());
    m_timeLimitMs = timeLimitMs;
    // LibreOffice names each RTF after its HTML in one output folder, so a
    // call may not hold two documents of the same name (x.pdf and x.PDF).
    m_groups.clear();
    QList<QSet<QString>> names;
    for (int i = 0; i < tasks.size(); ++i) {
        qsizetype g = 0;
        while (g < names.size() && names[g].contains(nameOf(tasks[i])))
            ++g;
        if (g == names.size()) {
            names.append(QSet<QString>());
            m_groups.append(QList<int>());
        }
        names[g].insert(nameOf(tasks[i]));
        m_groups[g].append(i);
    }
    if (!m_profile)
        m_profile = std::make_unique<WordProfile>();
    m_busy = true;
    m_restarts = 0;
    startNextGroup();
}

void LibreOfficeRtf::startNextGroup()
{
    if (m_groups.isEmpty()) {
        m_busy = false;
        emit finished();
        return;
    }
    const QList<int>& group = m_groups.first();
    // Beside the first RTF's folder, so the results move by renaming.
    m_outFolder =
        std::make_unique<PrivateFolder>(QFileInfo(m_tasks[group.first()].rtfPath).absolutePath(), StagingFolderPrefix);
    QStringList arguments = {
        QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(m_profile->path()).toString(),
        QStringLiteral("--headless"),
        QStringLiteral("--norestore"),
        QStringLiteral("--nologo"),
        QStringLiteral("--nodefault"),
        QStringLiteral("--nolockcheck"),
        QStringLiteral("--infilter=HTML (StarWriter)"),
        QStringLiteral("--convert-to"),
        QStringLiteral("rtf:Rich Text Format"),
        QStringLiteral("--outdir"),
        m_outFolder->path(),
    };
    for (int i : group)
        arguments << m_tasks[i].htmlPath;
    runtime::ChildProcess::Options options;
    options.workingDirectory = m_outFolder->path();
    options.timeLimitMs = groupTimeLimitMs(m_timeLimitMs, group.size());
    m_child = runtime::ChildProcess::launch(program(), arguments, options);
    connect(m_child.data(), &runtime::ChildProcess::ended, this, &LibreOfficeRtf::groupEnded);
    if (m_child->hasEnded())
        groupEnded();
}

int LibreOfficeRtf::groupTimeLimitMs(int perDocumentMs, qsizetype documents)
{
    if (perDocumentMs <= 0 || documents <= 0)
        return 0;
    const qint64 limit = qint64(perDocumentMs) * documents;
    return int(std::min<qint64>(limit, std::numeric_limits<int>::max()));
}

void LibreOfficeRtf::groupEnded()
{
    runtime::ChildProcess* child = m_child.data();
    m_child.clear();
    if (!child || m_groups.isEmpty())
        return;
    const ConverterEnd end = EndOf(*child);
    if (end.started && !end.timedOut && !end.crashed && end.exitCode == RestartRequested && m_restarts < MaxRestarts) {
        ++m_restarts;
        startNextGroup();
        return;
    }
    const QList<int> group = m_groups.takeFirst();
    int written = 0;
    QString reason = end.started ? FailureReason(end) : QStringLiteral("LibreOffice could not be started");
    for (int i : group) {
        const QString produced = m_outFolder->filePath(nameOf(m_tasks[i]) + QStringLiteral(".rtf"));
        if (QFileInfo(produced).size() > 0 && QFile::rename(produced, m_tasks[i].rtfPath)) {
            ++written;
            continue;
        }
        m_failures[i] = !reason.isEmpty()
            ? reason
            : QStringLiteral("LibreOffice could not save %1").arg(QFileInfo(m_tasks[i].rtfPath).fileName());
    }
    // A profile LibreOffice cannot work with at all would fail every later
    // run too; the next one sets up a fresh profile.
    if (written == 0 && end.started && !end.timedOut && (end.crashed || end.exitCode != 0))
        m_profile->discard();
    m_outFolder.reset();
    startNextGroup();
}

void LibreOfficeRtf::stop()
{
    m_groups.clear();
    if (m_child) {
        m_child->disconnect(this);
        m_child->stopGroup();
    }
    m_child.clear();
    m_outFolder.reset();
    m_busy = false;
}

} // namespace convert
