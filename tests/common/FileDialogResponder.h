#pragma once

#include "runtime/FileDialogService.h"

#include <QList>
#include <QQueue>

// Answers and records every file and folder dialog while it lives. Answers
// are taken from the queue in order; when it is empty a dialog is cancelled.
class FileDialogResponder {
public:
    FileDialogResponder();
    ~FileDialogResponder();
    FileDialogResponder(const FileDialogResponder&) = delete;
    FileDialogResponder& operator=(const FileDialogResponder&) = delete;

    void choose(const QString& path) { m_answers.enqueue({true, path}); }
    void cancelNext() { m_answers.enqueue({}); }
    const QList<runtime::FileDialogRequest>& requests() const { return m_requests; }

private:
    QList<runtime::FileDialogRequest> m_requests;
    QQueue<runtime::FileDialogAnswer> m_answers;
};
