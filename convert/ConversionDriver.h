#pragma once

#include "convert/ConversionRequest.h"
#include "convert/DocumentRecord.h"

#include <QObject>

#include <functional>

namespace convert {

class ConversionFrontEnd;
class ConversionRecorder;
class ConversionRun;
class DocumentJob;

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
    // (an unusable zoom text, a source folder that cannot be entered)
    // propagate to the caller; outcome() then tells how far the run got.
    Outcome start(const ConversionRequest& request);

    // Cancel: while a run may go on, ends every wait of it, stops the
    // programs it started (their whole process groups, nobody else's) and
    // makes it show "Canceled by user!". Does nothing otherwise.
    void cancel();

    // Hears of each document a run finished with; none by default. The
    // recorder is not owned and must outlive the runs it hears of.
    void setRecorder(ConversionRecorder* recorder) { m_recorder = recorder; }

    int runState() const { return m_runState; }
    Outcome outcome() const { return m_outcome; }

signals:
    void canceled();

private:
    // The checks of the zoom field every front end shares; false when a
    // message was shown.
    bool zoomAccepted(const RipOptions& options);
    Outcome runSingleFile(const ConversionRequest& request, int mode, const QString& destination);
    // Batch work: every PDF file of the source folder with the same mode,
    // options and destination (BatchRun.cpp).
    Outcome runBatch(const ConversionRequest& request, int mode, const QString& destination);
    std::unique_ptr<DocumentJob> makeJob(const ConversionRequest& request, int mode, const QString& source,
                                         const QString& destination) const;
    // Runs the event loop until `done` holds after the run advanced, or
    // Cancel; false when Cancel ended the wait.
    bool waitFor(ConversionRun& run, bool last, const std::function<bool()>& done);
    void report(const DocumentJob& job);

    Outcome finish(const QString& outputPath, bool doneStatus);
    Outcome fail(const QString& outputPath, const QString& reason);
    Outcome canceledRun();

    ConversionFrontEnd& m_frontEnd;
    ConversionRecorder* m_recorder = nullptr;
    int m_runState = 0;
    Outcome m_outcome = Outcome::Rejected;
};

} // namespace convert
