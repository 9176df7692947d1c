#include "convert/ConversionDriver.h"

#include "convert/ConversionFrontEnd.h"
#include "convert/ConversionRun.h"
#include "convert/Messages.h"
#include "runtime/Environment.h"

#include <QHash>
#include <QMap>
#include <QThread>

#include <cmath>

namespace convert {

namespace {

// A pseudo-random whole number from low to high, for the document bar.
int between(int low, int high)
{
    return low + runtime::Random(high - low + 1);
}

// i × 100 / n rounded to the nearest whole number, halves to the even one.
int shareDone(int i, int n)
{
    return int(std::nearbyint(double(i) * 100.0 / double(n)));
}

} // namespace

ConversionDriver::Outcome ConversionDriver::runBatch(const ConversionRequest& request, int mode,
                                                     const QString& destination)
{
    m_runState = Running;
    QString directory;
    const QStringList documents = m_frontEnd.listDocuments(request.sourceFolder, directory);
    if (documents.isEmpty()) {
        m_frontEnd.showMessage(NoPdfFoundMessage + Printable(directory));
        return Outcome::Rejected;
    }

    const int n = int(documents.size());
    // Failures by document number, so the list follows the folder's order.
    QMap<int, QString> failed;
    int converted = 0;
    // Each output file and the document writing it.
    QHash<QString, QString> outputOwners;
    // Converters side by side, one per core: one per document at once
    // would start a thousand processes for a thousand documents.
    ConversionRun run(std::max(1, QThread::idealThreadCount()), [&](DocumentJob& job) {
        if (job.state() == DocumentJob::State::Converted)
            ++converted;
        else if (job.state() == DocumentJob::State::Failed)
            failed.insert(job.property("index").toInt(), job.objectName() + QStringLiteral(": ") + job.reason());
        report(job);
    });

    for (int i = 0; i < n; ++i) {
        const QString& name = documents[i];
        m_frontEnd.setStatus(ProcessingStatus(name));
        m_frontEnd.setDocumentProgress(between(1, 33));
        if (!waitFor(run, false, [&] { return run.hasFreeSlot(); }))
            return canceledRun();
        auto job = makeJob(request, mode, directory + u'/' + name, destination);
        job->setProperty("index", i);
        // Names that differ only in the case of ".pdf" make one output.
        const auto owner = outputOwners.constFind(job->outputPath());
        if (owner != outputOwners.cend())
            job->setOutputTakenBy(*owner);
        else
            outputOwners.insert(job->outputPath(), name);
        run.add(std::move(job));
        m_frontEnd.setDocumentProgress(between(35, 77));
        run.advance(i == n - 1);
        m_frontEnd.setDocumentProgress(between(79, 99));
        m_frontEnd.setBatchProgress(shareDone(i, n));
    }

    // The summary waits for the last documents: counting documents that are
    // still being written would report them converted before they are.
    if (!waitFor(run, true, [&] { return run.allFinished(); }))
        return canceledRun();

    m_frontEnd.setDocumentProgress(100);
    m_frontEnd.setBatchProgress(100);
    m_frontEnd.showMessage(BatchSummaryMessage(converted));
    if (!failed.isEmpty())
        m_frontEnd.showMessage(BatchFailuresMessage(failed.values()));
    m_frontEnd.setStatus(DoneStatus);
    return failed.isEmpty() ? Outcome::Converted : Outcome::Failed;
}

} // namespace convert
