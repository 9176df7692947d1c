#include "GallerySections.h"
#include "GallerySheet.h"

#include "ThemeTool.h"

#include "runtime/Application.h"
#include "skin/theme/TsuiFileTheme.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QMetaEnum>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <exception>

namespace {

QImage renderSheet(TsuiUIStyle style, TsuiFileTheme* theme, const QString& name = QString())
{
    GallerySheet sheet(style, theme);
    if (!name.isEmpty())
        sheet.setStyleName(name);
    DrawGallerySections(sheet);
    return sheet.render();
}

// Pixels that differ between two sheets; every pixel when the sizes differ.
qint64 differences(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return qint64(std::max(a.width(), b.width())) * std::max(a.height(), b.height());
    const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
    qint64 count = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            count += p[col] != q[col];
    }
    return count;
}

} // namespace

// quarlex-gallery [--style NAME | --theme FILE] -o FILE.png
// Renders every skinned control in every state for one built-in style or
// one theme file, off screen, into one picture. With --against-export the
// style is also drawn from the theme file quarlex-theme exports for it, and
// the run fails unless both sheets are the same to the pixel.
int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // QApplication would take --style as its own widget-style option, so
    // the arguments are read here and the application sees none of them.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    int appArgc = 1;
    runtime::Application app(appArgc, argv);
    runtime::Application::setTitle(QStringLiteral("QUARLEX"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Renders every skinned control in every state into one PNG."));
    parser.addHelpOption();
    const QCommandLineOption styleOption(
        QStringLiteral("style"), QStringLiteral("Built-in style: MacOS, WinXP, DeepBlue, Protein or BlueGlass."),
        QStringLiteral("NAME"), QStringLiteral("DeepBlue"));
    const QCommandLineOption themeOption(QStringLiteral("theme"), QStringLiteral("Theme file to draw from."),
                                         QStringLiteral("FILE"));
    const QCommandLineOption outputOption(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                          QStringLiteral("PNG file to write."), QStringLiteral("FILE.png"));
    const QCommandLineOption againstExport(QStringLiteral("against-export"),
                                           QStringLiteral("Also draw the style from its exported theme file; fail when "
                                                          "the two sheets differ."));
    parser.addOptions({styleOption, themeOption, outputOption, againstExport});
    parser.process(arguments);

    auto fail = [](const QString& message) {
        std::fprintf(stderr, "quarlex-gallery: %s\n", qPrintable(message));
        return 2;
    };
    if (!parser.isSet(outputOption))
        return fail(QStringLiteral("an output file is needed (-o FILE.png)"));
    // Listing a folder's files moves the working directory (as the list
    // box does in the window), so a relative output is fixed first.
    const QString output = QFileInfo(parser.value(outputOption)).absoluteFilePath();
    if (parser.isSet(styleOption) && parser.isSet(themeOption))
        return fail(QStringLiteral("give either --style or --theme, not both"));

    TsuiUIStyle style = TsuiUIStyle::DeepBlue;
    TsuiFileTheme theme;
    if (parser.isSet(themeOption)) {
        try {
            theme.AssignThemeFile(parser.value(themeOption));
        } catch (const std::exception& error) {
            return fail(QString::fromUtf8(error.what()));
        }
        if (!theme.ThemeLoaded())
            return fail(QStringLiteral("no theme file %1").arg(parser.value(themeOption)));
        style = TsuiUIStyle::FromThemeFile;
    } else {
        bool ok = false;
        const int value = QMetaEnum::fromType<TsuiUIStyle>().keyToValue(qPrintable(parser.value(styleOption)), &ok);
        if (!ok || value == int(TsuiUIStyle::FromThemeFile))
            return fail(QStringLiteral("unknown style %1").arg(parser.value(styleOption)));
        style = TsuiUIStyle(value);
    }

    const QImage sheet = renderSheet(style, parser.isSet(themeOption) ? &theme : nullptr);
    if (!sheet.save(output, "PNG"))
        return fail(QStringLiteral("cannot write %1").arg(output));
    if (!parser.isSet(againstExport))
        return 0;
    if (parser.isSet(themeOption))
        return fail(QStringLiteral("--against-export compares a built-in style"));
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("exported.theme"));
    TsuiFileTheme exported;
    try {
        SaveThemeFile(file, ExportBuiltinStyle(style));
        exported.AssignThemeFile(file);
    } catch (const std::exception& error) {
        return fail(QString::fromUtf8(error.what()));
    }
    const QImage fromFile = renderSheet(TsuiUIStyle::FromThemeFile, &exported,
                                        QString::fromLatin1(QMetaEnum::fromType<TsuiUIStyle>().valueToKey(int(style))));
    const qint64 count = differences(sheet, fromFile);
    if (count == 0)
        return 0;
    fromFile.save(output + QStringLiteral(".exported.png"), "PNG");
    std::fprintf(stderr, "quarlex-gallery: %lld pixels differ between the built-in style and its exported theme file\n",
                 static_cast<long long>(count));
    return 1;
}
