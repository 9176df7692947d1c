#include "app/WindowLook.h"

#include "app/RememberedChoices.h"
#include "runtime/RuntimeError.h"
#include "skin/chrome/TsuiForm.h"
#include "skin/theme/FormHelpers.h"
#include "skin/theme/TsuiFileTheme.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QMetaEnum>
#include <QMetaProperty>
#include <QPixmap>
#include <QSettings>

const QString WindowLook::Designed = QStringLiteral("As designed");
const QString WindowLook::ThemeFile = QStringLiteral("ThemeFile");

namespace {

// A property a style rewrites: its colours (QColor or a TColor number named
// ...Color), pictures and border width. Texts, states and geometry are the
// user's or the layout's and stay as they are.
bool styleDependent(const QMetaProperty& property)
{
    if (!property.isReadable() || !property.isWritable())
        return false;
    switch (property.metaType().id()) {
    case QMetaType::QColor:
    case QMetaType::QImage:
    case QMetaType::QPixmap:
        return true;
    case QMetaType::Int:
        return QByteArray(property.name()).endsWith("Color") || QByteArray(property.name()) == "BorderWidth";
    default:
        return false;
    }
}

} // namespace

WindowLook::WindowLook(TsuiForm* frame, QObject* owner)
    : QObject(owner)
    , m_frame(frame)
    , m_designedHostSize(frame->HostForm() ? frame->HostForm()->size() : QSize())
    , m_hostAfterLook(m_designedHostSize)
{
}

void WindowLook::recordDesigned()
{
    // Taken when the designed look is first left, not at start: until then
    // every part still wears it.
    if (m_recorded || !m_frame)
        return;
    m_recorded = true;
    TsuiForm* frame = m_frame;
    QList<QObject*> parts{frame};
    parts += frame->findChildren<QObject*>();
    // Most parts share a few classes: each class's style-dependent
    // properties are looked up once.
    QHash<const QMetaObject*, QList<QMetaProperty>> dependentOf;
    for (QObject* part : parts) {
        if (!HasPublishedProperty(part, "UIStyle"))
            continue;
        Saved saved{part, {}};
        saved.values.append({"UIStyle", part->property("UIStyle")});
        if (HasPublishedProperty(part, "FileTheme"))
            saved.values.append({"FileTheme", part->property("FileTheme")});
        const QMetaObject* meta = part->metaObject();
        auto dependent = dependentOf.find(meta);
        if (dependent == dependentOf.end()) {
            QList<QMetaProperty> found;
            for (int i = 0; i < meta->propertyCount(); ++i) {
                if (styleDependent(meta->property(i)))
                    found.append(meta->property(i));
            }
            dependent = dependentOf.insert(meta, found);
        }
        for (const QMetaProperty& property : std::as_const(*dependent))
            saved.values.append({property.name(), property.read(part)});
        m_designed.append(saved);
    }
}

void WindowLook::applyDesigned()
{
    // A style's border grows or shrinks the window; the designed window comes
    // back at its designed size plus whatever the user resized it by since
    // the last look was put on.
    QWidget* host = m_frame ? m_frame->HostForm() : nullptr;
    const QSize resized = host ? host->size() - m_hostAfterLook : QSize();
    // In the order of the form: a frame's style reaches its title bar, whose
    // own designed values then come back over it.
    for (const Saved& saved : std::as_const(m_designed)) {
        if (!saved.part)
            continue;
        for (const auto& [name, value] : saved.values)
            saved.part->setProperty(name.constData(), value);
    }
    if (host && !(host->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        host->resize(m_designedHostSize + resized);
    noteHostSize();
    m_choice = Designed;
    m_themeFile.clear();
    delete m_theme;
    m_theme = nullptr;
    emit changed();
}

void WindowLook::applyStyle(TsuiUIStyle style)
{
    spread(style, nullptr);
    delete m_theme;
    m_theme = nullptr;
    m_choice = QString::fromLatin1(QMetaEnum::fromType<TsuiUIStyle>().valueToKey(int(style)));
    m_themeFile.clear();
    emit changed();
}

void WindowLook::applyThemeFile(const QString& path)
{
    // Read into a theme of its own: the one in use stays whole until the new
    // one is in place.
    auto* theme = new TsuiFileTheme(this);
    try {
        theme->AssignThemeFile(path);
    } catch (...) {
        delete theme;
        throw;
    }
    if (!theme->ThemeLoaded()) {
        delete theme;
        throw runtime::RuntimeError(QStringLiteral("The theme file %1 could not be read.").arg(path));
    }
    spread(TsuiUIStyle::FromThemeFile, theme);
    delete m_theme;
    m_theme = theme;
    m_choice = ThemeFile;
    m_themeFile = path;
    emit changed();
}

bool WindowLook::restore(const QString& choice, const QString& themeFile)
{
    TsuiUIStyle style;
    if (styleFromKey(choice, style)) {
        applyStyle(style);
        return true;
    }
    if (choice == ThemeFile) {
        try {
            applyThemeFile(themeFile);
            return true;
        } catch (const std::exception&) {
            return false;
        }
    }
    return false;
}

TsuiUIStyle WindowLook::rememberedStyle()
{
    return rememberedStyle(app::RememberedChoices::load(*app::OpenSettings()));
}

TsuiUIStyle WindowLook::rememberedStyle(const app::RememberedChoices& choices)
{
    TsuiUIStyle style = TsuiUIStyle::BlueGlass;
    styleFromKey(choices.style.value_or(QString()), style);
    return style;
}

bool WindowLook::styleFromKey(const QString& key, TsuiUIStyle& style)
{
    for (TsuiUIStyle builtin : BuiltinStyles) {
        if (key == QLatin1String(QMetaEnum::fromType<TsuiUIStyle>().valueToKey(int(builtin)))) {
            style = builtin;
            return true;
        }
    }
    return false;
}

void WindowLook::spread(TsuiUIStyle style, TsuiFileTheme* theme)
{
    if (!m_frame)
        return;
    recordDesigned();
    m_frame->setFileTheme(theme);
    m_frame->setUIStyle(style);
    SpreadThemeToControls(m_frame, style, theme);
    noteHostSize();
}

void WindowLook::noteHostSize()
{
    if (m_frame && m_frame->HostForm())
        m_hostAfterLook = m_frame->HostForm()->size();
}
