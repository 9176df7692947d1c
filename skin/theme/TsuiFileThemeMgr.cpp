#include "skin/theme/TsuiFileThemeMgr.h"

#include "runtime/Bitmap.h"

#include <QFileInfo>

#include <array>

namespace {

// Element keys as QStrings, made once: every paint asks for several.
const QString& keyOf(ThemeElement element)
{
    static const auto keys = [] {
        std::array<QString, ThemeElementCount> k;
        for (int i = 0; i < ThemeElementCount; ++i)
            k[std::size_t(i)] = QString::fromLatin1(GetThemeElementName(ThemeElementAt(i + 1)));
        return k;
    }();
    return keys.at(std::size_t(static_cast<int>(element) - 1));
}

} // namespace

bool TsuiFileThemeMgr::LoadFromFile(const QString& fileName)
{
    if (!QFileInfo(fileName).isFile())
        return false;
    m_reader = std::make_unique<TsuiThemeFileReader>(fileName);
    return true;
}

void TsuiFileThemeMgr::GetBitmap(ThemeElement element, QImage& bitmap) const
{
    if (!m_reader)
        return;
    const QByteArray bytes = m_reader->GetBitmapStream(keyOf(element));
    if (!bytes.isEmpty())
        runtime::LoadBitmapFromBmpData(bitmap, bytes);
}

bool TsuiFileThemeMgr::GetBool(ThemeElement element) const
{
    return m_reader && m_reader->GetBool(keyOf(element));
}

int TsuiFileThemeMgr::GetInt(ThemeElement element) const
{
    return m_reader ? m_reader->GetInt(keyOf(element)) : 0;
}
