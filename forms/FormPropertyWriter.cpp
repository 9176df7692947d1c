#include "forms/FormPropertyWriter.h"

#include "runtime/BitmapResource.h"
#include "runtime/FontSubstitute.h"
#include "runtime/RuntimeError.h"
#include "runtime/TColor.h"

#include <QFont>
#include <QHash>
#include <QIcon>
#include <QImage>
#include <QMetaProperty>
#include <QMutex>
#include <QPixmap>
#include <QWidget>

namespace forms {

const char* const kTabOrderProperty = "_qx_tabOrder";

namespace {

[[noreturn]] void fail(const QObject* object, const QString& name, int line, const QString& what)
{
    throw runtime::RuntimeError(
        QStringLiteral("Form description, line %1: %2.%3: %4").arg(line).arg(object->objectName(), name, what));
}

// A form names the same few properties of the same few classes again and
// again, and a name that is no property (Left, Top) is looked for through
// every property of the class: each class and name is looked up once.
// Classes' meta-objects live as long as the program.
int indexOfProperty(const QMetaObject* meta, const QString& name)
{
    static QMutex lock;
    static QHash<std::pair<const QMetaObject*, QString>, int> indexes;
    const QMutexLocker locker(&lock);
    auto found = indexes.constFind({meta, name});
    if (found == indexes.cend())
        found = indexes.insert({meta, name}, meta->indexOfProperty(name.toLatin1()));
    return *found;
}

QMetaProperty findProperty(const QObject* object, const QString& name)
{
    const QMetaObject* meta = object->metaObject();
    int index = indexOfProperty(meta, name);
    if (index < 0)
        index = indexOfProperty(meta, name.left(1).toLower() + name.mid(1));
    // Read-only Qt properties (a widget's width, say) are left to the
    // geometry rules instead.
    return index < 0 ? QMetaProperty() : meta->property(index);
}

// A class that publishes its own QFont "Font" (a frame whose font is its
// caption's) takes the parts there and the colour only through FontColor;
// anything else gets them on its widget font and palette, which its
// children inherit.
void applyFontPart(QWidget* widget, const QMetaProperty& published, const QString& part, const FormValue& value,
                   int line)
{
    QFont font = published.isValid() ? published.read(widget).value<QFont>() : widget->font();
    if (part == QLatin1String("Name") && value.kind == FormValue::String) {
        font.setFamily(runtime::SubstituteFontFamily(value.text));
    } else if (part == QLatin1String("Height") && value.kind == FormValue::Integer) {
        if (value.integer < 0)
            font.setPixelSize(int(-value.integer));
        else if (value.integer > 0)
            font.setPixelSize(int(value.integer));
    } else if (part == QLatin1String("Size") && value.kind == FormValue::Integer) {
        font.setPointSize(int(value.integer));
    } else if (part == QLatin1String("Style") && value.kind == FormValue::Set) {
        font.setBold(value.list.contains(QLatin1String("fsBold")));
        font.setItalic(value.list.contains(QLatin1String("fsItalic")));
        font.setUnderline(value.list.contains(QLatin1String("fsUnderline")));
        font.setStrikeOut(value.list.contains(QLatin1String("fsStrikeOut")));
    } else if (part == QLatin1String("Color")) {
        runtime::TColor color = 0;
        if (value.kind == FormValue::Integer)
            color = runtime::TColor(value.integer);
        else if (value.kind != FormValue::Identifier || !runtime::TColorFromName(value.text, color))
            fail(widget, QStringLiteral("Font.Color"), line, QStringLiteral("not a colour"));
        if (!published.isValid()) {
            QPalette palette = widget->palette();
            const QColor qcolor = runtime::ColorFromTColor(color);
            palette.setColor(QPalette::WindowText, qcolor);
            palette.setColor(QPalette::ButtonText, qcolor);
            palette.setColor(QPalette::Text, qcolor);
            widget->setPalette(palette);
        }
        if (indexOfProperty(widget->metaObject(), QStringLiteral("FontColor")) >= 0)
            widget->setProperty("FontColor", QVariant::fromValue(color));
        return;
    } else if (part == QLatin1String("Charset") || part == QLatin1String("Pitch")) {
        return; // Windows character sets and pitch have no meaning for Qt fonts.
    } else {
        fail(widget, QStringLiteral("Font.") + part, line, QStringLiteral("unknown font setting"));
    }
    if (published.isValid())
        published.write(widget, font);
    else
        widget->setFont(font);
}

QVariant convert(const QObject* object, const QMetaProperty& property, const FormProperty& stored)
{
    const FormValue& value = stored.value;
    const int type = property.metaType().id();
    switch (value.kind) {
    case FormValue::Integer:
        if (type == QMetaType::QColor)
            return runtime::ColorFromTColor(runtime::TColor(value.integer));
        if (type == QMetaType::Bool)
            return value.integer != 0;
        return QVariant::fromValue(value.integer);
    case FormValue::Float:
        return value.number;
    case FormValue::String:
        if (type == QMetaType::QImage)
            return runtime::LoadBitmapResource(value.text);
        if (type == QMetaType::QPixmap)
            return QPixmap::fromImage(runtime::LoadBitmapResource(value.text));
        if (type == QMetaType::QIcon)
            return QIcon(QPixmap::fromImage(runtime::LoadBitmapResource(value.text)));
        return value.text;
    case FormValue::Identifier: {
        if (value.text == QLatin1String("True") || value.text == QLatin1String("False"))
            return value.text == QLatin1String("True");
        runtime::TColor color = 0;
        if (runtime::TColorFromName(value.text, color))
            return type == QMetaType::QColor ? QVariant(runtime::ColorFromTColor(color)) : QVariant::fromValue(color);
        return value.text;
    }
    case FormValue::Set:
        if (type == QMetaType::QStringList)
            return value.list;
        return value.list.isEmpty() ? QVariant(0) : QVariant(value.list.join(u'|'));
    case FormValue::StringList:
        if (type == QMetaType::QString)
            return value.list.join(QStringLiteral("\r\n"));
        return value.list;
    case FormValue::Collection:
        break;
    }
    fail(object, stored.name, stored.line, QStringLiteral("value of the wrong kind"));
}

void writeCollection(QObject* object, const QMetaProperty& property, const FormProperty& stored)
{
    QObject* collection = property.read(object).value<QObject*>();
    if (!collection)
        fail(object, stored.name, stored.line, QStringLiteral("not a collection"));
    // A stored collection replaces what the component put there itself, as
    // a designer's streaming does; collections without clear() only grow.
    if (collection->metaObject()->indexOfMethod("clear()") >= 0)
        QMetaObject::invokeMethod(collection, "clear");
    for (const FormValue::Item& item : stored.value.items) {
        QObject* added = nullptr;
        if (!QMetaObject::invokeMethod(collection, "add", Q_RETURN_ARG(QObject*, added)) || !added)
            fail(object, stored.name, stored.line, QStringLiteral("cannot add an item"));
        for (const FormProperty& itemProperty : item.properties)
            FormPropertyWriter::write(added, itemProperty, nullptr);
    }
}

// Settings every control has, for widgets whose class publishes no property
// of that name: bounds, visibility, enabled state, hint and tab settings.
bool writeControlSetting(QObject* object, const FormProperty& stored)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return false;
    const FormValue& value = stored.value;
    const QString& name = stored.name;
    const bool isBool = value.kind == FormValue::Identifier
        && (value.text == QLatin1String("True") || value.text == QLatin1String("False"));
    const bool flag = value.text == QLatin1String("True");
    if (value.kind == FormValue::Integer) {
        const int v = int(value.integer);
        if (name == QLatin1String("Left"))
            widget->move(v, widget->y());
        else if (name == QLatin1String("Top"))
            widget->move(widget->x(), v);
        else if (name == QLatin1String("Width"))
            widget->resize(v, widget->height());
        else if (name == QLatin1String("Height"))
            widget->resize(widget->width(), v);
        else if (name == QLatin1String("TabOrder"))
            widget->setProperty(kTabOrderProperty, v);
        else
            return false;
        return true;
    }
    if (isBool) {
        if (name == QLatin1String("Visible"))
            widget->setVisible(flag); // a hidden child stays hidden when the form shows
        else if (name == QLatin1String("Enabled"))
            widget->setEnabled(flag);
        else if (name == QLatin1String("TabStop"))
            // A control that is no tab stop still takes the focus when clicked.
            widget->setFocusPolicy(flag ? Qt::StrongFocus : Qt::ClickFocus);
        else if (name == QLatin1String("ShowHint"))
            ;
        else
            return false;
        return true;
    }
    if (value.kind == FormValue::String && name == QLatin1String("Hint")) {
        widget->setToolTip(value.text);
        return true;
    }
    return false;
}

} // namespace

