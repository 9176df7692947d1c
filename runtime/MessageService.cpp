#include "runtime/MessageService.h"

#include "runtime/Application.h"

#include <QMessageBox>

namespace runtime {

namespace {
MessageService::Responder& responder()
{
    static MessageService::Responder instance;
    return instance;
}
} // namespace

void MessageService::setResponder(Responder r)
{
    responder() = std::move(r);
}

bool MessageService::hasResponder()
{
    return static_cast<bool>(responder());
}

int MessageService::show(QWidget* owner, const MessageRequest& request)
{
    if (responder())
        return responder()(request);
    return showModal(owner, request);
}

int MessageService::showModal(QWidget* owner, const MessageRequest& request)
{
    QMessageBox box(owner);
    box.setWindowTitle(request.caption);
    box.setText(request.text);
    switch (request.type & 0xF0) {
    case MbIconError:
        box.setIcon(QMessageBox::Critical);
        break;
    case MbIconQuestion:
        box.setIcon(QMessageBox::Question);
        break;
    case MbIconWarning:
        box.setIcon(QMessageBox::Warning);
        break;
    case MbIconInformation:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
    switch (request.type & 0x0F) {
    case MbYesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    case MbOkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return IdYes;
    case QMessageBox::No:
        return IdNo;
    case QMessageBox::Cancel:
        return IdCancel;
    default:
        return IdOk;
    }
}

void ShowMessage(const QString& text)
{
    MessageService::show(nullptr, {text, Application::title(), MbOk});
}

int MessageBox(QWidget* owner, const QString& text, const QString& caption, unsigned type)
{
    return MessageService::show(owner, {text, caption, type});
}

} // namespace runtime
