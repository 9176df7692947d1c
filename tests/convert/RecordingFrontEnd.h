#pragma once

#include "convert/ConversionFrontEnd.h"

#include <QQueue>
#include <QStringList>

// Records what the driver shows. The result prompt is answered from a queue
// (No when it is empty), so nothing is ever opened by accident.
class RecordingFrontEnd : public convert::ConversionFrontEnd {
public:
    void showMessage(const QString& text) override { messages << text; }
    bool askToViewResult() override
    {
        ++prompts;
        return !answers.isEmpty() && answers.dequeue();
    }
    void openResult(const QString& quotedPath) override { opened << quotedPath; }
    void setStatus(const QString& text) override { status = text; }
    void setDocumentProgress(int percent) override { documentProgress = percent; }
    void setBatchProgress(int percent) override { batchProgress = percent; }

    QStringList messages;
    QStringList opened;
    QQueue<bool> answers;
    int prompts = 0;
    QString status;
    int documentProgress = 0;
    int batchProgress = 0;
};
