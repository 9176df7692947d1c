#include "ThemeTool.h"

#include "runtime/RuntimeError.h"
#include "skin/theme/BmpHeaderCheck.h"
#include "skin/theme/BuiltinTheme.h"
#include "skin/theme/TsuiThemeFileReader.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMetaEnum>

using namespace themefile;

namespace {

std::vector<std::uint8_t> toBytes(const QByteArray& data)
{
    return std::vector<std::uint8_t>(data.begin(), data.end());
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw runtime::RuntimeError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    return file.readAll();
}

std::optional<qint64> numberOf(const QString& text)
{
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok, 0);
    if (!ok || value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<quint32>::max())
        return std::nullopt;
    return value;
}

std::optional<bool> flagOf(const QString& text)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0 || t == QLatin1String("1"))
        return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0 || t == QLatin1String("0"))
        return false;
    return std::nullopt;
}

WriterEntry valueEntry(const QString& name, const QString& value, const QString& where)
{
    const std::string key = name.toLatin1().toStdString();
    const int element = FindThemeElement(name);
    const auto kind = element ? GetThemeElementKind(ThemeElementAt(element)) : ThemeValueKind::Int;
    const auto bad = [&](const char* expected) {
        return runtime::RuntimeError(
            QStringLiteral("%1: %2 needs %3, not \"%4\"").arg(where, name, QLatin1String(expected), value));
    };
    if (element && kind == ThemeValueKind::Image)
        throw runtime::RuntimeError(
            QStringLiteral("%1: %2 is an image; put it in the folder as %2.bmp").arg(where, name));
    if (element && kind == ThemeValueKind::Bool) {
        const auto flag = flagOf(value);
        if (!flag)
            throw bad("True or False");
        return BooleanEntry(key, *flag);
    }
    if (const auto number = numberOf(value))
        return IntegerEntry(key, std::int32_t(std::uint32_t(*number)));
    if (element)
        throw bad("a number");
    if (const auto flag = flagOf(value))
        return BooleanEntry(key, *flag);
    return StringEntry(key, value.toLatin1().toStdString());
}

bool isColor(const std::string& name)
{
    const int element = FindThemeElement(QString::fromLatin1(name));
    return element && GetThemeElementKind(ThemeElementAt(element)) == ThemeValueKind::Color;
}

const char* kindName(RecordKind kind)
{
    switch (kind) {
    case RecordKind::Bitmap:
        return "Bitmap";
    case RecordKind::Integer:
        return "Integer";
    case RecordKind::Boolean:
        return "Boolean";
    case RecordKind::String:
        return "String";
    }
    return "?";
}

} // namespace

std::optional<TsuiUIStyle> BuiltinStyleNamed(const QString& name)
{
    const QMetaEnum styles = QMetaEnum::fromType<TsuiUIStyle>();
    for (TsuiUIStyle style : BuiltinStyles)
        if (name.compare(QLatin1String(styles.valueToKey(int(style))), Qt::CaseInsensitive) == 0)
            return style;
    return std::nullopt;
}

std::vector<WriterEntry> ExportBuiltinStyle(TsuiUIStyle style)
{
    std::vector<WriterEntry> entries;
    for (int n = 1; n <= ThemeElementCount; ++n) {
        const ThemeElement element = ThemeElementAt(n);
        const std::string name = GetThemeElementName(element);
        switch (GetThemeElementKind(element)) {
        case ThemeValueKind::Int:
            entries.push_back(IntegerEntry(name, GetBuiltinThemeInt(style, element)));
            break;
        case ThemeValueKind::Color:
            entries.push_back(IntegerEntry(name, std::int32_t(GetBuiltinThemeColor(style, element))));
            break;
        case ThemeValueKind::Bool:
            entries.push_back(BooleanEntry(name, GetBuiltinThemeBool(style, element)));
            break;
        case ThemeValueKind::Image: {
            const QString resource = GetBuiltinThemeImageName(style, element);
            QFile file(QStringLiteral(":/bitmaps/%1.bmp").arg(resource));
            if (!file.open(QIODevice::ReadOnly))
                throw runtime::ResourceNotFound(resource);
            entries.push_back(BitmapEntry(name, toBytes(file.readAll())));
            break;
        }
        }
    }
    return entries;
}

std::vector<WriterEntry> PackThemeFolder(const QString& folder)
{
    const QDir dir(folder);
    if (!dir.exists())
        throw runtime::RuntimeError(QStringLiteral("Folder \"%1\" does not exist").arg(folder));
    std::vector<WriterEntry> entries;
    const QString valuesPath = dir.filePath(QStringLiteral("values.txt"));
    if (QFile::exists(valuesPath)) {
        const QStringList lines = QString::fromLatin1(readFile(valuesPath)).split(QLatin1Char('\n'));
        for (int i = 0; i < lines.size(); ++i) {
            const QString line = lines[i].trimmed();
            if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
                continue;
            const QString where = QStringLiteral("%1 line %2").arg(valuesPath).arg(i + 1);
            const qsizetype eq = line.indexOf(QLatin1Char('='));
            if (eq <= 0)
                throw runtime::RuntimeError(QStringLiteral("%1: expected Name=Value").arg(where));
            entries.push_back(valueEntry(line.left(eq).trimmed(), line.mid(eq + 1), where));
        }
    }
    const QStringList bitmaps = dir.entryList({QStringLiteral("*.bmp")}, QDir::Files, QDir::Name);
    for (const QString& file : bitmaps) {
        const QByteArray data = readFile(dir.filePath(file));
        const std::string bad =
            CheckBmpHeader(reinterpret_cast<const std::uint8_t*>(data.constData()), std::size_t(data.size()));
        if (!bad.empty())
            throw runtime::RuntimeError(QStringLiteral("%1: %2").arg(dir.filePath(file), QString::fromStdString(bad)));
        entries.push_back(BitmapEntry(QFileInfo(file).completeBaseName().toLatin1().toStdString(), toBytes(data)));
    }
    return entries;
}

void SaveThemeFile(const QString& fileName, const std::vector<WriterEntry>& entries)
{
    const std::vector<std::uint8_t> bytes = WriteThemeFile(entries);
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) != qint64(bytes.size()))
        throw runtime::RuntimeError(QStringLiteral("Cannot write file \"%1\". %2").arg(fileName, file.errorString()));
}

void DumpThemeFile(const QString& fileName, QTextStream& out)
{
    const TsuiThemeFileReader reader(fileName);
    for (const Entry& e : reader.entries()) {
        out << QString::fromLatin1(e.name) << '\t' << kindName(e.kind) << '\t';
        switch (e.kind) {
        case RecordKind::Integer:
            out << e.value;
            if (isColor(e.name))
                out << " (0x" << QString::number(quint32(e.value), 16).toUpper().rightJustified(6, QLatin1Char('0'))
                    << ')';
            break;
        case RecordKind::Boolean:
            out << (e.value ? "True" : "False");
            break;
        case RecordKind::String:
            out << QString::fromLatin1(reader.dataOf(e));
            break;
        case RecordKind::Bitmap: {
            const QByteArray data = reader.dataOf(e);
            const QImage image = QImage::fromData(data, "BMP");
            if (data.isEmpty())
                out << "no bitmap";
            else if (image.isNull())
                out << "bitmap that does not decode";
            else
                out << image.width() << 'x' << image.height() << ", " << quint8(data[28]) << " bpp";
            break;
        }
        }
        out << '\n';
    }
}
