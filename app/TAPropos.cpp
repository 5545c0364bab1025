#include "app/TAPropos.h"

#include "app/PlaceControl.h"
#include "platform/controls/standard/TBitBtn.h"
#include "platform/controls/standard/TImage.h"
#include "platform/controls/standard/TLabel.h"
#include "platform/controls/standard/TPanel.h"
#include "platform/core/FormatSettings.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TJPEGImage.h"
#include "platform/graphics/TPicture.h"
#include "platform/system/Environment.h"
#include "platform/system/FloatFormat.h"
#include "platform/system/PlatformInformation.h"

namespace skelda::app {

namespace {

constexpr const char* kAboutText =
    "SKELDA v1.7a\r\n"
    "HF propagation prediction\r\n"
    "for radio amateurs: MUF, hops,\r\n"
    "angles and signal, hour by hour.\r\n"
    "Vantel Software";
constexpr const char* kNotice = "World map pictures: NASA Visible Earth. Predictions are estimates of average conditions.";

}  // namespace

std::string PhysicalMemoryText(std::uint64_t bytes)
{
    plat::TFormatSettings settings = plat::FormatSettings();
    settings.ThousandSeparator = '.';
    return plat::FormatFloat("#,###", static_cast<double>(bytes / 1024), settings) + " Ko";
}

TAPropos::TAPropos(plat::TComponent* AOwner) : plat::TForm(AOwner)
{
    SetBorderStyle(plat::bsDialog);
    SetPosition(plat::poScreenCenter);
    SetCaption(kCaption);
    SetColor(plat::clGradientActiveCaption);
    SetWidth(538);
    SetHeight(198);
    const int clientWidth = GetClientWidth();

    Label2 = PlaceControl<plat::TLabel>(*this, *this, plat::Bounds(0, 0, clientWidth, 16));
    Label2->SetAlign(plat::alBottom);
    Label2->SetAlignment(plat::taCenter);
    Label2->SetCaption(kNotice);

    Panel1 = PlaceControl<plat::TPanel>(*this, *this, plat::Bounds(8, 8, 246, 126));
    Panel1->SetBevelOuter(plat::bvLowered);
    maphoto = PlaceControl<plat::TImage>(*this, *Panel1, plat::Bounds(3, 3, 240, 120));
    plat::TJPEGImage picture;
    picture.LoadFromResourceName("ABOUT");
    maphoto->Picture().SetGraphic(&picture);

    Panel2 = PlaceControl<plat::TPanel>(*this, *this, plat::Bounds(262, 8, clientWidth - 270, 84));
    Panel2->SetBevelOuter(plat::bvLowered);
    MoiLabel = PlaceControl<plat::TLabel>(*this, *Panel2, plat::Bounds(8, 6, clientWidth - 286, 72));
    MoiLabel->SetCaption(kAboutText);

    Label3 = PlaceControl<plat::TLabel>(*this, *this, plat::Bounds(262, 100, 170, 14));
    Label3->SetCaption("Memory available for Windows®:");
    PhysMem = PlaceControl<plat::TLabel>(*this, *this, plat::Bounds(262, 118, 170, 14));
    PhysMem->Font().SetStyle({plat::fsBold});
    PhysMem->SetCaption("XXX");

    CloseBtn = PlaceControl<plat::TBitBtn>(*this, *this, plat::Bounds(clientWidth - 83, 118, 75, 25));
    CloseBtn->SetKind(plat::bkClose);

    OnCreate = [this](plat::TObject* sender) { FormCreate(sender); };
}

void TAPropos::FormCreate(plat::TObject*)
{
    PhysMem->SetCaption(PhysicalMemoryText(plat::Env().Platform->GlobalMemoryStatusEx().TotalPhysBytes));
}

}  // namespace skelda::app
