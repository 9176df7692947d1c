#include "skin/chrome/ChromeComponents.h"

#include "forms/ComponentRegistry.h"
#include "skin/chrome/MenuImageList.h"
#include "skin/chrome/TMenuItem.h"
#include "skin/chrome/TsuiForm.h"
#include "skin/chrome/TsuiMainMenu.h"
#include "skin/chrome/TsuiPopupMenu.h"

void RegisterChromeComponents()
{
    using forms::ComponentRegistry;
    ComponentRegistry::registerType<TsuiForm>(QStringLiteral("TsuiForm"));
    ComponentRegistry::registerType<TsuiPopupMenu>(QStringLiteral("TsuiPopupMenu"));
    ComponentRegistry::registerType<TsuiMainMenu>(QStringLiteral("TsuiMainMenu"));
    ComponentRegistry::registerType<TMenuItem>(QStringLiteral("TMenuItem"));
    ComponentRegistry::registerType<MenuImageList>(QStringLiteral("TImageList"));
}
