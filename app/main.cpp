#include "app/ConsoleCommand.h"
#include "runtime/Application.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (app::ConsoleCommand::isRequested(argc, argv))
        return app::ConsoleCommand::run(argc, argv);

    runtime::Application application(argc, argv);
    runtime::Application::setTitle(QStringLiteral("QUARLEX"));
    std::fputs("QUARLEX: the main window is not built yet; convert from the command line with\n"
               "  quarlex --convert FILE --dest DIR [--mode \"TEXT\"]   (see quarlex --help)\n",
               stderr);
    return 1;
}
