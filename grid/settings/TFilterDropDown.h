#pragma once

#include "grid/settings/TNotifyingSettings.h"
#include "platform/graphics/Colors.h"

#include <functional>
#include <memory>

namespace plat {
class TBitmap;
class TFont;
}  // namespace plat

namespace skelda::grid {

// The look of the filter drop-down in a header row. A change of either glyph, by its setter or
// drawn on directly, is reported through OnChange so that the grid repaints its header.
class TFilterDropDown : public TNotifyingSettings {
public:
    TFilterDropDown();
    ~TFilterDropDown() override;

    std::string ClassName() const override { return "TFilterDropDown"; }

    // From another TFilterDropDown: every setting but AutoSize. Other sources are ignored.
    void Assign(const plat::TPersistent& Source) override;

    bool GetAutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value) { FAutoSize = Value; }
    int GetHeight() const { return FHeight; }
    void SetHeight(int Value) { FHeight = Value; }
    int GetWidth() const { return FWidth; }
    void SetWidth(int Value) { FWidth = Value; }
    plat::TColor GetColor() const { return FColor; }
    void SetColor(plat::TColor Value) { FColor = Value; }
    // Make the list as wide as its column.
    bool GetColumnWidth() const { return FColumnWidth; }
    void SetColumnWidth(bool Value) { FColumnWidth = Value; }
    plat::TFont& Font() { return *FFont; }
    const plat::TFont& Font() const { return *FFont; }
    void SetFont(const plat::TFont& Value);
    plat::TBitmap& Glyph() { return *FGlyph; }
    const plat::TBitmap& Glyph() const { return *FGlyph; }
    void SetGlyph(const plat::TBitmap& Value);
    // The glyph of a column with an active filter.
    plat::TBitmap& GlyphActive() { return *FGlyphActive; }
    const plat::TBitmap& GlyphActive() const { return *FGlyphActive; }
    void SetGlyphActive(const plat::TBitmap& Value);

private:
    bool FAutoSize = false;
    int FHeight = 150;
    int FWidth = 150;
    plat::TColor FColor = plat::clWindow;
    bool FColumnWidth = false;
    std::unique_ptr<plat::TFont> FFont;
    std::unique_ptr<plat::TBitmap> FGlyph;
    std::unique_ptr<plat::TBitmap> FGlyphActive;
};

}  // namespace skelda::grid
