#include "runtime/Shell.h"

#include "runtime/CommandLine.h"
#include "runtime/EventWait.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace runtime {

namespace {

QString withoutQuotes(QString text)
{
    if (text.size() >= 2 && text.startsWith(u'"') && text.endsWith(u'"'))
        text = text.mid(1, text.size() - 2);
    return text;
}

bool isProgramFile(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

} // namespace

bool ShellOpen(const QString& document)
{
    const QString target = withoutQuotes(document);
    const QUrl url(target);
    // "http://..." and the like are addresses; everything else is a path.
    const bool address = url.isValid() && url.scheme().size() > 1 && !url.isLocalFile();
    return QDesktopServices::openUrl(address ? url : QUrl::fromLocalFile(target));
}

QPointer<ChildProcess> StartHiddenProgram(const QString& program, const QString& parameters)
{
    return ChildProcess::launch(program, SplitArguments(parameters));
}

bool RunHiddenProcess(const QString& commandLine, bool wait)
{
    const ProgramCall call = SplitCommandLine(commandLine, isProgramFile);
    if (call.program.isEmpty())
        return false;
    QPointer<ChildProcess> child = ChildProcess::launch(call.program, call.arguments);
    // Creation either succeeds or fails at once; only that is waited for here.
    if (child && !child->hasEnded() && !child->waitForStarted())
        return false;
    if (!child || (child->hasEnded() && child->error() == QProcess::FailedToStart))
        return false;
    if (!wait)
        return true;
    EventWait until([&] { return !child || child->hasEnded(); });
    until.wakeOn(child.data(), &ChildProcess::ended);
    until.run();
    return true;
}

} // namespace runtime
