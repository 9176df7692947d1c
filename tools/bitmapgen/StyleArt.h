#pragma once

#include "Art.h"

#include <QColor>
#include <QImage>
#include <QString>

enum class State { Normal, Hot, Pressed };

// The six title-bar glyphs in the order of the 18-frame strip.
enum class TitleGlyph { ControlBox, Help, Maximise, Restore, Minimise, Close };

// Colours the parts without a control of their own (track bars, scroll bars,
// tabs, side channels) are drawn from, so they match the style's buttons.
struct Palette {
    QColor face;   // panel colour behind controls
    QColor border; // outline of raised parts
    QColor top;    // raised surface, top row
    QColor bottom; // raised surface, bottom row
    QColor accent; // the style's own colour: thumbs, selected tabs
    QColor accentLight;
    QColor ink;         // arrows and grips
    double radius = 2;  // corner radius of raised parts
    bool gloss = false; // raised parts split into a lighter top half
};

// One built-in style's pictures. Every method draws one frame at the size
// asked for; the catalogue assembles strips from frames.
class StyleArt {
public:
    virtual ~StyleArt() = default;

    virtual QString Prefix() const = 0;
    virtual Palette Colours() const = 0;

    // The title bar's colour in row y of h; the client image is these rows in
    // every column, and the left and right images end in them, so the three
    // join without a seam however far the client is stretched.
    virtual QColor TitleRow(int y, int h) const = 0;
    virtual QImage TitleLeft(int w, int h) const;
    virtual QImage TitleClient(int w, int h) const;
    virtual QImage TitleRight(int w, int h) const;

    // A title-bar button frame of size × size placed at row top of a title
    // bar h rows high (opaque styles paint the bar's rows behind it).
    virtual QImage TitleButton(TitleGlyph glyph, State state, int size, int top, int h) const = 0;

    virtual QImage Button(State state, int w, int h) const = 0;
    virtual QImage CheckBox(bool checked, bool enabled, int w, int h) const = 0;
    virtual QImage Progress(int w, int h) const = 0;

protected:
    // The title bar rows top .. top + size - 1, as the backdrop of a button.
    QImage TitleBackdrop(int size, int top, int h) const;
};

// The pixel glyph of a title-bar button for a frame of the given size.
const art::Glyph& TitleGlyphFor(TitleGlyph glyph, int frameSize);
