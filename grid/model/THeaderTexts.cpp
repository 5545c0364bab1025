#include "grid/model/THeaderTexts.h"

#include "grid/model/THeaderTextsHost.h"
#include "grid/text/LineBreakForms.h"
#include "platform/core/TStringList.h"

#include <algorithm>

namespace skelda::grid {

THeaderTexts::THeaderTexts(THeaderTextsHost& AHost)
    : FHost(AHost)
    , FColumnHeaders(std::make_unique<plat::TStringList>())
    , FRowHeaders(std::make_unique<plat::TStringList>())
{
    FColumnHeaders->OnChange = [this](plat::TObject*) {
        FHost.ColumnHeadersChanged();
        ShowColumnHeaders();
    };
    FRowHeaders->OnChange = [this](plat::TObject*) { ShowRowHeaders(); };
}

THeaderTexts::~THeaderTexts() = default;

void THeaderTexts::SetColumnHeaders(const plat::TStrings& Value)
{
    FColumnHeaders->Assign(Value);
    if (FHost.FixedRows() > 0)
        ClearColumnHeaders();
    ShowColumnHeaders();
}

void THeaderTexts::ShowColumnHeaders()
{
    if (FHost.FixedRows() <= 0)
        return;
    const int Count = std::min(FColumnHeaders->Count(), FHost.TotalColCount());
    for (int I = 0; I < Count; ++I)
        FHost.SetCellText(I, 0, EscapedToLineBreaks(FColumnHeaders->GetStrings(I)));
}

void THeaderTexts::ClearColumnHeaders()
{
    for (int C = 0; C < FHost.TotalColCount(); ++C)
        FHost.SetCellText(C, 0, "");
}

void THeaderTexts::SetRowHeaders(const plat::TStrings& Value)
{
    FRowHeaders->Assign(Value);
    if (FHost.IsDesigning())
        ClearRowHeaders();
    ShowRowHeaders();
}

void THeaderTexts::ShowRowHeaders()
{
    if (FHost.FixedCols() <= 0)
        return;
    const int Count = std::min(FRowHeaders->Count(), FHost.RowCount());
    for (int I = 0; I < Count; ++I)
        FHost.SetCellText(0, I, EscapedToLineBreaks(FRowHeaders->GetStrings(I)));
}

void THeaderTexts::ClearRowHeaders()
{
    for (int R = 0; R < FHost.RowCount(); ++R)
        FHost.SetCellText(0, R, "");
}

}  // namespace skelda::grid
