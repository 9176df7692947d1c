#include "convert/ConversionDriver.h"

#include "convert/ConversionFrontEnd.h"
#include "convert/Messages.h"
#include "convert/RipMode.h"
#include "convert/RtfStep.h"
#include "runtime/ChildProcess.h"
#include "runtime/Environment.h"
#include "runtime/EventWait.h"
#include "runtime/Shell.h"

#include <QThread>

#include <cmath>

namespace convert {

// One HTML converter of the batch that may still be running, with the file
// it must leave behind.
struct ConversionDriver::PendingConverter {
    QPointer<runtime::ChildProcess> child;
    QString document;
    QString output;
    DocumentRecord record;
};

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

// Records the converters that have ended: a document counts when its output
// was written, and is named among the failures otherwise. False when Cancel
// ended the run.
bool ConversionDriver::collectFinished(QList<PendingConverter>& running, QStringList& failed, int& converted)
{
    for (qsizetype k = running.size() - 1; k >= 0; --k) {
        const PendingConverter& r = running[k];
        if (r.child && !r.child->hasEnded())
            continue;
        if (written(r.output)) {
            ++converted;
            report(r.record, DocumentRecord::Outcome::Converted);
        } else {
            failed << r.document;
            report(r.record, DocumentRecord::Outcome::Failed, NotWrittenReason);
        }
        running.removeAt(k);
    }
    return m_runState == Running;
}

// Every document still being converted when Cancel ended the run.
void ConversionDriver::reportCanceled(QList<PendingConverter>& running)
{
    for (const PendingConverter& r : running)
        report(r.record, DocumentRecord::Outcome::Canceled);
    running.clear();
}

// Waits, with the window live, until fewer than `limit` converters run:
// starting one converter per document at once would start a thousand
// processes for a thousand documents and stall the machine.
bool ConversionDriver::waitForFreeSlot(QList<PendingConverter>& running, int limit)
{
    const auto freeSlot = [&] {
        if (m_runState != Running)
            return true;
        int alive = 0;
        for (const auto& r : running)
            alive += (r.child && !r.child->hasEnded()) ? 1 : 0;
        return alive < limit;
    };
    runtime::EventWait until(freeSlot);
    for (const auto& r : running) {
        if (r.child)
            until.wakeOn(r.child.data(), &runtime::ChildProcess::ended);
    }
    until.wakeOn(this, &ConversionDriver::canceled);
    until.run();
    return m_runState == Running;
}

ConversionDriver::Outcome ConversionDriver::runBatch(const ConversionRequest& request, int mode)
{
    const QString& delimiter = runtime::PathDelimiter;
    m_runState = Running;
    QString directory;
    const QStringList documents = m_frontEnd.listDocuments(request.sourceFolder, directory);
    if (documents.isEmpty()) {
        m_frontEnd.showMessage(NoPdfFoundMessage + directory);
        return Outcome::Rejected;
    }

    const int n = int(documents.size());
    const int limit = std::max(1, QThread::idealThreadCount());
    const QString windir = runtime::WindowsDirectory();
    QList<PendingConverter> running;
    QStringList failed;
    int converted = 0;

    for (int i = 0; i < n; ++i) {
        const QString& name = documents[i];
        m_frontEnd.setStatus(ProcessingStatus(name));
        m_frontEnd.setDocumentProgress(between(1, 33));
        const CommandLineInput input = commandLineInput(request, mode, name);
        const QString parameters = HtmlConverterParameters(input, delimiter);
        const QString base = BaseName(name, delimiter);
        const auto output = [&](const char* extension) {
            return OutputPath(input.destination, base, QLatin1String(extension), delimiter);
        };
        const DocumentRecord record = beginRecord(
            request, name, output(mode == PlainText ? ".txt" : MakesRtf(mode) ? ".rtf" : ".html"));
        const auto canceled = [&] {
            reportCanceled(running);
            report(record, DocumentRecord::Outcome::Canceled);
            return canceledRun();
        };

        if (mode != PlainText) {
            if (!waitForFreeSlot(running, limit))
                return canceled();
            const QPointer<runtime::ChildProcess> child = runtime::StartHiddenProgram(
                SystemProgramPath(windir, HtmlConverterName, delimiter), parameters);
            running.append({child, name, output(".html"), record});
        }
        m_frontEnd.setDocumentProgress(between(35, 77));

        if (mode == PlainText) {
            runtime::RunHiddenProcess(TextConverterCommandLine(windir, input, delimiter), true);
            if (m_runState != Running)
                return canceled();
            if (written(output(".txt"))) {
                ++converted;
                report(record, DocumentRecord::Outcome::Converted);
            } else {
                failed << name;
                report(record, DocumentRecord::Outcome::Failed, NotWrittenReason);
            }
        } else if (MakesRtf(mode)) {
            const QPointer<runtime::ChildProcess> child = running.last().child;
            running.removeLast();
            if (!waitFor(child))
                return canceled();
            // Word-processor errors are not shown per document; the document
            // is named among the failures after the summary instead.
            const QString error = written(output(".html"))
                ? SaveHtmlAsRtf(output(".html"),
                                QuotedOutputPath(input.destination, base, QStringLiteral(".rtf"), delimiter))
                : NotWrittenReason;
            if (m_runState != Running)
                return canceled();
            if (error.isEmpty() && written(output(".rtf"))) {
                ++converted;
                report(record, DocumentRecord::Outcome::Converted);
            } else {
                failed << name;
                report(record, DocumentRecord::Outcome::Failed, error.isEmpty() ? NotWrittenReason : error);
            }
        }
        if (!collectFinished(running, failed, converted)) {
            reportCanceled(running);
            return canceledRun();
        }
        m_frontEnd.setDocumentProgress(between(79, 99));
        m_frontEnd.setBatchProgress(shareDone(i, n));
    }

    // The summary waits for the last converters: counting documents that are
    // still being written would report them converted before they are.
    for (const PendingConverter& r : QList<PendingConverter>(running)) {
        if (!waitFor(r.child)) {
            reportCanceled(running);
            return canceledRun();
        }
    }
    collectFinished(running, failed, converted);

    m_frontEnd.setDocumentProgress(100);
    m_frontEnd.setBatchProgress(100);
    m_frontEnd.showMessage(BatchSummaryMessage(converted));
    if (!failed.isEmpty())
        m_frontEnd.showMessage(BatchFailuresMessage(failed));
    m_frontEnd.setStatus(DoneStatus);
    return failed.isEmpty() ? Outcome::Converted : Outcome::Failed;
}

} // namespace convert
