#include "runtime/MaskEdit.h"

#include <QTest>
#include <gtest/gtest.h>

TEST(MaskEdit, PublishedEditProperties)
{
    struct Row {
        runtime::MaskEdit::TEditCharCase charCase;
        int maxLength;
        const char* typed;
        const char* text;
    };
    const Row rows[] = {
        {runtime::MaskEdit::ecNormal, 0, "Report.Pdf", "Report.Pdf"},
        {runtime::MaskEdit::ecUpperCase, 0, "Report.Pdf", "REPORT.PDF"},
        {runtime::MaskEdit::ecLowerCase, 0, "Report.Pdf", "report.pdf"},
        {runtime::MaskEdit::ecNormal, 4, "Report.Pdf", "Repo"},
    };
    for (const Row& row : rows) {
        runtime::MaskEdit edit;
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
    runtime::MaskEdit edit;
    edit.setPasswordChar(QStringLiteral("*"));
    EXPECT_EQ(edit.echoMode(), QLineEdit::Password);
    edit.setPasswordChar(QString());
    EXPECT_EQ(edit.echoMode(), QLineEdit::Normal);
}
