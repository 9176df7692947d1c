#include "skin/chrome/ChromeComponents.h"

#include "forms/ComponentRegistry.h"
#include "skin/chrome/TsuiForm.h"
#include "skin/chrome/TsuiPopupMenu.h"

void RegisterChromeComponents()
{
    using forms::ComponentRegistry;
    ComponentRegistry::registerType<TsuiForm>(QStringLiteral("TsuiForm"));
    ComponentRegistry::registerType<TsuiPopupMenu>(QStringLiteral("TsuiPopupMenu"));
}
