#include "platform/controls/standard/TTabSheet.h"

#include "platform/controls/standard/TPageControl.h"

#include <algorithm>

namespace plat {

TTabSheet::TTabSheet(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle(GetControlStyle() + TControlStyle{csAcceptsControls});
    SetColor(clBtnFace);
    InitVisible(false);
}

TTabSheet::~TTabSheet()
{
    if (FPageControl)
        FPageControl->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* Value)
{
    if (Value == FPageControl)
        return;
    if (FPageControl)
        FPageControl->RemovePage(this);
    SetParent(Value);
    if (Value)
        Value->InsertPage(this);
}

int TTabSheet::GetPageIndex() const
{
    if (!FPageControl)
        return -1;
    const auto& pages = FPageControl->FPages;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int Value)
{
    if (FPageControl)
        FPageControl->MovePage(this, Value);
}

void TTabSheet::SetTabVisible(bool Value)
{
    if (Value == FTabVisible)
        return;
    FTabVisible = Value;
    if (FPageControl)
        FPageControl->UpdateTabs();
}

int TTabSheet::TabIndex() const
{
    if (!FPageControl || !FTabVisible)
        return -1;
    int index = 0;
    for (const TTabSheet* page : FPageControl->FPages) {
        if (page == this)
            return index;
        if (page->FTabVisible)
            ++index;
    }
    return -1;
}

void TTabSheet::Dispatch(TMessage& Message)
{
    TCustomControl::Dispatch(Message);
    if (Message.Msg == CM_TEXTCHANGED && FPageControl)
        FPageControl->UpdateTabs();
}

}  // namespace plat
