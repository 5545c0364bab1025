#include "app/TSplashForm.h"

#include "app/ProgramVersion.h"
#include "platform/controls/forms/TTimer.h"
#include "platform/controls/standard/TImage.h"
#include "platform/controls/standard/TLabel.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TJPEGImage.h"
#include "platform/graphics/TPicture.h"

namespace skelda::app {

namespace {

constexpr const char* kNotice =
    "SKELDA predicts short-wave propagation between your station and any place on Earth, hour by "
    "hour: the maximum usable frequency, the hops, the takeoff angle and the signal from 2 to 30 MHz. "
    "At start it fetches the day's solar flux from a public space-weather bulletin and uses the "
    "month's predicted flux when it cannot. Predictions are estimates of average conditions; set up "
    "your station with the Setup dialog button.";

plat::TLabel* NewLabel(plat::TForm& form, plat::TRect bounds, int fontHeight, bool bold)
{
    auto* label = new plat::TLabel(&form);
    label->SetBoundsRect(bounds);
    label->SetTransparent(true);
    label->Font().SetName("Arial");
    label->Font().SetHeight(fontHeight);
    label->Font().SetColor(plat::clWindow);
    if (bold)
        label->Font().SetStyle({plat::fsBold});
    label->SetParent(&form);
    return label;
}

}  // namespace

TSplashForm::TSplashForm(plat::TComponent* AOwner) : plat::TForm(AOwner)
{
    SetBorderStyle(plat::bsNone);
    SetBorderIcons({});
    SetPosition(plat::poScreenCenter);
    SetClientWidth(kWidthPx);
    SetClientHeight(kHeightPx);

    ImgSplash = new plat::TImage(this);
    ImgSplash->SetBoundsRect(plat::Bounds(0, 0, kWidthPx, kHeightPx));
    ImgSplash->SetAutoSize(true);
    plat::TJPEGImage picture;
    picture.LoadFromResourceName("SPLASH");
    ImgSplash->Picture().SetGraphic(&picture);
    ImgSplash->SetParent(this);

    InfoLabel = NewLabel(*this, plat::Bounds(4, 197, 508, 140), -11, false);
    InfoLabel->SetAutoSize(false);
    InfoLabel->SetBoundsRect(plat::Bounds(4, 197, 508, 140));
    InfoLabel->SetWordWrap(true);
    InfoLabel->SetCaption(kNotice);
    BuildLabel = NewLabel(*this, plat::Bounds(343, 165, 127, 17), -16, true);
    BuildLabel->SetCaption("Build ");
    DateLabel = NewLabel(*this, plat::Bounds(0, kHeightPx - 17, kWidthPx, 17), -13, true);
    DateLabel->SetAlign(plat::alBottom);
    DateLabel->SetAlignment(plat::taRightJustify);
    DateLabel->SetCaption(kVersionLine);

    SplashTimer = new plat::TTimer(this);
    SplashTimer->SetInterval(kWaitMs);
    SplashTimer->OnTimer = [this](plat::TObject* sender) { SplashTimerTimer(sender); };
    OnCreate = [this](plat::TObject* sender) { FormCreate(sender); };
}

void TSplashForm::FormCreate(plat::TObject*)
{
    BuildLabel->SetCaption(BuildText());
}

void TSplashForm::SplashTimerTimer(plat::TObject*)
{
    SplashTimer->SetEnabled(false);
}

}  // namespace skelda::app
