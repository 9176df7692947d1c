#include "skin/controls/ControlComponents.h"

#include "forms/ComponentRegistry.h"
#include "skin/controls/TToolButton.h"
#include "skin/controls/TsuiButton.h"
#include "skin/controls/TsuiCheckBox.h"
#include "skin/controls/TsuiComboBox.h"
#include "skin/controls/TsuiDBNavigator.h"
#include "skin/controls/TsuiEdit.h"
#include "skin/controls/TsuiImagePanel.h"
#include "skin/controls/TsuiProgressBar.h"
#include "skin/controls/TsuiToolBar.h"

void RegisterControlComponents()
{
    using forms::ComponentRegistry;
    ComponentRegistry::registerType<TsuiButton>(QStringLiteral("TsuiButton"));
    ComponentRegistry::registerType<TsuiCheckBox>(QStringLiteral("TsuiCheckBox"));
    ComponentRegistry::registerType<TsuiEdit>(QStringLiteral("TsuiEdit"));
    ComponentRegistry::registerType<TsuiComboBox>(QStringLiteral("TsuiComboBox"));
    ComponentRegistry::registerType<TsuiProgressBar>(QStringLiteral("TsuiProgressBar"));
    ComponentRegistry::registerType<TsuiImagePanel>(QStringLiteral("TsuiImagePanel"));
    ComponentRegistry::registerType<TsuiDBNavigator>(QStringLiteral("TsuiDBNavigator"));
    ComponentRegistry::registerType<TsuiToolBar>(QStringLiteral("TsuiToolBar"));
    ComponentRegistry::registerType<TToolButton>(QStringLiteral("TToolButton"));
}
