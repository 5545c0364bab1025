#include "grid/support/CellGraphicCopy.h"

#include "grid/support/TCellGraphic.h"
#include "platform/core/TStringList.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TIcon.h"
#include "platform/graphics/TPicture.h"

namespace skelda::grid {

namespace {

template <typename T>
bool OwnCopyOf(const plat::TObject* Object, TCellReference& Target)
{
    const auto* Source = dynamic_cast<const T*>(Object);
    if (!Source)
        return false;
    auto Copy = std::make_unique<T>();
    Copy->Assign(*Source);
    Target.Own(std::move(Copy));
    return true;
}

void CopyReference(const TCellReference& Source, TCellReference& Target, int ACol, int ARow,
                   const TImageChangeEvent& ImageChanged)
{
    if (Source.IsColor()) {
        Target.SetColor(Source.GetColor());
        return;
    }
    const plat::TObject* Object = Source.GetObject();
    if (!Object)
        return;
    if (!Source.IsOwned()) {
        Target.Borrow(const_cast<plat::TObject*>(Object));
        return;
    }
    if (const auto* List = dynamic_cast<const TIntList*>(Object)) {
        auto Copy = std::make_unique<TIntList>(ACol, ARow);
        for (int I = 0; I < List->Count(); ++I)
            Copy->Add(List->GetValue(I));
        Copy->OnChange = ImageChanged;
        Target.Own(std::move(Copy));
        return;
    }
    OwnCopyOf<plat::TBitmap>(Object, Target) || OwnCopyOf<plat::TIcon>(Object, Target) ||
        OwnCopyOf<plat::TPicture>(Object, Target) || OwnCopyOf<plat::TStringList>(Object, Target);
}

}  // namespace

std::unique_ptr<TCellGraphic> CopyCellGraphic(const TCellGraphic& Source, int ACol, int ARow,
                                              const TImageChangeEvent& ImageChanged)
{
    auto Copy = std::make_unique<TCellGraphic>();
    Copy->Assign(Source);
    Copy->SetCellVar(Source.GetCellVar());
    Copy->SetCellCheckBoxState(Source.GetCellCheckBoxState());
    CopyReference(Source.CellBitmap(), Copy->CellBitmap(), ACol, ARow, ImageChanged);
    CopyReference(Source.CellIcon(), Copy->CellIcon(), ACol, ARow, ImageChanged);
    return Copy;
}

}  // namespace skelda::grid
