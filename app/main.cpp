#include "app/ConsoleCommand.h"
#include "app/Display.h"
#include "app/HistoryCommand.h"
#include "app/HistoryWindow.h"
#include "app/SourceChoice.h"
#include "app/StartUp.h"
#include "app/TForm1.h"
#include "app/WindowLook.h"
#include "history/HistoryLocation.h"
#include "runtime/StopSignals.h"

#include <QDir>

#include <memory>

#include <cstdio>

namespace {

// `quarlex --history`: the History window alone, in the look the main
// window was left in; "Convert again" opens a main window when first asked.
int showHistoryOnly(StartUp& startUp, runtime::StopSignals& stopSignals)
{
    std::unique_ptr<TForm1> form;
    HistoryWindow window(history::HistoryFile(), [&form] {
        if (!form)
            form = std::make_unique<TForm1>();
        return form.get();
    });
    window.setUIStyle(WindowLook::rememberedStyle());
    window.show();
    QObject::connect(&stopSignals, &runtime::StopSignals::received, &window, [&form] {
        if (form)
            form->driver().cancel();
        QCoreApplication::quit();
    });
    return startUp.application().exec();
}

} // namespace

int main(int argc, char** argv)
{
    if (app::HistoryCommand::isRequested(argc, argv))
        return app::HistoryCommand::run(argc, argv);
    if (app::ConsoleCommand::isRequested(argc, argv))
        return app::ConsoleCommand::run(argc, argv);

    if (!app::HasDisplay()) {
        std::fputs("quarlex: the QUARLEX window needs a graphical display (neither DISPLAY nor\n"
                   "WAYLAND_DISPLAY is set). Without one, convert from the command line:\n"
                   "  quarlex --convert FILE --dest DIR [--mode \"TEXT\"]   (see quarlex --help)\n",
                   stderr);
        return 1;
    }

    StartUp startUp(argc, argv);
    runtime::StopSignals stopSignals;

    if (QCoreApplication::arguments().contains(QStringLiteral("--history"))) {
        startUp.waitForFonts();
        return showHistoryOnly(startUp, stopSignals);
    }

    startUp.prepareMainWindow();
    TForm1 form;
    // `quarlex FILE.pdf` or `quarlex FOLDER`, as a file manager's "Open
    // with" starts it: the source step comes filled in.
    for (const QString& argument : QCoreApplication::arguments().mid(1)) {
        if (!argument.startsWith(QLatin1Char('-'))) {
            form.openSource(app::SourceFromArgument(argument, QDir::currentPath()));
            break;
        }
    }
    form.show();
    // A polite kill or a closed terminal cancels the run (its converters
    // stop with it) before the program ends.
    QObject::connect(&stopSignals, &runtime::StopSignals::received, &form, [&form] {
        form.driver().cancel();
        QCoreApplication::quit();
    });
    return startUp.application().exec();
}
