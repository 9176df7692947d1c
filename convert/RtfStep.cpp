#include "convert/RtfStep.h"

#include "runtime/AutomationRegistry.h"
#include "runtime/RuntimeError.h"

namespace convert {

using runtime::AsObject;
using runtime::CallMethod;
using runtime::GetProperty;

QString SaveHtmlAsRtf(const QString& htmlPath, const QString& quotedRtfPath)
{
    const auto word = runtime::AutomationRegistry::create(QStringLiteral("Word.Application"));
    constexpr int rtfFileFormat = 6;
    try {
        runtime::SetProperty(word.get(), "DisplayAlerts", false);
        CallMethod(AsObject(GetProperty(word.get(), "Documents")), "Open", {},
                   {{QStringLiteral("FileName"), htmlPath}});
        QObject* document =
            AsObject(CallMethod(AsObject(GetProperty(word.get(), "Documents")), "Item", {htmlPath}));
        CallMethod(document, "SaveAs", {quotedRtfPath, rtfFileFormat});
        CallMethod(word.get(), "Quit", {});
    } catch (const runtime::RuntimeError& error) {
        return error.message();
    }
    return {};
}

} // namespace convert
