#pragma once

#include "runtime/TColor.h"
#include "skin/theme/ThemeElement.h"
#include "skin/theme/TsuiFileTheme.h"
#include "skin/theme/UIStyle.h"

#include <QColor>
#include <QImage>
#include <QMetaObject>
#include <QPointer>

#include <functional>

// Where a skinned part takes its values from: its stored UI style and the
// file theme it points at (never owned). Every value is asked through
// ResolveUIStyle, so a part whose style is FromThemeFile reads the theme file
// when one is loaded and DeepBlue otherwise. When the theme component goes
// away the reference clears itself and the part is told, so it can fall back.
class ThemeSource {
public:
    ThemeSource() = default;
    ThemeSource(const ThemeSource&) = delete;
    ThemeSource& operator=(const ThemeSource&) = delete;
    ~ThemeSource();

    TsuiUIStyle style() const { return m_style; }
    void setStyle(TsuiUIStyle style) { m_style = style; }

    TsuiFileTheme* fileTheme() const { return m_fileTheme; }
    // Stores the reference; `onRemoved` runs in `context`'s thread when the
    // theme component is destroyed (after the reference was cleared).
    void setFileTheme(TsuiFileTheme* theme, QObject* context, std::function<void()> onRemoved);

    // ResolveUIStyle for this part: true when values come from the file theme.
    bool fromFile(TsuiUIStyle& effective) const;
    TsuiUIStyle effectiveStyle() const;

    QColor color(ThemeElement element) const;
    bool boolean(ThemeElement element) const;
    void bitmap(ThemeElement element, QImage& bitmap) const;
    void bitmapFrame(ThemeElement element, QImage& bitmap, int frameCount, int frameIndex) const;

private:
    TsuiUIStyle m_style = TsuiUIStyle::DeepBlue;
    QPointer<TsuiFileTheme> m_fileTheme;
    QMetaObject::Connection m_watch;
};
