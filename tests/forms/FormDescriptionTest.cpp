#include "forms/FormDescription.h"
#include "runtime/RuntimeError.h"

#include <gtest/gtest.h>

using forms::FormValue;

TEST(FormDescription, ParsesNestedObjectsAndEveryValueKind)
{
    const auto root = forms::ParseFormDescription(QStringLiteral(R"(
object Form1: TForm1
  Caption = 'It''s a ' + 'form'
  Width = 632
  Color = $00E7E7E7
  Font.Height = -11
  Ratio = 1.5
  Visible = False
  Options = [fsBold, fsItalic]
  Lines = ('[Step 1]' 'Choose a PDF'#13#10'x')
  // a comment
  object Panel1: TPanel
    Buttons = <
      item
        ButtonType = suiClose
        Top = 6
      end
      item
        ButtonType = suiMin
      end>
    object Inner: TLabel
    end
  end
end)"));
    EXPECT_EQ(root.name, QStringLiteral("Form1"));
    EXPECT_EQ(root.className, QStringLiteral("TForm1"));
    ASSERT_EQ(root.properties.size(), 8);
    EXPECT_EQ(root.properties[0].value.text, QStringLiteral("It's a form"));
    EXPECT_EQ(root.properties[1].value.integer, 632);
    EXPECT_EQ(root.properties[2].value.integer, 0xE7E7E7);
    EXPECT_EQ(root.properties[3].name, QStringLiteral("Font.Height"));
    EXPECT_EQ(root.properties[3].value.integer, -11);
    EXPECT_EQ(root.properties[4].value.kind, FormValue::Float);
    EXPECT_DOUBLE_EQ(root.properties[4].value.number, 1.5);
    EXPECT_EQ(root.properties[5].value.kind, FormValue::Identifier);
    EXPECT_EQ(root.properties[6].value.list, (QStringList{"fsBold", "fsItalic"}));
    EXPECT_EQ(root.properties[7].value.list, (QStringList{"[Step 1]", "Choose a PDF\r\nx"}));
    ASSERT_EQ(root.children.size(), 1);
    const auto& panel = root.children[0];
    ASSERT_EQ(panel.properties[0].value.items.size(), 2);
    EXPECT_EQ(panel.properties[0].value.items[0].properties[0].value.text, QStringLiteral("suiClose"));
    EXPECT_EQ(panel.properties[0].value.items[0].properties[1].value.integer, 6);
    ASSERT_EQ(panel.children.size(), 1);
    EXPECT_EQ(panel.children[0].className, QStringLiteral("TLabel"));
}

TEST(FormDescription, SyntaxErrorsNameTheLine)
{
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"object A: TA\n  X = 'open\nend", "line 2: unterminated string"},
        {"object A: TA\n  X = 1", "'end' was expected"},
        {"object A: TA\nend\nobject B: TB\nend", "text after the last 'end'"},
        {"thing A: TA end", "'object' was expected"},
        {"object A: TA\n X = 12abc\nend", "'12abc' is not a number"},
        {"object A: TA\n X = <\n  thing\nend", "'item' was expected"},
    };
    for (const auto& c : cases) {
        try {
            forms::ParseFormDescription(QString::fromLatin1(c.text));
            ADD_FAILURE() << "no error for: " << c.text;
        } catch (const runtime::RuntimeError& error) {
            EXPECT_TRUE(error.message().contains(QLatin1String(c.message)))
                << error.message().toStdString() << " / expected " << c.message;
        }
    }
}
