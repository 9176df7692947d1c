#include "ThemeFileTestSupport.h"

#include "runtime/RuntimeError.h"
#include "skin/theme/TsuiThemeFileReader.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>

using namespace themefile;

namespace {

class ThemeFileReader : public ::testing::Test {
protected:
    QString write(const std::vector<std::uint8_t>& bytes, const QString& name = QStringLiteral("t.theme"))
    {
        const QString path = dir.filePath(name);
        WriteBytes(path, bytes);
        return path;
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(ThemeFileReader, ReadsEveryKindAndLooksUpTheFirstEntryIgnoringCase)
{
    auto bytes = WriteThemeFile({
        IntegerEntry("FormBackgroundColor", 0xE7E7E7),
        IntegerEntry("FORMBACKGROUNDCOLOR", 1),
        BooleanEntry("ButtonTransparentBool", true),
        BooleanEntry("TitleBarButtonTransparentBool", false),
        IntegerEntry("TitleBarButtonRightOffsetInt", -1),
        BitmapEntry("ButtonImage", BmpBytes(CoordinateImage(54, 21))),
        BitmapEntry("BUTTONIMAGE", BmpBytes(CoordinateImage(2, 2))),
        StringEntry("Author", "someone"),
        IntegerEntry(std::string(64, 'N'), 64),
        IntegerEntry("a=b", 5),
        {"Odd", RecordKind(7), {1, 2, 3}},
    });
    const auto records = RecordOffsets(bytes);
    bytes[ReadU32(&bytes[records[2] + 65])] = 2; // a Boolean byte of 2 reads as True
    const TsuiThemeFileReader reader(write(bytes));

    EXPECT_EQ(reader.GetInt(QStringLiteral("formbackgroundcolor")), 0xE7E7E7);
    EXPECT_TRUE(reader.GetBool(QStringLiteral("ButtonTransparentBool")));
    EXPECT_FALSE(reader.GetBool(QStringLiteral("TitleBarButtonTransparentBool")));
    EXPECT_EQ(reader.GetInt(QStringLiteral("TitleBarButtonRightOffsetInt")), -1);
    EXPECT_EQ(reader.GetInt(QString(64, QLatin1Char('n'))), 64);
    EXPECT_EQ(reader.GetInt(QStringLiteral("Missing")), -1);
    EXPECT_FALSE(reader.GetBool(QStringLiteral("Missing")));
    // A value kept under a name with "=" in it is found by no look-up.
    EXPECT_EQ(reader.GetInt(QStringLiteral("a=b")), -1);
    EXPECT_EQ(reader.GetInt(QStringLiteral("a")), -1);
    // Kinds are looked up apart: the colour is not a Boolean.
    EXPECT_FALSE(reader.GetBool(QStringLiteral("FormBackgroundColor")));

    for (const char* name : {"ButtonImage", "BUTTONIMAGE"}) {
        const QImage image = QImage::fromData(reader.GetBitmapStream(QLatin1String(name)), "BMP");
        EXPECT_EQ(image.size(), QSize(54, 21));
    }
    EXPECT_TRUE(reader.GetBitmapStream(QStringLiteral("Missing")).isEmpty());
    EXPECT_EQ(reader.entries().size(), 10u); // the record of kind 7 is skipped
}

TEST_F(ThemeFileReader, TheClosingRecordIsNeverLoaded)
{
    EXPECT_TRUE(TsuiThemeFileReader(write(WriteThemeFile({}))).entries().empty());

    auto bytes = WriteThemeFile({IntegerEntry("A", 1), IntegerEntry("B", 2), IntegerEntry("C", 3)});
    const auto records = RecordOffsets(bytes);
    PutU32(bytes, records[2] + 73, 0); // C closes the chain
    const TsuiThemeFileReader reader(write(bytes));
    EXPECT_EQ(reader.GetInt(QStringLiteral("A")), 1);
    EXPECT_EQ(reader.GetInt(QStringLiteral("B")), 2);
    EXPECT_EQ(reader.GetInt(QStringLiteral("C")), -1);
}

TEST_F(ThemeFileReader, ABitmapRecordOfSizeZeroHoldsNoBitmap)
{
    const TsuiThemeFileReader reader(write(WriteThemeFile({BitmapEntry("ButtonImage", {})})));
    EXPECT_TRUE(reader.GetBitmapStream(QStringLiteral("ButtonImage")).isEmpty());
}

TEST_F(ThemeFileReader, MalformedFilesAreRejectedWithTheFileAndTheFault)
{
    using Bytes = std::vector<std::uint8_t>;
    const Bytes valid = WriteThemeFile({
        IntegerEntry("FormMinWidthInt", 130),
        BooleanEntry("ButtonTransparentBool", true),
        BitmapEntry("ButtonImage", BmpBytes(CoordinateImage(8, 4))),
    });
    const auto records = RecordOffsets(valid);
    const std::size_t intRecord = records[0], boolRecord = records[1], bmpRecord = records[2];
    const std::size_t bmpData = ReadU32(&valid[bmpRecord + 65]);
    const std::size_t bmpSize = ReadU32(&valid[bmpRecord + 69]);

    struct Case {
        const char* what;
        std::function<void(Bytes&)> damage;
        const char* message;
    };
    const Case cases[] = {
        {"truncated header", [](Bytes& b) { b.resize(20); }, "too short"},
        {"header length 23", [](Bytes& b) { PutU32(b, 12, 23); }, "header length is 23"},
        {"header length 25", [](Bytes& b) { PutU32(b, 12, 25); }, "header length is 25"},
        {"first record past the end", [](Bytes& b) { PutU32(b, 20, 0xFFFFFFF0u); }, "runs past the end"},
        {"record cut by the end", [](Bytes& b) { PutU32(b, 20, std::uint32_t(b.size() - 10)); }, "runs past the end"},
        {"next record past the end", [&](Bytes& b) { PutU32(b, intRecord + 73, std::uint32_t(b.size())); },
         "runs past the end"},
        {"chain back to the first record", [&](Bytes& b) { PutU32(b, boolRecord + 73, std::uint32_t(intRecord)); },
         "returns to the record at offset 24"},
        {"record pointing at itself", [&](Bytes& b) { PutU32(b, intRecord + 73, std::uint32_t(intRecord)); },
         "returns to the record"},
        {"data offset past the end", [&](Bytes& b) { PutU32(b, intRecord + 65, 0xFFFFFFFFu); },
         "runs past the end of the file"},
        {"data size past the end", [&](Bytes& b) { PutU32(b, bmpRecord + 69, 0xFFFFFFFFu); },
         "runs past the end of the file"},
        {"Integer of 3 bytes", [&](Bytes& b) { PutU32(b, intRecord + 69, 3); }, "holds 3 bytes instead of 4"},
        {"Integer of 8 bytes", [&](Bytes& b) { PutU32(b, intRecord + 69, 8); }, "holds 8 bytes instead of 4"},
        {"Boolean of 0 bytes", [&](Bytes& b) { PutU32(b, boolRecord + 69, 0); }, "holds 0 bytes instead of 1"},
        {"Boolean of 4 bytes", [&](Bytes& b) { PutU32(b, boolRecord + 69, 4); }, "holds 4 bytes instead of 1"},
        {"bitmap without signature", [&](Bytes& b) { b[bmpData] = 'X'; }, "no bitmap signature"},
        {"bitmap pixels cut short", [&](Bytes& b) { PutU32(b, bmpRecord + 69, std::uint32_t(bmpSize - 1)); },
         "pixel data runs past the record"},
        {"bitmap pixel offset past the record", [&](Bytes& b) { PutU32(b, bmpData + 10, std::uint32_t(bmpSize + 1)); },
         "lies outside the record"},
        {"bitmap of huge width", [&](Bytes& b) { PutU32(b, bmpData + 18, 1u << 20); }, "out of range"},
        {"bitmap of huge area",
         [&](Bytes& b) {
             PutU32(b, bmpData + 18, 16000);
             PutU32(b, bmpData + 22, 16000);
         },
         "out of range"},
        {"bitmap of negative width", [&](Bytes& b) { PutU32(b, bmpData + 18, 0xFFFFFFF8u); }, "out of range"},
        {"bitmap of unknown header", [&](Bytes& b) { PutU32(b, bmpData + 14, 41); }, "unknown bitmap header size"},
        {"bitmap of odd depth", [&](Bytes& b) { b[bmpData + 28] = 7; }, "unsupported bit depth"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes bytes = valid;
        c.damage(bytes);
        const QString path = write(bytes);
        try {
            TsuiThemeFileReader reader(path);
            ADD_FAILURE() << "accepted";
        } catch (const runtime::RuntimeError& e) {
            EXPECT_TRUE(e.message().contains(path)) << e.what();
            EXPECT_TRUE(e.message().contains(QLatin1String(c.message))) << e.what();
        }
    }
}

TEST_F(ThemeFileReader, AFileThatCannotBeOpenedRaises)
{
    EXPECT_THROW(TsuiThemeFileReader(dir.filePath(QStringLiteral("absent"))), runtime::RuntimeError);
    // A named pipe would wait for a writer and a device never ends: both
    // are refused without being read.
    const QString pipe = dir.filePath(QStringLiteral("pipe.theme"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const QString& path : {pipe, QStringLiteral("/dev/zero")}) {
        try {
            TsuiThemeFileReader reader(path);
            ADD_FAILURE() << path.toStdString();
        } catch (const runtime::RuntimeError& e) {
            EXPECT_TRUE(e.message().contains(QLatin1String("not a regular file"))) << e.what();
        }
    }
}

TEST_F(ThemeFileReader, TopDownBitmapsAreSound)
{
    auto bytes = WriteThemeFile({BitmapEntry("ButtonImage", BmpBytes(CoordinateImage(6, 4)))});
    const std::size_t bmpData = ReadU32(&bytes[RecordOffsets(bytes)[0] + 65]);
    PutU32(bytes, bmpData + 22, std::uint32_t(-4)); // a negative height stores rows top down
    const TsuiThemeFileReader reader(write(bytes));
    const QImage image = QImage::fromData(reader.GetBitmapStream(QStringLiteral("ButtonImage")), "BMP");
    EXPECT_EQ(image.size(), QSize(6, 4));
}
