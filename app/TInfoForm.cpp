#include "app/TInfoForm.h"

#include "editcontrols/button/TKvHTButton.h"
#include "platform/controls/standard/TMemo.h"
#include "platform/core/Exception.h"
#include "platform/core/TStrings.h"
#include "platform/system/Beeper.h"
#include "platform/system/Environment.h"

namespace skelda::app {

namespace {

constexpr unsigned kNotFoundBeep = 1;

}  // namespace

TInfoForm::TInfoForm(plat::TComponent* AOwner) : plat::TForm(AOwner)
{
    SetBorderStyle(plat::bsToolWindow);
    SetBorderIcons({plat::biSystemMenu});
    SetPosition(plat::poScreenCenter);
    SetCaption("Info");
    SetColor(plat::clGradientActiveCaption);
    SetWidth(480);
    SetHeight(375);

    Memo = new plat::TMemo(this);
    Memo->SetBoundsRect(plat::Bounds(0, 0, GetClientWidth(), 318));
    Memo->SetAlign(plat::alTop);
    Memo->SetColor(plat::clGradientInactiveCaption);
    Memo->SetScrollBars(plat::ssVertical);
    Memo->SetParent(this);

    CloseBtn = new editcontrols::TKvHTButton(this);
    CloseBtn->SetBoundsRect(plat::Bounds(385, 322, 75, 25));
    CloseBtn->SetKind(plat::bkClose);
    CloseBtn->SetCaption("Close");
    CloseBtn->SetParent(this);
}

void TInfoForm::LoadText(const std::string& FileName)
{
    try {
        Memo->Lines().LoadFromFile(FileName);
    } catch (const plat::Exception&) {
        plat::Env().Beeper->MessageBeep(kNotFoundBeep);
        Memo->SetText(kNotFoundText);
    }
}

}  // namespace skelda::app
