#pragma once

#include "convert/ConversionRecorder.h"

#include <QList>
#include <QStringList>

// Keeps every document record the driver reports.
class RecordingRecorder : public convert::ConversionRecorder {
public:
    void documentFinished(const convert::DocumentRecord& record) override { records << record; }

    // "NAME outcome [reason]" per record, for compact comparisons.
    QStringList summary() const
    {
        QStringList lines;
        for (const auto& r : records) {
            QString line = r.sourcePath.section(u'/', -1) + u' ' + convert::OutcomeText(r.outcome);
            if (!r.reason.isEmpty())
                line += u' ' + r.reason;
            lines << line;
        }
        return lines;
    }

    QList<convert::DocumentRecord> records;
};
