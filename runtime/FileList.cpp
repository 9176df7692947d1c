#include "runtime/FileList.h"

#include <QDir>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace runtime {

namespace {

// A name or a mask as the matcher compares them: folded to one letter case,
// one element per character, so "?" takes a whole character even outside
// the basic plane.
std::u32string folded(const QString& text)
{
    const QList<uint> units = text.toCaseFolded().toUcs4();
    return std::u32string(units.begin(), units.end());
}

// Only "*" and "?" are wildcards; brackets and every other character stand
// for themselves, as they do in the file names. Matching walks both strings
// once, going back only to the last star, so a long folder is listed in
// time proportional to its names and nothing is compiled per name.
bool wildcardMatch(std::u32string_view name, std::u32string_view mask)
{
    size_t n = 0, m = 0;
    size_t star = std::u32string_view::npos, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == U'?' || mask[m] == name[n])) {
            ++n;
            ++m;
        } else if (m < mask.size() && mask[m] == U'*') {
            star = m++;
            starName = n;
        } else if (star != std::u32string_view::npos) {
            m = star + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == U'*')
        ++m;
    return m == mask.size();
}

// The ";"-separated masks, folded once for a whole listing.
class MaskSet {
public:
    explicit MaskSet(const QString& masks)
    {
        for (const QString& part : masks.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString mask = part.trimmed();
            // "*.*" means every name, with or without an extension.
            if (mask == QLatin1String("*.*") || mask == QLatin1String("*"))
                m_everything = true;
            else if (!mask.isEmpty())
                m_masks.push_back(folded(mask));
        }
    }

    bool matches(const QString& name) const
    {
        if (m_everything)
            return true;
        if (m_masks.empty())
            return false;
        const std::u32string key = folded(name);
        return std::any_of(m_masks.begin(), m_masks.end(),
                           [&key](const std::u32string& mask) { return wildcardMatch(key, mask); });
    }

private:
    std::vector<std::u32string> m_masks;
    bool m_everything = false;
};

QStringList listMatching(const QString& dir, const QString& masks, QDir::Filters kind)
{
    const MaskSet set(masks);
    QStringList result;
    const QStringList names = QDir(dir).entryList(kind | QDir::NoDotAndDotDot, QDir::NoSort);
    for (const QString& name : names) {
        if (set.matches(name))
            result << name;
    }
    SortIgnoringCase(result);
    return result;
}

} // namespace

bool MatchesMask(const QString& name, const QString& masks)
{
    return MaskSet(masks).matches(name);
}

QStringList ListMatchingFiles(const QString& dir, const QString& masks)
{
    return listMatching(dir, masks, QDir::Files);
}

QStringList ListMatchingFolders(const QString& dir, const QString& masks)
{
    return listMatching(dir, masks, QDir::Dirs);
}

void SortIgnoringCase(QStringList& names)
{
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
}

FolderAndMask SplitFolderAndMask(const QString& path, QChar delimiter)
{
    const qsizetype cut = path.lastIndexOf(delimiter);
    const QString last = path.mid(cut + 1);
    if (!last.contains(QLatin1Char('*')) && !last.contains(QLatin1Char('?')))
        return {path, QString()};
    if (cut < 0)
        return {QString(), last};
    // The root folder keeps its delimiter: "/*.pdf" lists "/", not "".
    return {cut == 0 ? QString(delimiter) : path.left(cut), last};
}

} // namespace runtime
