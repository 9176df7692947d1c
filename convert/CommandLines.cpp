#include "convert/CommandLines.h"

#include "convert/RipMode.h"
#include "convert/Zoom.h"
#include "runtime/CommandLine.h"

namespace convert {

QString BaseName(const QString& source, const QString& delimiter)
{
    const QString name = source.mid(source.lastIndexOf(delimiter) + 1);
    return name.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive) ? name.chopped(4) : name;
}

QString OutputPath(const QString& destination, const QString& baseName, const QString& extension,
                   const QString& delimiter)
{
    return destination + delimiter + baseName + extension;
}

QString QuotedOutputPath(const QString& destination, const QString& baseName, const QString& extension,
                         const QString& delimiter)
{
    return u'"' + OutputPath(destination, baseName, extension, delimiter) + u'"';
}

QString SystemProgramPath(const QString& windir, const QString& program, const QString& delimiter)
{
    return windir + delimiter + QStringLiteral("system32") + delimiter + program;
}

namespace {

// Passwords go in front of what is built so far, user password first.
void prependPasswords(QString& text, const RipOptions& options)
{
    if (options.authorizationRequired && !options.ownerPassword.isEmpty())
        text.prepend(QStringLiteral("-opw ") + runtime::QuoteArgument(options.ownerPassword) + u' ');
    if (options.authorizationRequired && !options.userPassword.isEmpty())
        text.prepend(QStringLiteral("-upw ") + runtime::QuoteArgument(options.userPassword) + u' ');
}

} // namespace

QString HtmlConverterParameters(const CommandLineInput& input, const QString& delimiter)
{
    const QString base = BaseName(input.source, delimiter);
    QString text = QStringLiteral("-noframes -nomerge ") + runtime::QuotePath(input.source) + u' '
        + runtime::QuotePath(OutputPath(input.destination, base, QStringLiteral(".html"), delimiter));
    // Each optional piece goes in front of what is built so far.
    if (LeavesImagesOut(input.ripMode))
        text.prepend(QStringLiteral("-i "));
    prependPasswords(text, input.options);
    if (input.options.zoomEnabled)
        text.prepend(QStringLiteral("-zoom ") + ZoomFactor(input.options.zoomText) + u' ');
    return text;
}

QString TextConverterCommandLine(const QString& windir, const CommandLineInput& input, const QString& delimiter)
{
    const QString base = BaseName(input.source, delimiter);
    QString parameters = runtime::QuotePath(input.source) + u' '
        + runtime::QuotePath(OutputPath(input.destination, base, QStringLiteral(".txt"), delimiter));
    prependPasswords(parameters, input.options);
    return runtime::QuotePath(SystemProgramPath(windir, TextConverterName, delimiter)) + u' ' + parameters;
}

} // namespace convert
