#include "runtime/Application.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    runtime::Application app(argc, argv);
    runtime::Application::setTitle(QStringLiteral("QUARLEX"));
    std::fputs("QUARLEX: the main window is not built yet.\n", stderr);
    return 0;
}
