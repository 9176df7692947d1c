#pragma once

#include "convert/DocumentJob.h"

#include <QList>
#include <QObject>

#include <functional>
#include <memory>

namespace convert {

class RtfConverter;

// The documents of one run (one for a single file, many for a batch) with
// the word processor they share. Converters run side by side up to a
// bound; in the RTF modes the HTML files that are ready go to the word
// processor together, so a batch starts it as rarely as the work allows.
// Cancel stops this run's converters and nobody else's.
class ConversionRun : public QObject {
    Q_OBJECT
public:
    // Called once per document as it finishes (converted, failed or canceled).
    using Finished = std::function<void(DocumentJob&)>;

    ConversionRun(int parallel, Finished finished, QObject* parent = nullptr);
    ~ConversionRun() override;

    bool hasFreeSlot() const;
    // Takes the job and starts it.
    void add(std::unique_ptr<DocumentJob> job);
    // Hands ready HTML files to the word processor and reports finished
    // documents; the run's waits call it whenever progressed() fired. With
    // `last` no further document will be added, so the word processor need
    // not wait for more.
    void advance(bool last);
    bool allFinished() const;
    void cancel();

signals:
    void progressed();

private:
    void startRtf(bool last);
    void rtfFinished();

    int m_slots;
    Finished m_finished;
    std::vector<std::unique_ptr<DocumentJob>> m_jobs;
    RtfConverter* m_rtf = nullptr;
    QList<DocumentJob*> m_inRtf;
};

} // namespace convert
