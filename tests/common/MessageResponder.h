#pragma once

#include "runtime/MessageService.h"

#include <QList>
#include <QQueue>

// Answers and records every message box while it lives. Answers are taken
// from the queue in order; when it is empty a box is answered with its
// default (OK, or No for a Yes/No question so nothing opens by accident).
class MessageResponder {
public:
    MessageResponder();
    ~MessageResponder();
    MessageResponder(const MessageResponder&) = delete;
    MessageResponder& operator=(const MessageResponder&) = delete;

    void answerNext(int answer) { m_answers.enqueue(answer); }
    const QList<runtime::MessageRequest>& boxes() const { return m_boxes; }
    QStringList texts() const;
    void clear() { m_boxes.clear(); }

private:
    QList<runtime::MessageRequest> m_boxes;
    QQueue<int> m_answers;
};
