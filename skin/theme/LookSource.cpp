#include "skin/theme/LookSource.h"

#include "skin/theme/TsuiFileTheme.h"

LookSource::LookSource(QObject* owner, std::function<void()> apply, std::function<void()> removed)
    : m_owner(owner)
    , m_apply(std::move(apply))
    , m_removed(std::move(removed))
    , m_look(ResolveLook(nullptr, m_style))
{
}

LookSource::~LookSource()
{
    // A theme that is a child of the part dies in QObject's destructor,
    // after the part's own members are gone; its removal must not run
    // into them then.
    unwatch();
}

void LookSource::unwatch()
{
    QObject::disconnect(m_watch);
}

void LookSource::themeDestroyed()
{
    m_fileTheme = nullptr;
    if (m_removed)
        m_removed();
    setStyle(TsuiUIStyle::DeepBlue);
}

void LookSource::setStyle(TsuiUIStyle style)
{
    m_style = style;
    m_look = ResolveLook(m_fileTheme, style);
    m_apply();
}

void LookSource::setFileTheme(TsuiFileTheme* theme)
{
    if (theme != m_fileTheme) {
        unwatch();
        m_fileTheme = theme;
        if (theme)
            m_watch = QObject::connect(theme, &QObject::destroyed, m_owner, [this] { themeDestroyed(); });
    }
    setStyle(m_style);
}
