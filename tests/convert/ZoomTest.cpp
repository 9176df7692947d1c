#include "convert/Zoom.h"
#include "runtime/RuntimeError.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace convert;

TEST(Zoom, FactorTexts)
{
    // A comma locale must not change the separator the converter needs.
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const std::pair<QString, QString> cases[] = {
        {"150%", "1.5"},
        {"100%", "1"},
        {"75%", "0.75"},
        {"5%", "0.05"},
        {"0%", "0"},
        {"-20%", "-0.2"},
        {"150x", "1.5"},
        {" 33%", "0.33"},
        {"$64%", "1"},
        {"1%", "0.01"},
        {"2147483647%", "21474836.47"},
    };
    for (const auto& [text, factor] : cases)
        EXPECT_EQ(ZoomFactor(text), factor) << text.toStdString();
    QLocale::setDefault(saved);
}

TEST(Zoom, UnusableTextsRaiseTheIntegerError)
{
    const std::pair<QString, QString> cases[] = {
        {"%150", "'%15' is not a valid integer value"}, {"150 %", "'150 ' is not a valid integer value"},
        {"1.5%", "'1.5' is not a valid integer value"}, {"%", "'' is not a valid integer value"},
        {"", "'' is not a valid integer value"},
    };
    for (const auto& [text, message] : cases) {
        try {
            ZoomFactor(text);
            ADD_FAILURE() << text.toStdString();
        } catch (const runtime::RuntimeError& error) {
            EXPECT_EQ(error.message(), message);
        }
    }
}

TEST(Zoom, ExitCheck)
{
    EXPECT_TRUE(HasPercentageSymbol("100%"));
    EXPECT_TRUE(HasPercentageSymbol("%150"));
    EXPECT_FALSE(HasPercentageSymbol("150"));
    EXPECT_FALSE(HasPercentageSymbol(""));
    EXPECT_EQ(DefaultZoomText, "100%");
    EXPECT_EQ(NoPercentageMessage, "No percentage symbol!");
}
