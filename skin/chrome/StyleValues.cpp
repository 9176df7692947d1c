#include "skin/chrome/StyleValues.h"

#include "skin/theme/BuiltinTheme.h"
#include "skin/theme/TsuiFileTheme.h"

void WatchFileTheme(QPointer<TsuiFileTheme>& slot, TsuiFileTheme* theme, QObject* context,
                    const std::function<void()>& onRemoved)
{
    if (slot)
        QObject::disconnect(slot, &QObject::destroyed, context, nullptr);
    slot = theme;
    if (theme) {
        QObject::connect(theme, &QObject::destroyed, context, [&slot, onRemoved] {
            slot = nullptr;
            onRemoved();
        });
    }
}

StyleValues::StyleValues(const TsuiFileTheme* fileTheme, TsuiUIStyle style)
    : m_fileTheme(fileTheme), m_effective(style)
{
    m_fromFile = ResolveUIStyle(fileTheme, style, m_effective);
}

runtime::TColor StyleValues::Color(ThemeElement element) const
{
    return m_fromFile ? m_fileTheme->GetColor(element) : GetBuiltinThemeColor(m_effective, element);
}

int StyleValues::Int(ThemeElement element) const
{
    return m_fromFile ? m_fileTheme->GetInt(element) : GetBuiltinThemeInt(m_effective, element);
}

bool StyleValues::Bool(ThemeElement element) const
{
    return m_fromFile ? m_fileTheme->GetBool(element) : GetBuiltinThemeBool(m_effective, element);
}

void StyleValues::Bitmap(ThemeElement element, QImage& bitmap) const
{
    if (m_fromFile)
        m_fileTheme->GetBitmap(element, bitmap);
    else
        GetBuiltinThemeBitmap(m_effective, element, bitmap, 0, 0);
}

void StyleValues::BitmapFrame(ThemeElement element, QImage& bitmap, int frameCount, int frameIndex) const
{
    if (m_fromFile)
        m_fileTheme->GetBitmapFrame(element, bitmap, frameCount, frameIndex);
    else
        GetBuiltinThemeBitmap(m_effective, element, bitmap, frameCount, frameIndex);
}
