#include "foundation/TVezHintInfo.h"

#include "foundation/TGDIPPicture.h"
#include "platform/core/TStringList.h"

namespace skelda::foundation {

TVezHintInfo::TVezHintInfo()
    : FPicture(std::make_unique<TGDIPPicture>()), FNotes(std::make_unique<plat::TStringList>())
{
}

TVezHintInfo::~TVezHintInfo() = default;

void TVezHintInfo::Assign(const plat::TPersistent& Source)
{
    const auto* source = dynamic_cast<const TVezHintInfo*>(&Source);
    if (!source)
        return;
    FTitle = source->FTitle;
    FNotes->Assign(*source->FNotes);
    FShowHelp = source->FShowHelp;
    FPicture->Assign(*source->FPicture);
    FWideTitle = source->FWideTitle;
    FWideNotes = source->FWideNotes;
}

bool TVezHintInfo::IsEmpty() const
{
    return FTitle.empty() && FNotes->GetText().empty();
}

void TVezHintInfo::SetNotes(const plat::TStrings& Value)
{
    FNotes->Assign(Value);
}

void TVezHintInfo::SetPicture(const TGDIPPicture& Value)
{
    FPicture->Assign(Value);
}

}  // namespace skelda::foundation
