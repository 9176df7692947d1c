#include "runtime/Application.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    // Tests never need a real display; painting goes to off-screen images.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // No test writes to the conversion history of the machine it runs on;
    // programs the tests start inherit this, and tests of the history name
    // their own file.
    qputenv("QUARLEX_HISTORY", "");
    ::testing::InitGoogleTest(&argc, argv);
    runtime::Application app(argc, argv);
    runtime::Application::setTitle(QStringLiteral("QUARLEX"));
    return RUN_ALL_TESTS();
}
