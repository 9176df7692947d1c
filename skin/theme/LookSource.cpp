#include "skin/theme/LookSource.h"

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

void UnwatchFileTheme(const QPointer<TsuiFileTheme>& slot, QObject* context)
{
    if (slot)
        QObject::disconnect(slot, &QObject::destroyed, context, nullptr);
}

LookSource::~LookSource()
{
    UnwatchFileTheme(m_fileTheme, m_owner);
}

LookSource::LookSource(QObject* owner, std::function<void()> apply)
    : m_owner(owner)
    , m_apply(std::move(apply))
    , m_look(ResolveLook(nullptr, m_style))
{
}

void LookSource::setStyle(TsuiUIStyle style)
{
    m_style = style;
    m_look = ResolveLook(m_fileTheme, style);
    m_apply();
}

void LookSource::setFileTheme(TsuiFileTheme* theme)
{
    if (theme != m_fileTheme)
        WatchFileTheme(m_fileTheme, theme, m_owner, [this] { setStyle(TsuiUIStyle::DeepBlue); });
    setStyle(m_style);
}
