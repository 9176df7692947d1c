#pragma once

#include <QImage>

// Pictures that single controls load by name, outside the style tables.
namespace shared {

QImage MacMenuBar(int w, int h);
QImage MacMenuSelect(int w, int h);
QImage MenuChecked(int w, int h);
QImage MacFormBackground(int w, int h);
QImage ProteinFormBackground(int w, int h);
QImage MacComboButton(int w, int h);
QImage XPComboButton(int w, int h);

// Frame k (0-based) of the data navigator's ten glyphs: first, prior, next,
// last, insert, delete, edit, post, cancel, refresh. Drawn on the key colour,
// which the navigator's buttons take from the top-left pixel.
QImage NavigatorGlyph(int frame, int w, int h);

// The lookup buttons' glyphs: frame 0 normal, frame 1 disabled (embossed
// grey), on the key colour in every corner.
enum class LookupGlyph { File, Folder, Ellipsis, DropDown };
QImage LookupFrame(LookupGlyph glyph, int frame, int w, int h);

// The program icon with an alpha channel, drawn for the size asked.
QImage ProgramIcon(int size);

// The main window's two link pictures, on the key colour (the picture
// controls leave out the bottom-left colour): a globe over "www" for the
// maker's web page, and the program icon for the product page.
QImage MakerLink(int w, int h);
QImage ProductLink(int w, int h);

} // namespace shared
