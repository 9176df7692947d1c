#pragma once

#include "runtime/TColor.h"
#include "skin/theme/ThemeElement.h"
#include "skin/theme/TsuiFileThemeMgr.h"
#include "skin/theme/UIStyle.h"
#include <QImage>

#include <QObject>
#include <QString>

// The non-visual component that skins controls from a theme file. Controls
// refer to it through their published FileTheme property and never own it:
// they hold a QPointer and fall back to DeepBlue when it is destroyed.
class TsuiFileTheme : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString ThemeFile READ ThemeFile WRITE AssignThemeFile)

public:
    explicit TsuiFileTheme(QObject* owner = nullptr);

    // The path of the file loaded last.
    QString ThemeFile() const { return m_themeFile; }
    // Loads the file at value or, when there is none, the file of the same
    // name next to the executable; neither existing changes nothing. A
    // file that fails to read raises its error and keeps the previous
    // theme, path and ThemeLoaded. After a load, every component of the
    // owner form whose class name starts with "Tsui" and whose FileTheme is
    // this one gets it assigned again, so it re-reads its values.
    void AssignThemeFile(const QString& value);

    bool ThemeLoaded() const { return m_loaded; }

    void GetBitmap(ThemeElement element, QImage& bitmap) const { m_manager.GetBitmap(element, bitmap); }
    void GetBitmapFrame(ThemeElement element, QImage& bitmap, int frameCount, int frameIndex) const;
    runtime::TColor GetColor(ThemeElement element) const { return m_manager.GetColor(element); }
    int GetInt(ThemeElement element) const { return m_manager.GetInt(element); }
    bool GetBool(ThemeElement element) const { return m_manager.GetBool(element); }

    const TsuiFileThemeMgr& manager() const { return m_manager; }

private:
    void announce();

    QString m_themeFile;
    bool m_loaded = false;
    TsuiFileThemeMgr m_manager;
};

// The decision every skinned part makes before it reads a value: True when
// the values come from fileTheme; otherwise effective names the built-in
// style to use, DeepBlue when FromThemeFile has no loaded theme behind it.
bool ResolveUIStyle(const TsuiFileTheme* fileTheme, TsuiUIStyle style, TsuiUIStyle& effective);
