#pragma once

#include <QRect>
#include <QString>

// Where the X server shows the mapped top-level window of another program
// whose title is `title`; empty when there is none (yet).
QRect FindMappedWindow(const QString& display, const QString& title);
