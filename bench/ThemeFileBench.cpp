// Loading a 20 MB theme file against a plain read of the same bytes (goal:
// within 1.5 times), and element look-ups per second through ResolveUIStyle
// for the built-in tables and for a loaded theme file.

#include "ThemeFileWriter.h"
#include "skin/theme/BuiltinTheme.h"
#include "skin/theme/TsuiFileTheme.h"
#include "skin/theme/TsuiThemeFileReader.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>

namespace {

constexpr std::size_t TargetBytes = 20u << 20;

QString g_path;

// A theme with every element plus large bitmaps up to about 20 MB.
void writeLargeTheme(const QString& path)
{
    using namespace themefile;
    std::vector<WriterEntry> entries;
    for (int n = 1; n <= ThemeElementCount; ++n) {
        const ThemeElement e = ThemeElementAt(n);
        if (GetThemeElementKind(e) == ThemeValueKind::Bool)
            entries.push_back(BooleanEntry(GetThemeElementName(e), GetBuiltinThemeBool(TsuiUIStyle::WinXP, e)));
        else
            entries.push_back(IntegerEntry(GetThemeElementName(e), GetBuiltinThemeInt(TsuiUIStyle::WinXP, e)));
    }
    // 24-bit bitmaps of 1024 x 320: rows of 3072 bytes, about 1 MB each.
    const std::uint32_t width = 1024, height = 320, stride = width * 3, pixels = stride * height;
    std::vector<std::uint8_t> bmp(54 + pixels, 0x5A);
    std::fill_n(bmp.begin(), 54, 0);
    bmp[0] = 'B';
    bmp[1] = 'M';
    PutU32(bmp, 2, std::uint32_t(bmp.size()));
    PutU32(bmp, 10, 54);
    PutU32(bmp, 14, 40);
    PutU32(bmp, 18, width);
    PutU32(bmp, 22, height);
    bmp[26] = 1;
    bmp[28] = 24;
    PutU32(bmp, 30, 0);
    PutU32(bmp, 34, pixels);
    for (int i = 0; std::size_t(i) * bmp.size() < TargetBytes; ++i)
        entries.push_back(BitmapEntry("Picture" + std::to_string(i), bmp));
    const auto bytes = WriteThemeFile(entries);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
}

void BM_PlainRead(benchmark::State& state)
{
    for (auto _ : state) {
        QFile file(g_path);
        file.open(QIODevice::ReadOnly);
        QByteArray bytes = file.readAll();
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond);

void BM_LoadThemeFile(benchmark::State& state)
{
    for (auto _ : state) {
        TsuiThemeFileReader reader(g_path);
        benchmark::DoNotOptimize(&reader);
    }
}
BENCHMARK(BM_LoadThemeFile)->Unit(benchmark::kMillisecond);

// One look-up as a skinned control makes it: resolve, then ask the source.
template <bool FromFile>
void lookups(benchmark::State& state)
{
    TsuiFileTheme theme;
    if (FromFile)
        theme.AssignThemeFile(g_path);
    const TsuiUIStyle style = FromFile ? TsuiUIStyle::FromThemeFile : TsuiUIStyle::WinXP;
    const ThemeElement asked[] = {ThemeElement::FormBackgroundColor, ThemeElement::FormMinWidthInt,
                                  ThemeElement::ButtonTransparentBool, ThemeElement::ControlBorderColor};
    std::int64_t sum = 0;
    for (auto _ : state) {
        for (ThemeElement e : asked) {
            TsuiUIStyle effective;
            if (ResolveUIStyle(&theme, style, effective))
                sum += e == ThemeElement::ButtonTransparentBool ? theme.GetBool(e) : theme.GetInt(e);
            else
                sum += e == ThemeElement::ButtonTransparentBool ? GetBuiltinThemeBool(effective, e)
                                                                : GetBuiltinThemeInt(effective, e);
        }
    }
    benchmark::DoNotOptimize(sum);
    state.SetItemsProcessed(state.iterations() * std::int64_t(std::size(asked)));
}
void BM_LookupBuiltin(benchmark::State& state)
{
    lookups<false>(state);
}
void BM_LookupFileTheme(benchmark::State& state)
{
    lookups<true>(state);
}
BENCHMARK(BM_LookupBuiltin);
BENCHMARK(BM_LookupFileTheme);

// Prints the usual table, then the ratio of loading to plain reading.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                times[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
    std::map<std::string, double> times;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    g_path = dir.filePath(QStringLiteral("large.theme"));
    writeLargeTheme(g_path);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double read = reporter.times["BM_PlainRead"], load = reporter.times["BM_LoadThemeFile"];
    if (read > 0 && load > 0)
        std::printf("\nloading a %.1f MB theme file takes %.2f times a plain read (goal: within 1.5)\n",
                    double(QFile(g_path).size()) / (1 << 20), load / read);
    return 0;
}
