#include "app/RememberedChoices.h"

#include <QSettings>

namespace app {

namespace {

// Longer than any path or field text a person enters: such a value was not
// written by this program.
constexpr qsizetype MaxTextLength = 4096;

std::optional<QString> readText(const QSettings& settings, const char* key)
{
    const QVariant value = settings.value(QLatin1String(key));
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    QString text = value.toString();
    if (text.size() > MaxTextLength || text.contains(QChar(0)))
        return std::nullopt;
    return text;
}

std::optional<bool> readFlag(const QSettings& settings, const char* key)
{
    // A flag written in this run reads back as a flag, one read from the
    // file as the text "true" or "false"; any other text is no flag at all
    // rather than false.
    const QVariant value = settings.value(QLatin1String(key));
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    if (value.typeId() == QMetaType::QString) {
        if (value.toString() == QLatin1String("true"))
            return true;
        if (value.toString() == QLatin1String("false"))
            return false;
    }
    return std::nullopt;
}

template <class T>
void write(QSettings& settings, const char* key, const std::optional<T>& value)
{
    if (value)
        settings.setValue(QLatin1String(key), *value);
    else
        settings.remove(QLatin1String(key));
}

} // namespace

RememberedChoices RememberedChoices::load(const QSettings& settings)
{
    RememberedChoices choices;
    choices.destination = readText(settings, "destination");
    choices.ripModeText = readText(settings, "ripMode");
    choices.zoomText = readText(settings, "zoom");
    choices.zoomEnabled = readFlag(settings, "zoomEnabled");
    choices.authorizationRequired = readFlag(settings, "authorizationRequired");
    choices.sourceFolder = readText(settings, "sourceFolder");
    choices.style = readText(settings, "style");
    choices.themeFile = readText(settings, "themeFile");
    return choices;
}

void RememberedChoices::save(QSettings& settings) const
{
    write(settings, "destination", destination);
    write(settings, "ripMode", ripModeText);
    write(settings, "zoom", zoomText);
    write(settings, "zoomEnabled", zoomEnabled);
    write(settings, "authorizationRequired", authorizationRequired);
    write(settings, "sourceFolder", sourceFolder);
    write(settings, "style", style);
    write(settings, "themeFile", themeFile);
    settings.sync();
}

std::unique_ptr<QSettings> OpenSettings()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("quarlex"),
                                       QStringLiteral("quarlex"));
}

} // namespace app
