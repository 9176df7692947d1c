#pragma once

#include <QString>

namespace runtime {

// The shell's special folders, numbered as they have always been numbered
// (stored forms and callers use these numbers).
enum SpecialFolder : int {
    sfDesktop = 0,
    sfPrograms = 2,
    sfControlPanel = 3,
    sfPrinters = 4,
    sfPersonal = 5,
    sfFavorites = 6,
    sfStartup = 7,
    sfRecent = 8,
    sfSendTo = 9,
    sfRecycleBin = 10,
    sfStartMenu = 11,
    sfDesktopDirectory = 16,
    sfMyComputer = 17,
    sfNetwork = 18,
    sfNetworkNeighborhood = 19,
    sfFonts = 20,
    sfTemplates = 21,
};

// The Linux folder standing in for a special folder, from the XDG folders
// the desktop defines. Empty when the folder has no Linux counterpart
// (control panel, printers, favourites, send-to, network) or does not exist
// on this machine; callers then use the whole file system.
QString SpecialFolderPath(int folder);

} // namespace runtime
