#include "convert/CommandLines.h"

#include "convert/RipMode.h"
#include "convert/Zoom.h"
#include "runtime/CommandLine.h"

namespace convert {

QString BaseName(const QString& source, const QString& delimiter)
{
    const QString name = source.mid(source.lastIndexOf(delimiter) + 1);
    return name.left(qMax<qsizetype>(0, name.size() - 4));
}

QString OutputPath(const QString& destination, const QString& baseName, const QString& extension,
                   const QString& delimiter)
{
    return destination + delimiter + baseName + extension;
}

QString QuotedOutputPath(const QString& destination, const QString& baseName,
                         const QString& extension, const QString& delimiter)
{
    return u'"' + OutputPath(destination, baseName, extension, delimiter) + u'"';
}

QString SystemProgramPath(const QString& windir, const QString& program, const QString& delimiter)
{
    return windir + delimiter + QStringLiteral("system32") + delimiter + program;
}

QString HtmlConverterParameters(const CommandLineInput& input, const QString& delimiter)
{
    const QString base = BaseName(input.source, delimiter);
    QString text = QStringLiteral("-q -noframes -nomerge ") + runtime::QuotePath(input.source)
        + u' ' + runtime::QuotePath(OutputPath(input.destination, base, QStringLiteral(".html"), delimiter));
    // Each optional piece goes in front of what is built so far.
    if (LeavesImagesOut(input.ripMode))
        text.prepend(QStringLiteral("-i "));
    const RipOptions& options = input.options;
    if (options.authorizationRequired && !options.ownerPassword.isEmpty())
        text.prepend(QStringLiteral("-opw ") + runtime::QuoteArgument(options.ownerPassword) + u' ');
    if (options.authorizationRequired && !options.userPassword.isEmpty())
        text.prepend(QStringLiteral("-upw ") + runtime::QuoteArgument(options.userPassword) + u' ');
    if (options.zoomEnabled)
        text.prepend(QStringLiteral("-zoom ") + ZoomFactor(options.zoomText) + u' ');
    return text;
}

QString TextConverterCommandLine(const QString& windir, const CommandLineInput& input,
                                 const QString& delimiter)
{
    const QString base = BaseName(input.source, delimiter);
    return SystemProgramPath(windir, TextConverterName, delimiter) + u' '
        + runtime::QuotePath(input.source) + u' '
        + runtime::QuotePath(OutputPath(input.destination, base, QStringLiteral(".txt"), delimiter));
}

} // namespace convert
