// quarlex-bitmapgen: draws every bitmap resource of the program and writes it
// as a Windows bitmap of its fixed size and depth, plus the program icon as
// PNG and a contact sheet for review.
//
//   quarlex-bitmapgen --bitmaps DIR [--icons DIR] [--sheet FILE.png]
//   quarlex-bitmapgen --list      (the resources as a Markdown table)

#include "BmpWriter.h"
#include "Catalogue.h"
#include "ContactSheet.h"
#include "SharedArt.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({"bitmaps", "Folder for the BMP files.", "dir"});
    parser.addOption({"icons", "Folder for the program icon PNG.", "dir"});
    parser.addOption({"sheet", "Contact sheet PNG to write.", "file"});
    parser.addOption({"list", "Print the resources as a Markdown table."});
    parser.process(app);
    if (parser.isSet("list")) {
        std::printf("| name | width × height | bits per pixel | frames | layout |\n|---|---|---|---|---|\n");
        for (const Resource& r : Catalogue())
            std::printf("| %s | %d × %d | %d | %d | %s |\n", qPrintable(r.name), r.width, r.height, r.bitsPerPixel,
                        r.frames, qPrintable(r.layout));
        return 0;
    }
    if (!parser.isSet("bitmaps"))
        parser.showHelp(2);

    const QDir out(parser.value("bitmaps"));
    out.mkpath(".");
    QMap<QString, QImage> decoded;
    bool ok = true;
    for (const Resource& r : Catalogue()) {
        const QImage image = r.draw();
        if (image.width() != r.width || image.height() != r.height) {
            std::fprintf(stderr, "%s drew %dx%d instead of %dx%d\n", qPrintable(r.name), image.width(), image.height(),
                         r.width, r.height);
            ok = false;
            continue;
        }
        const QByteArray bytes = EncodeBmp(image, r.bitsPerPixel, r.keep);
        ok = writeFile(out.filePath(r.name + ".bmp"), bytes) && ok;
        decoded.insert(r.name, QImage::fromData(bytes, "BMP"));
    }

    if (parser.isSet("icons")) {
        const QDir icons(parser.value("icons"));
        icons.mkpath(".");
        ok = shared::ProgramIcon(256).save(icons.filePath("quarlex.png")) && ok;
    }
    if (parser.isSet("sheet"))
        ok = ContactSheet(Catalogue(), decoded).save(parser.value("sheet")) && ok;
    return ok ? 0 : 1;
}
