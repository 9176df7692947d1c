#pragma once

#include <QImage>
#include <QString>

namespace runtime {

// Loads a bitmap compiled into the program under its resource name
// (":/bitmaps/NAME.bmp"). A name the program does not carry raises
// ResourceNotFound, as a missing resource always has.
QImage LoadBitmapResource(const QString& name);

// The same bitmap in the bitmap format (runtime::BitmapFormat).
QImage LoadBitmapResourceAsBitmap(const QString& name);

// Whether the program carries a bitmap under this name.
bool HasBitmapResource(const QString& name);

} // namespace runtime
