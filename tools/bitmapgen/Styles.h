#pragma once

#include "StyleArt.h"

// The five built-in styles, each drawn by its own painter.
const StyleArt& MacOSStyle();
const StyleArt& WinXPStyle();
const StyleArt& DeepBlueStyle();
const StyleArt& ProteinStyle();
const StyleArt& BlueGlassStyle();
