#pragma once

#include "StyleArt.h"

// Parts that no control of the program draws yet (track bars, scroll bars,
// tabs, side channels, option buttons). They are drawn from the style's
// palette so that a theme exported from a built-in style is complete and
// looks of a piece. Their frame layouts are listed in resources/README.md.
namespace generic {

QImage Radio(const Palette& c, bool checked, bool enabled, int w, int h);
QImage TrackGroove(const Palette& c, int w, int h);
QImage TrackThumb(const Palette& c, int w, int h, bool vertical);
// Frames 0-2 arrow up, 3-5 arrow down; normal, hot, pressed.
QImage ScrollArrow(const Palette& c, int frame, int w, int h);
// Frames 0-2: the start, middle and end slices of a scroll thumb.
QImage ScrollThumb(const Palette& c, int frame, int w, int h);
// Frames 0-1 arrow left, 2-3 arrow right; normal, pressed.
QImage ScrollButton(const Palette& c, int frame, int w, int h);
// Frame 0 the selected tab, frame 1 a tab behind it.
QImage Tab(const Palette& c, int frame, int w, int h);
QImage TabLine(const Palette& c, int w, int h);
QImage SideHandle(const Palette& c, int w, int h);
QImage SideBar(const Palette& c, int w, int h);

} // namespace generic
