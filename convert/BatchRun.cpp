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
        if (written(r.output))
            ++converted;
        else
            failed << r.document;
        running.removeAt(k);
    }
    return m_runState == Running;
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

        if (mode != PlainText) {
            if (!waitForFreeSlot(running, limit))
                return canceledRun();
            const QPointer<runtime::ChildProcess> child = runtime::StartHiddenProgram(
                SystemProgramPath(windir, HtmlConverterName, delimiter), parameters);
            running.append({child, name, output(".html")});
        }
        m_frontEnd.setDocumentProgress(between(35, 77));

        if (mode == PlainText) {
            runtime::RunHiddenProcess(TextConverterCommandLine(windir, input, delimiter), true);
            if (m_runState != Running)
                return canceledRun();
            if (written(output(".txt")))
                ++converted;
            else
                failed << name;
        } else if (MakesRtf(mode)) {
            const QPointer<runtime::ChildProcess> child = running.last().child;
            running.removeLast();
            if (!waitFor(child))
                return canceledRun();
            // Word-processor errors are not shown per document; the document
            // is named among the failures after the summary instead.
            const bool saved = written(output(".html"))
                && SaveHtmlAsRtf(output(".html"), QuotedOutputPath(input.destination, base,
                                                                   QStringLiteral(".rtf"), delimiter))
                       .isEmpty();
            if (m_runState != Running)
                return canceledRun();
            if (saved && written(output(".rtf")))
                ++converted;
            else
                failed << name;
        }
        if (!collectFinished(running, failed, converted))
            return canceledRun();
        m_frontEnd.setDocumentProgress(between(79, 99));
        m_frontEnd.setBatchProgress(shareDone(i, n));
    }

    // The summary waits for the last converters: counting documents that are
    // still being written would report them converted before they are.
    for (const PendingConverter& r : QList<PendingConverter>(running)) {
        if (!waitFor(r.child))
            return canceledRun();
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
