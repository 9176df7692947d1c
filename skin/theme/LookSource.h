#pragma once

#include "skin/theme/Look.h"
#include "skin/theme/TsuiFileTheme.h"
#include "skin/theme/UIStyle.h"

#include <QPointer>

#include <functional>

class QObject;

// Points `slot` at a file theme the part does not own: the previous theme's
// removal watch on `context` is dropped, and `onRemoved` runs (after the
// slot was cleared) when the new theme component is destroyed.
void WatchFileTheme(QPointer<TsuiFileTheme>& slot, TsuiFileTheme* theme, QObject* context,
                    const std::function<void()>& onRemoved);
// Drops the removal watch; every watcher calls it in its destructor. A theme
// that is a child of the part dies in QObject's destructor, after the part's
// own members are gone, and its watch must not run into them then.
void UnwatchFileTheme(const QPointer<TsuiFileTheme>& slot, QObject* context);

// The style protocol every skinned control follows, in one place: a stored
// UI style and a file theme it never owns, resolved into one Look whenever
// either changes; when the theme component goes away the control falls back
// to DeepBlue. `apply` runs after each of these, so the control can re-read
// what it keeps from its look and repaint.
class LookSource {
public:
    LookSource(QObject* owner, std::function<void()> apply);
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
    QObject* m_owner;
    std::function<void()> m_apply;
    TsuiUIStyle m_style = TsuiUIStyle::DeepBlue;
    QPointer<TsuiFileTheme> m_fileTheme;
    Look m_look;
};
