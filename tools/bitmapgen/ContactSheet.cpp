#include "ContactSheet.h"

#include "BmpWriter.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

constexpr int Margin = 16;
constexpr int SheetWidth = 1800;

QImage frameOf(const QImage& strip, int frames, int k)
{
    const int w = strip.width() / frames;
    return strip.copy(k * w, 0, w, strip.height());
}

QImage keyedOut(QImage image, bool key)
{
    image = image.convertToFormat(QImage::Format_ARGB32);
    if (key)
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((image.pixel(x, y) | 0xFF000000u) == KeyColour)
                    image.setPixel(x, y, 0);
    return image;
}

// Corners fixed, middles stretched: what the push button does with a frame.
QImage nineSlice(const QImage& frame, int W, int H)
{
    const int sw = frame.width(), sh = frame.height();
    const int cw = std::min(sw / 2, W / 2), ch = std::min(sh / 2, H / 2);
    QImage out(W, H, QImage::Format_ARGB32);
    out.fill(0);
    QPainter p(&out);
    auto part = [&](QRect dst, QRect src) { p.drawImage(dst, frame, src); };
    const int rw = cw - 1, rh = ch - 1; // far corners one pixel smaller
    part(QRect(0, 0, cw, ch), QRect(0, 0, cw, ch));
    part(QRect(W - rw, 0, rw, ch), QRect(sw - rw, 0, rw, ch));
    part(QRect(0, H - rh, cw, rh), QRect(0, sh - rh, cw, rh));
    part(QRect(W - rw, H - rh, rw, rh), QRect(sw - rw, sh - rh, rw, rh));
    part(QRect(cw, 0, W - cw - rw, ch), QRect(cw, 0, 1, ch));
    part(QRect(cw, H - rh, W - cw - rw, rh), QRect(cw, sh - rh, 1, rh));
    part(QRect(0, ch, cw, H - ch - rh), QRect(0, ch, cw, 1));
    part(QRect(W - rw, ch, rw, H - ch - rh), QRect(sw - rw, ch + 1, rw, 1));
    part(QRect(cw, ch, W - cw - rw, H - ch - rh), QRect(cw, ch, 1, 1));
    return out;
}

class Sheet {
public:
    explicit Sheet(const QMap<QString, QImage>& decoded) : decoded_(decoded) {}

    QImage Draw(const std::vector<Resource>& resources)
    {
        QStringList groups;
        for (const Resource& r : resources)
            if (!groups.contains(r.group))
                groups.append(r.group);
        // Two passes: measure, then paint at the measured height.
        for (int pass = 0; pass < 2; ++pass) {
            if (pass == 1) {
                image_ = QImage(SheetWidth, y_ + Margin, QImage::Format_ARGB32);
                image_.fill(QColor(0x60, 0x64, 0x6C));
                painter_.begin(&image_);
            }
            y_ = Margin;
            for (const QString& group : groups) {
                heading(group);
                if (group != "SHARED")
                    mockUp(group);
                flowItems(group, resources);
                y_ += Margin;
            }
            if (pass == 1)
                painter_.end();
        }
        return image_;
    }

private:
    bool painting() const { return painter_.isActive(); }

    void heading(const QString& text)
    {
        if (painting()) {
            painter_.setPen(Qt::white);
            painter_.setFont(QFont(QStringLiteral("DejaVu Sans"), 16, QFont::Bold));
            painter_.drawText(Margin, y_ + 22, text);
        }
        y_ += 34;
    }

    const QImage& get(const QString& name) const
    {
        static const QImage none;
        const auto it = decoded_.find(name);
        return it == decoded_.end() ? none : *it;
    }

