#include "convert/ConversionRun.h"

#include "convert/LibreOfficeRtf.h"

namespace convert {

namespace {

// Enough HTML files per word-processor call that its start-up is spread
// over many documents, few enough that the progress keeps moving.
constexpr int RtfCallSize = 16;

bool converting(const DocumentJob& job)
{
    return job.state() == DocumentJob::State::Converting;
}

} // namespace

ConversionRun::ConversionRun(int parallel, Finished finished, QObject* parent)
    : QObject(parent)
    , m_slots(std::max(1, parallel))
    , m_finished(std::move(finished))
    , m_rtf(new LibreOfficeRtf(this))
{
    // Queued: the run's waits advance it when they hear progressed(), and
    // that must never happen inside a job's or the word processor's own
    // call, which advancing may end.
    connect(m_rtf, &RtfConverter::finished, this, &ConversionRun::rtfFinished, Qt::QueuedConnection);
}

ConversionRun::~ConversionRun()
{
    cancel();
}

bool ConversionRun::hasFreeSlot() const
{
    const auto busy = std::count_if(m_jobs.begin(), m_jobs.end(), [](const auto& j) { return converting(*j); });
    return busy < m_slots;
}

void ConversionRun::add(std::unique_ptr<DocumentJob> job)
{
    DocumentJob* added = job.get();
    m_jobs.push_back(std::move(job));
    connect(added, &DocumentJob::changed, this, &ConversionRun::progressed, Qt::QueuedConnection);
    added->start();
}

void ConversionRun::advance(bool last)
{
    if (!m_rtf->isBusy())
        startRtf(last);
    // Reported in the order the documents were added, each once.
    for (auto it = m_jobs.begin(); it != m_jobs.end();) {
        if (!(*it)->isFinished()) {
            ++it;
            continue;
        }
        std::unique_ptr<DocumentJob> done = std::move(*it);
        it = m_jobs.erase(it);
        m_finished(*done);
    }
}

void ConversionRun::startRtf(bool last)
{
    QList<DocumentJob*> ready;
    bool stillConverting = false;
    for (const auto& job : m_jobs) {
        if (job->state() == DocumentJob::State::HtmlReady)
            ready << job.get();
        stillConverting = stillConverting || converting(*job);
    }
    // Waiting for the HTML still being written saves a start of the word
    // processor, unless a call's worth is ready or no more will come.
    if (ready.isEmpty() || (ready.size() < RtfCallSize && (stillConverting || !last)))
        return;
    ready = ready.mid(0, RtfCallSize);
    QList<RtfTask> tasks;
    for (DocumentJob* job : ready)
        tasks.append({job->stagedHtml(), job->stagedRtf()});
    m_inRtf = ready;
    m_rtf->convert(tasks, ready.first()->setup().timeLimitMs);
}

void ConversionRun::rtfFinished()
{
    const QStringList failures = m_rtf->failures();
    const QList<DocumentJob*> done = std::exchange(m_inRtf, {});
    for (qsizetype i = 0; i < done.size(); ++i)
        done[i]->finishRtf(failures.value(i));
    emit progressed();
}

bool ConversionRun::allFinished() const
{
    return m_jobs.empty();
}

void ConversionRun::cancel()
{
    m_rtf->stop();
    m_inRtf.clear();
    for (const auto& job : m_jobs)
        job->cancel();
    advance(true);
}

} // namespace convert
