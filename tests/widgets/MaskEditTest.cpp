#include "widgets/MaskEdit.h"

#include <QTest>
#include <gtest/gtest.h>

TEST(MaskEdit, PublishedEditProperties)
{
    struct Row {
        widgets::MaskEdit::TEditCharCase charCase;
        int maxLength;
        const char* typed;
        const char* text;
    };
    const Row rows[] = {
        {widgets::MaskEdit::ecNormal, 0, "Report.Pdf", "Report.Pdf"},
        {widgets::MaskEdit::ecUpperCase, 0, "Report.Pdf", "REPORT.PDF"},
        {widgets::MaskEdit::ecLowerCase, 0, "Report.Pdf", "report.pdf"},
        {widgets::MaskEdit::ecNormal, 4, "Report.Pdf", "Repo"},
    };
    for (const Row& row : rows) {
        widgets::MaskEdit edit;
        // Written by name, as a stored form does.
        EXPECT_TRUE(edit.setProperty("CharCase", QVariant::fromValue(row.charCase)));
        EXPECT_TRUE(edit.setProperty("MaxLength", row.maxLength));
        QTest::keyClicks(&edit, QLatin1String(row.typed));
        EXPECT_EQ(edit.text(), QLatin1String(row.text)) << row.typed;
        EXPECT_EQ(edit.property("MaxLength").toInt(), row.maxLength);
    }
}

TEST(MaskEdit, PasswordCharHidesTheText)
{
    widgets::MaskEdit edit;
    edit.setPasswordChar(QStringLiteral("*"));
    EXPECT_EQ(edit.echoMode(), QLineEdit::Password);
    edit.setPasswordChar(QString());
    EXPECT_EQ(edit.echoMode(), QLineEdit::Normal);
}
