#include "common/FileDialogResponder.h"

FileDialogResponder::FileDialogResponder()
{
    runtime::FileDialogService::setResponder([this](const runtime::FileDialogRequest& request) {
        m_requests.append(request);
        return m_answers.isEmpty() ? runtime::FileDialogAnswer{} : m_answers.dequeue();
    });
}

FileDialogResponder::~FileDialogResponder()
{
    runtime::FileDialogService::setResponder({});
}
