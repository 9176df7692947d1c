#pragma once

#include "Art.h"
#include "StyleArt.h"

#include <QPainter>

// Composite painters the styles share; each style passes its own colours.
namespace painters {

// Vertical gradient through the ramp's stops over box.
QLinearGradient Vertical(const art::Ramp& ramp, const QRectF& box);

// A rounded surface: fill ramp, 1-pixel outline (none if border is invalid).
void Surface(QPainter& p, const QRectF& box, double radius, const QColor& border, const art::Ramp& fill);

// Looks of a raised surface, used by buttons and their smaller relatives.
struct SurfaceLook {
    double radius;
    QColor border;
    art::Ramp fill;
    QColor innerRim = QColor(); // optional 1-pixel ring inside the outline
    double innerRimWidth = 1;
};

// A push-button frame of w × h that survives nine-part scaling; corners
// outside the rounded outline become the key colour when keyed, else the
// backdrop colour.
QImage ButtonFrame(int w, int h, const SurfaceLook& look, const QColor& backdrop, bool keyed);

// A check box of w × h: the surface in box with the check glyph when checked.
QImage CheckFrame(int w, int h, const QRect& box, const SurfaceLook& look, bool checked, const QColor& ink,
                  const QColor& backdrop);

// A round option button of w × h: ring and dot when checked.
QImage RadioFrame(int w, int h, const QRect& box, const SurfaceLook& look, bool checked, const QColor& ink,
                  const QColor& backdrop);

// The check mark drawn into check boxes and check lists.
const art::Glyph& CheckGlyph(int boxSize);

// A glass orb filling a size × size layer: outline, body ramp, a highlight
// over the top and a glow at the bottom. Returned with alpha, unflattened.
QImage Orb(int size, double inset, const QColor& ring, const art::Ramp& body, double highlight);

// A filled arrow triangle pointing in direction (0 up, 1 right, 2 down,
// 3 left), centred in box.
void Arrow(QPainter& p, const QRectF& box, int direction, double size, const QColor& ink);

} // namespace painters
