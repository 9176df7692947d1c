#include "runtime/CommandLine.h"

namespace runtime {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

} // namespace

QStringList SplitArguments(const QString& parameters)
{
    QStringList result;
    const qsizetype n = parameters.size();
    qsizetype i = 0;
    while (true) {
        while (i < n && isBlank(parameters[i]))
            ++i;
        if (i >= n)
            break;
        QString argument;
        bool quoted = false;
        while (i < n && (quoted || !isBlank(parameters[i]))) {
            const QChar c = parameters[i];
            if (c == u'\\') {
                qsizetype count = 0;
                while (i < n && parameters[i] == u'\\') {
                    ++count;
                    ++i;
                }
                if (i < n && parameters[i] == u'"') {
                    argument += QString(count / 2, u'\\');
                    if (count % 2) {
                        argument += u'"';
                        ++i;
                    }
                    // With an even count the quote is handled as a delimiter
                    // on the next pass.
                } else {
                    argument += QString(count, u'\\');
                }
            } else if (c == u'"') {
                if (quoted && i + 1 < n && parameters[i + 1] == u'"') {
                    argument += u'"';
                    i += 2;
                } else {
                    quoted = !quoted;
                    ++i;
                }
            } else {
                argument += c;
                ++i;
            }
        }
        result << argument;
    }
    return result;
}

QString QuotePath(const QString& path)
{
    QString result(u'"');
    qsizetype backslashes = 0;
    for (const QChar c : path) {
        if (c == u'\\') {
            ++backslashes;
        } else {
            // Backslashes that end up before a quote must be doubled so
            // they stay literal.
            if (c == u'"') {
                result += QString(backslashes + 1, u'\\');
            }
            backslashes = 0;
        }
        result += c;
    }
    result += QString(backslashes, u'\\');
    result += u'"';
    return result;
}

QString QuoteArgument(const QString& argument)
{
    const bool plain =
        !argument.isEmpty() && !argument.contains(u' ') && !argument.contains(u'\t') && !argument.contains(u'"');
    return plain ? argument : QuotePath(argument);
}

ProgramCall SplitCommandLine(const QString& commandLine, const std::function<bool(const QString&)>& isFile)
{
    const qsizetype n = commandLine.size();
    qsizetype i = 0;
    while (i < n && isBlank(commandLine[i]))
        ++i;
    ProgramCall call;
    if (i < n && commandLine[i] == u'"') {
        const qsizetype close = commandLine.indexOf(u'"', i + 1);
        const qsizetype end = close < 0 ? n : close;
        call.program = commandLine.mid(i + 1, end - i - 1);
        // Whatever touches the closing quote still belongs to the name.
        i = close < 0 ? n : close + 1;
        while (i < n && !isBlank(commandLine[i]))
            call.program += commandLine[i++];
    } else {
        qsizetype firstEnd = i;
        while (firstEnd < n && !isBlank(commandLine[firstEnd]))
            ++firstEnd;
        qsizetype end = firstEnd;
        // Process creation tries each blank-separated prefix in turn.
        for (qsizetype candidate = firstEnd; candidate <= n;) {
            if (isFile(commandLine.mid(i, candidate - i))) {
                end = candidate;
                break;
            }
            if (candidate == n)
                break;
            candidate = commandLine.indexOf(u' ', candidate + 1);
            if (candidate < 0)
                candidate = n;
        }
        call.program = commandLine.mid(i, end - i);
        i = end;
    }
    call.arguments = SplitArguments(commandLine.mid(i));
    return call;
}

} // namespace runtime
