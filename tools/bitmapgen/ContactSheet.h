#pragma once

#include "Catalogue.h"

#include <QImage>
#include <QMap>

// A labelled overview of every bitmap, enlarged, grouped by style, with a
// mock-up of each style's title bar, buttons, check boxes and progress bar
// assembled the way the controls slice and stretch them. For review only.
QImage ContactSheet(const std::vector<Resource>& resources, const QMap<QString, QImage>& decoded);
