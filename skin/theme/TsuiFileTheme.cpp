#include "skin/theme/TsuiFileTheme.h"

#include "skin/theme/FormHelpers.h"
#include "skin/theme/SkinBitmaps.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QVariant>
#include <QWidget>

TsuiFileTheme::TsuiFileTheme(QObject* owner) : QObject(owner)
{
}

void TsuiFileTheme::GetBitmapFrame(ThemeElement element, QImage& bitmap, int frameCount, int frameIndex) const
{
    QImage strip;
    m_manager.GetBitmap(element, strip);
    ExtractBitmapFrame(strip, bitmap, frameCount, frameIndex);
}

void TsuiFileTheme::AssignThemeFile(const QString& value)
{
    if (value == m_themeFile)
        return;
    QString path = value;
    if (!QFileInfo(path).isFile()) {
        path = QDir(QCoreApplication::applicationDirPath()).filePath(QFileInfo(value).fileName());
        if (!QFileInfo(path).isFile())
            return;
    }
    // Raises before anything changes when the file is bad.
    const bool loaded = m_manager.LoadFromFile(path);
    m_themeFile = path;
    m_loaded = loaded;
    if (m_loaded)
        announce();
}

void TsuiFileTheme::announce()
{
    const auto* form = qobject_cast<QWidget*>(parent());
    if (!form || !form->isWindow())
        return;
    const QVariant self = QVariant::fromValue(this);
    for (QObject* component : form->findChildren<QObject*>()) {
        if (!QByteArray(component->metaObject()->className()).startsWith("Tsui"))
            continue;
        if (!HasPublishedProperty(component, "FileTheme"))
            continue;
        if (qvariant_cast<QObject*>(component->property("FileTheme")) == this)
            component->setProperty("FileTheme", self);
    }
}

bool ResolveUIStyle(const TsuiFileTheme* fileTheme, TsuiUIStyle style, TsuiUIStyle& effective)
{
    effective = style;
    if (style != TsuiUIStyle::FromThemeFile)
        return false;
    if (fileTheme && fileTheme->ThemeLoaded())
        return true;
    effective = TsuiUIStyle::DeepBlue;
    return false;
}
