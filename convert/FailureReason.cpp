#include "convert/FailureReason.h"

#include "runtime/ChildProcess.h"

#include <QRegularExpression>
#include <QStringList>

namespace convert {

namespace {

// Lines kept: enough for "Incorrect password" or a cause and its effect.
constexpr int KeptLines = 2;

QString complaint(const QString& errorOutput)
{
    static const QRegularExpression prefix(QStringLiteral("^(?:[A-Z][A-Za-z/]* )*(Error|Warning)(?: \\(\\d+\\))?: "));
    QStringList errors;
    QStringList warnings;
    for (const QString& raw : errorOutput.split(u'\n')) {
        const QString line = raw.trimmed();
        if (line.isEmpty())
            continue;
        const auto match = prefix.match(line);
        QStringList& list = match.hasMatch() && match.captured(1) == QLatin1String("Warning") ? warnings : errors;
        const QString text = line.mid(match.hasMatch() ? match.capturedLength() : 0);
        list.removeAll(text);
        list << text;
    }
    const QStringList& chosen = errors.isEmpty() ? warnings : errors;
    return chosen.mid(qMax(0, int(chosen.size()) - KeptLines)).join(QStringLiteral("; "));
}

} // namespace

ConverterEnd EndOf(const runtime::ChildProcess& child)
{
    ConverterEnd end;
    end.started = child.error() != QProcess::FailedToStart;
    end.timedOut = child.timedOut();
    end.crashed = child.exitStatus() == QProcess::CrashExit;
    end.exitCode = child.exitCode();
    end.errorOutput = child.errorOutput();
    return end;
}

QString FailureReason(const ConverterEnd& end)
{
    if (end.timedOut)
        return TimedOutReason;
    if (!end.started)
        return QStringLiteral("the converter could not be started");
    const QString said = complaint(end.errorOutput);
    if (!said.isEmpty())
        return said;
    if (end.crashed)
        return QStringLiteral("the converter crashed");
    if (end.exitCode != 0)
        return QStringLiteral("the converter ended with exit status %1").arg(end.exitCode);
    return {};
}

} // namespace convert
