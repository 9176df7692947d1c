#include "skin/theme/BuiltinTheme.h"

#include "runtime/BitmapResource.h"
#include "skin/theme/BuiltinStyles.h"
#include "skin/theme/SkinBitmaps.h"

#include <QMetaObject>
#include <QMutex>
#include <QVariant>
#include <QWidget>

#include <map>
#include <tuple>

namespace {

// The cell of `element` when the style has a table and the element is of
// `kind`; the queries answer their defaults otherwise.
bool cellOf(TsuiUIStyle style, ThemeElement element, ThemeValueKind kind, BuiltinThemeCell& cell)
{
    ThemeValueKind actual;
    cell = LookupBuiltinThemeValue(style, element, actual);
    return FindBuiltinStyle(style) && actual == kind;
}

} // namespace

BuiltinThemeCell LookupBuiltinThemeValue(TsuiUIStyle style, ThemeElement element, ThemeValueKind& kind)
{
    const BuiltinStyle* table = FindBuiltinStyle(style);
    if (!table) {
        kind = ThemeValueKind::Int;
        return BuiltinThemeCell(-1);
    }
    kind = GetThemeElementKind(element);
    qint32 number = 0;
    if (LookNumber(table->look, element, number))
        return BuiltinThemeCell(number);
    return BuiltinThemeCell(BuiltinImageName(table->images, element));
}

LookValues BuiltinLookValues(TsuiUIStyle style)
{
    if (const BuiltinStyle* table = FindBuiltinStyle(style))
        return table->look;
    // What the element queries answer for a style without a table.
    LookValues none;
    for (int* metric : {&none.titleBarButtonLeftOffset, &none.titleBarButtonRightOffset, &none.titleBarButtonTop,
                        &none.formMinWidth, &none.formRoundCorner, &none.formBorderWidth})
        *metric = -1;
    return none;
}

runtime::TColor GetBuiltinThemeColor(TsuiUIStyle style, ThemeElement element)
{
    BuiltinThemeCell cell(0);
    return cellOf(style, element, ThemeValueKind::Color, cell) ? runtime::TColor(cell.number) : 0;
}

int GetBuiltinThemeInt(TsuiUIStyle style, ThemeElement element)
{
    BuiltinThemeCell cell(0);
    return cellOf(style, element, ThemeValueKind::Int, cell) ? cell.number : -1;
}

bool GetBuiltinThemeBool(TsuiUIStyle style, ThemeElement element)
{
    BuiltinThemeCell cell(0);
    return cellOf(style, element, ThemeValueKind::Bool, cell) && cell.number != 0;
}

QString GetBuiltinThemeImageName(TsuiUIStyle style, ThemeElement element)
{
    BuiltinThemeCell cell(0);
    return cellOf(style, element, ThemeValueKind::Image, cell) ? QString::fromLatin1(cell.image) : QString();
}

void LoadBuiltinThemeBitmap(TsuiUIStyle style, ThemeElement element, QImage& bitmap)
{
    const QString name = GetBuiltinThemeImageName(style, element);
    if (!name.isEmpty())
        bitmap = runtime::LoadBitmapResourceAsBitmap(name);
}

void GetBuiltinThemeBitmap(TsuiUIStyle style, ThemeElement element, QImage& bitmap, int frameCount, int frameIndex)
{
    if (frameCount == 0) {
        LoadBuiltinThemeBitmap(style, element, bitmap);
        return;
    }
    // The frames of compiled-in strips never change: each is cut once, not
    // again for every part that wears the style and every style change.
    static QMutex lock;
    static std::map<std::tuple<int, int, int, int>, QImage> frames;
    const auto key = std::make_tuple(int(style), int(element), frameCount, frameIndex);
    const QMutexLocker locker(&lock);
    const auto found = frames.find(key);
    if (found != frames.end()) {
        bitmap = found->second;
        return;
    }
    QImage strip;
    LoadBuiltinThemeBitmap(style, element, strip);
    ExtractBitmapFrame(strip, bitmap, frameCount, frameIndex);
    frames.emplace(key, bitmap);
}

void PrepareBuiltinBitmaps(TsuiUIStyle style, const QList<ThemeElement>& elements)
{
    QImage bitmap;
    for (ThemeElement element : elements)
        LoadBuiltinThemeBitmap(style, element, bitmap);
}

TsuiUIStyle GetOwnerFormUIStyle(const QObject* owner)
{
    const auto* form = qobject_cast<const QWidget*>(owner);
    if (!form || !form->isWindow())
        return TsuiUIStyle::DeepBlue;
    for (const QObject* child : form->children()) {
        if (!child->inherits("TsuiForm"))
            continue;
        const QVariant style = child->property("UIStyle");
        if (style.metaType() == QMetaType::fromType<TsuiUIStyle>())
            return style.value<TsuiUIStyle>();
        bool ok = false;
        const int value = style.toInt(&ok);
        return ok ? static_cast<TsuiUIStyle>(value) : TsuiUIStyle::DeepBlue;
    }
    return TsuiUIStyle::DeepBlue;
}
