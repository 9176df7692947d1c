#include "resources/ProgramIcon.h"

namespace resources {

QIcon ProgramIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/bitmaps/MAINICON.bmp"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/quarlex.png"), QSize(256, 256));
    return icon;
}

} // namespace resources
