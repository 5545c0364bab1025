// The settings in the store: what a first start reads, what a saved station reads back as, what
// a damaged value does to the rest, the 10-byte coordinates, and the writes at closing time.

#include "app/CoordinateTexts.h"
#include "app/PredictionSettings.h"
#include "app/RegistryExtended.h"
#include "app/SettingsStore.h"

#include "platform/controls/services/DialogService.h"
#include "platform/core/TStringList.h"
#include "platform/system/Environment.h"
#include "platform/system/Extended80.h"
#include "platform/system/RegistryException.h"
#include "platform/system/TRegistry.h"
#include "platform/testing/UiTestEnvironment.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <limits>
#include <string>
#include <vector>

namespace skelda::app::testing {
namespace {

using ::testing::ElementsAre;

class SettingsStoreTest : public ::testing::Test {
protected:
    // The setup key as the setup panel leaves it, opened for the test to write into.
    plat::TRegistry& SetupKey()
    {
        setup.OpenKey(std::string("\\") + kSettingsKey + "\\Setup", true);
        return setup;
    }

    void ExpectMessages(const std::vector<std::string>& texts) { EXPECT_EQ(ui.Dialogs().Texts(), texts); }

    plat::testing::UiTestEnvironment ui;
    plat::TRegistry setup;
};

TEST_F(SettingsStoreTest, AFirstStartReadsTheDefaultsAndMakesBothSubkeys)
{
    PredictionSettings settings;
    settings.SolarValue = 141.9L;
    settings.Latitude = 12;  // a value a start never keeps
    SettingsStore store;
    EXPECT_TRUE(store.ReadStartupSettings(settings));

    ExpectMessages({});
    EXPECT_EQ(settings.MyCall, "NoCall");
    EXPECT_EQ(settings.Power, 100);
    EXPECT_EQ(settings.MinAngle, 10);
    EXPECT_EQ(settings.SeuilFreq, 10);
    EXPECT_EQ(settings.Latitude, 0);
    EXPECT_FALSE(settings.Path);
    EXPECT_FALSE(settings.Seuil);
    EXPECT_EQ(settings.SolarValue, 141.9L) << "only the stored settings are read";
    plat::TStringList keys;
    plat::TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(std::string("\\") + kSettingsKey, false));
    registry.GetKeyNames(keys);
    EXPECT_EQ(keys.GetCommaText(), "Options,Setup");
}

TEST_F(SettingsStoreTest, ASavedStationReadsBackAndTheThresholdFrequencyOnlyWithItsLine)
{
    plat::TRegIniFile ini(kSettingsKey);
    ini.WriteString("Setup", "MyCall", "F6ABC");
    ini.WriteInteger("Setup", "Power", 400);
    ini.WriteBool("Setup", "Path", true);
    ini.WriteInteger("Setup", "Display", 3);
    ini.WriteBool("Setup", "Seuil", false);
    ini.WriteInteger("Setup", "SeuilFreq", 21);
    ini.WriteInteger("Setup", "GainTable", 2);
    ini.WriteInteger("Setup", "MinAngle", 5);
    WriteRegExtended("Setup", "Latitude", 48.8333L);
    WriteRegExtended("Setup", "Longitude", -2.25L);
    WriteRegExtended("Setup", "DestLon", 75);

    PredictionSettings settings;
    SettingsStore store;
    ASSERT_TRUE(store.ReadStartupSettings(settings));
    EXPECT_EQ(settings.MyCall, "F6ABC");
    EXPECT_EQ(settings.Power, 400);
    EXPECT_TRUE(settings.Path);
    EXPECT_EQ(settings.Display, engine::DisplayFormat::BestFrequency);
    EXPECT_EQ(settings.SeuilFreq, 10) << "the line is off: the saved frequency is not read";
    EXPECT_EQ(settings.GainTable, 2);
    EXPECT_EQ(settings.MinAngle, 5);
    EXPECT_EQ(settings.Latitude, 48.8333L);
    EXPECT_EQ(settings.Longitude, -2.25L);
    EXPECT_EQ(settings.DestLat, 0);
    EXPECT_EQ(settings.DestLon, 75);

    ini.WriteBool("Setup", "Seuil", true);
    ini.WriteInteger("Setup", "Display", 9);  // no such format
    ASSERT_TRUE(store.ReadStartupSettings(settings));
    EXPECT_EQ(settings.SeuilFreq, 21);
    EXPECT_EQ(settings.Display, engine::DisplayFormat::SignalLevel);
}

TEST_F(SettingsStoreTest, AValueOfTheWrongTypeIsReportedAndWhatFollowsKeepsItsDefault)
{
    struct Case {
        const char* Damaged;
        std::string ExpectedCall;
        int ExpectedPower;
    };
    // Values are read in the order Latitude, Longitude, DestLat, DestLon, MyCall, Power, ...
    const Case cases[] = {{"Latitude", "NoCall", 100}, {"Power", "F6ABC", 100}, {"MinAngle", "F6ABC", 400}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Damaged);
        plat::TRegIniFile ini(kSettingsKey);
        ini.EraseSection("Setup");
        ini.WriteString("Setup", "MyCall", "F6ABC");
        ini.WriteInteger("Setup", "Power", 400);
        ini.WriteInteger("Setup", "MinAngle", 25);
        // A string where a number belongs, or a 4-byte integer where a coordinate belongs.
        if (std::string(c.Damaged) == "Latitude")
            SetupKey().WriteString(c.Damaged, "48.8");
        else
            SetupKey().WriteBinaryData(c.Damaged, "\x01\x02\x03\x04", 4);

        PredictionSettings settings;
        settings.Power = 0;
        settings.MinAngle = 0;
        settings.MyCall.clear();
        ui.Dialogs().Clear();
        SettingsStore store;
        EXPECT_FALSE(store.ReadStartupSettings(settings));
        ASSERT_EQ(ui.Dialogs().Shown().size(), 1u);
        EXPECT_EQ(ui.Dialogs().Shown()[0].Text, "Problem reading the registry");
        EXPECT_EQ(ui.Dialogs().Shown()[0].Caption, "Warning");
        EXPECT_EQ(ui.Dialogs().Shown()[0].Flags & 0xF0, plat::MB_ICONERROR);
        EXPECT_EQ(settings.MyCall, c.ExpectedCall);
        EXPECT_EQ(settings.Power, c.ExpectedPower);
        EXPECT_EQ(settings.MinAngle, 10);
    }
}

