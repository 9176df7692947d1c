#pragma once

#include "runtime/Application.h"
#include "runtime/FontConfigPreload.h"
#include "runtime/StartUpHeap.h"

// The steps every start of QUARLEX's windows takes, in the one order that
// lets the fonts be read on a second thread beside them: the reading begins
// before the application exists, the application gets the program's style,
// title, icon and form components, and the thread is joined before the
// application goes. The program and the start-up benchmark both start
// through here, so what the benchmark times is what the program does.
class StartUp {
public:
    StartUp(int& argc, char** argv);
    ~StartUp();
    StartUp(const StartUp&) = delete;
    StartUp& operator=(const StartUp&) = delete;

    runtime::Application& application() { return m_application; }

    // Before the first text of a window other than the main one.
    void waitForFonts();
    // The main window's first steps that need no fonts fill the wait for
    // them; the window can be built after this.
    void prepareMainWindow();

private:
    // Made before anything else: what the main window's start touches at
    // scale 1, with room to spare.
    runtime::StartUpHeap m_heap{3 << 20};
    // Made before the application and outlives it.
    runtime::FontConfigPreload m_fonts;
    runtime::Application m_application;
};
