#pragma once

#include "convert/DocumentRecord.h"
#include "convert/PrivateFolder.h"
#include "convert/RipOptions.h"

#include <QObject>
#include <QPointer>

#include <memory>

namespace runtime {
class ChildProcess;
}

namespace convert {

// One document's conversion. The converter writes into a private folder
// beside the destination (same file system); only when it ended well and
// left its output are the files moved to their final names, the main file
// last. So an older file of the same name never passes for this run's, a
// failed or canceled run leaves the earlier output untouched, and two runs
// writing the same name never mix: the last complete one wins.
class DocumentJob : public QObject {
    Q_OBJECT
public:
    struct Setup {
        int mode = 0;
        // Absolute paths: the converter runs inside the private folder.
        QString source;
        QString destination;
        RipOptions options;
        QString windir;
        // Per converter, in milliseconds; 0 for none.
        int timeLimitMs = 0;
        DocumentRecord record;
        // Set when another document of the same batch already writes this
        // one's output (a.pdf and a.PDF both make a.txt): this one is then
        // refused rather than written over it.
        QString outputTakenBy;
    };
    enum class State { Waiting, Converting, HtmlReady, Converted, Failed, Canceled };

    explicit DocumentJob(Setup setup, QObject* parent = nullptr);
    ~DocumentJob() override;

    // Starts the HTML or text converter; the state changes (changed())
    // once it ended.
    void start();
    // Stops the converter (if any) and leaves nothing behind.
    void cancel();

    // After HtmlReady in the RTF modes: where the word processor reads the
    // HTML and must write the RTF. finishRtf() moves both into place, or
    // fails the document with the reason given.
    QString stagedHtml() const;
    QString stagedRtf() const;
    void finishRtf(const QString& failure);

    State state() const { return m_state; }
    bool isFinished() const { return m_state >= State::Converted; }
    QString reason() const { return m_reason; }
    // The main output's final path (NAME.html, .rtf or .txt).
    QString outputPath() const;
    const Setup& setup() const { return m_setup; }
    void setOutputTakenBy(const QString& document) { m_setup.outputTakenBy = document; }

signals:
    void changed();

private:
    void converterEnded();
    void fail(const QString& reason);
    void commit(const QString& mainExtension);
    QString stagedFile(const QString& extension) const;
    QString baseName() const;

    Setup m_setup;
    std::unique_ptr<PrivateFolder> m_stage;
    QPointer<runtime::ChildProcess> m_converter;
    State m_state = State::Waiting;
    QString m_reason;
};

} // namespace convert
