#include "runtime/BitmapResource.h"

#include "runtime/RuntimeError.h"

#include <QFile>

namespace runtime {

namespace {
QString pathOf(const QString& name)
{
    return QStringLiteral(":/bitmaps/%1.bmp").arg(name);
}
} // namespace

bool HasBitmapResource(const QString& name)
{
    return QFile::exists(pathOf(name));
}

QImage LoadBitmapResource(const QString& name)
{
    QImage image(pathOf(name));
    if (image.isNull())
        throw ResourceNotFound(name);
    return image;
}

} // namespace runtime
