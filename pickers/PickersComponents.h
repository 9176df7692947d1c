#pragma once

// Makes the path pickers (TAHMLookupEdit, TAHMFileLookup, TAHMFolderLookup,
// TAHMExplorerView) known to stored form descriptions by their class names.
void RegisterPickersComponents();
