#pragma once

#include "runtime/TColor.h"
#include "skin/theme/Look.h"
#include "skin/theme/ThemeElement.h"
#include "skin/theme/UIStyle.h"
#include <QImage>
#include <QList>

class QObject;

// One cell of a built-in style table: a number (integer, colour or 0/1 flag)
// or, for an Image element, the name of a bitmap resource.
struct BuiltinThemeCell {
    constexpr BuiltinThemeCell(qint32 value) : number(value) {}
    constexpr BuiltinThemeCell(const char* resource) : image(resource) {}
    qint32 number = 0;
    const char* image = nullptr;
};

// The raw cell and the element's kind. For a style outside MacOS..BlueGlass
// the kind is Int and the cell is -1. Only the low seven bits of the style
// byte count.
BuiltinThemeCell LookupBuiltinThemeValue(TsuiUIStyle style, ThemeElement element, ThemeValueKind& kind);

// The named values of a built-in style; for a style without tables the
// same defaults the element queries answer (colour 0, integer -1, False).
LookValues BuiltinLookValues(TsuiUIStyle style);

// The queries never raise for a style without tables or a kind mismatch;
// they answer colour 0, integer -1, False, and leave a bitmap untouched.
runtime::TColor GetBuiltinThemeColor(TsuiUIStyle style, ThemeElement element);
int GetBuiltinThemeInt(TsuiUIStyle style, ThemeElement element);
bool GetBuiltinThemeBool(TsuiUIStyle style, ThemeElement element);
// The resource name of an Image element, or an empty string.
QString GetBuiltinThemeImageName(TsuiUIStyle style, ThemeElement element);

// Replaces bitmap's contents with the element's resource bitmap when the
// element is an Image element.
void LoadBuiltinThemeBitmap(TsuiUIStyle style, ThemeElement element, QImage& bitmap);
// With frameCount 0 the whole bitmap; otherwise frame frameIndex (1-based)
// of a strip of frameCount frames. A non-image element with frameCount > 0
// leaves bitmap empty.
void GetBuiltinThemeBitmap(TsuiUIStyle style, ThemeElement element, QImage& bitmap, int frameCount, int frameIndex);

// Decodes, ahead of need, the bitmaps of these elements in the style. For a
// moment when the program would otherwise wait; they stay decoded.
void PrepareBuiltinBitmaps(TsuiUIStyle style, const QList<ThemeElement>& elements);

// The UIStyle a skinned part starts with: when owner is a form (a top-level
// widget), the UIStyle of its first direct child that is a TsuiForm;
// DeepBlue otherwise. The frame is found through the meta-object
// (QObject::inherits), so the theme engine needs no link to it.
TsuiUIStyle GetOwnerFormUIStyle(const QObject* owner);
