// A batch of 200 small PDFs converted by the window's batch run, against the
// same converters started by a plain shell loop and by `xargs -P` with the
// core count, in one run, for mode 2 (HTML without images) and mode 5
// (text). Also the longest time the event loop went without running while
// the batch worked. Goals: mode 2 no slower than xargs -P (ratio <= 1.05);
// mode 5 waits for each converter before the next (as the batch is
// designed), so its reference is the shell loop (ratio <= 1.05); events at
// least every 50 ms throughout.
#include "convert/ConversionDriver.h"
#include "convert/ConversionFrontEnd.h"
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

#include <cstdio>

namespace {

constexpr int DocumentCount = 200;

// Shows nothing; keeps the summary.
class SilentFrontEnd : public convert::ConversionFrontEnd {
public:
    void showMessage(const QString& text) override { messages << text; }
    void setStatus(const QString&) override {}
    void setDocumentProgress(int) override {}
    void setBatchProgress(int) override {}
    QStringList messages;
};

// The longest pause between two ticks of a 5 ms timer while it runs.
class LoopWatch : public QObject {
public:
    LoopWatch()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            m_longest = std::max(m_longest, m_since.restart());
        });
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

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    runtime::Application app(argc, argv);
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
    for (int i = 0; i < DocumentCount; ++i)
        QFile::copy(QStringLiteral(QUARLEX_SAMPLE_PDF), pdfs + QStringLiteral("/doc%1.pdf").arg(i, 3, 10, QLatin1Char('0')));

    const int cores = std::max(1, QThread::idealThreadCount());
    std::printf("%d documents, %d cores\n", DocumentCount, cores);
    bool met = true;
    for (const int mode : {2, 5}) {
        const bool text = mode == convert::PlainText;
        const QString extension = text ? QStringLiteral("txt") : QStringLiteral("html");
        const QString command = text ? QStringLiteral("pdftotext") : QStringLiteral("pdftohtml -i -q -noframes -nomerge");
        const QString mask = QStringLiteral("*.") + extension;

        const QString loopOut = work.filePath(QStringLiteral("loop%1").arg(mode));
        QDir().mkpath(loopOut);
        const double loop = runShell(QStringLiteral("for f in *.pdf; do %1 \"$f\" \"%2/${f%.pdf}.%3\"; done")
                                         .arg(command, loopOut, extension), pdfs);

        const QString xargsOut = work.filePath(QStringLiteral("xargs%1").arg(mode));
        QDir().mkpath(xargsOut);
        const double xargs = runShell(QStringLiteral("printf '%s\\0' *.pdf | xargs -0 -P %1 -I{} sh -c "
                                                     "'%2 \"$1\" \"%3/$(basename \"$1\" .pdf).%4\"' _ {}")
                                          .arg(cores).arg(command, xargsOut, extension), pdfs);

        const QString batchOut = work.filePath(QStringLiteral("batch%1").arg(mode));
        QDir().mkpath(batchOut);
        SilentFrontEnd frontEnd;
        convert::ConversionDriver driver(frontEnd);
        convert::ConversionRequest request;
        request.ripModeText = convert::RipModeText(mode);
        request.sourceFolder = pdfs + QStringLiteral("/*.PDF");
        request.destination = batchOut;
        LoopWatch watch;
        QElapsedTimer clock;
        clock.start();
        watch.start();
        driver.start(request);
        const qint64 longestPause = watch.stop();
        const double batch = clock.nsecsElapsed() / 1e9;

        const double reference = text ? loop : xargs;
        const double ratio = batch / reference;
        const bool ok = ratio <= 1.05 && longestPause <= 50 && countFiles(batchOut, mask) == DocumentCount;
        met = met && ok;
        std::printf("mode %d  shell loop %7.2f s  xargs -P%d %7.2f s  batch %7.2f s (%d of %d written, %d by "
                    "loop, %d by xargs)\n",
                    mode, loop, cores, xargs, batch, countFiles(batchOut, mask), DocumentCount,
                    countFiles(loopOut, mask), countFiles(xargsOut, mask));
        std::printf("        batch / %s = %.3f (goal <= 1.05), longest event pause %lld ms (goal <= 50): %s\n",
                    text ? "shell loop" : "xargs", ratio, static_cast<long long>(longestPause), ok ? "met" : "NOT met");
    }
    return met ? 0 : 1;
}
