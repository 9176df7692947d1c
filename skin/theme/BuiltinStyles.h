#pragma once

#include "skin/theme/Look.h"
#include "skin/theme/UIStyle.h"

// The bitmap resource each image element of a built-in style names.
struct BuiltinImages {
    const char* button = nullptr;
    const char* checkBox = nullptr;
    const char* radioButton = nullptr;
    const char* titleBarButton = nullptr;
    const char* titleBarLeft = nullptr;
    const char* titleBarClient = nullptr;
    const char* titleBarRight = nullptr;
    const char* progressBar = nullptr;
    const char* trackBarBar = nullptr;
    const char* trackBarSlider = nullptr;
    const char* trackBarSliderV = nullptr;
    const char* scrollBarButton = nullptr;
    const char* scrollBarSlider = nullptr;
    const char* checkListBox = nullptr;
    const char* scrollButton = nullptr;
    const char* tabControlTab = nullptr;
    const char* tabControlBar = nullptr;
    const char* sideChannelHandle = nullptr;
    const char* sideChannelBar = nullptr;
};

// One built-in style: its values and its pictures.
struct BuiltinStyle {
    LookValues look;
    BuiltinImages images;
};

// The table of a built-in style; null for any other value (FromThemeFile,
// or a byte that names no style). Only the low seven bits of the byte count.
const BuiltinStyle* FindBuiltinStyle(TsuiUIStyle style);

// The resource an image element names in a style, or null.
const char* BuiltinImageName(const BuiltinImages& images, ThemeElement element);
