#include "skin/controls/SkinPaint.h"

#include "runtime/FontSubstitute.h"

#include <QCache>
#include <QStackedWidget>
#include <QTabWidget>
#include <QWidget>

QImage& PrepareBuffer(QImage& buffer, const QWidget* control)
{
    const qreal ratio = control->devicePixelRatioF();
    const QSize pixels = (QSizeF(control->size()) * ratio).toSize();
    if (buffer.size() != pixels || buffer.devicePixelRatio() != ratio) {
        buffer = QImage(pixels, runtime::BitmapFormat);
        buffer.setDevicePixelRatio(ratio);
    }
    return buffer;
}

void DrawFocusRect(runtime::Canvas& canvas, const QRect& rect)
{
    if (rect.isEmpty())
        return;
    QPainter& p = canvas.painter();
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.setPen(QColor(Qt::white));
    const int l = rect.left(), t = rect.top(), r = rect.right(), b = rect.bottom();
    auto dot = [&](int x, int y) {
        if (((x + y) & 1) == 0)
            p.drawPoint(x, y);
    };
    for (int x = l; x <= r; ++x) {
        dot(x, t);
        if (b != t)
            dot(x, b);
    }
    for (int y = t + 1; y < b; ++y) {
        dot(l, y);
        if (r != l)
            dot(r, y);
    }
    p.restore();
}

bool IsTabSheet(const QWidget* widget)
{
    const QWidget* stack = widget ? widget->parentWidget() : nullptr;
    return stack && qobject_cast<const QStackedWidget*>(stack)
        && qobject_cast<const QTabWidget*>(stack->parentWidget());
}

namespace {

// What a kept text picture depends on. Compared as values: formatting a
// text key (the font's description above all) cost more than drawing.
struct TextLayerKey {
    QFont font;
    QRgb color;
    int flags;
    QSize size;
    qreal ratio;
    QString text;
    bool operator==(const TextLayerKey&) const = default;
};

size_t qHash(const TextLayerKey& key, size_t seed = 0)
{
    return qHashMulti(seed, key.font, key.color, key.flags, key.size.width(), key.size.height(), key.ratio, key.text);
}

} // namespace

void DrawSingleLine(runtime::Canvas& canvas, const QRect& rect, int alignment, const QString& text, const QColor& color)
{
    if (rect.isEmpty() || text.isEmpty())
        return;
    QPainter& p = canvas.painter();
    // Smoothed like the labels and fields beside the captions: unsmoothed,
    // the hinted glyphs land on whole pixels and split words ("Merge
    // paragra phs"), and the window would load every caption font twice.
    // A text picture laid over the canvas blends as text drawn on it does
    // (to a unit of rounding), so the pictures are kept: laying out text is
    // by far the dearest step of a repaint. On a HiDPI canvas the picture
    // has the canvas's ratio, so the glyphs are drawn at full resolution.
    const QFont font = p.font();
    const qreal ratio = p.device() ? p.device()->devicePixelRatioF() : 1.0;
    TextLayerKey key{font,        color.rgba(), alignment | Qt::TextSingleLine | Qt::TextShowMnemonic,
                     rect.size(), ratio,        text};
    static QCache<TextLayerKey, QImage> layers(256);
    QImage* layer = layers.object(key);
    if (!layer) {
        layer = new QImage((QSizeF(rect.size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
        layer->setDevicePixelRatio(ratio);
        layer->fill(Qt::transparent);
        QPainter lp(layer);
        lp.setFont(font);
        lp.setPen(color);
        lp.drawText(QRect(QPoint(0, 0), rect.size()), key.flags, text);
        lp.end();
        layers.insert(std::move(key), layer);
    }
    p.drawImage(rect.topLeft(), *layer);
}

QColor FontColorOf(const QWidget* widget)
{
    // The font colour stays the same when the control is disabled.
    return widget->palette().color(QPalette::Active, widget->foregroundRole());
}

QFont DefaultCanvasFont()
{
    QFont font(runtime::DesignedFontSubstitute());
    font.setPointSize(8);
    return font;
}
