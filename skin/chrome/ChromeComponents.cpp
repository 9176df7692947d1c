#include "skin/chrome/ChromeComponents.h"

#include "runtime/ComponentRegistry.h"
#include "skin/chrome/TsuiForm.h"
#include "skin/chrome/TsuiPopupMenu.h"

void RegisterChromeComponents()
{
    using runtime::ComponentRegistry;
    ComponentRegistry::registerType<TsuiForm>(QStringLiteral("TsuiForm"));
    ComponentRegistry::registerType<TsuiPopupMenu>(QStringLiteral("TsuiPopupMenu"));
}
