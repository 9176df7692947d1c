#include "common/FakePrograms.h"
#include "runtime/AutomationRegistry.h"
#include "runtime/ChildProcess.h"
#include "runtime/RuntimeError.h"
#include "runtime/WriterApplication.h"

#include "common/WaitUntil.h"

#include <QDir>
#include <QUrl>
#include <QFile>
#include <gtest/gtest.h>

using namespace runtime;

namespace {

class Sample : public AutomationObject {
    Q_OBJECT
    Q_PROPERTY(int Count READ count WRITE setCount)
public:
    int count() const { return m_count; }
    void setCount(int value) { m_count = value; }
    Q_INVOKABLE QString Join(const QString& Text, int Times) { return Text.repeated(Times); }
    Q_INVOKABLE QObject* Self() { return this; }
    Q_INVOKABLE void Fail() { raise(QStringLiteral("the document is locked")); }

private:
    int m_count = 0;
};

QString errorOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const RuntimeError& error) {
        return error.message();
    }
    return {};
}

} // namespace

TEST(Automation, LateBoundCallsByName)
{
    Sample sample;
    SetProperty(&sample, "Count", 3);
    EXPECT_EQ(GetProperty(&sample, "Count").toInt(), 3);
    EXPECT_EQ(CallMethod(&sample, "Join", {"ab", 2}).toString(), "abab");
    // Named arguments are matched by parameter name, in any order.
    EXPECT_EQ(CallMethod(&sample, "Join", {}, {{"Times", 3}, {"Text", "x"}}).toString(), "xxx");
    EXPECT_EQ(CallMethod(&sample, "Join", {"y"}, {{"Times", "2"}}).toString(), "yy");
    EXPECT_EQ(AsObject(CallMethod(&sample, "Self", {})), &sample);
}

TEST(Automation, EveryFailureBecomesARuntimeError)
{
    Sample sample;
    EXPECT_EQ(errorOf([&] { CallMethod(&sample, "Fail", {}); }), "the document is locked");
    // A raised error is reported once, not again on the next call.
    EXPECT_EQ(errorOf([&] { CallMethod(&sample, "Self", {}); }), "");
    EXPECT_NE(errorOf([&] { CallMethod(&sample, "Missing", {}); }), "");
    EXPECT_NE(errorOf([&] { CallMethod(&sample, "Join", {"a"}); }), "");
    EXPECT_NE(errorOf([&] { CallMethod(&sample, "Join", {"a"}, {{"Count", 1}}); }), "");
    EXPECT_NE(errorOf([&] { GetProperty(&sample, "Nothing"); }), "");
    EXPECT_NE(errorOf([&] { CallMethod(nullptr, "Quit", {}); }), "");
}

TEST(AutomationRegistry, CreatesByClassNameAndTestsCanReplaceAClass)
{
    EXPECT_EQ(errorOf([] { AutomationRegistry::create("No.Such.Class"); }), "Invalid class string");
    auto previous = AutomationRegistry::registerClass("Word.Application", [] { return new Sample; });
    EXPECT_TRUE(qobject_cast<Sample*>(AutomationRegistry::create("Word.Application").get()));
    AutomationRegistry::registerClass("Word.Application", previous);
    EXPECT_TRUE(qobject_cast<WriterApplication*>(AutomationRegistry::create("Word.Application").get()));
}

class WriterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriterApplication::setProgram(FakePrograms::fakeProgram());
        html = fakes.path("doc.html");
        QFile file(html);
        file.open(QIODevice::WriteOnly);
        file.write("<html><body>x</body></html>");
    }
    void TearDown() override
    {
        WriterApplication::setProgram("soffice");
        WriterApplication::setTimeLimit(2 * 60 * 1000);
    }
    // The sequence the conversion performs; returns the error text.
    QString saveAs(const QString& target, int format = 6)
    {
        word = AutomationRegistry::create("Word.Application");
        return errorOf([&] {
            SetProperty(word.get(), "DisplayAlerts", false);
            QObject* documents = AsObject(GetProperty(word.get(), "Documents"));
            CallMethod(documents, "Open", {}, {{"FileName", html}});
            QObject* document = AsObject(CallMethod(documents, "Item", {html}));
            CallMethod(document, "SaveAs", {target, format});
        });
    }

    FakePrograms fakes;
    QString html;
    std::unique_ptr<AutomationObject> word;
};

TEST_F(WriterTest, SavesThroughLibreOfficeWithAPrivateProfile)
{
    fakes.setBehaviour("soffice");
    const QString target = fakes.path("out dir/result.rtf");
    QDir().mkpath(fakes.path("out dir"));
    EXPECT_EQ(saveAs('"' + target + '"'), "");
    QFile result(target);
    ASSERT_TRUE(result.open(QIODevice::ReadOnly));
    EXPECT_TRUE(result.readAll().startsWith("{\\rtf"));

    ASSERT_EQ(fakes.runs().size(), 1);
    const QStringList args = fakes.runs()[0].arguments;
    const QString profile = static_cast<WriterApplication*>(word.get())->profileUrl();
    EXPECT_TRUE(profile.startsWith("file:///"));
    EXPECT_TRUE(args.contains("-env:UserInstallation=" + profile));
    EXPECT_TRUE(args.contains("--headless"));
    EXPECT_TRUE(args.contains("--infilter=HTML (StarWriter)"));
    EXPECT_EQ(args.mid(args.indexOf("--convert-to"), 2), QStringList({"--convert-to", "rtf:Rich Text Format"}));
    EXPECT_EQ(args.last(), html);

    const QString profileDir = QUrl(profile).toLocalFile();
    EXPECT_TRUE(QDir(profileDir).exists());
    CallMethod(word.get(), "Quit", {});
    EXPECT_FALSE(QDir(profileDir).exists());
}

TEST_F(WriterTest, FailuresAreErrorsNotSuccess)
{
    fakes.setBehaviour("empty");
    const QString target = fakes.path("r.rtf");
    EXPECT_EQ(saveAs('"' + target + '"'), "The word processor could not save " + target + ".");
    EXPECT_FALSE(QFile::exists(target));

    fakes.setBehaviour("soffice");
    EXPECT_EQ(saveAs(target, 5), "File format 5 is not supported.");
    html = fakes.path("missing.html");
    EXPECT_EQ(saveAs(target), "The document " + html + " cannot be opened.");
}

TEST_F(WriterTest, AHangingWordProcessorIsBoundedAndStopped)
{
    fakes.setBehaviour("hang");
    WriterApplication::setTimeLimit(300);
    const QString target = fakes.path("r.rtf");
    EXPECT_EQ(saveAs(target), "The word processor did not finish " + target + " within 0.3 seconds.");
    const QList<pid_t> pids = fakes.startedPids();
    ASSERT_EQ(pids.size(), 2);
    EXPECT_TRUE(WaitUntil([&] { return !FakePrograms::isAlive(pids[0]) && !FakePrograms::isAlive(pids[1]); }));
    EXPECT_TRUE(WaitUntil([] { return ChildProcess::runningCount() == 0; }));
}

#include "AutomationTest.moc"
