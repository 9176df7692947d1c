#pragma once

#include "runtime/TColor.h"
#include "skin/theme/ThemeElement.h"
#include "skin/theme/TsuiThemeFileReader.h"
#include <QImage>

#include <memory>

// Turns element numbers into theme-file keys and asks the current reader.
class TsuiFileThemeMgr {
public:
    // False, and nothing changes, when no file of that name exists. A file
    // that exists but fails to read raises its error and leaves the current
    // reader in place, so a bad file never takes the skin away.
    bool LoadFromFile(const QString& fileName);

    const TsuiThemeFileReader* reader() const { return m_reader.get(); }

    // Loads the element's bitmap into bitmap; a missing entry, an entry
    // without a bitmap or no reader leave bitmap untouched.
    void GetBitmap(ThemeElement element, QImage& bitmap) const;
    bool GetBool(ThemeElement element) const;
    // 0 without a reader, -1 when the reader lacks the key.
    int GetInt(ThemeElement element) const;
    runtime::TColor GetColor(ThemeElement element) const { return runtime::TColor(GetInt(element)); }

private:
    std::unique_ptr<TsuiThemeFileReader> m_reader;
};