    // Title bar 520 wide, buttons at three sizes, check boxes and a progress
    // bar, on the style's form colour, shown at twice their size.
    void mockUp(const QString& style)
    {
        const QImage left = get(style + "_TITLE_LEFT"), client = get(style + "_TITLE_CLIENT"),
                     right = get(style + "_TITLE_RIGHT"), buttons = get(style + "_TITLEBTN"),
                     button = get(style + "_BUTTON"), check = get(style + "_CHECKBOX"),
                     progress = get(style + "_PROGRESSBAR");
        const int W = 520, barH = left.height();
        const int tops[] = {4, 5, 2, 2, 6};
        const QStringList order{"MACOS", "WINXP", "DEEPBLUE", "PROTEIN", "BLUEGLASS"};
        const int top = tops[std::max<qsizetype>(0, order.indexOf(style))];
        const bool keyTitle = style == "PROTEIN" || style == "BLUEGLASS";
        const bool keyButton = style == "MACOS" || style == "BLUEGLASS";
        const QColor face = style == "WINXP" ? QColor(0xEF, 0xEB, 0xDE)
            : style == "PROTEIN"             ? QColor(0xFB, 0xFB, 0xFB)
                                             : QColor(0xE7, 0xE7, 0xE7);

        QImage mock(W, barH + 140, QImage::Format_ARGB32);
        mock.fill(face);
        QPainter p(&mock);
        // MacOS and Protein frames tile their form background.
        const QImage tile = get(style + "_FORM_BACKGROUND");
        if (!tile.isNull())
            p.fillRect(mock.rect(), QBrush(tile));
        p.drawImage(QRect(left.width(), 0, W - left.width() - right.width(), barH), client);
        p.drawImage(0, 0, left);
        p.drawImage(W - right.width(), 0, right);
        const int fw = buttons.width() / 18;
        // Close, maximise, minimise from the right; control box at the left.
        int x = W - 2;
        for (int g : {5, 2, 4}) {
            x -= fw + 1;
            // The close button is shown hot, the others normal.
            const QImage f = frameOf(buttons, 18, g * 3 + (g == 5 ? 1 : 0));
            p.drawImage(x, top, keyedOut(f, keyTitle));
        }
        p.drawImage(4, top, keyedOut(frameOf(buttons, 18, 0), keyTitle));
        p.setFont(QFont(QStringLiteral("DejaVu Sans"), 8, QFont::Bold));
        p.setPen(style == "MACOS" ? Qt::black : Qt::white);
        p.drawText(QRect(fw + 12, top, 300, fw), Qt::AlignVCenter, QStringLiteral("Advanced QUARLEX (PDF to HTML)"));

        int bx = 8;
        const int by = barH + 12;
        const char* captions[] = {"Start", "Hover", "Pressed"};
        for (int k = 0; k < 3; ++k) {
            const QImage f = keyedOut(frameOf(button, 3, k), keyButton);
            const QImage big = nineSlice(f, 80, 35);
            p.drawImage(bx, by, big);
            p.setPen(Qt::black);
            p.drawText(QRect(bx, by, 80, 35), Qt::AlignCenter, QString::fromLatin1(captions[k]));
            bx += 88;
        }
        p.drawImage(bx, by + 6, keyedOut(frameOf(button, 3, 0), keyButton));
        bx += button.width() / 3 + 8;
        const QImage wide = nineSlice(keyedOut(frameOf(button, 3, 1), keyButton), 120, 23);
        p.drawImage(bx, by + 6, wide);
        for (int k = 0; k < 4; ++k) {
            p.drawImage(8 + k * 110, by + 48, frameOf(check, 4, k));
            p.setPen(Qt::black);
            p.drawText(8 + k * 110 + check.width() / 4 + 4, by + 48 + 11,
                       QStringList{"checked", "unchecked", "disabled", "disabled"}[k]);
        }
        // Progress bar at 60 %, 409 × 12 with its border, as the window has.
        const int py = by + 80;
        p.fillRect(8, py, 409, 12, Qt::black);
        p.fillRect(9, py + 1, 407, 10, face);
        p.drawImage(QRect(9, py + 1, 244, 10), progress);
        p.setPen(Qt::black);
        p.drawText(QRect(8, py, 409, 12), Qt::AlignCenter, QStringLiteral("60%"));
        roundTopCorners(p, style, W, mock.height());
        p.end();

        if (painting())
            painter_.drawImage(QRect(Margin, y_, W * 2, mock.height() * 2), mock);
        y_ += mock.height() * 2 + Margin;
    }

    // The window region rounds the top corners (WinXP 13, BlueGlass 11) and
    // the title bar outlines them in the border colour, except in WinXP.
    static void roundTopCorners(QPainter& p, const QString& style, int w, int h)
    {
        const int round = style == "WINXP" ? 13 : style == "BLUEGLASS" ? 11 : 0;
        if (round == 0)
            return;
        p.setRenderHint(QPainter::Antialiasing, false);
        QPainterPath inside;
        inside.addRoundedRect(QRectF(0, 0, w + 1, h + 2 * round), round / 2.0, round / 2.0);
        QPainterPath outside;
        outside.addRect(QRectF(0, 0, w, round));
        p.setCompositionMode(QPainter::CompositionMode_Clear);
        p.fillPath(outside.subtracted(inside), Qt::transparent);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        if (style != "WINXP") {
            p.setPen(Qt::black);
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(QRectF(-1, 0, w + 2, h + 50), (round + 1) / 2.0, round / 2.0);
        }
    }

    void flowItems(const QString& group, const std::vector<Resource>& resources)
    {
        int x = Margin, rowHeight = 0;
        for (const Resource& r : resources) {
            if (r.group != group)
                continue;
            const QImage& img = get(r.name);
            const int scale =
                std::clamp(std::min(700 / std::max(1, img.width()), 240 / std::max(1, img.height())), 2, 6);
            const int w = std::max(img.width() * scale, 230), h = img.height() * scale + 30;
            if (x + w > SheetWidth - Margin) {
                x = Margin;
                y_ += rowHeight + 10;
                rowHeight = 0;
            }
            if (painting()) {
                painter_.fillRect(x - 2, y_ - 2, img.width() * scale + 4, img.height() * scale + 4,
                                  QColor(0x30, 0x30, 0x30));
                painter_.drawImage(QRect(x, y_, img.width() * scale, img.height() * scale), img);
                // Frame boundaries as thin ticks above the picture.
                for (int k = 1; k < r.frames; ++k)
                    painter_.fillRect(x + k * (img.width() / r.frames) * scale, y_ - 5, 1, 4, Qt::yellow);
                painter_.setPen(Qt::white);
                painter_.setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
                painter_.drawText(x, y_ + img.height() * scale + 14,
                                  QStringLiteral("%1  %2×%3 %4bpp%5")
                                      .arg(r.name)
                                      .arg(r.width)
                                      .arg(r.height)
                                      .arg(r.bitsPerPixel)
                                      .arg(r.frames > 1 ? QStringLiteral(" ×%1").arg(r.frames) : QString()));
            }
            x += w + 14;
            rowHeight = std::max(rowHeight, h);
        }
        y_ += rowHeight + 6;
    }

    const QMap<QString, QImage>& decoded_;
    QImage image_;
    QPainter painter_;
    int y_ = 0;
};

} // namespace

QImage ContactSheet(const std::vector<Resource>& resources, const QMap<QString, QImage>& decoded)
{
    return Sheet(decoded).Draw(resources);
}
