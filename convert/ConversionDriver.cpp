#include "convert/ConversionDriver.h"

#include "convert/CommandLines.h"
#include "convert/ConversionFrontEnd.h"
#include "convert/ConversionRecorder.h"
#include "convert/ConversionRun.h"
#include "convert/Messages.h"
#include "convert/PrivateFolder.h"
#include "convert/RipMode.h"
#include "convert/Zoom.h"
#include "runtime/Application.h"
#include "runtime/Environment.h"
#include "runtime/EventWait.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <limits>

namespace convert {

ConversionDriver::ConversionDriver(ConversionFrontEnd& frontEnd, QObject* parent)
    : QObject(parent)
    , m_frontEnd(frontEnd)
{
}

ConversionDriver::Outcome ConversionDriver::start(const ConversionRequest& request)
{
    // Word-processor profiles of a QUARLEX that was killed outright, swept
    // once, when the first run starts: reading the whole temporary folder
    // has no place in the window's start-up.
    static const bool swept = (PrivateFolder::removeLeftovers(QDir::tempPath(), ProfileFolderPrefix), true);
    Q_UNUSED(swept);
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
    const bool batch = !request.sourceFolder.isEmpty();
    if (!batch && request.sourceFile.isEmpty()) {
        m_frontEnd.showMessage(NoSourceFileMessage);
        return m_outcome;
    }
    if (!zoomAccepted(request.options))
        return m_outcome;
    // Resolved now: the batch makes the source folder the working directory.
    const QString destination = QDir::cleanPath(QDir::current().absoluteFilePath(request.destination));
    PrivateFolder::removeLeftovers(destination, StagingFolderPrefix);
    return m_outcome = batch ? runBatch(request, mode, destination) : runSingleFile(request, mode, destination);
}

bool ConversionDriver::zoomAccepted(const RipOptions& options)
{
    if (!options.zoomEnabled)
        return true;
    // The window's field makes the same check when it is left; a scripted
    // request never left a field.
    if (!HasPercentageSymbol(options.zoomText)) {
        m_frontEnd.showMessage(NoPercentageMessage);
        return false;
    }
    if (ZoomPercent(options.zoomText) <= 0) {
        m_frontEnd.showMessage(ZoomNotPositiveMessage);
        return false;
    }
    return true;
}

void ConversionDriver::cancel()
{
    if (m_runState != Running)
        return;
    runtime::Application::processMessages();
    m_runState = 0;
    // Every wait of a run hears it, and the run stops its own converters.
    emit canceled();
    runtime::Application::processMessages();
}

std::unique_ptr<DocumentJob> ConversionDriver::makeJob(const ConversionRequest& request, int mode,
                                                       const QString& source, const QString& destination) const
{
    DocumentJob::Setup setup;
    setup.mode = mode;
    setup.source = QFileInfo(source).absoluteFilePath();
    setup.destination = destination;
    setup.options = request.options;
    setup.windir = runtime::WindowsDirectory();
    setup.timeLimitMs = int(std::clamp<qint64>(request.timeLimit.count(), 0, std::numeric_limits<int>::max()));
    setup.record.startedAt = QDateTime::currentDateTime();
    setup.record.sourcePath = setup.source;
    setup.record.ripModeText = request.ripModeText;
    setup.record.destinationFolder = destination;
    auto job = std::make_unique<DocumentJob>(setup);
    job->setObjectName(QFileInfo(source).fileName());
    return job;
}

void ConversionDriver::report(const DocumentJob& job)
{
    if (!m_recorder)
        return;
    DocumentRecord record = job.setup().record;
    record.outputPath = job.outputPath();
    record.outcome = job.state() == DocumentJob::State::Converted ? DocumentRecord::Outcome::Converted
        : job.state() == DocumentJob::State::Canceled             ? DocumentRecord::Outcome::Canceled
                                                                  : DocumentRecord::Outcome::Failed;
    record.reason = job.reason();
    record.durationMs = record.startedAt.msecsTo(QDateTime::currentDateTime());
    m_recorder->documentFinished(record);
}

bool ConversionDriver::waitFor(ConversionRun& run, bool last, const std::function<bool()>& done)
{
    // The condition advances the run: each wake-up hands ready HTML files
    // to the word processor and reports the documents that finished.
    runtime::EventWait until([&] {
        run.advance(last);
        return m_runState != Running || done();
    });
    until.wakeOn(&run, &ConversionRun::progressed);
    until.wakeOn(this, &ConversionDriver::canceled);
    until.run();
    if (m_runState == Running)
        return true;
    run.cancel();
    return false;
}

ConversionDriver::Outcome ConversionDriver::runSingleFile(const ConversionRequest& request, int mode,
                                                          const QString& destination)
{
    m_runState = Running;
    DocumentJob::State state = DocumentJob::State::Waiting;
    QString reason;
    QString output;
    ConversionRun run(1, [&](DocumentJob& job) {
        state = job.state();
        reason = job.reason();
        output = job.outputPath();
        report(job);
    });
    run.add(makeJob(request, mode, request.sourceFile, destination));
    if (!waitFor(run, true, [&] { return run.allFinished(); }))
        return canceledRun();
    if (state != DocumentJob::State::Converted)
        return fail(output, reason);
    return finish(output, mode != HtmlWithImages && mode != HtmlWithoutImages);
}

ConversionDriver::Outcome ConversionDriver::finish(const QString& outputPath, bool doneStatus)
{
    m_frontEnd.setDocumentProgress(100);
    m_frontEnd.setBatchProgress(100);
    if (m_frontEnd.askToViewResult()) {
        m_frontEnd.openResult(u'"' + outputPath + u'"');
        if (doneStatus)
            m_frontEnd.setStatus(DoneStatus);
    }
    return Outcome::Converted;
}

ConversionDriver::Outcome ConversionDriver::fail(const QString& outputPath, const QString& reason)
{
    m_frontEnd.showMessage(ConversionFailedMessage(outputPath, reason));
    return Outcome::Failed;
}

ConversionDriver::Outcome ConversionDriver::canceledRun()
{
    m_frontEnd.showMessage(CanceledMessage);
    return Outcome::Canceled;
}

} // namespace convert
