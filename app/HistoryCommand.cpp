#include "app/HistoryCommand.h"

#include "history/HistoryListing.h"
#include "history/HistoryLocation.h"
#include "history/HistoryReader.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstring>

namespace app {

namespace {

constexpr int DefaultCount = 50;

const char* const helpText = R"help(Usage: quarlex --history --list [--last N]

Prints the newest conversions of the history, newest first, one per line,
fields separated by tabs, after a header line naming them:
started_at, source, mode, destination, output, outcome, reason, duration_ms.
Backslashes, tabs, newlines and other control characters inside a field are
written as \\, \t, \n, \r and \xHH.

  --last N   how many entries to print (default 50)

The history is $XDG_DATA_HOME/quarlex/history.sqlite (~/.local/share/quarlex/
by default), or the file QUARLEX_HISTORY names; an empty QUARLEX_HISTORY
turns history off.
)help";

void printError(const QString& text)
{
    std::fprintf(stderr, "quarlex: %s\n", text.toLocal8Bit().constData());
}

} // namespace

bool HistoryCommand::isRequested(int argc, char** argv)
{
    bool history = false;
    bool list = false;
    for (int i = 1; i < argc; ++i) {
        history = history || std::strcmp(argv[i], "--history") == 0;
        list = list || std::strcmp(argv[i], "--list") == 0;
    }
    return history && list;
}

int HistoryCommand::run(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption historyOption(QStringLiteral("history"));
    const QCommandLineOption listOption(QStringLiteral("list"));
    const QCommandLineOption helpOption(QStringLiteral("help"));
    const QCommandLineOption lastOption(QStringLiteral("last"), {}, QStringLiteral("N"), QString::number(DefaultCount));
    parser.addOptions({historyOption, listOption, helpOption, lastOption});
    bool countOk = false;
    const int count = parser.parse(application.arguments()) ? parser.value(lastOption).toInt(&countOk) : 0;
    if (!parser.errorText().isEmpty() || !parser.positionalArguments().isEmpty() || !countOk || count < 0) {
        printError(parser.errorText().isEmpty() ? QStringLiteral("--last needs a whole number of entries")
                                                : parser.errorText());
        std::fputs("Try 'quarlex --history --list --help'.\n", stderr);
        return 1;
    }
    if (parser.isSet(helpOption)) {
        std::fputs(helpText, stdout);
        return 0;
    }

    const QString path = history::HistoryFile();
    if (path.isEmpty()) {
        printError(QStringLiteral("conversion history is turned off (QUARLEX_HISTORY is empty)"));
        return 1;
    }
    const history::HistoryReading reading = history::ReadHistory(path, count);
    std::fputs(history::HistoryListing(reading.entries).toUtf8().constData(), stdout);
    if (!reading.error.isEmpty()) {
        printError(QStringLiteral("cannot read the history %1: %2").arg(path, reading.error));
        return 1;
    }
    return 0;
}

} // namespace app
