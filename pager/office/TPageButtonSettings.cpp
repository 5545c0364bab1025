#include "pager/office/TPageButtonSettings.h"

#include "foundation/TGDIPPicture.h"
#include "platform/graphics/Resources.h"

namespace skelda::pager {

namespace {

std::unique_ptr<foundation::TGDIPPicture> ResourcePicture(const char* Name)
{
    auto picture = std::make_unique<foundation::TGDIPPicture>();
    picture->LoadFromResourceName(plat::HInstance(), Name);
    return picture;
}

}  // namespace

TPageButtonSettings::TPageButtonSettings()
    : FScrollButtonNextPicture(ResourcePicture("ZORAONEXT")),
      FScrollButtonPrevPicture(ResourcePicture("ZORAOPREV")),
      FPageListButtonPicture(ResourcePicture("ZORAOLIST")),
      FCloseButtonPicture(ResourcePicture("ZORAOCLOSE")),
      FScrollButtonFirstPicture(ResourcePicture("ZORAOFIRST")),
      FScrollButtonLastPicture(ResourcePicture("ZORAOLAST")),
      FClosedListButtonPicture(ResourcePicture("ZORAOLIST")),
      FScrollButtonDownPicture(ResourcePicture("ZORAODOWN")),
      FScrollButtonDownLastPicture(ResourcePicture("ZORAODOWNLAST")),
      FScrollButtonUpPicture(ResourcePicture("ZORAOUP")),
      FScrollButtonUpFirstPicture(ResourcePicture("ZORAOUPFIRST"))
{
    // The side arrows are only ever the built-in ones, so they need no handler.
    for (foundation::TGDIPPicture* picture :
         {FScrollButtonNextPicture.get(), FScrollButtonPrevPicture.get(), FScrollButtonFirstPicture.get(),
          FScrollButtonLastPicture.get(), FPageListButtonPicture.get(), FCloseButtonPicture.get(),
          FClosedListButtonPicture.get()})
        picture->OnChange = [this](plat::TObject* Sender) { PictureChanged(Sender); };
}

TPageButtonSettings::~TPageButtonSettings() = default;

void TPageButtonSettings::Assign(const plat::TPersistent& Source)
{
    const auto* source = dynamic_cast<const TPageButtonSettings*>(&Source);
    if (!source) {
        plat::TPersistent::Assign(Source);
        return;
    }
    FPageListButton = source->FPageListButton;
    FCloseButton = source->FCloseButton;
    FClosedListButton = source->FClosedListButton;
    FScrollButtonNextPicture->Assign(*source->FScrollButtonNextPicture);
    FScrollButtonPrevPicture->Assign(*source->FScrollButtonPrevPicture);
    FPageListButtonPicture->Assign(*source->FPageListButtonPicture);
    FCloseButtonPicture->Assign(*source->FCloseButtonPicture);
    FClosedListButtonPicture->Assign(*source->FClosedListButtonPicture);
    FScrollButtonsAlways = source->FScrollButtonsAlways;
    FFirstButton = source->FFirstButton;
    FLastButton = source->FLastButton;
    FScrollButtonFirstPicture->Assign(*source->FScrollButtonFirstPicture);
    FScrollButtonLastPicture->Assign(*source->FScrollButtonLastPicture);
    FScrollButtonPrevHint = source->FScrollButtonPrevHint;
    FScrollButtonNextHint = source->FScrollButtonNextHint;
    FCloseButtonHint = source->FCloseButtonHint;
    FPageListButtonHint = source->FPageListButtonHint;
    FScrollButtonFirstHint = source->FScrollButtonFirstHint;
    FScrollButtonLastHint = source->FScrollButtonLastHint;
    FClosedListButtonHint = source->FClosedListButtonHint;
    FInsertButtonHint = source->FInsertButtonHint;
    SetCloseButtonLook(source->FCloseButtonLook);
    SetShowInsertButton(source->FShowInsertButton);
    SetButtonSize(source->FButtonSize);
}

void TPageButtonSettings::SetPicture(foundation::TGDIPPicture& Target, const foundation::TGDIPPicture& Value)
{
    Target.Assign(Value);
    Changed();
}

void TPageButtonSettings::SetCloseButtonPicture(const foundation::TGDIPPicture& Value)
{
    SetPicture(*FCloseButtonPicture, Value);
}

void TPageButtonSettings::SetPageListButtonPicture(const foundation::TGDIPPicture& Value)
{
    SetPicture(*FPageListButtonPicture, Value);
}

void TPageButtonSettings::SetClosedListButtonPicture(const foundation::TGDIPPicture& Value)
{
    SetPicture(*FClosedListButtonPicture, Value);
}

void TPageButtonSettings::SetScrollButtonNextPicture(const foundation::TGDIPPicture& Value)
{
    SetPicture(*FScrollButtonNextPicture, Value);
}

void TPageButtonSettings::SetScrollButtonPrevPicture(const foundation::TGDIPPicture& Value)
{
    SetPicture(*FScrollButtonPrevPicture, Value);
}

void TPageButtonSettings::SetScrollButtonFirstPicture(const foundation::TGDIPPicture& Value)
{
    SetPicture(*FScrollButtonFirstPicture, Value);
}

void TPageButtonSettings::SetScrollButtonLastPicture(const foundation::TGDIPPicture& Value)
{
    SetPicture(*FScrollButtonLastPicture, Value);
}

const foundation::TGDIPPicture& TPageButtonSettings::ScrollPicture(TPagerScrollButton Button,
                                                                  TTabPosition Position) const
{
    const bool side = Position == tpLeft || Position == tpRight;
    switch (Button) {
    case psbFirst:
        return !side || FFirstPictureChanged ? *FScrollButtonFirstPicture : *FScrollButtonUpFirstPicture;
    case psbPrevious:
        return !side || FPrevPictureChanged ? *FScrollButtonPrevPicture : *FScrollButtonUpPicture;
    case psbNext:
        return !side || FNextPictureChanged ? *FScrollButtonNextPicture : *FScrollButtonDownPicture;
    case psbLast:
        break;
    }
    return !side || FLastPictureChanged ? *FScrollButtonLastPicture : *FScrollButtonDownLastPicture;
}

void TPageButtonSettings::PictureChanged(plat::TObject* Sender)
{
    if (Sender == FScrollButtonNextPicture.get())
        FNextPictureChanged = true;
    else if (Sender == FScrollButtonPrevPicture.get())
        FPrevPictureChanged = true;
    else if (Sender == FScrollButtonLastPicture.get())
        FLastPictureChanged = true;
    else if (Sender == FScrollButtonFirstPicture.get())
        FFirstPictureChanged = true;
    Changed();
}

}  // namespace skelda::pager
