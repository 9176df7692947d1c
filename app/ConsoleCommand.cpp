#include "app/ConsoleCommand.h"

#include "app/ConsoleFrontEnd.h"
#include "app/Display.h"
#include "convert/ConversionDriver.h"
#include "convert/RipMode.h"
#include "history/HistoryLocation.h"
#include "history/HistoryStore.h"
#include "runtime/Application.h"
#include "runtime/RuntimeError.h"

#include <QCommandLineParser>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/socket.h>
#include <unistd.h>

namespace app {

namespace {

const char* const helpText = R"help(Usage: quarlex --convert [FILE] [--folder DIR] --dest DIR [--mode "TEXT"]
                       [--zoom "TEXT"] [--owner-password TEXT] [--user-password TEXT] [--open]

Converts one PDF file with the same checks, messages and converter command
lines as the window's Start button. Every message the window would show is
printed on standard error, one per line.

  FILE                    the PDF file to convert
  --dest DIR              the destination folder for the output files
  --mode "TEXT"           the rip mode, exactly as the window's mode list holds it:
                            "PDF -> HTML (with images, layout)"   (default)
                            "PDF -> HTML"
                            "PDF -> RTF  (with images, layout)"   (two blanks before "(")
                            "PDF -> RTF"
                            "PDF -> TEXT / TXT"
                          any other text gives "Invalid Ripper Mode!"
  --zoom "TEXT"           zoom ratio for the source PDF, such as "150%"; without
                          it no zoom is passed
  --owner-password TEXT   owner password; either password turns on
  --user-password TEXT    "Authorization required"
  --open                  answer Yes to "Do you want to view the result ?" and open
                          the result; without it the answer is No
  --folder DIR            convert every PDF file of a folder (any case of ".pdf");
                          FILE is then ignored. DIR may end in a mask, as "/pdfs/*.PDF"
  --help                  show this text

Ctrl-C acts as the Cancel button: the converters of the run are stopped and
"Canceled by user!" is printed.

Exit status: 0 when every output file was written, 1 when a check of the
request failed, 2 when a conversion failed or was canceled.
The converters are taken from $windir/system32 when windir is set, else
from the system32 folder beside the program.
)help";

int signalPipe[2] = {-1, -1};

void onInterrupt(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}

int exitStatus(convert::ConversionDriver::Outcome outcome)
{
    using Outcome = convert::ConversionDriver::Outcome;
    switch (outcome) {
    case Outcome::Converted: return ConsoleCommand::Converted;
    case Outcome::Rejected: return ConsoleCommand::RequestRejected;
    default: return ConsoleCommand::ConversionFailed;
    }
}

void ensurePlatform()
{
    // Converting needs no window; without a display Qt would refuse to start.
    if (!HasDisplay())
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace

bool ConsoleCommand::isRequested(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--convert") == 0 || std::strcmp(argv[i], "--help") == 0)
            return true;
    return false;
}

int ConsoleCommand::run(int argc, char** argv)
{
    ensurePlatform();
    runtime::Application application(argc, argv);
    runtime::Application::setTitle(QStringLiteral("QUARLEX"));

    QCommandLineParser parser;
    const QCommandLineOption convertOption(QStringLiteral("convert"));
    const QCommandLineOption helpOption(QStringLiteral("help"));
    const QCommandLineOption openOption(QStringLiteral("open"));
    const QCommandLineOption folder(QStringLiteral("folder"), {}, QStringLiteral("DIR"));
    const QCommandLineOption dest(QStringLiteral("dest"), {}, QStringLiteral("DIR"));
    const QCommandLineOption mode(QStringLiteral("mode"), {}, QStringLiteral("TEXT"),
                                  convert::RipModeText(convert::HtmlWithImages));
    const QCommandLineOption zoom(QStringLiteral("zoom"), {}, QStringLiteral("TEXT"));
    const QCommandLineOption owner(QStringLiteral("owner-password"), {}, QStringLiteral("TEXT"));
    const QCommandLineOption user(QStringLiteral("user-password"), {}, QStringLiteral("TEXT"));
    parser.addOptions({convertOption, helpOption, openOption, folder, dest, mode, zoom, owner, user});
    if (!parser.parse(application.arguments()) || parser.positionalArguments().size() > 1) {
        const QString error = parser.errorText().isEmpty() ? QStringLiteral("more than one FILE given")
                                                           : parser.errorText();
        std::fprintf(stderr, "quarlex: %s\nTry 'quarlex --help'.\n", error.toLocal8Bit().constData());
        return RequestRejected;
    }
    if (parser.isSet(helpOption)) {
        std::fputs(helpText, stdout);
        return Converted;
    }

    convert::ConversionRequest request;
    request.ripModeText = parser.value(mode);
    request.sourceFile = parser.positionalArguments().value(0);
    request.sourceFolder = parser.value(folder);
    request.destination = parser.value(dest);
    request.options.authorizationRequired = parser.isSet(owner) || parser.isSet(user);
    request.options.ownerPassword = parser.value(owner);
    request.options.userPassword = parser.value(user);
    request.options.zoomEnabled = parser.isSet(zoom);
    request.options.zoomText = parser.value(zoom);

    ConsoleFrontEnd frontEnd(parser.isSet(openOption));
    // Each document goes into the conversion history; a history that cannot
    // be kept is said once on standard error and changes nothing else.
    history::HistoryStore history(history::HistoryFile());
    QObject::connect(&history, &history::HistoryStore::problemFound,
                     [](const QString& problem) { std::fprintf(stderr, "%s\n", problem.toLocal8Bit().constData()); });
    convert::ConversionDriver driver(frontEnd);
    driver.setRecorder(&history);

    // Ctrl-C arrives as a signal; the handler only writes to a socket, and
    // the event loop that runs inside every wait turns it into Cancel.
    ::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe);
    QSocketNotifier interrupt(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&interrupt, &QSocketNotifier::activated, [&] {
        char byte;
        [[maybe_unused]] const auto got = ::read(signalPipe[0], &byte, 1);
        driver.cancel();
    });
    struct sigaction action = {};
    action.sa_handler = onInterrupt;
    ::sigaction(SIGINT, &action, nullptr);

    int status;
    try {
        status = exitStatus(driver.start(request));
    } catch (const runtime::RuntimeError& error) {
        frontEnd.showMessage(error.message());
        status = exitStatus(driver.outcome());
    }
    ::signal(SIGINT, SIG_DFL);
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    return status;
}

} // namespace app
