#include "runtime/StrToInt.h"
#include "runtime/RuntimeError.h"

#include <gtest/gtest.h>

TEST(StrToInt, AcceptedForms)
{
    const std::pair<QString, int> cases[] = {
        {"150", 150},
        {"0", 0},
        {"-20", -20},
        {"+7", 7},
        {"   42", 42},
        {"$1F", 31},
        {"x10", 16},
        {"X10", 16},
        {"0x7fffffff", 2147483647},
        {"0XfF", 255},
        {"-$10", -16},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"007", 7},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(runtime::StrToInt(text), value) << text.toStdString();
}

TEST(StrToInt, RejectedFormsNameTheText)
{
    const QString cases[] = {
        "",           " ",           "-",          "+",   "$",   "0x",  "15 ", "1.5", "%15",
        "2147483648", "-2147483649", "0x80000000", "12a", "\t5", "$-5", "1,5", "--1", "99999999999999999999",
    };
    for (const QString& text : cases) {
        try {
            runtime::StrToInt(text);
            ADD_FAILURE() << "accepted: " << text.toStdString();
        } catch (const runtime::RuntimeError& error) {
            EXPECT_EQ(error.message(), QStringLiteral("'%1' is not a valid integer value").arg(text));
        }
    }
}
