#include "platform/graphics/TGraphic.h"

#include "platform/graphics/EInvalidGraphic.h"

namespace plat {

void TGraphic::SetTransparent(bool Value)
{
    if (Value == FTransparent)
        return;
    FTransparent = Value;
    Changed(this);
}

void TGraphic::LoadFromStream(TStream&)
{
    throw EInvalidGraphic(ClassName() + " cannot be read from a stream");
}

void TGraphic::SaveToStream(TStream&) const
{
    throw EInvalidGraphic(ClassName() + " cannot be written to a stream");
}

std::unique_ptr<TGraphic> TGraphic::Clone() const
{
    throw EInvalidGraphic("Cannot copy a " + ClassName());
}

void TGraphic::Changed(TObject* Sender)
{
    if (OnChange)
        OnChange(Sender);
}

}  // namespace plat
