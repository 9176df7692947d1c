#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Any conversion front end (a recording one, the main window) that also
// keeps every status text and progress value it was given, in order.
template <class FrontEnd>
class ProgressHistory : public FrontEnd {
public:
    using FrontEnd::FrontEnd;

    void setStatus(const QString& text) override
    {
        FrontEnd::setStatus(text);
        statuses << text;
    }
    void setDocumentProgress(int percent) override
    {
        FrontEnd::setDocumentProgress(percent);
        documentSteps << percent;
    }
    void setBatchProgress(int percent) override
    {
        FrontEnd::setBatchProgress(percent);
        batchSteps << percent;
    }

    QStringList statuses;
    QList<int> documentSteps;
    QList<int> batchSteps;
};
