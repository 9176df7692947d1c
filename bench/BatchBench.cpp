// A batch of 200 small PDFs converted by the window's batch run, against the
// same converters started by a plain shell loop and by `xargs -P` with the
// core count, in one run, for mode 2 (HTML without images) and mode 5
// (text); and a batch of 8 to RTF (mode 4) against `xargs -P` HTML
// conversion followed by one LibreOffice call for all 8; and one document to
// RTF against the same two steps by hand, once with LibreOffice on a fresh
// profile (what every conversion paid before the profile was kept) and once
// warm. Also the longest
// time the event loop went without running while the batch worked. Goals:
// modes 2 and 5 no slower than xargs -P (ratio <= 1.05); RTF within 1.5
// times its reference; one RTF document no slower than on a fresh profile;
// events at least every 50 ms throughout. LibreOffice
// runs warm in both the batch and its reference: each profile converts one
// document before the clock starts.
#include "convert/ConversionDriver.h"
#include "convert/ConversionFrontEnd.h"
#include "convert/LibreOfficeRtf.h"
#include "convert/RipMode.h"
#include "runtime/Application.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int DocumentCount = 200;
constexpr int RtfDocumentCount = 8;

// Shows nothing; keeps the summary.
class SilentFrontEnd : public convert::ConversionFrontEnd {
public:
    void showMessage(const QString& text) override { messages << text; }
    void setStatus(const QString&) override {}
    void setDocumentProgress(int) override {}
    void setBatchProgress(int) override {}
    bool askToViewResult() override { return false; }
    QStringList messages;
};

// The longest pause between two ticks of a 5 ms timer while it runs.
class LoopWatch : public QObject {
public:
    LoopWatch()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] { m_longest = std::max(m_longest, m_since.restart()); });
    }
    void start()
    {
        m_longest = 0;
        m_since.start();
        m_timer.start(5);
    }
    qint64 stop()
    {
        m_timer.stop();
        return m_longest;
    }

private:
    QTimer m_timer;
    QElapsedTimer m_since;
    qint64 m_longest = 0;
};

double runShell(const QString& script, const QString& folder)
{
    QElapsedTimer clock;
    clock.start();
    QProcess shell;
    shell.setWorkingDirectory(folder);
    shell.start(QStringLiteral("/bin/bash"), {QStringLiteral("-c"), script});
    shell.waitForFinished(-1);
    return clock.nsecsElapsed() / 1e9;
}

int countFiles(const QString& folder, const QString& mask)
{
    return int(QDir(folder).entryList({mask}, QDir::Files).size());
}

struct Timed {
    double seconds = 0;
    qint64 longestPause = 0;
};

Timed runRequest(convert::ConversionRequest request)
{
    SilentFrontEnd frontEnd;
    convert::ConversionDriver driver(frontEnd);
    const QString destination = request.destination;
    QDir().mkpath(destination);
    LoopWatch watch;
    QElapsedTimer clock;
    clock.start();
    watch.start();
    driver.start(request);
    Timed timed;
    timed.longestPause = watch.stop();
    timed.seconds = clock.nsecsElapsed() / 1e9;
    return timed;
}

Timed runBatch(int mode, const QString& sourceFolder, const QString& destination)
{
    convert::ConversionRequest request;
    request.ripModeText = convert::RipModeText(mode);
    request.sourceFolder = sourceFolder + QStringLiteral("/*.PDF");
    request.destination = destination;
    return runRequest(request);
}

QString xargsScript(int cores, const QString& command, const QString& out, const QString& extension)
{
    return QStringLiteral("printf '%s\\0' *.pdf | xargs -0 -P %1 -I{} sh -c "
                          "'%2 \"$1\" \"%3/$(basename \"$1\" .pdf).%4\"' _ {}")
        .arg(cores)
        .arg(command, out, extension);
}

void copySamples(const QString& folder, int count)
{
    QDir().mkpath(folder);
    for (int i = 0; i < count; ++i)
        QFile::copy(QStringLiteral(QUARLEX_SAMPLE_PDF),
                    folder + QStringLiteral("/doc%1.pdf").arg(i, 3, 10, QLatin1Char('0')));
}