TEST_F(SettingsStoreTest, ADamagedFileGivesTheDefaultsWithoutAWord)
{
    std::ofstream(plat::Env().ConfigDir + "HKEY_CURRENT_USER.reg") << "garbage\n\x01\x02";
    PredictionSettings settings;
    SettingsStore store;
    EXPECT_TRUE(store.ReadStartupSettings(settings));
    ExpectMessages({});
    EXPECT_EQ(settings.MyCall, "NoCall");
    EXPECT_EQ(settings.Power, 100);
}

TEST_F(SettingsStoreTest, CoordinatesAreTenLittleEndianBytesOfBinaryData)
{
    WriteRegExtended("Setup", "DestLat", 1.0L);
    unsigned char bytes[16] = {};
    ASSERT_EQ(SetupKey().GetDataType("DestLat"), plat::rdBinary);
    ASSERT_EQ(setup.ReadBinaryData("DestLat", bytes, sizeof bytes), 10);
    EXPECT_THAT(std::vector<unsigned char>(bytes, bytes + 10),
                ElementsAre(0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F));

    for (long double value : {-2.25L, 48.8333L, 0.1L, -179.9166666666666667L}) {
        WriteRegExtended("Setup", "Longitude", value);
        EXPECT_EQ(ReadRegExtended("Setup", "Longitude", kMaxLongitudeDeg), value);
    }
    EXPECT_EQ(ReadRegExtended("Setup", "NoSuchValue", kMaxLongitudeDeg), 0);
    EXPECT_EQ(ReadRegExtended("NoSuchKey", "Latitude", kMaxLatitudeDeg), 0);

    // A short value is its first bytes, zeros after them: 8 bytes of 1.0's mantissa without its
    // exponent are a number far below any coordinate, not garbage from beyond the value.
    setup.WriteBinaryData("Short", "\0\0\0\0\0\0\0\x80", 8);
    EXPECT_EQ(ReadRegExtended("Setup", "Short", kMaxLongitudeDeg), plat::ExtendedFromBytes({0, 0, 0, 0, 0, 0, 0, 0x80, 0, 0}));
    EXPECT_LT(ReadRegExtended("Setup", "Short", kMaxLongitudeDeg), 1e-4900L);
    setup.WriteBinaryData("Long", "0123456789AB", 12);
    EXPECT_THROW(ReadRegExtended("Setup", "Long", kMaxLongitudeDeg), plat::ERegistryException);
    setup.WriteInteger("Dword", 7);
    EXPECT_THROW(ReadRegExtended("Setup", "Dword", kMaxLongitudeDeg), plat::ERegistryException);
}

