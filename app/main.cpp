#include "app/ConsoleCommand.h"
#include "app/Display.h"
#include "app/FormComponents.h"
#include "app/HistoryCommand.h"
#include "app/HistoryWindow.h"
#include "app/RememberedChoices.h"
#include "app/SourceChoice.h"
#include "app/TForm1.h"
#include "app/WindowLook.h"
#include "history/HistoryLocation.h"
#include "resources/ProgramIcon.h"
#include "runtime/Application.h"
#include "runtime/FontConfigPreload.h"
#include "runtime/StopSignals.h"
#include "skin/controls/ComboListStyle.h"

#include <QDir>
#include <QScopeGuard>
#include <QSettings>

#include <memory>

#include <cstdio>

namespace {

// `quarlex --history`: the History window alone, in the look the main
// window was left in; "Convert again" opens a main window when first asked.
int showHistoryOnly(runtime::Application& application, runtime::StopSignals& stopSignals)
{
    std::unique_ptr<TForm1> form;
    HistoryWindow window(history::HistoryFile(), [&form] {
        if (!form)
            form = std::make_unique<TForm1>();
        return form.get();
    });
    // BlueGlass is the main window's designed look.
    TsuiUIStyle style = TsuiUIStyle::BlueGlass;
    WindowLook::styleFromKey(app::RememberedChoices::load(*app::OpenSettings()).style.value_or(QString()), style);
    window.setUIStyle(style);
    window.show();
    QObject::connect(&stopSignals, &runtime::StopSignals::received, &window, [&form] {
        if (form)
            form->driver().cancel();
        QCoreApplication::quit();
    });
    return application.exec();
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

    // Begun first: the fonts are read while the application is set up and
    // the window's first steps are taken.
    runtime::FontConfigPreload fontConfig;
    runtime::Application application(argc, argv);
    ComboListStyle::installForApplication();
    const auto fontsReadBeforeTheApplicationGoes = qScopeGuard([&fontConfig] { fontConfig.join(); });
    runtime::Application::setTitle(QStringLiteral("QUARLEX"));
    runtime::Application::setWindowIcon(resources::ProgramIcon());
    RegisterFormComponents();
    runtime::StopSignals stopSignals;

    if (QCoreApplication::arguments().contains(QStringLiteral("--history"))) {
        fontConfig.finish();
        return showHistoryOnly(application, stopSignals);
    }

    // The window's first steps that need no fonts fill the wait for them.
    TForm1::prepare();
    fontConfig.finish();
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
    return application.exec();
}
