#include "common/FakePrograms.h"
#include "common/WaitUntil.h"
#include "convert/FailureReason.h"
#include "convert/Messages.h"
#include "convert/Zoom.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>

namespace {

struct Result {
    int exitCode = -1;
    QString out;
    QStringList errors;
};

// Runs quarlex with the given arguments and waits for it (LibreOffice may
// take a minute to start with a fresh profile on a busy machine).
Result quarlex(const QStringList& arguments, const QString& workingDirectory = {})
{
    QProcess process;
    process.setWorkingDirectory(workingDirectory);
    process.start(QStringLiteral(QUARLEX_PROGRAM), arguments);
    EXPECT_TRUE(process.waitForFinished(5 * 60 * 1000));
    Result result;
    result.exitCode = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.errors = QString::fromUtf8(process.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
    // Qt's own warnings about the test machine's session are not the program's messages.
    result.errors.removeIf([](const QString& line) { return line.startsWith(QLatin1String("QStandardPaths:")); });
    return result;
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString sample = QStringLiteral(TEST_DATA "/sample.pdf");

} // namespace

TEST(Console, HelpExplainsOptionsAndExitStatus)
{
    const Result r = quarlex({"--convert", "--help"});
    EXPECT_EQ(r.exitCode, 0);
    for (const char* text : {"--dest", "--mode", "--zoom", "--owner-password", "--user-password", "--open", "--folder",
                             "Ctrl-C", "Exit status", "PDF -> RTF  (with images, layout)"})
        EXPECT_TRUE(r.out.contains(QLatin1String(text))) << text;
}

TEST(Console, WithoutADisplayTheWindowSaysItNeedsOne)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUARLEX_PROGRAM), QStringList());
    ASSERT_TRUE(process.waitForFinished(60 * 1000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 1);
    const QString errors = QString::fromUtf8(process.readAllStandardError());
    EXPECT_TRUE(errors.contains(QLatin1String("needs a graphical display"))) << errors.toStdString();
    EXPECT_TRUE(errors.contains(QLatin1String("--convert"))) << errors.toStdString();
}

TEST(Console, RejectedRequestsPrintTheWindowsMessageAndExitWithOne)
{
    FakePrograms fakes;
    const QString dest = fakes.makeFolder("out");
    const QString empty = fakes.makeFolder("no pdfs here");
    struct Case {
        QStringList arguments;
        QString message;
    };
    const Case cases[] = {
        {{sample, "--dest", dest, "--mode", "PDF -> RTF (with images, layout)"}, "Invalid Ripper Mode!"},
        {{sample}, "Please specify the destination folder to output result"},
        {{"--dest", dest}, "Please choose a PDF file to convert"},
        {{"--folder", empty, "--dest", dest}, convert::NoPdfFoundMessage + empty},
        {{sample, "--dest", dest, "--zoom", "%150"}, "'%15' is not a valid integer value"},
        // The window's checks of the zoom field, which a script never leaves.
        {{sample, "--dest", dest, "--zoom", "150"}, convert::NoPercentageMessage},
        {{sample, "--dest", dest, "--zoom", "0%"}, convert::ZoomNotPositiveMessage},
        {{sample, "--dest", dest, "--timeout", "-1"}, "quarlex: --timeout takes a whole number of seconds, 0 or more"},
    };
    for (const Case& c : cases) {
        const Result r = quarlex(QStringList{"--convert"} + c.arguments);
        EXPECT_EQ(r.exitCode, 1) << c.message.toStdString();
        EXPECT_EQ(r.errors.value(0), c.message);
    }
    EXPECT_TRUE(fakes.runs().isEmpty());
}