TEST_F(SettingsStoreTest, AStoredCoordinateThatIsNoPositionIsReportedOnceAndNotPredictedFrom)
{
    struct Case {
        const char* Name;
        long double LimitDeg;
        plat::TExtendedBytes Bytes;
    };
    const plat::TExtendedBytes quietNaN{0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x7F};
    const plat::TExtendedBytes signallingNaN{1, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0xFF};
    const Case cases[] = {
        {"Latitude", kMaxLatitudeDeg, quietNaN},
        {"Longitude", kMaxLongitudeDeg, signallingNaN},
        {"DestLat", kMaxLatitudeDeg, plat::ExtendedToBytes(1.8e308L)},
        {"DestLon", kMaxLongitudeDeg, plat::ExtendedToBytes(-std::numeric_limits<long double>::infinity())},
        {"Latitude", kMaxLatitudeDeg, plat::ExtendedToBytes(90.0001L)},
        {"DestLon", kMaxLongitudeDeg, plat::ExtendedToBytes(-180.5L)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name + std::string(" ") + ::testing::PrintToString(c.Bytes));
        plat::TRegIniFile ini(kSettingsKey);
        ini.EraseSection("Setup");
        WriteRegExtended("Setup", "Latitude", 48.8333L);
        SetupKey().WriteBinaryData(c.Name, c.Bytes.data(), static_cast<int>(c.Bytes.size()));
        EXPECT_THROW(ReadRegExtended("Setup", c.Name, c.LimitDeg), plat::ERegistryException);

        PredictionSettings settings;
        ui.Dialogs().Clear();
        SettingsStore store;
        EXPECT_FALSE(store.ReadStartupSettings(settings));
        EXPECT_THAT(ui.Dialogs().Texts(), ElementsAre("Problem reading the registry"));
        for (long double value : {settings.Latitude, settings.Longitude, settings.DestLat, settings.DestLon}) {
            EXPECT_TRUE(value == 0 || value == 48.8333L) << static_cast<double>(value);
        }
    }
    // The limits themselves are positions: the poles and the date line.
    WriteRegExtended("Setup", "DestLat", -90);
    WriteRegExtended("Setup", "DestLon", 180);
    EXPECT_EQ(ReadRegExtended("Setup", "DestLat", kMaxLatitudeDeg), -90);
    EXPECT_EQ(ReadRegExtended("Setup", "DestLon", kMaxLongitudeDeg), 180);
}

TEST_F(SettingsStoreTest, ClosingWritesTheFormatTheSolarKindAndTheTargetForTheNextStart)
{
    {
        SettingsStore store;
        EXPECT_TRUE(store.WriteClosingSettings(2, 1, 51.5L, -0.1L));
    }
    ExpectMessages({});
    plat::TRegIniFile ini(kSettingsKey);
    EXPECT_EQ(SetupKey().GetDataType("Display"), plat::rdString);
    EXPECT_EQ(ini.ReadString("Setup", "Display", ""), "2");
    EXPECT_EQ(ini.ReadString("Setup", "SunSpots", ""), "1");

    PredictionSettings settings;
    SettingsStore next;
    ASSERT_TRUE(next.ReadStartupSettings(settings));
    EXPECT_EQ(settings.Display, engine::DisplayFormat::RouteDelay);
    EXPECT_EQ(settings.DestLat, 51.5L);
    EXPECT_EQ(settings.DestLon, -0.1L);
}

TEST_F(SettingsStoreTest, AWriteThatCannotBeSavedIsReportedAtClosingTime)
{
    // A settings folder below a plain file can never be made.
    const std::string blocker = plat::Env().ConfigDir + "file";
    std::ofstream(blocker) << "x";
    plat::Env().ConfigDir = blocker + "/skelda/";
    SettingsStore store;
    EXPECT_FALSE(store.WriteClosingSettings(0, 0, 1, 2));
    ASSERT_EQ(ui.Dialogs().Shown().size(), 1u);
    EXPECT_EQ(ui.Dialogs().Shown()[0].Text, "Problem writing in the registry");
    EXPECT_EQ(ui.Dialogs().Shown()[0].Caption, "Warning");
    EXPECT_EQ(ui.Dialogs().Shown()[0].Flags & 0xF0, plat::MB_ICONWARNING);
    EXPECT_THROW(WriteRegExtended("Setup", "DestLat", 1), plat::ERegistryException);
}

TEST(OwnCoordinateTextTest, DegreesThenMinutesThenTheHemisphere)
{
    const TDegreesMinutesSeconds parts = SplitDegrees(48.8333L);
    EXPECT_EQ(parts.Degrees, 48);
    EXPECT_NEAR(static_cast<double>(parts.Minutes), 49.998, 1e-9);
    EXPECT_NEAR(static_cast<double>(parts.Seconds), 59.88, 1e-6);
    EXPECT_EQ(SplitDegrees(-2.25L).Degrees, -2);
    EXPECT_EQ(SplitDegrees(-2.25L).Minutes, -15);

    struct Case {
        long double Latitude;
        long double Longitude;
        const char* LatText;
        const char* LonText;
    };
    const Case cases[] = {
        {48.8333L, -2.25L, "48°49.998° North", "2°15° East"},
        {-33.5L, 70.75L, "33°30° South", "70°45° West"},
        {0, 0, "0°", "0°"},
        {-0.5L, 179.9166666666666667L, "0°30° South", "179°55° West"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(OwnLatitudeCaption(c.Latitude), c.LatText);
        EXPECT_EQ(OwnLongitudeCaption(c.Longitude), c.LonText);
    }
}

}  // namespace
}  // namespace skelda::app::testing
