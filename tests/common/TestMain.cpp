#include "runtime/Application.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    // Tests never need a real display; painting goes to off-screen images.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    runtime::Application app(argc, argv);
    runtime::Application::setTitle(QStringLiteral("QUARLEX"));
    return RUN_ALL_TESTS();
}
