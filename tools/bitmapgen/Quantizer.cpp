#include "Quantizer.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <map>

namespace {

struct Entry {
    QRgb colour;
    int64_t count;
};

int channel(QRgb c, int k)
{
    return k == 0 ? qRed(c) : k == 1 ? qGreen(c) : qBlue(c);
}

// Weighted squared distance; green counts most, as the eye sees it.
int64_t distance(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b);
    const int dg = qGreen(a) - qGreen(b);
    const int db = qBlue(a) - qBlue(b);
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

QRgb centroid(const std::vector<Entry>& entries)
{
    std::array<int64_t, 3> sum{};
    int64_t total = 0;
    for (const Entry& e : entries) {
        for (int k = 0; k < 3; ++k)
            sum[k] += channel(e.colour, k) * e.count;
        total += e.count;
    }
    if (total == 0)
        return qRgb(0, 0, 0);
    return qRgb(int((sum[0] + total / 2) / total), int((sum[1] + total / 2) / total),
                int((sum[2] + total / 2) / total));
}

// Splits the colour set into at most n boxes, always cutting the box with the
// widest weighted spread at the weighted median of its widest channel.
std::vector<QRgb> medianCut(std::vector<Entry> entries, int n)
{
    std::vector<std::vector<Entry>> boxes{std::move(entries)};
    while (int(boxes.size()) < n) {
        int best = -1;
        int bestChannel = 0;
        int64_t bestScore = 0;
        for (int i = 0; i < int(boxes.size()); ++i) {
            if (boxes[i].size() < 2)
                continue;
            int64_t count = 0;
            for (const Entry& e : boxes[i])
                count += e.count;
            for (int k = 0; k < 3; ++k) {
                int lo = 255, hi = 0;
                for (const Entry& e : boxes[i]) {
                    lo = std::min(lo, channel(e.colour, k));
                    hi = std::max(hi, channel(e.colour, k));
                }
                const int64_t score = int64_t(hi - lo) * (hi - lo) * count;
                if (score > bestScore) {
                    bestScore = score;
                    best = i;
                    bestChannel = k;
                }
            }
        }
        if (best < 0)
            break;
        std::vector<Entry>& box = boxes[best];
        std::sort(box.begin(), box.end(), [bestChannel](const Entry& a, const Entry& b) {
            const int ca = channel(a.colour, bestChannel), cb = channel(b.colour, bestChannel);
            return ca != cb ? ca < cb : a.colour < b.colour;
        });
        int64_t total = 0;
        for (const Entry& e : box)
            total += e.count;
        int64_t running = 0;
        size_t cut = 1;
        for (size_t i = 0; i + 1 < box.size(); ++i) {
            running += box[i].count;
            cut = i + 1;
            if (running * 2 >= total)
                break;
        }
        std::vector<Entry> upper(box.begin() + cut, box.end());
        box.resize(cut);
        boxes.push_back(std::move(upper));
    }
    std::vector<QRgb> palette;
    for (const auto& box : boxes)
        palette.push_back(centroid(box));
    return palette;
}

int nearest(const std::vector<QRgb>& palette, QRgb colour)
{
    int best = 0;
    int64_t bestDistance = std::numeric_limits<int64_t>::max();
    for (int i = 0; i < int(palette.size()); ++i) {
        const int64_t d = distance(palette[i], colour);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

std::vector<QRgb> refine(const std::vector<Entry>& entries, std::vector<QRgb> palette)
{
    for (int round = 0; round < 12; ++round) {
        std::vector<std::vector<Entry>> clusters(palette.size());
        for (const Entry& e : entries)
            clusters[nearest(palette, e.colour)].push_back(e);
        bool moved = false;
        for (size_t i = 0; i < palette.size(); ++i) {
            if (clusters[i].empty())
                continue;
            const QRgb c = centroid(clusters[i]);
            moved = moved || c != palette[i];
            palette[i] = c;
        }
        if (!moved)
            break;
    }
    return palette;
}

} // namespace

IndexedImage Quantize(const QImage& source, int maxColours, const QList<QRgb>& keys, const QList<QRgb>& keep)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    IndexedImage out;
    out.width = image.width();
    out.height = image.height();

    std::map<QRgb, int64_t> histogram;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            ++histogram[line[x] | 0xFF000000u];
    }

    std::vector<QRgb> palette;
    std::vector<QRgb> pinned;
    if (int(histogram.size()) <= maxColours) {
        for (const auto& [colour, count] : histogram)
            palette.push_back(colour);
    } else {
        std::vector<Entry> rest;
        std::vector<QRgb> kept;
        for (const auto& [colour, count] : histogram) {
            if (keys.contains(colour))
                pinned.push_back(colour);
            else if (keep.contains(colour | 0xFF000000u))
                kept.push_back(colour);
            else
                rest.push_back({colour, count});
        }
        const int free = maxColours - int(pinned.size()) - int(kept.size());
        palette = free > 0 ? refine(rest, medianCut(rest, free)) : std::vector<QRgb>{};
        palette.insert(palette.end(), kept.begin(), kept.end());
    }

    std::map<QRgb, int> lookup;
    for (const auto& [colour, count] : histogram) {
        const auto at = std::find(pinned.begin(), pinned.end(), colour);
        lookup[colour] = at != pinned.end() ? int(palette.size() + (at - pinned.begin())) : nearest(palette, colour);
    }
    for (QRgb c : palette)
        out.palette.append(c);
    for (QRgb c : pinned)
        out.palette.append(c);

    out.indices.reserve(size_t(out.width) * size_t(out.height));
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            out.indices.push_back(uint8_t(lookup[line[x] | 0xFF000000u]));
    }
    return out;
}
