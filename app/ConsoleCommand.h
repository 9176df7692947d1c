#pragma once

namespace app {

// `quarlex --convert ...`: the conversion driver run from the command line
// with the console as its front end, so conversions can be scripted with
// the window's checks, texts and command lines.
class ConsoleCommand {
public:
    // Exit statuses, as --help documents them.
    enum ExitStatus { Converted = 0, RequestRejected = 1, ConversionFailed = 2 };

    // True when the arguments ask for the console front end.
    static bool isRequested(int argc, char** argv);

    // Creates the application object (offscreen when there is no display),
    // runs one conversion and returns the exit status.
    static int run(int argc, char** argv);
};

} // namespace app
