#pragma once

#include "convert/CommandLines.h"
#include "convert/ConversionRequest.h"
#include "convert/DocumentRecord.h"

#include <QObject>
#include <QPointer>

#include <optional>

namespace runtime {
class ChildProcess;
}

namespace convert {

class ConversionFrontEnd;
class ConversionRecorder;

// The conversion driver behind the Start and Cancel buttons. It checks the
// request in a fixed order, then runs the single-file road (or hands a
// folder to the batch run) and reports through its front end only.
class ConversionDriver : public QObject {
    Q_OBJECT
public:
    // How the last run ended; a front end that scripts conversions turns it
    // into an exit status.
    enum class Outcome { Rejected, Converted, Failed, Canceled };

    // The value RunState holds while a conversion may run.
    static constexpr int Running = 7;

    explicit ConversionDriver(ConversionFrontEnd& frontEnd, QObject* parent = nullptr);

    // Start: reads the request, checks it and runs it. Errors no step catches
    // (an unusable zoom text, a word processor that cannot be created)
    // propagate to the caller; outcome() then tells how far the run got.
    Outcome start(const ConversionRequest& request);

    // Cancel: while a run may go on, ends every wait of it, stops the
    // programs it started (their whole process groups) and makes it show
    // "Canceled by user!". Does nothing otherwise.
    void cancel();

    // Hears of each document a run finished with; none by default. The
    // recorder is not owned and must outlive the runs it hears of.
    void setRecorder(ConversionRecorder* recorder) { m_recorder = recorder; }

    int runState() const { return m_runState; }
    Outcome outcome() const { return m_outcome; }

signals:
    void canceled();

private:
    // A converter's run counts only when it left a file that is not empty:
    // the converters exit 0 in several failures.
    static bool written(const QString& path);
    // Batch work: every PDF file of the source folder with the same mode,
    // options and destination (BatchRun.cpp).
    Outcome runBatch(const ConversionRequest& request, int mode);
    struct PendingConverter;
    bool waitForFreeSlot(QList<PendingConverter>& running, int limit);
    void reportCanceled(QList<PendingConverter>& running);
    bool collectFinished(QList<PendingConverter>& running, QStringList& failed, int& written);

    Outcome runSingleFile(const ConversionRequest& request, int mode);
    Outcome runSingleFileSteps(const ConversionRequest& request, int mode);
    void reportSingle(DocumentRecord::Outcome outcome, const QString& reason = {});
    Outcome finish(const QString& outputPath, const QString& quotedPath, bool doneStatus);
    Outcome fail(const QString& outputPath, const QString& reason = {});
    Outcome canceledRun();
    // Waits for a child while the event loop runs; false when Cancel ended it.
    bool waitFor(const QPointer<runtime::ChildProcess>& child);
    CommandLineInput commandLineInput(const ConversionRequest& request, int mode,
                                      const QString& source) const;

    // A record for one document begun now; report() completes and sends it.
    DocumentRecord beginRecord(const ConversionRequest& request, const QString& source,
                               const QString& outputPath) const;
    void report(DocumentRecord record, DocumentRecord::Outcome outcome, const QString& reason = {});

    ConversionFrontEnd& m_frontEnd;
    ConversionRecorder* m_recorder = nullptr;
    // The single-file run's document until it is reported.
    std::optional<DocumentRecord> m_single;
    int m_runState = 0;
    Outcome m_outcome = Outcome::Rejected;
};

} // namespace convert
