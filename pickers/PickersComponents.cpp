#include "pickers/PickersComponents.h"

#include "forms/ComponentRegistry.h"
#include "pickers/TAHMExplorerView.h"
#include "pickers/TAHMFileLookup.h"
#include "pickers/TAHMFolderLookup.h"
#include "pickers/TAHMLookupEdit.h"

void RegisterPickersComponents()
{
    using forms::ComponentRegistry;
    ComponentRegistry::registerType<TAHMLookupEdit>(QStringLiteral("TAHMLookupEdit"));
    ComponentRegistry::registerType<TAHMFileLookup>(QStringLiteral("TAHMFileLookup"));
    ComponentRegistry::registerType<TAHMFolderLookup>(QStringLiteral("TAHMFolderLookup"));
    ComponentRegistry::registerType<TAHMExplorerView>(QStringLiteral("TAHMExplorerView"));
}
