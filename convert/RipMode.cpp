#include "convert/RipMode.h"

#include <array>

namespace convert {

namespace {
// The mode-3 text has two blanks before the parenthesis; users must type it
// so, and a single blank is no mode.
const std::array<QString, 5> texts = {
    QStringLiteral("PDF -> HTML (with images, layout)"),
    QStringLiteral("PDF -> HTML"),
    QStringLiteral("PDF -> RTF  (with images, layout)"),
    QStringLiteral("PDF -> RTF"),
    QStringLiteral("PDF -> TEXT / TXT"),
};
} // namespace

QString RipModeText(int mode)
{
    return mode >= 1 && mode <= 5 ? texts[mode - 1] : QString();
}

int RipModeFromText(const QString& text)
{
    int mode = NoRipMode;
    for (int i = 0; i < int(texts.size()); ++i)
        if (text == texts[i])
            mode = i + 1;
    return mode;
}

bool UsesHtmlConverter(int mode)
{
    return mode >= HtmlWithImages && mode <= RtfWithoutImages;
}

bool MakesRtf(int mode)
{
    return mode == RtfWithImages || mode == RtfWithoutImages;
}

bool LeavesImagesOut(int mode)
{
    return mode == HtmlWithoutImages || mode == RtfWithoutImages || mode == PlainText;
}

} // namespace convert
