#pragma once

#include <QImage>
#include "runtime/TColor.h"
#include "skin/theme/ThemeElement.h"
#include "skin/theme/UIStyle.h"

#include <QPointer>

#include <functional>

class TsuiFileTheme;

// Points `slot` at a file theme the part does not own: the previous theme's
// removal watch on `context` is dropped, and `onRemoved` runs (after the
// slot was cleared) when the new theme component is destroyed.
void WatchFileTheme(QPointer<TsuiFileTheme>& slot, TsuiFileTheme* theme, QObject* context,
                    const std::function<void()>& onRemoved);

// The values of one style as the chrome reads them: the file theme when the
// style is FromThemeFile and a loaded theme is attached, the built-in table
// of the effective style otherwise. One decision per object, made once.
class StyleValues {
public:
    StyleValues(const TsuiFileTheme* fileTheme, TsuiUIStyle style);

    bool FromFile() const { return m_fromFile; }
    TsuiUIStyle Effective() const { return m_effective; }

    runtime::TColor Color(ThemeElement element) const;
    int Int(ThemeElement element) const;
    bool Bool(ThemeElement element) const;
    void Bitmap(ThemeElement element, QImage& bitmap) const;
    void BitmapFrame(ThemeElement element, QImage& bitmap, int frameCount, int frameIndex) const;

private:
    const TsuiFileTheme* m_fileTheme;
    TsuiUIStyle m_effective;
    bool m_fromFile;
};
