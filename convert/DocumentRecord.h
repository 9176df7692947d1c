#pragma once

#include <QDateTime>
#include <QString>

namespace convert {

// What happened to one document of a run, as the driver reports it once the
// document is done with (a single file, or each document of a batch). A
// converter stopped at its time limit counts as failed with the reason
// "timed out".
struct DocumentRecord {
    enum class Outcome { Converted, Failed, Canceled };

    QDateTime startedAt;
    QString sourcePath;
    QString ripModeText;
    QString destinationFolder;
    QString outputPath;
    Outcome outcome = Outcome::Failed;
    QString reason;
    qint64 durationMs = 0;
};

// "converted", "failed" or "canceled": the outcome as stored and printed.
QString OutcomeText(DocumentRecord::Outcome outcome);

} // namespace convert
