#include "Art.h"

#include "BmpWriter.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace art {

QColor Mix(const QColor& a, const QColor& b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    auto lerp = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                  lerp(a.alpha(), b.alpha()));
}

Ramp::Ramp(std::initializer_list<std::pair<double, QColor>> stops) : stops_(stops)
{
}

QColor Ramp::At(double t) const
{
    if (t <= stops_.front().first)
        return stops_.front().second;
    for (size_t i = 1; i < stops_.size(); ++i) {
        if (t <= stops_[i].first) {
            const auto& [t0, c0] = stops_[i - 1];
            const auto& [t1, c1] = stops_[i];
            return t1 > t0 ? Mix(c0, c1, (t - t0) / (t1 - t0)) : c1;
        }
    }
    return stops_.back().second;
}

QColor Ramp::Row(int y, int n) const
{
    return At(n <= 1 ? 0.0 : double(y) / double(n - 1));
}

QImage Blank(int w, int h, const QColor& fill)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(fill);
    return image;
}

QImage Transparent(int w, int h)
{
    return Blank(w, h, Qt::transparent);
}

void FillRows(QImage& image, const Ramp& ramp)
{
    for (int y = 0; y < image.height(); ++y) {
        const QRgb c = ramp.Row(y, image.height()).rgba();
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(line, line + image.width(), c);
    }
}

QImage Rows(int w, int h, const Ramp& ramp)
{
    QImage image(w, h, QImage::Format_ARGB32);
    FillRows(image, ramp);
    return image;
}

QImage Flatten(const QImage& layer, const QImage& backdrop, bool keyed)
{
    QImage out = layer.convertToFormat(QImage::Format_ARGB32);
    const QImage under = backdrop.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        const QRgb* back = reinterpret_cast<const QRgb*>(under.constScanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int a = qAlpha(line[x]);
            if (keyed && a < 128) {
                line[x] = KeyColour;
                continue;
            }
            const QColor c = Mix(QColor::fromRgb(back[x]), QColor::fromRgb(line[x]), a / 255.0);
            line[x] = qRgb(c.red(), c.green(), c.blue());
        }
    }
    return out;
}

QImage Flatten(const QImage& layer, const QColor& backdrop, bool keyed)
{
    return Flatten(layer, Blank(layer.width(), layer.height(), backdrop), keyed);
}

QImage StretchSafe(int w, int h, const std::function<QImage(int, int)>& draw)
{
    const bool oddWidth = w % 2 == 1;
    const QImage small = draw(oddWidth ? w - 1 : w, h - 1).convertToFormat(QImage::Format_ARGB32);
    QImage out(w, h, QImage::Format_ARGB32);
    const int midRow = h / 2;
    const int midCol = w / 2;
    for (int y = 0; y < h; ++y) {
        const int sy = y <= midRow ? y : y - 1;
        const QRgb* src = reinterpret_cast<const QRgb*>(small.constScanLine(sy));
        QRgb* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x)
            dst[x] = src[oddWidth && x > midCol ? x - 1 : x];
    }
    return out;
}

QImage Strip(int frameWidth, int height, int frames, const std::function<QImage(int)>& draw)
{
    QImage strip = Transparent(frameWidth * frames, height);
    QPainter p(&strip);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    for (int k = 0; k < frames; ++k)
        p.drawImage(k * frameWidth, 0, draw(k));
    return strip;
}

QPainterPath RoundBox(const QRectF& box, double radius)
{
    QPainterPath path;
    path.addRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    return path;
}

int Glyph::Width() const
{
    return rows.empty() ? 0 : int(std::strlen(rows.front()));
}

int Glyph::Height() const
{
    return int(rows.size());
}

void DrawGlyph(QImage& image, const Glyph& glyph, int x, int y, const QColor& ink, const QColor& second)
{
    for (int gy = 0; gy < glyph.Height(); ++gy) {
        for (int gx = 0; gx < glyph.Width(); ++gx) {
            const char cell = glyph.rows[size_t(gy)][gx];
            const QColor& c = cell == '#' ? ink : cell == '+' ? second : QColor();
            if (!c.isValid() || !image.rect().contains(x + gx, y + gy))
                continue;
            if (c.alpha() == 255) {
                image.setPixel(x + gx, y + gy, c.rgba());
            } else {
                const QColor under = image.pixelColor(x + gx, y + gy);
                image.setPixelColor(x + gx, y + gy, Mix(under, QColor(c.red(), c.green(), c.blue()), c.alphaF()));
            }
        }
    }
}

void DrawGlyphCentred(QImage& image, const Glyph& glyph, const QColor& ink, int dx, int dy, const QColor& second)
{
    DrawGlyph(image, glyph, (image.width() - glyph.Width()) / 2 + dx, (image.height() - glyph.Height()) / 2 + dy, ink,
              second);
}

QImage Disabled(const QImage& image, const QColor& backdrop, double wash)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if ((line[x] | 0xFF000000u) == KeyColour)
                continue;
            const int grey = qGray(line[x]);
            const QColor washed = Mix(QColor(grey, grey, grey), backdrop, wash);
            line[x] = qRgba(washed.red(), washed.green(), washed.blue(), qAlpha(line[x]));
        }
    }
    return out;
}

void Recolour(QImage& image, QRgb from, QRgb to)
{
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (line[x] == from)
                line[x] = to;
    }
}

} // namespace art
