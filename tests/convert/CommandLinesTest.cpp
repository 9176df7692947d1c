#include "convert/CommandLines.h"
#include "convert/RipMode.h"
#include "runtime/CommandLine.h"
#include "runtime/RuntimeError.h"

#include <gtest/gtest.h>

using namespace convert;

namespace {

const QString win = QStringLiteral("\\");
const QString nix = QStringLiteral("/");

CommandLineInput input(int mode, const QString& source, const QString& destination)
{
    CommandLineInput in;
    in.ripMode = mode;
    in.source = source;
    in.destination = destination;
    return in;
}

} // namespace

TEST(CommandLines, HtmlParameterTexts)
{
    struct Case {
        const char* name;
        CommandLineInput in;
        QString delimiter;
        QString expected;
    };
    std::vector<Case> cases;
    cases.push_back({"mode 1, no options", input(1, "C:\\in\\a.pdf", "C:\\out"), win,
                     R"(-noframes -nomerge "C:\in\a.pdf" "C:\out\a.html")"});
    auto zoom = input(2, "C:\\in\\a.pdf", "C:\\out");
    zoom.options.zoomEnabled = true;
    zoom.options.zoomText = "150%";
    cases.push_back(
        {"mode 2, zoom 150%", zoom, win, R"(-zoom 1.5 -i -noframes -nomerge "C:\in\a.pdf" "C:\out\a.html")"});
    auto both = input(4, "C:\\in\\a.pdf", "C:\\out");
    both.options.authorizationRequired = true;
    both.options.userPassword = "user";
    both.options.ownerPassword = "owner";
    cases.push_back({"mode 4, both passwords", both, win,
                     R"(-upw user -opw owner -i -noframes -nomerge "C:\in\a.pdf" "C:\out\a.html")"});
    auto userOnly = both;
    userOnly.options.ownerPassword.clear();
    userOnly.options.zoomEnabled = true;
    userOnly.options.zoomText = "100%";
    cases.push_back({"zoom before the user password, no -opw", userOnly, win,
                     R"(-zoom 1 -upw user -i -noframes -nomerge "C:\in\a.pdf" "C:\out\a.html")"});
    auto unchecked = both;
    unchecked.options.authorizationRequired = false;
    cases.push_back({"passwords ignored without authorization", unchecked, win,
                     R"(-i -noframes -nomerge "C:\in\a.pdf" "C:\out\a.html")"});
    auto empty = input(3, "C:\\in\\a.pdf", "C:\\out");
    empty.options.authorizationRequired = true;
    cases.push_back(
        {"authorization with empty passwords", empty, win, R"(-noframes -nomerge "C:\in\a.pdf" "C:\out\a.html")"});
    cases.push_back(
        {"batch: bare name", input(1, "a.pdf", "C:\\out"), win, R"(-noframes -nomerge "a.pdf" "C:\out\a.html")"});
    cases.push_back({"drive root keeps its double delimiter", input(5, "C:\\in\\Report.pdf", "C:\\"), win,
                     R"(-i -noframes -nomerge "C:\in\Report.pdf" "C:\\Report.html")"});
    cases.push_back({"linux paths", input(1, "/home/u/My Docs/Report.pdf", "/tmp/out dir"), nix,
                     R"(-noframes -nomerge "/home/u/My Docs/Report.pdf" "/tmp/out dir/Report.html")"});
    cases.push_back({"only .pdf is dropped from the name", input(1, "/in/a.pd", "/out"), nix,
                     R"(-noframes -nomerge "/in/a.pd" "/out/a.pd.html")"});
    auto blanks = input(1, "/in/a.pdf", "/out");
    blanks.options.authorizationRequired = true;
    blanks.options.userPassword = "two words";
    blanks.options.ownerPassword = "x\" -o \"/tmp/evil.html";
    cases.push_back(
        {"passwords with blanks and quotes are quoted", blanks, nix,
         R"(-upw "two words" -opw "x\" -o \"/tmp/evil.html" -noframes -nomerge "/in/a.pdf" "/out/a.html")"});

    for (const auto& c : cases)
        EXPECT_EQ(HtmlConverterParameters(c.in, c.delimiter), c.expected) << c.name;
}

TEST(CommandLines, CraftedPasswordArrivesAsOneArgument)
{
    auto in = input(1, "/in/a.pdf", "/out");
    in.options.authorizationRequired = true;
    in.options.userPassword = "a b\" /tmp/evil.html \"";
    in.options.ownerPassword = "\\\"";
    const QStringList args = runtime::SplitArguments(HtmlConverterParameters(in, nix));
    EXPECT_EQ(args,
              QStringList({"-upw", in.options.userPassword, "-opw", in.options.ownerPassword, "-noframes", "-nomerge",
                           "/in/a.pdf", "/out/a.html"}));
}

TEST(CommandLines, PathsWithQuotesArriveWhole)
{
    const auto in = input(1, "/in/say \"hi\".pdf", "/out/q\"");
    const QStringList args = runtime::SplitArguments(HtmlConverterParameters(in, nix));
    EXPECT_EQ(args.mid(2), QStringList({"/in/say \"hi\".pdf", "/out/q\"/say \"hi\".html"}));
}

TEST(CommandLines, ZoomErrorEndsEveryMode)
{
    for (int mode = 1; mode <= 5; ++mode) {
        auto in = input(mode, "/in/a.pdf", "/out");
        in.options.zoomEnabled = true;
        in.options.zoomText = "%150";
        EXPECT_THROW(HtmlConverterParameters(in, nix), runtime::RuntimeError) << mode;
        in.options.zoomEnabled = false;
        EXPECT_NO_THROW(HtmlConverterParameters(in, nix)) << mode;
    }
}

TEST(CommandLines, TextConverterAndOutputPaths)
{
    auto in = input(5, "C:\\in\\a.pdf", "C:\\out");
    in.options.zoomEnabled = true;
    in.options.zoomText = "150%";
    in.options.authorizationRequired = true;
    in.options.userPassword = "u";
    // Passwords as the HTML converter gets them; zoom never; the program
    // quoted, so a blank in its folder cannot start another program.
    EXPECT_EQ(TextConverterCommandLine("C:\\WINDOWS", in, win),
              R"("C:\WINDOWS\system32\quildo.exe" -upw u "C:\in\a.pdf" "C:\out\a.txt")");
    in = input(5, "/in/a.pdf", "/out");
    EXPECT_EQ(TextConverterCommandLine("/opt/my apps", in, nix),
              R"("/opt/my apps/system32/quildo.exe" "/in/a.pdf" "/out/a.txt")");
    EXPECT_EQ(SystemProgramPath("C:\\WINDOWS", HtmlConverterName, win), "C:\\WINDOWS\\system32\\zorvan.exe");
    EXPECT_EQ(SystemProgramPath("/opt/q", TextConverterName, nix), "/opt/q/system32/quildo.exe");

    EXPECT_EQ(BaseName("C:\\docs\\Report.pdf", win), "Report");
    EXPECT_EQ(BaseName("Report.PDF", win), "Report");
    EXPECT_EQ(BaseName("/x/b.Pdf", nix), "b");
    EXPECT_EQ(BaseName("/x/ab", nix), "ab");
    EXPECT_EQ(BaseName("/x/.pdf.txt", nix), ".pdf.txt");
    EXPECT_EQ(OutputPath("C:\\out", "a", ".html", win), "C:\\out\\a.html");
    EXPECT_EQ(QuotedOutputPath("C:\\out", "a", ".rtf", win), "\"C:\\out\\a.rtf\"");
    EXPECT_EQ(QuotedOutputPath("/o", "a", ".txt", nix), "\"/o/a.txt\"");
}

TEST(RipMode, TextsAreExact)
{
    const std::pair<QString, int> cases[] = {
        {"PDF -> HTML (with images, layout)", 1},
        {"PDF -> HTML", 2},
        {"PDF -> RTF  (with images, layout)", 3},
        {"PDF -> RTF", 4},
        {"PDF -> TEXT / TXT", 5},
        {"PDF -> RTF (with images, layout)", 0},
        {"pdf -> html", 0},
        {" PDF -> HTML", 0},
        {"PDF -> HTML ", 0},
        {"", 0},
    };
    for (const auto& [text, mode] : cases) {
        EXPECT_EQ(RipModeFromText(text), mode) << text.toStdString();
        if (mode) {
            EXPECT_EQ(RipModeText(mode), text);
        }
    }
}
