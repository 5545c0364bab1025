#include "app/SettingsStore.h"

#include "app/PredictionSettings.h"
#include "app/RegistryExtended.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/services/DialogService.h"
#include "platform/core/Exception.h"

namespace skelda::app {

namespace {

// A format the display group does not offer can only come from a damaged file.
engine::DisplayFormat DisplayFormatOrDefault(int value)
{
    if (value < 0 || value > static_cast<int>(engine::DisplayFormat::BestFrequency))
        return PredictionSettings{}.Display;
    return static_cast<engine::DisplayFormat>(value);
}

void CopyStoredValues(const PredictionSettings& from, PredictionSettings& to)
{
    to.Latitude = from.Latitude;
    to.Longitude = from.Longitude;
    to.DestLat = from.DestLat;
    to.DestLon = from.DestLon;
    to.MyCall = from.MyCall;
    to.Power = from.Power;
    to.Path = from.Path;
    to.Display = from.Display;
    to.Seuil = from.Seuil;
    to.SeuilFreq = from.SeuilFreq;
    to.GainTable = from.GainTable;
    to.MinAngle = from.MinAngle;
}

}  // namespace

SettingsStore::SettingsStore() : FSettingsRegistry(kSettingsKey) {}

bool SettingsStore::ReadStartupSettings(PredictionSettings& settings)
{
    PredictionSettings read;  // the documented defaults until a value is read
    read.SeuilFreq = kStartupSeuilFreqMHz;
    bool ok = true;
    try {
        FSettingsRegistry.CreateKey(kSetupSection);
        FSettingsRegistry.CreateKey(kOptionsSection);
        read.Latitude = ReadRegExtended(kSetupSection, "Latitude", kMaxLatitudeDeg);
        read.Longitude = ReadRegExtended(kSetupSection, "Longitude", kMaxLongitudeDeg);
        read.DestLat = ReadRegExtended(kSetupSection, "DestLat", kMaxLatitudeDeg);
        read.DestLon = ReadRegExtended(kSetupSection, "DestLon", kMaxLongitudeDeg);
        read.MyCall = FSettingsRegistry.ReadString(kSetupSection, "MyCall", kNoCall);
        read.Power = FSettingsRegistry.ReadInteger(kSetupSection, "Power", read.Power);
        read.Path = FSettingsRegistry.ReadBool(kSetupSection, "Path", read.Path);
        read.Display = DisplayFormatOrDefault(
            FSettingsRegistry.ReadInteger(kSetupSection, "Display", static_cast<int>(read.Display)));
        read.Seuil = FSettingsRegistry.ReadBool(kSetupSection, "Seuil", read.Seuil);
        if (read.Seuil)
            read.SeuilFreq = FSettingsRegistry.ReadInteger(kSetupSection, "SeuilFreq", read.SeuilFreq);
        read.GainTable = FSettingsRegistry.ReadInteger(kSetupSection, "GainTable", read.GainTable);
        read.MinAngle = FSettingsRegistry.ReadInteger(kSetupSection, "MinAngle", static_cast<int>(read.MinAngle));
    } catch (const plat::Exception&) {
        ok = false;
    }
    CopyStoredValues(read, settings);
    if (!ok)
        plat::Application->MessageBox(kReadProblem, kProblemTitle, plat::MB_ICONERROR);
    return ok;
}

bool SettingsStore::WriteClosingSettings(int Display, int SunSpots, long double DestLat, long double DestLon)
{
    try {
        FSettingsRegistry.WriteInteger(kSetupSection, "Display", Display);
        FSettingsRegistry.WriteInteger(kSetupSection, "SunSpots", SunSpots);
        WriteRegExtended(kSetupSection, "DestLat", DestLat);
        WriteRegExtended(kSetupSection, "DestLon", DestLon);
    } catch (const plat::Exception&) {
        plat::Application->MessageBox(kWriteProblem, kProblemTitle, plat::MB_ICONWARNING);
        return false;
    }
    return true;
}

}  // namespace skelda::app
