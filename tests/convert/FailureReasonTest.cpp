#include "convert/FailureReason.h"
#include "common/QStringPrinter.h"

#include <gtest/gtest.h>

using namespace convert;

TEST(FailureReason, SaysWhyInTheConvertersOwnWordsElseHowItEnded)
{
    const auto said = [](const QString& text, int exitCode = 1) {
        ConverterEnd end;
        end.exitCode = exitCode;
        end.errorOutput = text;
        return FailureReason(end);
    };
    EXPECT_EQ(said("Command Line Error: Incorrect password\n"), "Incorrect password");
    // Errors win over warnings; the last two distinct complaints are kept.
    EXPECT_EQ(said("Syntax Warning: May not be a PDF file\nSyntax Error (12): Bad object\n"
                   "Syntax Error: Couldn't find trailer dictionary\nSyntax Error: Bad object\n"),
              "Couldn't find trailer dictionary; Bad object");
    EXPECT_EQ(said("Syntax Warning: May not be a PDF file\n"), "May not be a PDF file");
    EXPECT_EQ(said("Error: source file could not be loaded\n"), "source file could not be loaded");
    EXPECT_EQ(said("plain words\r\n\n"), "plain words");
    EXPECT_EQ(said("", 3), "the converter ended with exit status 3");
    EXPECT_EQ(said("", 0), "");

    ConverterEnd end;
    end.crashed = true;
    EXPECT_EQ(FailureReason(end), "the converter crashed");
    end.errorOutput = "Internal Error: out of memory";
    EXPECT_EQ(FailureReason(end), "out of memory");
    end.timedOut = true;
    EXPECT_EQ(FailureReason(end), TimedOutReason);
    end = {};
    end.started = false;
    EXPECT_EQ(FailureReason(end), "the converter could not be started");
}
