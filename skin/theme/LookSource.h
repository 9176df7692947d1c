#pragma once

#include "skin/theme/Look.h"
#include "skin/theme/TsuiFileTheme.h"
#include "skin/theme/UIStyle.h"

#include <QObject>
#include <QPointer>

#include <functional>

// The style protocol every skinned part follows, in one place: a stored
// UI style and a file theme it never owns, resolved into one Look whenever
// either changes; when the theme component goes away the part falls back
// to DeepBlue. `apply` runs after each of these, so the part can re-read
// what it keeps from its look and repaint. `removed`, when given, runs
// first when the theme goes away (the slot already cleared), for a part
// that passes the loss on before falling back itself.
class LookSource {
public:
    LookSource(QObject* owner, std::function<void()> apply, std::function<void()> removed = {});
    ~LookSource();
    LookSource(const LookSource&) = delete;
    LookSource& operator=(const LookSource&) = delete;

    TsuiUIStyle style() const { return m_style; }
    TsuiFileTheme* fileTheme() const { return m_fileTheme; }
    const Look& look() const { return m_look; }

    void setStyle(TsuiUIStyle style);
    // Assigning the same theme again is how a theme announces a new file,
    // so it always resolves anew.
    void setFileTheme(TsuiFileTheme* theme);

private:
    void unwatch();
    void themeDestroyed();

    QObject* m_owner;
    std::function<void()> m_apply;
    std::function<void()> m_removed;
    TsuiUIStyle m_style = TsuiUIStyle::DeepBlue;
    QPointer<TsuiFileTheme> m_fileTheme;
    QMetaObject::Connection m_watch;
    Look m_look;
};
