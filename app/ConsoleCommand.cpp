#include "app/ConsoleCommand.h"

#include "app/ConsoleFrontEnd.h"
#include "app/Display.h"
#include "convert/ConversionDriver.h"
#include "convert/RipMode.h"
#include "history/HistoryLocation.h"
#include "history/HistoryStore.h"
#include "runtime/Application.h"
#include "runtime/RuntimeError.h"
#include "runtime/StopSignals.h"

#include <QCommandLineParser>

#include <cstdio>
#include <cstring>

namespace app {

namespace {

const char* const helpText = R"help(Usage: quarlex --convert [FILE] [--folder DIR] --dest DIR [--mode "TEXT"]
                       [--zoom "TEXT"] [--owner-password TEXT] [--user-password TEXT] [--open]
                       [--timeout SECONDS]

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
  --zoom "TEXT"           zoom ratio for the source PDF, such as "150%" (it must
                          hold "%" and be more than 0%); without it no zoom is passed
  --owner-password TEXT   owner password; either password turns on
  --user-password TEXT    "Authorization required"
  --open                  answer Yes to "Do you want to view the result ?" and open
                          the result; without it the answer is No
  --folder DIR            convert every PDF file of a folder (any case of ".pdf");
                          FILE is then ignored. DIR may end in a mask, as "/pdfs/*.PDF"
  --timeout SECONDS       stop a converter that works longer than this on one
                          document and report the document as timed out
                          (default 600; 0 for no limit)
  --help                  show this text

Ctrl-C, SIGTERM and SIGHUP act as the Cancel button: the converters of the
run are stopped, "Canceled by user!" is printed and quarlex exits.

Output appears under its final name only once it is complete; a failed or
canceled conversion leaves an earlier file of that name untouched. A failure
names the output that was not written and why, in the converter's own last
words when it gave any ("Incorrect password", "timed out"); a folder's
failures are listed one per line as "NAME.pdf: why".

Exit status: 0 when every output file was written, 1 when a check of the
request failed, 2 when a conversion failed or was canceled.
The converters are taken from $windir/system32 when windir is set, else
from the system32 folder beside the program.
)help";

int exitStatus(convert::ConversionDriver::Outcome outcome)
{
    using Outcome = convert::ConversionDriver::Outcome;
    switch (outcome) {
    case Outcome::Converted:
        return ConsoleCommand::Converted;
    case Outcome::Rejected:
        return ConsoleCommand::RequestRejected;
    default:
        return ConsoleCommand::ConversionFailed;
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
    const QCommandLineOption timeout(QStringLiteral("timeout"), {}, QStringLiteral("SECONDS"),
                                     QString::number(convert::ConversionRequest::DefaultTimeLimit.count() / 1000));
    parser.addOptions({convertOption, helpOption, openOption, folder, dest, mode, zoom, owner, user, timeout});
    bool parsed = parser.parse(application.arguments());
    bool secondsRead = false;
    const int seconds = parser.value(timeout).toInt(&secondsRead);
    if (!parsed || parser.positionalArguments().size() > 1 || !secondsRead || seconds < 0) {
        const QString error = !parser.errorText().isEmpty() ? parser.errorText()
            : parser.positionalArguments().size() > 1
            ? QStringLiteral("more than one FILE given")
            : QStringLiteral("--timeout takes a whole number of seconds, 0 or more");
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
    request.timeLimit = std::chrono::seconds(seconds);

    ConsoleFrontEnd frontEnd(parser.isSet(openOption));
    // Each document goes into the conversion history; a history that cannot
    // be kept is said once on standard error and changes nothing else.
    history::HistoryStore history(history::HistoryFile());
    QObject::connect(&history, &history::HistoryStore::problemFound,
                     [](const QString& problem) { std::fprintf(stderr, "%s\n", problem.toLocal8Bit().constData()); });
    convert::ConversionDriver driver(frontEnd);
    driver.setRecorder(&history);

    // The run returns once canceled, and the program exits after it.
    runtime::StopSignals stopSignals;
    QObject::connect(&stopSignals, &runtime::StopSignals::received, &driver, &convert::ConversionDriver::cancel);

    int status;
    try {
        status = exitStatus(driver.start(request));
    } catch (const runtime::RuntimeError& error) {
        frontEnd.showMessage(error.message());
        status = exitStatus(driver.outcome());
    }
    return status;
}

} // namespace app
