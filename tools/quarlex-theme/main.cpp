// quarlex-theme: export a built-in style as a theme file, pack a folder into
// one, or list what the reader loads from one.

#include "ThemeTool.h"

#include "runtime/RuntimeError.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

int usage()
{
    QTextStream(stderr) << "usage: quarlex-theme export STYLE FILE\n"
                           "       quarlex-theme pack DIR FILE\n"
                           "       quarlex-theme dump FILE\n"
                           "STYLE is one of MacOS, WinXP, DeepBlue, Protein, BlueGlass.\n";
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const QString command = args[0];
    try {
        if (command == QLatin1String("export") && args.size() == 3) {
            const auto style = BuiltinStyleNamed(args[1]);
            if (!style)
                return usage();
            SaveThemeFile(args[2], ExportBuiltinStyle(*style));
        } else if (command == QLatin1String("pack") && args.size() == 3) {
            SaveThemeFile(args[2], PackThemeFolder(args[1]));
        } else if (command == QLatin1String("dump") && args.size() == 2) {
            QTextStream out(stdout);
            DumpThemeFile(args[1], out);
        } else {
            return usage();
        }
    } catch (const runtime::RuntimeError& e) {
        QTextStream(stderr) << e.message() << '\n';
        return 1;
    }
    return 0;
}
