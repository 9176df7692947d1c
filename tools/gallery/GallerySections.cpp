#include "GallerySections.h"

#include "GallerySheet.h"

#include <algorithm>
#include <vector>

namespace {

struct Entry {
    int order;
    const char* title;
    GallerySectionFn draw;
};

std::vector<Entry>& entries()
{
    static std::vector<Entry> list;
    return list;
}

} // namespace

GallerySection::GallerySection(int order, const char* title, GallerySectionFn draw)
{
    entries().push_back({order, title, draw});
}

void DrawGallerySections(GallerySheet& sheet)
{
    std::vector<Entry> list = entries();
    std::stable_sort(list.begin(), list.end(), [](const Entry& a, const Entry& b) { return a.order < b.order; });
    for (const Entry& e : list) {
        sheet.beginSection(QString::fromUtf8(e.title));
        e.draw(sheet);
    }
}
