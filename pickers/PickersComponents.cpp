#include "pickers/PickersComponents.h"

#include "pickers/TAHMExplorerView.h"
#include "pickers/TAHMFileLookup.h"
#include "pickers/TAHMFolderLookup.h"
#include "pickers/TAHMLookupEdit.h"
#include "runtime/ComponentRegistry.h"

void RegisterPickersComponents()
{
    using runtime::ComponentRegistry;
    ComponentRegistry::registerType<TAHMLookupEdit>(QStringLiteral("TAHMLookupEdit"));
    ComponentRegistry::registerType<TAHMFileLookup>(QStringLiteral("TAHMFileLookup"));
    ComponentRegistry::registerType<TAHMFolderLookup>(QStringLiteral("TAHMFolderLookup"));
    ComponentRegistry::registerType<TAHMExplorerView>(QStringLiteral("TAHMExplorerView"));
}
