#include "worldmap/MapBuilder.h"

#include "platform/core/Exception.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TJPEGImage.h"
#include "platform/testing/Artifacts.h"
#include "worldmap/SunPosition.h"

#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace skelda::worldmap {
namespace {

plat::TDateTime Utc(int year, int month, int day, int hour)
{
    return plat::EncodeDate(year, month, day) + plat::EncodeTime(hour, 0, 0, 0);
}

const std::uint8_t* PixelOf(const plat::TBitmap& bitmap, int x, int y)
{
    return bitmap.ScanLine(y) + 3 * x;
}

TEST(MapBuilder, MissingOrUnreadablePicturesAreReportedAndGiveNoMap)
{
    struct Case {
        const char* What;
        TMapResources Resources;
    };
    const Case cases[] = {
        {"no day picture", {"NO_SUCH_MAP", "MAP_NIGHT", "SUN_BMP", "SUN_ALPHA"}},
        {"no night picture", {"MAP_DAY", "NO_SUCH_MAP", "SUN_BMP", "SUN_ALPHA"}},
        {"a day picture that is no JPEG", {"SUN_BMP", "MAP_NIGHT", "SUN_BMP", "SUN_ALPHA"}},
        {"no sun", {"MAP_DAY", "MAP_NIGHT", "NO_SUCH_SUN", "SUN_ALPHA"}},
        {"no sun mask", {"MAP_DAY", "MAP_NIGHT", "SUN_BMP", "NO_SUCH_SUN"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> messages;
        const auto map = UpdateMap(Utc(2026, 3, 20, 12), [&](const std::string& text) { messages.push_back(text); },
                                   c.Resources);
        EXPECT_EQ(map, nullptr) << c.What;
        EXPECT_EQ(messages, std::vector<std::string>{"Images introuvables !"}) << c.What;
    }
    // Nobody to tell: still no map, and no crash.
    EXPECT_EQ(UpdateMap(Utc(2026, 3, 20, 12), nullptr, {"NO_SUCH_MAP"}), nullptr);
}

// Writes the map where a person can look at it.
void SaveArtifact(const plat::TBitmap& map, const std::string& fileName)
{
    const std::string path = plat::testing::ArtifactPath(fileName);
    EXPECT_TRUE(map.Image().save(QString::fromStdString(path), "PNG")) << path;
}

TEST(MapBuilder, ComposesDayNightAndSunFromTheProgramsPictures)
{
    const auto day = LoadJpegImage("MAP_DAY");
    const auto night = LoadJpegImage("MAP_NIGHT");
    struct Case {
        const char* File;
        plat::TDateTime Time;
        plat::TPoint DayPoint, NightPoint, Sun;
    };
    const Case cases[] = {
        // Equinox noon: day over Africa and Europe, night over the Pacific, the sun at 0, 0.
        {"worldmap-2026-03-20-1200utc.png", Utc(2026, 3, 20, 12), {300, 60}, {20, 128}, {256, 129}},
        // June evening in Europe: the sun over Mexico, the north pole lit, Asia dark.
        {"worldmap-2026-06-21-1800utc.png", Utc(2026, 6, 21, 18), {128, 10}, {400, 100}, {128, 95}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> messages;
        const auto map = UpdateMap(c.Time, [&](const std::string& text) { messages.push_back(text); });
        ASSERT_NE(map, nullptr);
        EXPECT_TRUE(messages.empty());
        ASSERT_EQ(map->GetWidth(), 512);
        ASSERT_EQ(map->GetHeight(), 256);
        ASSERT_EQ(map->GetPixelFormat(), plat::pf24bit);
        SaveArtifact(*map, c.File);

        EXPECT_EQ(SunPixel(SunPosition(c.Time), 512, 256), c.Sun) << c.File;
        const plat::TBitmap& dayPixels = day->Bitmap();
        const plat::TBitmap& nightPixels = night->Bitmap();
        for (int b = 0; b < 3; ++b) {
            EXPECT_EQ(PixelOf(*map, c.DayPoint.X, c.DayPoint.Y)[b], PixelOf(dayPixels, c.DayPoint.X, c.DayPoint.Y)[b])
                << c.File << " byte " << b;
            EXPECT_EQ(PixelOf(*map, c.NightPoint.X, c.NightPoint.Y)[b],
                      PixelOf(nightPixels, c.NightPoint.X, c.NightPoint.Y)[b])
                << c.File << " byte " << b;
        }
        // The sun adds its yellow light on top of the day picture.
        const std::uint8_t* sun = PixelOf(*map, c.Sun.X, c.Sun.Y);
        const std::uint8_t* under = PixelOf(dayPixels, c.Sun.X, c.Sun.Y);
        EXPECT_EQ(sun[2], 255) << c.File;
        EXPECT_GE(sun[1], under[1] + 150) << c.File;
        EXPECT_GE(sun[0], under[0] + 100) << c.File;
    }
}

TEST(MapBuilder, TwoWorkersDrawTheSameMapAsOne)
{
    const auto day = LoadJpegImage("MAP_DAY");
    const auto night = LoadJpegImage("MAP_NIGHT");
    for (int hour = 0; hour < 24; hour += 5) {
        plat::TBitmap one;
        plat::TBitmap two;
        BuildMap(*day, *night, one, 512, nullptr, nullptr, Utc(2026, 8, 1, hour), 1);
        BuildMap(*day, *night, two, 512, nullptr, nullptr, Utc(2026, 8, 1, hour), 2);
        for (int y = 0; y < 256; ++y)
            ASSERT_EQ(0, std::memcmp(one.ScanLine(y), two.ScanLine(y), 3 * 512)) << hour << "h, row " << y;
    }
}

TEST(MapBuilder, PicturesOfDifferentSizesGiveTheNightPictureAlone)
{
    const auto day = LoadJpegImage("MAP_DAY");
    plat::TBitmap night;
    night.SetPixelFormat(plat::pf24bit);
    night.SetSize(256, 64);
    for (int y = 0; y < 64; ++y)
        std::memset(night.ScanLine(y), 40, 3 * 256);
    plat::TBitmap map;
    BuildMap(*day, night, map, 512, nullptr, nullptr, Utc(2026, 3, 20, 12));
    ASSERT_EQ(map.GetWidth(), 512);
    ASSERT_EQ(map.GetHeight(), 128);
    for (int y = 0; y < 128; ++y)
        for (int i = 0; i < 3 * 512; ++i)
            ASSERT_EQ(map.ScanLine(y)[i], 40) << "row " << y << " byte " << i;
}

TEST(MapBuilder, RefusesEmptyPicturesAndNoWidth)
{
    const auto day = LoadJpegImage("MAP_DAY");
    plat::TBitmap empty;
    plat::TBitmap map;
    EXPECT_THROW(BuildMap(*day, empty, map, 512, nullptr, nullptr, 0), plat::EInvalidArgument);
    EXPECT_THROW(BuildMap(empty, *day, map, 512, nullptr, nullptr, 0), plat::EInvalidArgument);
    EXPECT_THROW(BuildMap(*day, *day, map, 0, nullptr, nullptr, 0), plat::EInvalidArgument);
}

}  // namespace
}  // namespace skelda::worldmap
