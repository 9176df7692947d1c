#include "skin/theme/TsuiThemeFileReader.h"

#include "runtime/RuntimeError.h"

#include <QFile>
#include <QFileInfo>

using themefile::Entry;
using themefile::RecordKind;

namespace {

[[noreturn]] void fail(const QString& fileName, const QString& what)
{
    throw runtime::RuntimeError(QStringLiteral("Theme file \"%1\": %2").arg(fileName, what));
}

} // namespace

QString ThemeFileKey(const QString& name)
{
    return name.section(QLatin1Char('='), 0, 0).toCaseFolded();
}

TsuiThemeFileReader::TsuiThemeFileReader(const QString& fileName)
{
    // Opening a named pipe waits for a writer, and a device such as
    // /dev/zero never ends: only plain files are read, and never more than
    // the largest theme file.
    const QFileInfo info(fileName);
    if (info.exists() && !info.isFile())
        fail(fileName, QStringLiteral("not a regular file"));
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw runtime::RuntimeError(QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, file.errorString()));
    if (file.size() > MaxFileSize)
        fail(fileName, QStringLiteral("the file is larger than %1 bytes").arg(MaxFileSize));
    m_bytes = file.read(MaxFileSize + 1);
    if (m_bytes.size() > MaxFileSize)
        fail(fileName, QStringLiteral("the file is larger than %1 bytes").arg(MaxFileSize));
    if (m_bytes.size() != file.size())
        fail(fileName, QStringLiteral("the file could not be read whole"));

    auto parsed = themefile::ParseThemeFile(reinterpret_cast<const std::uint8_t*>(m_bytes.constData()),
                                            std::size_t(m_bytes.size()));
    if (!parsed.ok())
        fail(fileName, QString::fromStdString(parsed.error));
    m_entries = std::move(parsed.entries);
    for (qsizetype i = 0; i < qsizetype(m_entries.size()); ++i) {
        const Entry& e = m_entries[std::size_t(i)];
        auto& index = m_index[static_cast<int>(e.kind)];
        const QString key = ThemeFileKey(QString::fromLatin1(e.name));
        if (!index.contains(key))
            index.insert(key, i);
    }
}

const Entry* TsuiThemeFileReader::find(RecordKind kind, const QString& name) const
{
    // The stored key ends before the first "=", so a name with one in it
    // can never match.
    if (name.contains(QLatin1Char('=')))
        return nullptr;
    const auto& index = m_index[static_cast<int>(kind)];
    const auto it = index.constFind(name.toCaseFolded());
    return it == index.cend() ? nullptr : &m_entries[std::size_t(*it)];
}

QByteArray TsuiThemeFileReader::dataOf(const Entry& entry) const
{
    return m_bytes.mid(entry.dataOffset, entry.dataSize);
}

QByteArray TsuiThemeFileReader::GetBitmapStream(const QString& name) const
{
    const Entry* e = find(RecordKind::Bitmap, name);
    return e ? dataOf(*e) : QByteArray();
}

int TsuiThemeFileReader::GetInt(const QString& name) const
{
    const Entry* e = find(RecordKind::Integer, name);
    // A name with "=" never held a readable value (see ThemeFileKey).
    return e && e->name.find('=') == std::string::npos ? e->value : -1;
}

bool TsuiThemeFileReader::GetBool(const QString& name) const
{
    const Entry* e = find(RecordKind::Boolean, name);
    return e && e->name.find('=') == std::string::npos && e->value != 0;
}
