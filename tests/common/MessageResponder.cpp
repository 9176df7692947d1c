#include "common/MessageResponder.h"

MessageResponder::MessageResponder()
{
    runtime::MessageService::setResponder([this](const runtime::MessageRequest& request) {
        m_boxes.append(request);
        if (!m_answers.isEmpty())
            return m_answers.dequeue();
        return (request.type & 0x0F) == runtime::MbYesNo ? int(runtime::IdNo) : int(runtime::IdOk);
    });
}

MessageResponder::~MessageResponder()
{
    runtime::MessageService::setResponder({});
}

QStringList MessageResponder::texts() const
{
    QStringList result;
    for (const auto& box : m_boxes)
        result << box.text;
    return result;
}