// One document to RTF, median of a few runs each way; true when the goal is met.
bool singleRtf(const QTemporaryDir& work, const QString& pdfs, const QString& warmCall)
{
    constexpr int Runs = 5;
    const QString out = work.filePath(QStringLiteral("single"));
    QDir().mkpath(out);
    const QString html =
        QStringLiteral("pdftohtml -i -noframes -nomerge doc000.pdf '%1/s.html' >/dev/null 2>&1 && ").arg(out);
    const QString files = QStringLiteral("'%1/s.html' >/dev/null 2>&1").arg(out);
    // Each fresh run gets a profile folder of its own, as each conversion
    // did, and the launcher script that restarts LibreOffice once a new
    // profile is set up.
    const QString fresh =
        QString(warmCall)
            .replace(QStringLiteral("reference-profile"), QStringLiteral("fresh-$RANDOM$$"))
            .replace(convert::LibreOfficeRtf::program(), QStandardPaths::findExecutable(QStringLiteral("soffice")));
    QList<double> cold, warm, quarlex;
    for (int i = 0; i < Runs; ++i) {
        cold << runShell(html + fresh.arg(out) + files, pdfs);
        warm << runShell(html + warmCall.arg(out) + files, pdfs);
        convert::ConversionRequest request;
        request.ripModeText = convert::RipModeText(convert::RtfWithoutImages);
        request.sourceFile = pdfs + QStringLiteral("/doc000.pdf");
        request.destination = out;
        quarlex << runRequest(request).seconds;
    }
    const auto median = [](QList<double> values) {
        std::sort(values.begin(), values.end());
        return values[values.size() / 2];
    };
    const double ratio = median(quarlex) / median(cold);
    const bool ok = ratio <= 1.0 && QFile::exists(out + QStringLiteral("/doc000.rtf"));
    std::printf("single  by hand, fresh profile %7.3f s  warm profile %7.3f s  QUARLEX %7.3f s (medians of %d)\n",
                median(cold), median(warm), median(quarlex), Runs);
    std::printf("        QUARLEX / fresh profile = %.3f (goal <= 1.0), / warm profile = %.3f: %s\n", ratio,
                median(quarlex) / median(warm), ok ? "met" : "NOT met");
    return ok;
}

