#include "convert/ConversionFrontEnd.h"

#include "convert/Messages.h"
#include "runtime/MessageService.h"
#include "runtime/Shell.h"

namespace convert {

void ConversionFrontEnd::showMessage(const QString& text)
{
    runtime::ShowMessage(text);
}

bool ConversionFrontEnd::askToViewResult()
{
    return runtime::MessageBox(owner(), ViewResultPrompt, ViewResultCaption, runtime::MbYesNo)
        != runtime::IdNo;
}

void ConversionFrontEnd::openResult(const QString& quotedPath)
{
    runtime::ShellOpen(quotedPath);
}

} // namespace convert
