#pragma once

namespace app {

// `quarlex --history --list [--last N]`: the newest entries of the
// conversion history as tab-separated lines for scripts.
class HistoryCommand {
public:
    // True when the arguments ask for the listing.
    static bool isRequested(int argc, char** argv);
    // Prints the listing on standard output; 0 when the history could be
    // read (a history not yet written is empty), 1 otherwise.
    static int run(int argc, char** argv);
};

} // namespace app
