#include "runtime/CommandLine.h"

#include <gtest/gtest.h>

using runtime::ProgramCall;
using runtime::QuoteArgument;
using runtime::SplitArguments;
using runtime::SplitCommandLine;

namespace {

struct SplitCase {
    const char* input;
    QStringList arguments;
};

// The reference cases of the Windows command-line rules.
const SplitCase splitCases[] = {
    {R"("a b c" d e)", {"a b c", "d", "e"}},
    {R"("ab\"c" "\\" d)", {"ab\"c", "\\", "d"}},
    {R"(a\\\b d"e f"g h)", {"a\\\\\\b", "de fg", "h"}},
    {R"(a\\\"b c d)", {"a\\\"b", "c", "d"}},
    {R"(a\\\\"b c" d e)", {"a\\\\b c", "d", "e"}},
    {R"("" "")", {"", ""}},
    {R"("this is """all""" in the same argument")", {"this is \"all\" in the same argument"}},
    {R"(Cal"l Me I"shmael)", {"Call Me Ishmael"}},
    {R"("C:\TEST A\\")", {"C:\\TEST A\\"}},
    {R"("a b c"")", {"a b c\""}},
    // Blanks and tabs at either end, runs of separators, an open quote.
    {" \t a \t\t b ", {"a", "b"}},
    {"", {}},
    {R"(a "b c)", {"a", "b c"}},
    {R"(-upw "my secret" -q)", {"-upw", "my secret", "-q"}},
};

} // namespace

TEST(SplitArguments, FollowsWindowsRules)
{
    for (const auto& c : splitCases)
        EXPECT_EQ(SplitArguments(QString::fromUtf8(c.input)), c.arguments) << c.input;
}

TEST(QuoteArgument, PlainTextStaysAndEveryTextRoundTrips)
{
    EXPECT_EQ(QuoteArgument("secret"), "secret");
    EXPECT_EQ(QuoteArgument("a\\b"), "a\\b");
    EXPECT_EQ(QuoteArgument("my secret"), "\"my secret\"");
    EXPECT_EQ(QuoteArgument(""), "\"\"");

    const QStringList texts = {
        "my secret",           "a\"b",         "\"",        "\\\"",
        "ends with \\",        "ends\\\\",     "tab\there", "\\\\\"x y",
        "x -o /tmp/evil.html", "ünïcödé pass", "\"\"",      "a\\\\\\\"b c",
    };
    for (const QString& text : texts) {
        const QString line = "-upw " + QuoteArgument(text) + " -q";
        EXPECT_EQ(SplitArguments(line), QStringList({"-upw", text, "-q"})) << text.toStdString();
    }
}

TEST(SplitCommandLine, ProgramNameRulesAndBlankPrefixes)
{
    const QStringList files = {"/opt/my tools/system32/quildo.exe", "/usr/bin/prog"};
    const auto isFile = [&](const QString& path) { return files.contains(path); };

    struct Case {
        QString line;
        ProgramCall expected;
    };
    const Case cases[] = {
        {"/usr/bin/prog \"a b\" c", {"/usr/bin/prog", {"a b", "c"}}},
        // Unquoted path with blanks: the first prefix naming a file wins.
        {"/opt/my tools/system32/quildo.exe \"in.pdf\" \"o.txt\"",
         {"/opt/my tools/system32/quildo.exe", {"in.pdf", "o.txt"}}},
        // No prefix names a file: the first word is the program.
        {"/nowhere/x y z", {"/nowhere/x", {"y", "z"}}},
        // In the program name quotes only group and backslashes stay.
        {"\"C:\\my dir\\p.exe\" a", {"C:\\my dir\\p.exe", {"a"}}},
        {"C:\\dir\\\"x\" b", {"C:\\dir\\\"x\"", {"b"}}},
        {"\"unterminated name", {"unterminated name", {}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitCommandLine(c.line, isFile), c.expected) << c.line.toStdString();
}
