#pragma once

#include "grid/settings/TNotifyingSettings.h"
#include "platform/core/ChangeValue.h"
#include "platform/graphics/Colors.h"

#include <functional>
#include <memory>
#include <string>

namespace plat {
class TFont;
}  // namespace plat

namespace skelda::grid {

enum TSearchDirection { sdTopBottom, sdLeftRight };

// Settings of the search bar under the grid. The grid applies them to its search panel on
// OnChange; the search itself reads the Search... properties when it runs.
class TSearchFooter : public TNotifyingSettings {
public:
    // FillCaptions gives the captions and hints their English texts, for a grid newly placed on
    // a form being designed; otherwise they start empty and come from the stored form.
    explicit TSearchFooter(bool FillCaptions);
    ~TSearchFooter() override;

    std::string ClassName() const override { return "TSearchFooter"; }

    // From another TSearchFooter: every published setting except AutoSearch and
    // SearchFixedCells, the font by value, without a notice. Other sources are ignored.
    void Assign(const plat::TPersistent& Source) override;

    bool GetVisible() const { return FVisible; }
    void SetVisible(bool Value)
    {
        if (plat::ChangeValue(FVisible, Value))
            Changed();
    }
    plat::TColor GetColor() const { return FColor; }
    void SetColor(plat::TColor Value) { Store(FColor, Value); }
    plat::TColor GetColorTo() const { return FColorTo; }
    void SetColorTo(plat::TColor Value) { Store(FColorTo, Value); }
    plat::TFont& Font() { return *FFont; }
    const plat::TFont& Font() const { return *FFont; }
    // Copies Value into the footer's own font.
    void SetFont(const plat::TFont& Value);

    bool GetShowClose() const { return FShowClose; }
    void SetShowClose(bool Value) { Store(FShowClose, Value); }
    bool GetShowFindNext() const { return FShowFindNext; }
    void SetShowFindNext(bool Value) { StoreChanged(FShowFindNext, Value); }
    bool GetShowFindPrev() const { return FShowFindPrev; }
    void SetShowFindPrev(bool Value) { StoreChanged(FShowFindPrev, Value); }
    bool GetShowHighLight() const { return FShowHighLight; }
    void SetShowHighLight(bool Value) { StoreChanged(FShowHighLight, Value); }
    bool GetShowMatchCase() const { return FShowMatchCase; }
    void SetShowMatchCase(bool Value) { StoreChanged(FShowMatchCase, Value); }

    const std::string& GetFindNextCaption() const { return FFindNextCaption; }
    void SetFindNextCaption(const std::string& Value) { Store(FFindNextCaption, Value); }
    const std::string& GetFindPrevCaption() const { return FFindPrevCaption; }
    void SetFindPrevCaption(const std::string& Value) { Store(FFindPrevCaption, Value); }
    const std::string& GetMatchCaseCaption() const { return FMatchCaseCaption; }
    void SetMatchCaseCaption(const std::string& Value) { Store(FMatchCaseCaption, Value); }
    const std::string& GetHighLightCaption() const { return FHighLightCaption; }
    void SetHighLightCaption(const std::string& Value) { Store(FHighLightCaption, Value); }
    const std::string& GetHintClose() const { return FHintClose; }
    void SetHintClose(const std::string& Value) { Store(FHintClose, Value); }
    const std::string& GetHintFindNext() const { return FHintFindNext; }
    void SetHintFindNext(const std::string& Value) { Store(FHintFindNext, Value); }
    const std::string& GetHintFindPrev() const { return FHintFindPrev; }
    void SetHintFindPrev(const std::string& Value) { Store(FHintFindPrev, Value); }
    const std::string& GetHintHighlight() const { return FHintHighlight; }
    void SetHintHighlight(const std::string& Value) { Store(FHintHighlight, Value); }

    bool GetAutoSearch() const { return FAutoSearch; }
    void SetAutoSearch(bool Value) { FAutoSearch = Value; }
    bool GetAlwaysHighLight() const { return FAlwaysHighLight; }
    void SetAlwaysHighLight(bool Value) { FAlwaysHighLight = Value; }
    bool GetSearchActiveColumnOnly() const { return FSearchActiveColumnOnly; }
    void SetSearchActiveColumnOnly(bool Value) { FSearchActiveColumnOnly = Value; }
    bool GetSearchMatchStart() const { return FSearchMatchStart; }
    void SetSearchMatchStart(bool Value) { FSearchMatchStart = Value; }
    bool GetSearchFixedCells() const { return FSearchFixedCells; }
    void SetSearchFixedCells(bool Value) { FSearchFixedCells = Value; }
    bool GetSearchHiddenRows() const { return FSearchHiddenRows; }
    void SetSearchHiddenRows(bool Value) { FSearchHiddenRows = Value; }
    // The column searched; -1 for all columns.
    int GetSearchColumn() const { return FSearchColumn; }
    void SetSearchColumn(int Value) { FSearchColumn = Value; }
    TSearchDirection GetSearchDirection() const { return FSearchDirection; }
    void SetSearchDirection(TSearchDirection Value) { FSearchDirection = Value; }

    bool GetAutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool Value) { Store(FAutoThemeAdapt, Value); }
    const std::string& GetLastSearch() const { return FLastSearch; }
    void SetLastSearch(const std::string& Value) { FLastSearch = Value; }

private:
    // Most settings report every write; the four Show... switches other than ShowClose only a
    // change, as the search panel was designed.
    template <typename T>
    void Store(T& Field, const T& Value)
    {
        Field = Value;
        Changed();
    }
    void StoreChanged(bool& Field, bool Value)
    {
        if (plat::ChangeValue(Field, Value))
            Changed();
    }
    bool FVisible = false;
    plat::TColor FColor = plat::clWhite;
    plat::TColor FColorTo = plat::clBtnFace;
    std::unique_ptr<plat::TFont> FFont;
    bool FShowClose = true;
    bool FShowFindNext = true;
    bool FShowFindPrev = true;
    bool FShowHighLight = true;
    bool FShowMatchCase = true;
    std::string FFindNextCaption;
    std::string FFindPrevCaption;
    std::string FMatchCaseCaption;
    std::string FHighLightCaption;
    std::string FHintClose;
    std::string FHintFindNext;
    std::string FHintFindPrev;
    std::string FHintHighlight;
    bool FAutoSearch = true;
    bool FAlwaysHighLight = false;
    bool FSearchActiveColumnOnly = false;
    bool FSearchMatchStart = false;
    bool FSearchFixedCells = false;
    bool FSearchHiddenRows = false;
    int FSearchColumn = -1;
    TSearchDirection FSearchDirection = sdTopBottom;
    bool FAutoThemeAdapt = false;
    std::string FLastSearch;
};

}  // namespace skelda::grid
