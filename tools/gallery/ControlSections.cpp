#include "GallerySections.h"
#include "GallerySheet.h"

#include "skin/controls/TsuiButton.h"
#include "skin/controls/TsuiCheckBox.h"
#include "skin/controls/TsuiComboBox.h"
#include "skin/controls/TsuiEdit.h"
#include "skin/controls/TsuiImagePanel.h"
#include "skin/controls/TsuiProgressBar.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QPainter>

namespace {

// A 16 x 16 document glyph on a key-coloured ground (its top-left pixel);
// with `twoFrames` a second, paler frame follows for the disabled look.
QImage documentGlyph(bool twoFrames)
{
    QImage glyph(twoFrames ? 32 : 16, 16, QImage::Format_RGB32);
    glyph.fill(QColor(0xFF, 0x00, 0xFF));
    QPainter p(&glyph);
    for (int frame = 0; frame < (twoFrames ? 2 : 1); ++frame) {
        const int x = frame * 16;
        const QColor ink = frame == 0 ? QColor(0x20, 0x50, 0xA0) : QColor(0x90, 0x98, 0xA8);
        p.fillRect(x + 3, 1, 10, 14, QColor(0xFF, 0xFF, 0xFF));
        p.setPen(ink);
        p.drawRect(x + 3, 1, 9, 13);
        for (int line = 4; line <= 11; line += 2)
            p.drawLine(x + 5, line, x + 10, line);
        p.fillRect(x + 9, 9, 6, 6, frame == 0 ? QColor(0xD0, 0x30, 0x30) : QColor(0xC0, 0xA0, 0xA0));
    }
    return glyph;
}

TsuiButton* button(GallerySheet& sheet, const QString& caption, QSize size = QSize(80, 27))
{
    auto* b = sheet.make<TsuiButton>();
    b->setCaption(caption);
    b->resize(size);
    QFont bold = b->font();
    bold.setBold(true);
    b->setFont(bold);
    return b;
}

void buttons(GallerySheet& sheet)
{
    sheet.add(QStringLiteral("normal"), button(sheet, QStringLiteral("&Start")));
    TsuiButton* b = button(sheet, QStringLiteral("&Start"));
    GallerySheet::hover(b);
    sheet.add(QStringLiteral("hot"), b);
    b = button(sheet, QStringLiteral("&Start"));
    GallerySheet::press(b);
    sheet.add(QStringLiteral("pressed"), b);
    GallerySheet::release(b);
    b = button(sheet, QStringLiteral("&Start"));
    GallerySheet::focus(b);
    sheet.add(QStringLiteral("focused"), b);
    b = button(sheet, QStringLiteral("&Start"));
    b->setEnabled(false);
    sheet.add(QStringLiteral("disabled"), b);
    sheet.add(QStringLiteral("80 x 35"), button(sheet, QStringLiteral("Cancel"), QSize(80, 35)));
    b = button(sheet, QString());
    b->setAutoSize(true);
    sheet.add(QStringLiteral("auto size"), b);

    const struct {
        TButtonLayout layout;
        const char* label;
        QSize size;
    } layouts[] = {{blGlyphLeft, "glyph left", {96, 27}},
                   {blGlyphRight, "glyph right", {96, 27}},
                   {blGlyphTop, "glyph top", {80, 44}},
                   {blGlyphBottom, "glyph bottom", {80, 44}}};
    for (const auto& l : layouts) {
        b = button(sheet, QStringLiteral("Open"), l.size);
        b->setGlyph(documentGlyph(false));
        b->setLayout(l.layout);
        sheet.add(QString::fromLatin1(l.label), b);
    }
    b = button(sheet, QStringLiteral("Open"), QSize(96, 27));
    b->setGlyph(documentGlyph(false));
    GallerySheet::press(b);
    sheet.add(QStringLiteral("glyph, pressed"), b);
    GallerySheet::release(b);
    b = button(sheet, QStringLiteral("Open"), QSize(96, 27));
    b->setGlyph(documentGlyph(false));
    b->setEnabled(false);
    sheet.add(QStringLiteral("glyph greyed"), b);
    b = button(sheet, QStringLiteral("Open"), QSize(96, 27));
    b->setGlyph(documentGlyph(true));
    b->setEnabled(false);
    sheet.add(QStringLiteral("two-frame glyph, disabled"), b);
}

TsuiCheckBox* checkBox(GallerySheet& sheet, bool checked)
{
    auto* box = sheet.make<TsuiCheckBox>();
    box->setCaption(QStringLiteral("&Merge paragraphs"));
    box->setChecked(checked);
    return box;
}

void checkBoxes(GallerySheet& sheet)
{
    sheet.add(QStringLiteral("unchecked"), checkBox(sheet, false));
    sheet.add(QStringLiteral("checked"), checkBox(sheet, true));
    TsuiCheckBox* box = checkBox(sheet, true);
    GallerySheet::focus(box);
    sheet.add(QStringLiteral("focused"), box);
    box = checkBox(sheet, false);
    box->setEnabled(false);
    sheet.add(QStringLiteral("disabled"), box);
    box = checkBox(sheet, true);
    box->setEnabled(false);
    sheet.add(QStringLiteral("disabled, checked"), box);
}

TsuiEdit* edit(GallerySheet& sheet, const QString& text)
{
    auto* e = sheet.make<TsuiEdit>();
    e->resize(120, 19);
    e->setText(text);
    return e;
}

TsuiComboBox* combo(GallerySheet& sheet)
{
    auto* c = sheet.make<TsuiComboBox>();
    c->resize(200, 21);
    c->setItems({QStringLiteral("PDF -> HTML (with images, layout)"), QStringLiteral("PDF -> HTML")});
    c->setItemIndex(0);
    return c;
}

void editsAndCombos(GallerySheet& sheet)
{
    sheet.add(QStringLiteral("edit"), edit(sheet, QStringLiteral("100%")));
    TsuiEdit* e = edit(sheet, QStringLiteral("100%"));
    GallerySheet::focus(e);
    sheet.add(QStringLiteral("edit, focused"), e);
    e = edit(sheet, QStringLiteral("secret"));
    e->setPasswordChar(QStringLiteral("*"));
    sheet.add(QStringLiteral("password"), e);
    e = edit(sheet, QStringLiteral("100%"));
    e->setEnabled(false);
    sheet.add(QStringLiteral("edit, disabled"), e);

    sheet.add(QStringLiteral("combo box"), combo(sheet));
    TsuiComboBox* c = combo(sheet);
    c->setComboStyle(csDropDownList);
    sheet.add(QStringLiteral("drop-down list"), c);
    c = combo(sheet);
    c->setEnabled(false);
    sheet.add(QStringLiteral("combo box, disabled"), c);
    c = combo(sheet);
    c->showPopup();
    QWidget* list = c->view()->window();
    QCoreApplication::processEvents();
    QImage open(c->width(), c->height() + list->height(), QImage::Format_RGB32);
    open.fill(sheet.host()->palette().color(QPalette::Window));
    {
        QPainter p(&open);
        p.drawImage(0, 0, c->grab().toImage());
        p.drawImage(0, c->height(), list->grab().toImage());
    }
    c->hidePopup();
    sheet.add(QStringLiteral("open list"), open);
    c->hide();
}

TsuiProgressBar* bar(GallerySheet& sheet, int position, int length = 150)
{
    auto* b = sheet.make<TsuiProgressBar>();
    b->resize(length, 12);
    b->setPosition(position);
    return b;
}

void progressBars(GallerySheet& sheet)
{
    for (int position : {0, 25, 50, 100})
        sheet.add(QStringLiteral("%1").arg(position), bar(sheet, position));
    sheet.add(QStringLiteral("150 of 100"), bar(sheet, 150));
    sheet.add(QStringLiteral("-20"), bar(sheet, -20));
    TsuiProgressBar* b = bar(sheet, 0);
    b->setSmartShowCaption(true);
    sheet.add(QStringLiteral("0, smart caption"), b);
    sheet.add(QStringLiteral("409 x 12 at 50"), bar(sheet, 50, 409));
    for (int position : {0, 35, 70, 100}) {
        b = bar(sheet, position);
        b->setOrientation(suiVertical);
        b->resize(12, 90);
        sheet.add(QStringLiteral("vertical %1").arg(position), b);
    }
}

// A 12 x 12 tile in two blues; with `holes` its centre is magenta, which a
// transparent panel leaves out (the bottom-left pixel names the colour).
QImage tile(bool holes)
{
    QImage picture(12, 12, QImage::Format_RGB32);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x)
            picture.setPixel(x, y, (x + y) % 6 < 3 ? qRgb(0x9C, 0xB8, 0xD8) : qRgb(0xC8, 0xD8, 0xEC));
    if (holes) {
        for (int y = 4; y < 8; ++y)
            for (int x = 4; x < 8; ++x)
                picture.setPixel(x, y, qRgb(0xFF, 0x00, 0xFF));
        picture.setPixel(0, 11, qRgb(0xFF, 0x00, 0xFF));
    }
    return picture;
}

