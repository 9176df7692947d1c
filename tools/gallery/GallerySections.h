#pragma once

#include <QString>

class GallerySheet;

// The gallery's sections, drawn in ascending order. A section registers
// itself from its own source file:
//
//     static const GallerySection pickers(40, "Path pickers", [](GallerySheet& sheet) { ... });
//
using GallerySectionFn = void (*)(GallerySheet& sheet);

struct GallerySection {
    GallerySection(int order, const char* title, GallerySectionFn draw);
};

// Draws every registered section onto the sheet.
void DrawGallerySections(GallerySheet& sheet);
