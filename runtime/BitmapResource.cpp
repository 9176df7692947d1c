#include "runtime/BitmapResource.h"

#include "runtime/Bitmap.h"
#include "runtime/BmpDecode.h"
#include "runtime/RuntimeError.h"

#include <QFile>
#include <QHash>
#include <QMutex>

namespace runtime {

namespace {

QString pathOf(const QString& name)
{
    return QStringLiteral(":/bitmaps/%1.bmp").arg(name);
}

// Compiled-in bitmaps never change while the program runs, and the skinned
// parts ask for the same strips again and again (every style change, every
// part of a style): each is decoded once. QImage shares the pixels, so a
// caller that paints into its copy detaches and the cached one stays as
// decoded. The decoder gives the bitmap format already, so the copy a
// caller asks for in that format shares the same pixels.
QMutex s_lock;
QHash<QString, QImage>& cache()
{
    static QHash<QString, QImage> decoded;
    return decoded;
}

const QImage& decodedOf(const QString& name)
{
    auto found = cache().find(name);
    if (found != cache().end())
        return *found;
    QFile file(pathOf(name));
    if (!file.open(QIODevice::ReadOnly))
        throw ResourceNotFound(name);
    const QByteArray bytes = file.readAll();
    // The program's own bitmaps are plain BMP files, decoded here; Qt's
    // reader, which would first load every image format plugin, only
    // for any other kind.
    QImage image = DecodeUncompressedBmp(bytes);
    if (image.isNull())
        image = QImage::fromData(bytes, "BMP");
    if (image.isNull())
        throw ResourceNotFound(name);
    return *cache().insert(name, image);
}

} // namespace

QImage LoadBitmapResource(const QString& name)
{
    const QMutexLocker locker(&s_lock);
    return decodedOf(name);
}

QImage LoadBitmapResourceAsBitmap(const QString& name)
{
    return ToBitmap(LoadBitmapResource(name));
}

bool HasBitmapResource(const QString& name)
{
    return !name.isEmpty() && QFile::exists(pathOf(name));
}

} // namespace runtime
