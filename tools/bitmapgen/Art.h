#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>

#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

// Small drawing vocabulary shared by every style's painter.
namespace art {

// Linear blend of two colours, t = 0 gives a, t = 1 gives b.
QColor Mix(const QColor& a, const QColor& b, double t);

// Colour stops along 0..1, blended linearly between neighbours.
class Ramp {
public:
    Ramp(std::initializer_list<std::pair<double, QColor>> stops);
    QColor At(double t) const;
    // The colour of row y of n rows (row centres spread over 0..1).
    QColor Row(int y, int n) const;

private:
    std::vector<std::pair<double, QColor>> stops_;
};

QImage Blank(int w, int h, const QColor& fill);
QImage Transparent(int w, int h);

// Fills every row of image with the ramp (columns all alike).
void FillRows(QImage& image, const Ramp& ramp);
// A new w × h image of the ramp's rows.
QImage Rows(int w, int h, const Ramp& ramp);

// Flattens an image with an alpha channel onto an opaque backdrop of the same
// size. Keyed, pixels covered less than half become the key colour and the
// rest are blended onto the backdrop, so keyed edges carry no magenta fringe.
QImage Flatten(const QImage& layer, const QImage& backdrop, bool keyed = false);
QImage Flatten(const QImage& layer, const QColor& backdrop, bool keyed = false);

// Draws a picture one row and (for odd widths) one column smaller and then
// repeats its middle row and column. The nine-part skin scaling stretches
// exactly those rows and columns, so a frame made this way scales without
// seams: the rows half(h) and half(h) + 1 are equal, as are the columns
// half(w) and half(w) + 1.
QImage StretchSafe(int w, int h, const std::function<QImage(int, int)>& draw);

// A horizontal strip of equal frames, frame k drawn by draw(k) (0-based).
QImage Strip(int frameWidth, int height, int frames, const std::function<QImage(int)>& draw);

// A rounded rectangle path over a pixel box, with edges on pixel centres
// inset by half a pixel so a 1-pixel outline stays crisp.
QPainterPath RoundBox(const QRectF& box, double radius);

// Pixel-art glyph: rows of '#' (ink), '+' (second ink) and '.' (nothing).
struct Glyph {
    std::vector<const char*> rows;
    int Width() const;
    int Height() const;
};

// Draws the glyph with its top-left at (x, y); '+' cells take second.
void DrawGlyph(QImage& image, const Glyph& glyph, int x, int y, const QColor& ink, const QColor& second = QColor());
// Draws the glyph centred in the image, moved by (dx, dy).
void DrawGlyphCentred(QImage& image, const Glyph& glyph, const QColor& ink, int dx = 0, int dy = 0,
                      const QColor& second = QColor());

// Greys a picture for a disabled look: lightness kept, colour washed out and
// lifted towards the backdrop.
QImage Disabled(const QImage& image, const QColor& backdrop, double wash = 0.55);

// Replaces every pixel of one colour by another.
void Recolour(QImage& image, QRgb from, QRgb to);

} // namespace art
