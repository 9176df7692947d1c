#include "skin/theme/ThemeSource.h"

#include "skin/theme/BuiltinTheme.h"
#include "skin/theme/TsuiFileTheme.h"

ThemeSource::~ThemeSource()
{
    QObject::disconnect(m_watch);
}

void ThemeSource::setFileTheme(TsuiFileTheme* theme, QObject* context, std::function<void()> onRemoved)
{
    if (theme != m_fileTheme) {
        QObject::disconnect(m_watch);
        m_watch = {};
        if (theme)
            m_watch = QObject::connect(theme, &QObject::destroyed, context, [this, onRemoved = std::move(onRemoved)] {
                m_fileTheme = nullptr;
                m_watch = {};
                onRemoved();
            });
    }
    m_fileTheme = theme;
}

bool ThemeSource::fromFile(TsuiUIStyle& effective) const
{
    return ResolveUIStyle(m_fileTheme, m_style, effective);
}

TsuiUIStyle ThemeSource::effectiveStyle() const
{
    TsuiUIStyle effective;
    fromFile(effective);
    return effective;
}

QColor ThemeSource::color(ThemeElement element) const
{
    TsuiUIStyle effective;
    return runtime::ColorFromTColor(fromFile(effective) ? m_fileTheme->GetColor(element)
                                                        : GetBuiltinThemeColor(effective, element));
}

bool ThemeSource::boolean(ThemeElement element) const
{
    TsuiUIStyle effective;
    return fromFile(effective) ? m_fileTheme->GetBool(element) : GetBuiltinThemeBool(effective, element);
}

void ThemeSource::bitmap(ThemeElement element, QImage& bitmap) const
{
    TsuiUIStyle effective;
    if (fromFile(effective))
        m_fileTheme->GetBitmap(element, bitmap);
    else
        GetBuiltinThemeBitmap(effective, element, bitmap, 0, 0);
}

void ThemeSource::bitmapFrame(ThemeElement element, QImage& bitmap, int frameCount, int frameIndex) const
{
    TsuiUIStyle effective;
    if (fromFile(effective))
        m_fileTheme->GetBitmapFrame(element, bitmap, frameCount, frameIndex);
    else
        GetBuiltinThemeBitmap(effective, element, bitmap, frameCount, frameIndex);
}