// The 8-document RTF batch and its reference; true when the goal is met.
bool rtfBatch(const QTemporaryDir& work, int cores)
{
    const QString pdfs = work.filePath(QStringLiteral("rtf pdfs"));
    copySamples(pdfs, RtfDocumentCount);
    const QString soffice = convert::LibreOfficeRtf::program();
    const QString profile =
        QUrl::fromLocalFile(work.filePath(QStringLiteral("reference-profile"))).toString(QUrl::FullyEncoded);
    const QString call = QStringLiteral("'%1' -env:UserInstallation=%2 --headless --norestore --nologo --nodefault "
                                        "--nolockcheck '--infilter=HTML (StarWriter)' --convert-to "
                                        "'rtf:Rich Text Format' --outdir '%3' ")
                             .arg(soffice, profile);
    // Warm-up, untimed: the reference profile, and the batch's own cache.
    const QString warm = work.filePath(QStringLiteral("warm"));
    QDir().mkpath(warm);
    runShell(QStringLiteral("pdftohtml -i -noframes -nomerge doc000.pdf '%1/w.html' && for i in 1 2; do %2 '%1/w.html' "
                            ">/dev/null 2>&1; done")
                 .arg(warm, call.arg(warm)),
             pdfs);
    runBatch(convert::RtfWithoutImages, pdfs, work.filePath(QStringLiteral("rtf warm")));

    const QString refOut = work.filePath(QStringLiteral("rtf reference"));
    QDir().mkpath(refOut);
    const double reference = runShell(
        xargsScript(cores, QStringLiteral("pdftohtml -i -noframes -nomerge"), refOut, QStringLiteral("html"))
            + QStringLiteral(" && ") + call.arg(refOut) + QStringLiteral("'%1'/*.html >/dev/null 2>&1").arg(refOut),
        pdfs);
    const QString batchOut = work.filePath(QStringLiteral("rtf batch"));
    const Timed batch = runBatch(convert::RtfWithoutImages, pdfs, batchOut);
    const double ratio = batch.seconds / reference;
    const bool ok =
        ratio <= 1.5 && batch.longestPause <= 50 && countFiles(batchOut, QStringLiteral("*.rtf")) == RtfDocumentCount;
    std::printf("mode 4  xargs -P%d HTML + one LibreOffice call %7.2f s  batch %7.2f s (%d of %d written, %d by "
                "reference)\n",
                cores, reference, batch.seconds, countFiles(batchOut, QStringLiteral("*.rtf")), RtfDocumentCount,
                countFiles(refOut, QStringLiteral("*.rtf")));
    std::printf("        batch / reference = %.3f (goal <= 1.5), longest event pause %lld ms (goal <= 50): %s\n", ratio,
                static_cast<long long>(batch.longestPause), ok ? "met" : "NOT met");
    return singleRtf(work, pdfs, call) && ok;
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    runtime::Application app(argc, argv);
    // Each line shows as soon as it is measured, also into a file.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const QString pdftohtml = QStandardPaths::findExecutable(QStringLiteral("pdftohtml"));
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftohtml.isEmpty() || pdftotext.isEmpty()) {
        std::fprintf(stderr, "poppler-utils is not installed\n");
        return 1;
    }

    QTemporaryDir work;
    const QString windir = work.filePath(QStringLiteral("windir"));
    const QString pdfs = work.filePath(QStringLiteral("pdfs"));
    QDir().mkpath(windir + QStringLiteral("/system32"));
    QDir().mkpath(pdfs);
    QFile::link(pdftohtml, windir + QStringLiteral("/system32/zorvan.exe"));
    QFile::link(pdftotext, windir + QStringLiteral("/system32/quildo.exe"));
    qputenv("windir", windir.toLocal8Bit());
    copySamples(pdfs, DocumentCount);

    const int cores = std::max(1, QThread::idealThreadCount());
    std::printf("%d documents, %d cores\n", DocumentCount, cores);
    bool met = true;
    // "rtf" measures the word processor's part alone.
    const bool rtfOnly = argc > 1 && qstrcmp(argv[1], "rtf") == 0;
    for (const int mode : {2, 5}) {
        if (rtfOnly)
            break;
        const bool text = mode == convert::PlainText;
        const QString extension = text ? QStringLiteral("txt") : QStringLiteral("html");
        const QString command = text ? QStringLiteral("pdftotext") : QStringLiteral("pdftohtml -i -noframes -nomerge");
        const QString mask = QStringLiteral("*.") + extension;

        const QString loopOut = work.filePath(QStringLiteral("loop%1").arg(mode));
        QDir().mkpath(loopOut);
        const double loop = runShell(
            QStringLiteral("for f in *.pdf; do %1 \"$f\" \"%2/${f%.pdf}.%3\"; done").arg(command, loopOut, extension),
            pdfs);

        const QString xargsOut = work.filePath(QStringLiteral("xargs%1").arg(mode));
        QDir().mkpath(xargsOut);
        const double xargs = runShell(xargsScript(cores, command, xargsOut, extension), pdfs);

        const QString batchOut = work.filePath(QStringLiteral("batch%1").arg(mode));
        const Timed timed = runBatch(mode, pdfs, batchOut);
        const double batch = timed.seconds;
        const qint64 longestPause = timed.longestPause;
        const double ratio = batch / xargs;
        const bool ok = ratio <= 1.05 && longestPause <= 50 && countFiles(batchOut, mask) == DocumentCount;
        met = met && ok;
        std::printf("mode %d  shell loop %7.2f s  xargs -P%d %7.2f s  batch %7.2f s (%d of %d written, %d by "
                    "loop, %d by xargs)\n",
                    mode, loop, cores, xargs, batch, countFiles(batchOut, mask), DocumentCount,
                    countFiles(loopOut, mask), countFiles(xargsOut, mask));
        std::printf("        batch / xargs = %.3f (goal <= 1.05), longest event pause %lld ms (goal <= 50): %s\n",
                    ratio, static_cast<long long>(longestPause), ok ? "met" : "NOT met");
    }
    met = rtfBatch(work, cores) && met;
    return met ? 0 : 1;
}
