#include "convert/ConversionDriver.h"

#include "convert/ConversionFrontEnd.h"
#include "convert/ConversionRecorder.h"
#include "convert/Messages.h"
#include "convert/RipMode.h"
#include "convert/RtfStep.h"
#include "runtime/Application.h"
#include "runtime/ChildProcess.h"
#include "runtime/Environment.h"
#include "runtime/EventWait.h"
#include "runtime/RuntimeError.h"
#include "runtime/Shell.h"

#include <QDir>
#include <QFileInfo>

#include <utility>

namespace convert {

bool ConversionDriver::written(const QString& path)
{
    return QFileInfo(path).size() > 0;
}

ConversionDriver::ConversionDriver(ConversionFrontEnd& frontEnd, QObject* parent)
    : QObject(parent)
    , m_frontEnd(frontEnd)
{
}

ConversionDriver::Outcome ConversionDriver::start(const ConversionRequest& request)
{
    m_outcome = Outcome::Rejected;
    const int mode = RipModeFromText(request.ripModeText);
    if (mode == NoRipMode) {
        m_frontEnd.showMessage(InvalidRipperModeMessage);
        return m_outcome;
    }
    if (request.destination.isEmpty()) {
        m_frontEnd.showMessage(NoDestinationMessage);
        return m_outcome;
    }
    if (!request.sourceFolder.isEmpty())
        return m_outcome = runBatch(request, mode);
    if (request.sourceFile.isEmpty()) {
        m_frontEnd.showMessage(NoSourceFileMessage);
        return m_outcome;
    }
    return m_outcome = runSingleFile(request, mode);
}

void ConversionDriver::cancel()
{
    if (m_runState != Running)
        return;
    runtime::Application::processMessages();
    m_runState = 0;
    runtime::ChildProcess::stopAll();
    emit canceled();
    runtime::Application::processMessages();
}

CommandLineInput ConversionDriver::commandLineInput(const ConversionRequest& request, int mode,
                                                    const QString& source) const
{
    CommandLineInput input;
    input.ripMode = mode;
    input.source = source;
    // The converter writes image references relative to the path it is
    // handed; through a relative destination they would not show.
    input.destination = QDir::isRelativePath(request.destination)
        ? QDir::currentPath() + runtime::PathDelimiter + request.destination
        : request.destination;
    input.options = request.options;
    return input;
}

DocumentRecord ConversionDriver::beginRecord(const ConversionRequest& request, const QString& source,
                                             const QString& outputPath) const
{
    DocumentRecord record;
    record.startedAt = QDateTime::currentDateTime();
    record.sourcePath = QFileInfo(source).absoluteFilePath();
    record.ripModeText = request.ripModeText;
    record.destinationFolder = commandLineInput(request, NoRipMode, source).destination;
    record.outputPath = outputPath;
    return record;
}

void ConversionDriver::report(DocumentRecord record, DocumentRecord::Outcome outcome, const QString& reason)
{
    if (!m_recorder)
        return;
    record.outcome = outcome;
    record.reason = reason;
    record.durationMs = record.startedAt.msecsTo(QDateTime::currentDateTime());
    m_recorder->documentFinished(record);
}

void ConversionDriver::reportSingle(DocumentRecord::Outcome outcome, const QString& reason)
{
    if (m_single)
        report(*std::exchange(m_single, std::nullopt), outcome, reason);
}

ConversionDriver::Outcome ConversionDriver::runSingleFile(const ConversionRequest& request, int mode)
{
    const QString& delimiter = runtime::PathDelimiter;
    const CommandLineInput input = commandLineInput(request, mode, request.sourceFile);
    // An unusable zoom rejects the request before any document is begun.
    HtmlConverterParameters(input, delimiter);
    const QString extension = mode == PlainText ? QStringLiteral(".txt")
        : MakesRtf(mode)                        ? QStringLiteral(".rtf")
                                                : QStringLiteral(".html");
    // A second Start inside this run's waits runs a single file of its own.
    const auto outer = std::exchange(
        m_single, beginRecord(request, request.sourceFile,
                              OutputPath(input.destination, BaseName(input.source, delimiter), extension,
                                         delimiter)));
    Outcome outcome = Outcome::Failed;
    try {
        outcome = runSingleFileSteps(request, mode);
    } catch (const runtime::RuntimeError& error) {
        reportSingle(DocumentRecord::Outcome::Failed, error.message());
        m_single = outer;
        throw;
    }
    m_single = outer;
    return outcome;
}

ConversionDriver::Outcome ConversionDriver::runSingleFileSteps(const ConversionRequest& request, int mode)
{
    const QString& delimiter = runtime::PathDelimiter;
    m_runState = Running;
    const CommandLineInput input = commandLineInput(request, mode, request.sourceFile);
    const QString parameters = HtmlConverterParameters(input, delimiter);
    const QString base = BaseName(input.source, delimiter);
    const QString windir = runtime::WindowsDirectory();
    m_outcome = Outcome::Failed;

    const auto output = [&](const char* extension) {
        return OutputPath(input.destination, base, QLatin1String(extension), delimiter);
    };
    const auto quoted = [&](const char* extension) {
        return QuotedOutputPath(input.destination, base, QLatin1String(extension), delimiter);
    };

    if (mode == PlainText) {
        runtime::RunHiddenProcess(TextConverterCommandLine(windir, input, delimiter), true);
        if (m_runState != Running)
            return canceledRun();
        return finish(output(".txt"), quoted(".txt"), true);
    }

    const QPointer<runtime::ChildProcess> converter = runtime::StartHiddenProgram(
        SystemProgramPath(windir, HtmlConverterName, delimiter), parameters);
    // The HTML is only ready once its converter has ended: before that it
    // may still be half written.
    if (!waitFor(converter))
        return canceledRun();
    if (!MakesRtf(mode))
        return finish(output(".html"), quoted(".html"), false);

    if (!written(output(".html")))
        return fail(output(".html"));
    const QString error = SaveHtmlAsRtf(output(".html"), quoted(".rtf"));
    if (m_runState != Running)
        return canceledRun();
    if (!error.isEmpty())
        return fail(output(".rtf"), error);
    return finish(output(".rtf"), quoted(".rtf"), true);
}

bool ConversionDriver::waitFor(const QPointer<runtime::ChildProcess>& child)
{
    runtime::EventWait until([&] { return !child || child->hasEnded() || m_runState != Running; });
    if (child)
        until.wakeOn(child.data(), &runtime::ChildProcess::ended);
    until.wakeOn(this, &ConversionDriver::canceled);
    until.run();
    return m_runState == Running;
}

ConversionDriver::Outcome ConversionDriver::finish(const QString& outputPath, const QString& quotedPath,
                                                   bool doneStatus)
{
    if (!written(outputPath))
        return fail(outputPath);
    reportSingle(DocumentRecord::Outcome::Converted);
    m_frontEnd.setDocumentProgress(100);
    m_frontEnd.setBatchProgress(100);
    if (m_frontEnd.askToViewResult()) {
        m_frontEnd.openResult(quotedPath);
        if (doneStatus)
            m_frontEnd.setStatus(DoneStatus);
    }
    return Outcome::Converted;
}

ConversionDriver::Outcome ConversionDriver::fail(const QString& outputPath, const QString& reason)
{
    reportSingle(DocumentRecord::Outcome::Failed, reason.isEmpty() ? NotWrittenReason : reason);
    m_frontEnd.showMessage(ConversionFailedMessage(outputPath, reason));
    return Outcome::Failed;
}

ConversionDriver::Outcome ConversionDriver::canceledRun()
{
    reportSingle(DocumentRecord::Outcome::Canceled);
    m_frontEnd.showMessage(CanceledMessage);
    return Outcome::Canceled;
}

} // namespace convert
