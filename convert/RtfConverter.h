#pragma once

#include <QObject>
#include <QStringList>

namespace convert {

// One HTML file to save as RTF at the given path.
struct RtfTask {
    QString htmlPath;
    QString rtfPath;
};

// Turns HTML into RTF: the word processor's part of the RTF modes. A call
// may cover many documents (a batch's), so the word processor starts as
// rarely as the work allows; each document still gets its own result.
class RtfConverter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Starts converting; finished() follows once every task is done, failed
    // or past its time limit (per document, in milliseconds; 0 for none).
    // One call at a time.
    virtual void convert(const QList<RtfTask>& tasks, int timeLimitMs) = 0;
    virtual bool isBusy() const = 0;
    // Stops the word processor of the call under way; finished() follows.
    virtual void stop() = 0;
    // After finished(): per task of the last call, empty when its RTF was
    // written, otherwise why not.
    virtual QStringList failures() const = 0;

signals:
    void finished();
};

} // namespace convert
