#pragma once

#include "platform/controls/forms/HintInfo.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/core/TComponent.h"
#include "platform/graphics/Colors.h"

#include <memory>
#include <string>

namespace plat {
class TApplicationEvents;
class TFont;
class TImageList;
}  // namespace plat

namespace skelda::foundation {

class THTMLPictureCache;
class TPictureContainer;

enum THintStyle { hsRectangle, hsRounded };

// Gives every hint of the program mini-HTML: placed once on the main form, it makes the
// application show its hints in THTMLHintWindow and holds their look (colours, font, margins,
// widest width, links, shadow, pictures). The application keeps that window class for good, also
// after the component is gone (its hints then show nothing).
//
// Raises EHTMLHintError "Control parent must be a form!" when the owner is not a form and "Only
// one instance of THTMLHint allowed on form" for a second one on the same form; either way the
// component is not made.
class THTMLHint : public plat::TComponent {
public:
    explicit THTMLHint(plat::TComponent* AOwner);
    ~THTMLHint() override;

    std::string ClassName() const override { return "THTMLHint"; }

    // Cut over-long lines with an ellipsis instead of wrapping them.
    bool GetEllipsis() const { return FEllipsis; }
    void SetEllipsis(bool Value) { FEllipsis = Value; }
    plat::TColor GetHintColor() const { return FHintColor; }
    void SetHintColor(plat::TColor Value) { FHintColor = Value; }
    // The gradient's end colour, top to bottom; clNone: a flat background.
    plat::TColor GetHintColorTo() const { return FHintColorTo; }
    void SetHintColorTo(plat::TColor Value) { FHintColorTo = Value; }
    plat::TFont& HintFont() const { return *FHintFont; }
    // Copies Value.
    void SetHintFont(const plat::TFont& Value);
    THintStyle GetHintStyle() const { return FHintStyle; }
    void SetHintStyle(THintStyle Value) { FHintStyle = Value; }
    plat::TImageList* GetImages() const { return FImages; }
    void SetImages(plat::TImageList* Value);
    // Extra pixels between the lines of a hint.
    int GetLineSpacing() const { return FLineSpacing; }
    void SetLineSpacing(int Value) { FLineSpacing = Value; }
    // Widest a hint may be, in pixels; 0: the application's.
    int GetMaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(int Value) { FMaxWidth = Value; }
    TPictureContainer* GetPictureContainer() const { return FContainer; }
    void SetPictureContainer(TPictureContainer* Value);
    plat::TColor GetShadowColor() const { return FShadowColor; }
    void SetShadowColor(plat::TColor Value) { FShadowColor = Value; }
    int GetShadowOffset() const { return FShadowOffset; }
    void SetShadowOffset(int Value) { FShadowOffset = Value; }
    plat::TColor GetURLColor() const { return FURLColor; }
    void SetURLColor(plat::TColor Value) { FURLColor = Value; }
    // Pixels of room added inside the hint on each side.
    int GetXMargin() const { return FXMargin; }
    void SetXMargin(int Value) { FXMargin = Value; }
    int GetYMargin() const { return FYMargin; }
    void SetYMargin(int Value) { FYMargin = Value; }
    // "1.3.8.0"; writing changes nothing.
    std::string GetVersion() const;
    void SetVersion(const std::string&) {}

    // Pictures the hints loaded from addresses.
    THTMLPictureCache& PictureCache() const { return *FImageCache; }
    // The hint record as the last hint left it (colour, position, widest width, ...).
    const plat::THintInfo& HintInfo() const { return FHintInfo; }

    // Called for every hint after the component's own settings, before the hint is measured: it
    // may change the text, colour, position or widest width, or forbid the hint.
    plat::TShowHintEvent OnShowHint;

    // The application's hint handler (installed by the constructor).
    void AppShowHint(std::string& HintStr, bool& CanShow, plat::THintInfo& HintInfo);

protected:
    void Notification(plat::TComponent* AComponent, plat::TOperation Operation) override;

private:
    plat::TImageList* FImages = nullptr;
    std::unique_ptr<plat::TFont> FHintFont;
    plat::THintInfo FHintInfo;
    plat::TColor FHintColor = plat::clInfoBk;
    plat::TColor FHintColorTo = plat::clNone;
    plat::TColor FURLColor = 0xFF0000;
    std::unique_ptr<THTMLPictureCache> FImageCache;
    bool FEllipsis = false;
    int FShadowOffset = 1;
    plat::TColor FShadowColor = 0x808080;
    TPictureContainer* FContainer = nullptr;
    int FYMargin = 0;
    int FXMargin = 0;
    THintStyle FHintStyle = hsRectangle;
    int FMaxWidth = 0;
    int FLineSpacing = 0;
    plat::TApplicationEvents* FApplicationEvents = nullptr;
};

// The first THTMLHint among the components of the application's main form; nullptr when there
// is no main form or none is on it.
THTMLHint* FindHTMLHint();

// The widest the hint being shown may be, as the last AppShowHint left it (0 before any).
int HTMLHintMaxWidth();

}  // namespace skelda::foundation
