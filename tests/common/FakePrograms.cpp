#include "common/FakePrograms.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <csignal>

FakePrograms::FakePrograms()
{
    QDir(m_dir.path()).mkdir(QStringLiteral("system32"));
    QFile::link(fakeProgram(), path(QStringLiteral("system32/zorvan.exe")));
    QFile::link(fakeProgram(), path(QStringLiteral("system32/quildo.exe")));
    setEnv("windir", m_dir.path());
    setEnv("FAKE_LOG", path(QStringLiteral("log")));
    setEnv("FAKE_STARTED", startedMarker());
    setEnv("FAKE_RELEASE", path(QStringLiteral("release")));
    setEnv("FAKE_BEHAVIOUR", QString());
}

FakePrograms::~FakePrograms()
{
    for (auto it = m_saved.crbegin(); it != m_saved.crend(); ++it) {
        if (it->second.isNull())
            qunsetenv(it->first.constData());
        else
            qputenv(it->first.constData(), it->second);
    }
}

QString FakePrograms::fakeProgram()
{
    return QStringLiteral(FAKE_CONVERTER);
}

void FakePrograms::setEnv(const char* name, const QString& value)
{
    m_saved.append({name, qEnvironmentVariableIsSet(name) ? qgetenv(name) : QByteArray()});
    qputenv(name, value.toUtf8());
}

QString FakePrograms::makeFolder(const QString& name) const
{
    QDir(m_dir.path()).mkpath(name);
    return path(name);
}

QString FakePrograms::makeFolderWith(const QString& name, const QStringList& entries) const
{
    const QString folder = makeFolder(name);
    for (const QString& entry : entries) {
        if (entry.endsWith(u'/'))
            QDir(folder).mkdir(entry.chopped(1));
        else
            QFile(folder + u'/' + entry).open(QIODevice::WriteOnly);
    }
    return folder;
}

void FakePrograms::setBehaviour(const QString& behaviour)
{
    setEnv("FAKE_BEHAVIOUR", behaviour);
}

void FakePrograms::countConcurrency()
{
    setEnv("FAKE_RUNNING", makeFolder(QStringLiteral("running")));
    setEnv("FAKE_PEAKS", path(QStringLiteral("peaks")));
    setBehaviour(QStringLiteral("count"));
}

FakePrograms::Concurrency FakePrograms::concurrency() const
{
    Concurrency result;
    QFile file(path(QStringLiteral("peaks")));
    if (!file.open(QIODevice::ReadOnly))
        return result;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.isEmpty())
            continue;
        ++result.runs;
        result.peak = std::max(result.peak, line.toInt());
    }
    return result;
}

void FakePrograms::removeConverters()
{
    QFile::remove(path(QStringLiteral("system32/zorvan.exe")));
    QFile::remove(path(QStringLiteral("system32/quildo.exe")));
}

QList<FakePrograms::Run> FakePrograms::runs() const
{
    QFile file(path(QStringLiteral("log")));
    QList<Run> result;
    if (!file.open(QIODevice::ReadOnly))
        return result;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.startsWith(QLatin1String("RUN ")))
            result.append({line.mid(4), {}, {}});
        else if (line.startsWith(QLatin1String("ARG ")) && !result.isEmpty())
            result.last().arguments << line.mid(4);
        else if (line.startsWith(QLatin1String("CWD ")) && !result.isEmpty())
            result.last().workingDirectory = line.mid(4);
    }
    return result;
}

QList<pid_t> FakePrograms::startedPids() const
{
    QFile file(startedMarker());
    QList<pid_t> pids;
    if (file.open(QIODevice::ReadOnly))
        for (const QByteArray& word : file.readAll().simplified().split(' '))
            if (!word.isEmpty())
                pids << pid_t(word.toInt());
    return pids;
}

bool FakePrograms::isAlive(pid_t pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    // The state follows the parenthesised command name; Z is a zombie.
    const QByteArray text = stat.readAll();
    const int close = text.lastIndexOf(')');
    return close > 0 && close + 2 < text.size() && text[close + 2] != 'Z';
}
