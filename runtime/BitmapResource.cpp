#include "runtime/BitmapResource.h"

#include "runtime/RuntimeError.h"

namespace runtime {

namespace {
QString pathOf(const QString& name)
{
    return QStringLiteral(":/bitmaps/%1.bmp").arg(name);
}
} // namespace

QImage LoadBitmapResource(const QString& name)
{
    QImage image(pathOf(name));
    if (image.isNull())
        throw ResourceNotFound(name);
    return image;
}

} // namespace runtime
