#pragma once

#include "skin/theme/ThemeFileParser.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <vector>

// Holds one theme file in memory and answers look-ups by key. The whole
// file is read and checked by the constructor; a file that cannot be read
// or is malformed raises runtime::RuntimeError naming the file and the
// fault, and no reader comes into being.
class TsuiThemeFileReader {
public:
    explicit TsuiThemeFileReader(const QString& fileName);

    // The BMP file bytes of the first bitmap entry of that name (letter case
    // ignored); empty when there is none or the entry holds no bitmap.
    QByteArray GetBitmapStream(const QString& name) const;
    // The first integer entry of that name; -1 when there is none.
    int GetInt(const QString& name) const;
    // The first Boolean entry of that name; False when there is none.
    bool GetBool(const QString& name) const;

    // Every loaded entry in file order, and the data bytes of one of them.
    const std::vector<themefile::Entry>& entries() const { return m_entries; }
    QByteArray dataOf(const themefile::Entry& entry) const;

    // The largest file the reader takes in; it holds the whole file in memory.
    static constexpr qint64 MaxFileSize = qint64(256) << 20;

private:
    const themefile::Entry* find(themefile::RecordKind kind, const QString& name) const;

    QByteArray m_bytes;
    std::vector<themefile::Entry> m_entries;
    // Folded key -> index of the first entry with it, one index per kind.
    QHash<QString, qsizetype> m_index[4];
};

// The key an entry is filed under: its name up to the first "=", letter
// case folded. Values were kept as name=value lines, so an entry whose name
// contains "=" answers a look-up of the text before it, with no valid value.
QString ThemeFileKey(const QString& name);