TEST(Console, AFailedConversionExitsWithTwo)
{
    FakePrograms fakes;
    fakes.setBehaviour("empty");
    const QString dest = fakes.makeFolder("out");
    const Result r = quarlex({"--convert", sample, "--dest", dest, "--mode", "PDF -> TEXT / TXT"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.errors, QStringList{convert::ConversionFailedMessage(dest + "/sample.txt", convert::NotWrittenReason)});
}

TEST(Console, AHungConverterIsStoppedAtTheTimeLimit)
{
    FakePrograms fakes;
    fakes.setBehaviour("hang");
    const QString dest = fakes.makeFolder("out");
    const Result r = quarlex({"--convert", sample, "--dest", dest, "--timeout", "1"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.errors, QStringList{convert::ConversionFailedMessage(dest + "/sample.html", convert::TimedOutReason)});
    const QList<pid_t> pids = fakes.startedPids();
    ASSERT_EQ(pids.size(), 2);
    EXPECT_TRUE(WaitUntil([&] { return !FakePrograms::isAlive(pids[0]) && !FakePrograms::isAlive(pids[1]); }));
}

TEST(Console, KillingQuarlexOutrightTakesItsConverterAlong)
{
    FakePrograms fakes;
    fakes.setBehaviour("hang");
    QProcess process;
    process.start(QStringLiteral(QUARLEX_PROGRAM), {"--convert", sample, "--dest", fakes.makeFolder("out")});
    ASSERT_TRUE(WaitUntil([&] { return fakes.startedPids().size() == 2; }, 60000));
    ::kill(pid_t(process.processId()), SIGKILL);
    ASSERT_TRUE(process.waitForFinished(60000));
    const QList<pid_t> pids = fakes.startedPids();
    EXPECT_TRUE(WaitUntil([&] { return !FakePrograms::isAlive(pids[0]); }));
    // What the converter itself started is its own business; the stand-in's
    // sleeping grandchild is cleaned up here.
    ::kill(pids[1], SIGKILL);
}

TEST(Console, CtrlCTermAndHangUpActAsCancel)
{
    for (int number : {SIGINT, SIGTERM, SIGHUP}) {
        SCOPED_TRACE(number);
        FakePrograms fakes;
        fakes.setBehaviour("hang");
        QProcess process;
        process.start(QStringLiteral(QUARLEX_PROGRAM), {"--convert", sample, "--dest", fakes.makeFolder("out")});
        ASSERT_TRUE(WaitUntil([&] { return fakes.startedPids().size() == 2; }, 60000));
        ::kill(pid_t(process.processId()), number);
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 2);
        EXPECT_TRUE(QString::fromUtf8(process.readAllStandardError()).split(u'\n').contains(convert::CanceledMessage));
        const QList<pid_t> pids = fakes.startedPids();
        EXPECT_TRUE(WaitUntil([&] { return !FakePrograms::isAlive(pids[0]) && !FakePrograms::isAlive(pids[1]); }));
    }
}

// The real converters, reached through the system32 folder beside the
// program (windir unset), in every mode.
TEST(RealConverters, EveryModeWritesItsOutput)
{
    qunsetenv("windir");
    QTemporaryDir work;
    struct Case {
        const char* mode;
        const char* output;
    };
    const Case cases[] = {
        {"PDF -> HTML (with images, layout)", "sample.html"},
        {"PDF -> HTML", "sample.html"},
        {"PDF -> TEXT / TXT", "sample.txt"},
        {"PDF -> RTF  (with images, layout)", "sample.rtf"},
        {"PDF -> RTF", "sample.rtf"},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        // A relative destination, made absolute before the converters see it.
        const QString dest = QStringLiteral("out%1").arg(++n);
        QDir(work.path()).mkdir(dest);
        const Result r = quarlex({"--convert", sample, "--dest", dest, "--mode", c.mode}, work.path());
        EXPECT_EQ(r.exitCode, 0) << r.errors.join('|').toStdString();
        EXPECT_EQ(r.errors.first(), convert::ViewResultPrompt + " No");
        const QString folder = work.path() + '/' + dest;
        const QByteArray text = contents(folder + '/' + c.output);
        EXPECT_TRUE(text.contains("Hello QUARLEX sample") || text.startsWith("{\\rtf")) << text.left(200).data();
        // Written in a private folder and moved: the image is referred to
        // relatively, beside the HTML.
        if (n == 1) {
            EXPECT_TRUE(text.contains("<img src=\"./sample-1_1.png\"")) << text.left(400).data();
            EXPECT_TRUE(QFile::exists(folder + "/sample-1_1.png"));
        }
        if (n == 2) {
            EXPECT_FALSE(text.contains("<img"));
        }
        if (n >= 4) {
            EXPECT_TRUE(text.startsWith("{\\rtf"));
            EXPECT_TRUE(QFile::exists(folder + "/sample.html"));
        }
        if (n == 4) {
            EXPECT_TRUE(text.contains("\\pict"));
        }
    }
}

TEST(RealConverters, AResultThatCannotBeOpenedIsSaidSo)
{
    // The offscreen platform opens no documents, as a session without a
    // desktop; the conversion itself still succeeded.
    QTemporaryDir dest;
    const Result r = quarlex({"--convert", sample, "--dest", dest.path(), "--mode", "PDF -> TEXT / TXT", "--open"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.errors.contains(convert::CannotOpenResultMessage('"' + dest.path() + "/sample.txt\"")))
        << r.errors.join('|').toStdString();
}

TEST(RealConverters, EncryptedPdfOpensWithAUserPasswordHoldingABlank)
{
    qunsetenv("windir");
    QTemporaryDir work;
    const QString locked = work.filePath("locked.pdf");
    ASSERT_EQ(QProcess::execute("qpdf", {"--encrypt", "open sesame", "owner secret", "256", "--", sample, locked}), 0);
    const QString dest = work.filePath("out");
    QDir().mkdir(dest);
    const Result r =
        quarlex({"--convert", locked, "--dest", dest, "--mode", "PDF -> HTML", "--user-password", "open sesame"});
    EXPECT_EQ(r.exitCode, 0) << r.errors.join('|').toStdString();
    EXPECT_TRUE(contents(dest + "/locked.html").contains("Hello QUARLEX sample"));

    // The text converter gets the password too.
    const Result text =
        quarlex({"--convert", locked, "--dest", dest, "--mode", "PDF -> TEXT / TXT", "--user-password", "open sesame"});
    EXPECT_EQ(text.exitCode, 0) << text.errors.join('|').toStdString();
    EXPECT_TRUE(contents(dest + "/locked.txt").contains("Hello QUARLEX sample"));

    // Without it the converter's complaint is the reason, and the earlier
    // output stays as it was.
    const Result none = quarlex({"--convert", locked, "--dest", dest, "--mode", "PDF -> HTML"});
    EXPECT_EQ(none.exitCode, 2);
    EXPECT_EQ(none.errors, QStringList{convert::ConversionFailedMessage(dest + "/locked.html", "Incorrect password")});
    EXPECT_TRUE(contents(dest + "/locked.html").contains("Hello QUARLEX sample"));
}