// A 48 x 32 picture: a sky gradient over a green hill.
QImage landscape()
{
    QImage picture(48, 32, QImage::Format_RGB32);
    QPainter p(&picture);
    QLinearGradient sky(0, 0, 0, 32);
    sky.setColorAt(0, QColor(0x4A, 0x7C, 0xC8));
    sky.setColorAt(1, QColor(0xD8, 0xE8, 0xF8));
    p.fillRect(picture.rect(), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4C, 0x9A, 0x3C));
    p.drawEllipse(QRect(-10, 20, 70, 30));
    p.setBrush(QColor(0xF8, 0xD8, 0x40));
    p.drawEllipse(QRect(34, 4, 8, 8));
    return picture;
}

TsuiImagePanel* panel(GallerySheet& sheet, TsuiDrawStyle drawStyle, const QImage& picture,
                      const QString& caption = QString())
{
    auto* p = new TsuiImagePanel(sheet.host());
    p->move(16, 16);
    p->resize(110, 60);
    p->setPicture(picture);
    p->setDrawStyle(drawStyle);
    p->setCaption(caption);
    p->show();
    return p;
}

void imagePanels(GallerySheet& sheet)
{
    sheet.add(QStringLiteral("normal"), panel(sheet, suiNormal, landscape()));
    sheet.add(QStringLiteral("stretched"), panel(sheet, suiStretch, landscape()));
    sheet.add(QStringLiteral("tiled"), panel(sheet, suiTile, tile(false)));
    sheet.add(QStringLiteral("tiled, opaque holes"), panel(sheet, suiTile, tile(true)));
    TsuiImagePanel* p = panel(sheet, suiTile, tile(true));
    p->setTransparent(true);
    sheet.add(QStringLiteral("tiled, transparent"), p);
    const struct {
        TAlignment alignment;
        const char* label;
    } alignments[] = {
        {taLeftJustify, "caption left"}, {taCenter, "caption centred"}, {taRightJustify, "caption right"}};
    for (const auto& a : alignments) {
        p = panel(sheet, suiStretch, landscape(), QStringLiteral("Caption"));
        p->setAlignment(a.alignment);
        sheet.add(QString::fromLatin1(a.label), p);
    }
}
const GallerySection buttonSection(10, "Push button", buttons);
const GallerySection checkBoxSection(20, "Check box", checkBoxes);
const GallerySection editSection(30, "Edit and combo box", editsAndCombos);
const GallerySection progressSection(40, "Progress bar", progressBars);
const GallerySection panelSection(50, "Image panel", imagePanels);

} // namespace
