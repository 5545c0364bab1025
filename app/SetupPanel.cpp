#include "app/SetupPanel.h"

#include "app/PredictionSettings.h"
#include "app/RegistryExtended.h"
#include "app/RestartNotice.h"
#include "app/SettingsStore.h"
#include "editcontrols/panel/TKvCaptionPanel.h"
#include "editcontrols/spin/TKvSpinEdit.h"
#include "engine/Locator.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/services/DialogService.h"
#include "platform/controls/standard/TCheckBox.h"
#include "platform/controls/standard/TLabeledEdit.h"
#include "platform/controls/standard/TPanel.h"
#include "platform/controls/standard/TRadioGroup.h"
#include "platform/core/Exception.h"
#include "platform/core/Utf8.h"
#include "platform/system/Conversions.h"
#include "platform/system/FloatFormat.h"
#include "platform/system/TRegIniFile.h"

#include <cmath>

namespace skelda::app {

namespace {

constexpr int kStoredDisplayCount = 4;
constexpr int kStoredGainTableCount = 3;
// The threshold frequency the panel offers when none was saved, MHz.
constexpr int kSetupSeuilFreqMHz = 21;
constexpr int kLocatorLength = 6;

void ShowHemisphere(plat::TPanel& panel, long double value, const char* positiveWord, const char* negativeWord)
{
    panel.SetCaption(value > 0 ? positiveWord : negativeWord);
    panel.SetVisible(value != 0);
}

void Warn(const std::string& text)
{
    plat::Application->MessageBox(text, SettingsStore::kProblemTitle, plat::MB_OK | plat::MB_ICONWARNING);
}

// A stored choice the group does not offer can only come from a damaged file.
int ChoiceOrFirst(int value, int count)
{
    return value >= 0 && value < count ? value : 0;
}

}  // namespace

SetupPanel::SetupPanel(const SetupPanelControls& Controls, editcontrols::TKvCaptionPanel& CFGPanel,
                       plat::TControl& SetupBtn, foundation::TVezTaskDialog& TSKDLG,
                       plat::TRegIniFile& SettingsRegistry, PredictionSettings& settings)
    : c_(Controls), CFGPanel_(CFGPanel), SetupBtn_(SetupBtn), TSKDLG_(TSKDLG), SettingsRegistry_(SettingsRegistry),
      settings_(settings)
{
}

void SetupPanel::SetupBtnClick(plat::TObject*)
{
    Open(true);
}

void SetupPanel::OpenAtFirstStart()
{
    Open(false);
}

void SetupPanel::Open(bool reportReadProblem)
{
    bool damaged = false;
    // A value of another type than the setting's shows the setting's default.
    const auto guarded = [&damaged](auto read, auto fallback) -> decltype(fallback) {
        try {
            return read();
        } catch (const plat::Exception&) {
            damaged = true;
            return fallback;
        }
    };
    plat::TRegIniFile& ini = SettingsRegistry_;
    c_.INDEdit->SetText(guarded(
        [&] { return ini.ReadString(kSetupSection, "MyCall", SettingsStore::kNoCall); }, std::string(SettingsStore::kNoCall)));
    c_.PWRSpin->SetValue(guarded([&] { return ini.ReadInteger(kSetupSection, "Power", 100); }, 100));
    c_.ANGSpin->SetValue(guarded([&] { return ini.ReadInteger(kSetupSection, "MinAngle", 10); }, 10));
    c_.DisplayGroup->SetItemIndex(
        ChoiceOrFirst(guarded([&] { return ini.ReadInteger(kSetupSection, "Display", 0); }, 0), kStoredDisplayCount));
    c_.FreqBox->SetChecked(guarded([&] { return ini.ReadBool(kSetupSection, "Seuil", false); }, false));
    c_.FreqSpin->SetValue(
        guarded([&] { return ini.ReadInteger(kSetupSection, "SeuilFreq", kSetupSeuilFreqMHz); }, kSetupSeuilFreqMHz));
    c_.AGTGroup->SetItemIndex(ChoiceOrFirst(guarded([&] { return ini.ReadInteger(kSetupSection, "GainTable", 0); }, 0),
                                            kStoredGainTableCount));
    settings_.Path = guarded([&] { return ini.ReadBool(kSetupSection, "Path", false); }, false);
    c_.PathGroup->SetItemIndex(settings_.Path ? 1 : 0);

    const long double latitude = guarded([] { return ReadRegExtended(kSetupSection, "Latitude", kMaxLatitudeDeg); }, 0.0L);
    c_.LTTEdit->SetText(plat::FloatToStr(static_cast<double>(latitude)));
    ShowHemisphere(*c_.PLAT, latitude, " North", " South");
    const long double east = -guarded([] { return ReadRegExtended(kSetupSection, "Longitude", kMaxLongitudeDeg); }, 0.0L);
    c_.LNGEdit->SetText(plat::FloatToStr(static_cast<double>(east)));
    ShowHemisphere(*c_.PLON, east, " East", " West");

    CFGPanel_.BringToFront();
    CFGPanel_.Show();
    SetupBtn_.SetEnabled(false);
    if (damaged && reportReadProblem)
        plat::Application->MessageBox(SettingsStore::kReadProblem, SettingsStore::kProblemTitle, plat::MB_ICONERROR);
}

bool SetupPanel::ReadPosition(Position& position) const
{
    struct Field {
        plat::TLabeledEdit* Edit;
        long double Limit;
        const char* RangeText;
        long double* Value;
    };
    const Field fields[] = {{c_.LTTEdit, 90, kLatitudeRange, &position.LatitudeDeg},
                            {c_.LNGEdit, 180, kLongitudeRange, &position.EastLongitudeDeg}};
    for (const Field& field : fields) {
        std::string problem;
        try {
            *field.Value = plat::StrToFloat(field.Edit->GetText());
            if (std::fabs(*field.Value) > field.Limit)
                problem = field.RangeText;
        } catch (const plat::EConvertError& error) {
            problem = error.Message();
        }
        if (!problem.empty()) {
            Warn(problem);
            if (field.Edit->CanFocus())
                field.Edit->SetFocus();
            return false;
        }
    }
    return true;
}

void SetupPanel::OkBtnClick(plat::TObject*)
{
    Position position;
    if (!ReadPosition(position))
        return;
    try {
        plat::TRegIniFile& ini = SettingsRegistry_;
        ini.WriteString(kSetupSection, "MyCall", plat::Trim(c_.INDEdit->GetText()));
        ini.WriteInteger(kSetupSection, "Power", static_cast<int>(std::trunc(c_.PWRSpin->GetValue())));
        ini.WriteInteger(kSetupSection, "Display", c_.DisplayGroup->GetItemIndex());
        ini.WriteBool(kSetupSection, "Seuil", c_.FreqBox->GetChecked());
        ini.WriteInteger(kSetupSection, "SeuilFreq", static_cast<int>(std::trunc(c_.FreqSpin->GetValue())));
        ini.WriteInteger(kSetupSection, "GainTable", c_.AGTGroup->GetItemIndex());
        ini.WriteInteger(kSetupSection, "MinAngle", static_cast<int>(std::trunc(c_.ANGSpin->GetValue())));
        ini.WriteBool(kSetupSection, "Path", settings_.Path);
        WriteRegExtended(kSetupSection, "Latitude", position.LatitudeDeg);
        WriteRegExtended(kSetupSection, "Longitude", -position.EastLongitudeDeg);
    } catch (const plat::Exception&) {
        Warn(SettingsStore::kWriteProblem);
        return;
    }
    Close();
    ShowRestartNotice(TSKDLG_);
}

void SetupPanel::CancelBtnClick(plat::TObject*)
{
    Close();
}

void SetupPanel::Close()
{
    CFGPanel_.SendToBack();
    CFGPanel_.Hide();
    SetupBtn_.SetEnabled(true);
}

void SetupPanel::PathGroupClick(plat::TObject*)
{
    switch (c_.PathGroup->GetItemIndex()) {
    case 0:
        settings_.Path = false;
        break;
    case 1:
        settings_.Path = true;
        break;
    default:
        break;
    }
}

void SetupPanel::LOCEditChange(plat::TObject*)
{
    const std::string text = c_.LOCEdit->GetText();
    if (plat::Utf8Length(text) != kLocatorLength)
        return;
    if (const int wrong = engine::FirstWrongLocatorCharacter(text); wrong != 0) {
        Warn(engine::LocatorWarningText(wrong));
        return;
    }
    const engine::TLoc lat = engine::LocatorToCoord(text, engine::LocatorAxis::Latitude);
    c_.LTTEdit->SetText(plat::FormatFloat("0.######", static_cast<double>(lat.Coord)));
    c_.PLAT->SetCaption(" " + lat.Cardinal);
    c_.PLAT->Show();
    settings_.Latitude = lat.Coord;

    const engine::TLoc lon = engine::LocatorToCoord(text, engine::LocatorAxis::Longitude);
    c_.LNGEdit->SetText(plat::FormatFloat("0.######", static_cast<double>(lon.Coord)));
    c_.PLON->SetCaption(" " + lon.Cardinal);
    c_.PLON->Show();
    settings_.Longitude = -lon.Coord;
}

}  // namespace skelda::app