void FormPropertyWriter::write(QObject* object, const FormProperty& stored, QString* deferredComponent)
{
    const qsizetype dot = stored.name.indexOf(u'.');
    if (dot > 0) {
        const QString head = stored.name.left(dot);
        const QString tail = stored.name.mid(dot + 1);
        const QMetaProperty headProperty = findProperty(object, head);
        if (head == QLatin1String("Font") && object->isWidgetType()
            && (!headProperty.isValid() || headProperty.metaType().id() == QMetaType::QFont)) {
            // Only a "Font" of the class's own counts, not the widget's font.
            const int own = indexOfProperty(object->metaObject(), QStringLiteral("Font"));
            applyFontPart(static_cast<QWidget*>(object),
                          own < 0 ? QMetaProperty() : object->metaObject()->property(own), tail, stored.value,
                          stored.line);
            return;
        }
        if (headProperty.isValid()) {
            if (auto* sub = headProperty.read(object).value<QObject*>()) {
                write(sub, {tail, stored.value, stored.line}, deferredComponent);
                return;
            }
        }
        const QMetaProperty joined = findProperty(object, head + tail);
        if (!joined.isValid())
            fail(object, stored.name, stored.line, QStringLiteral("no such property"));
        write(object, {head + tail, stored.value, stored.line}, deferredComponent);
        return;
    }

    const QMetaProperty property = findProperty(object, stored.name);
    if (property.isValid() && stored.value.kind == FormValue::Collection) {
        writeCollection(object, property, stored);
        return;
    }
    if (!property.isValid() || !property.isWritable()) {
        if (writeControlSetting(object, stored))
            return;
        fail(object, stored.name, stored.line, QStringLiteral("no such property"));
    }
    if (stored.value.kind == FormValue::Identifier && property.metaType().flags() & QMetaType::PointerToQObject) {
        if (!deferredComponent)
            fail(object, stored.name, stored.line, QStringLiteral("component references are not allowed here"));
        *deferredComponent = stored.value.text;
        return;
    }
    if (!property.write(object, convert(object, property, stored)))
        fail(object, stored.name, stored.line, QStringLiteral("value not accepted"));
}

void FormPropertyWriter::writeObject(QObject* object, const QString& name, QObject* component, int line)
{
    const QMetaProperty property = findProperty(object, name);
    if (!property.isValid() || !property.write(object, QVariant::fromValue(component)))
        fail(object, name, line, QStringLiteral("cannot refer to ") + component->objectName());
}

} // namespace forms
