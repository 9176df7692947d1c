#pragma once

#include "skin/theme/UIStyle.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QVariant>

namespace app {
struct RememberedChoices;
}

class TsuiFileTheme;
class TsuiForm;

// The look the user chose for the main window: as designed (every part in
// the style and colours its form description gives it), one built-in style
// or a theme file. A chosen look goes to the frame and to every skinned part
// on it at once, as the frame's own style push to its controls does.
class WindowLook : public QObject {
    Q_OBJECT
public:
    // The choice's key for the designed look and for a theme file; the
    // built-in styles go by their enum keys ("BlueGlass").
    static const QString Designed;
    static const QString ThemeFile;

    // Keeps the designed look of the frame and its parts, as loaded, to come
    // back to. The owner must outlive the frame: a theme file in use is
    // destroyed only after every part that refers to it.
    WindowLook(TsuiForm* frame, QObject* owner);

    QString choice() const { return m_choice; }
    QString themeFile() const { return m_themeFile; }

    void applyDesigned();
    void applyStyle(TsuiUIStyle style);
    // Reads the file first: one that cannot be read raises the reader's
    // error and leaves the look as it was.
    void applyThemeFile(const QString& path);
    // Applies a remembered choice; false (look unchanged) when it names no
    // look or its theme file cannot be read.
    bool restore(const QString& choice, const QString& themeFile);

    // The style a choice key names; false for the designed look, a theme
    // file and unknown keys.
    static bool styleFromKey(const QString& key, TsuiUIStyle& style);
    // The built-in style the window was left in, as the remembered choices
    // (read from the settings, or already read) say; BlueGlass, its designed
    // look, for any other choice.
    static TsuiUIStyle rememberedStyle();
    static TsuiUIStyle rememberedStyle(const app::RememberedChoices& choices);

signals:
    void changed();

private:
    struct Saved {
        QPointer<QObject> part;
        QList<QPair<QByteArray, QVariant>> values; // style first
    };
    void recordDesigned();
    void spread(TsuiUIStyle style, TsuiFileTheme* theme);
    void noteHostSize();

    QPointer<TsuiForm> m_frame;
    QList<Saved> m_designed;
    bool m_recorded = false;
    QSize m_designedHostSize;
    QSize m_hostAfterLook;
    TsuiFileTheme* m_theme = nullptr;
    QString m_choice = Designed;
    QString m_themeFile;
};
