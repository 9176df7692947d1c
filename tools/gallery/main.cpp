#include "GallerySections.h"
#include "GallerySheet.h"

#include "runtime/Application.h"
#include "skin/theme/TsuiFileTheme.h"

#include <QCommandLineParser>
#include <QMetaEnum>

#include <cstdio>
#include <exception>

// quarlex-gallery [--style NAME | --theme FILE] -o FILE.png
// Renders every skinned control in every state for one built-in style or
// one theme file, off screen, into one picture.
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
    const QCommandLineOption styleOption(QStringLiteral("style"),
                                         QStringLiteral("Built-in style: MacOS, WinXP, DeepBlue, Protein or BlueGlass."),
                                         QStringLiteral("NAME"), QStringLiteral("DeepBlue"));
    const QCommandLineOption themeOption(QStringLiteral("theme"), QStringLiteral("Theme file to draw from."),
                                         QStringLiteral("FILE"));
    const QCommandLineOption outputOption(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                          QStringLiteral("PNG file to write."), QStringLiteral("FILE.png"));
    parser.addOptions({styleOption, themeOption, outputOption});
    parser.process(arguments);

    auto fail = [](const QString& message) {
        std::fprintf(stderr, "quarlex-gallery: %s\n", qPrintable(message));
        return 2;
    };
    if (!parser.isSet(outputOption))
        return fail(QStringLiteral("an output file is needed (-o FILE.png)"));
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

    GallerySheet sheet(style, parser.isSet(themeOption) ? &theme : nullptr);
    DrawGallerySections(sheet);
    if (!sheet.render().save(parser.value(outputOption), "PNG"))
        return fail(QStringLiteral("cannot write %1").arg(parser.value(outputOption)));
    return 0;
}
