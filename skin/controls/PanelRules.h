#pragma once

#include "skin/controls/ControlEnums.h"

#include <QSize>

// Auto size of the image panel: the picture's width unless the panel is
// aligned to the top, bottom or client area, its height unless aligned to
// the left, right or client area.
QSize PanelAutoSize(QSize current, QSize picture, TAlign align);
