#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace runtime {

// Message-box type and answer codes keep the values the converter's
// front end was written against, so callers compare answers as they always did.
enum MessageBoxType : unsigned {
    MbOk = 0x0,
    MbOkCancel = 0x1,
    MbYesNo = 0x4,
    MbIconError = 0x10,
    MbIconQuestion = 0x20,
    MbIconWarning = 0x30,
    MbIconInformation = 0x40,
};

enum MessageBoxAnswer : int {
    IdOk = 1,
    IdCancel = 2,
    IdYes = 6,
    IdNo = 7,
};

struct MessageRequest {
    QString text;
    QString caption;
    unsigned type = MbOk;
};

// Every message box of the program goes through here. A test installs a
// responder that answers (and records) each box instead of showing it, so
// no test ever blocks on a modal dialog.
class MessageService {
public:
    using Responder = std::function<int(const MessageRequest&)>;

    static int show(QWidget* owner, const MessageRequest& request);
    static void setResponder(Responder responder);
    static bool hasResponder();

private:
    static int showModal(QWidget* owner, const MessageRequest& request);
};

// A modal box with the application title as caption and an OK button.
void ShowMessage(const QString& text);

// A box with the given caption and type flags; returns the answer code.
int MessageBox(QWidget* owner, const QString& text, const QString& caption, unsigned type);

} // namespace runtime
