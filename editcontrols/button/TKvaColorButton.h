#pragma once

#include "editcontrols/base/TKvExBitBtn.h"
#include "platform/controls/standard/TButtonGlyph.h"

#include <functional>
#include <memory>

namespace skelda::editcontrols {

class TKvButtonGlyph;

// Sender, the button held down, the button drawn as the one that has the focus, the face state.
using TPaintButtonEvent =
    std::function<void(plat::TObject* Sender, bool IsDown, bool IsDefault, plat::TButtonState State)>;

// The coloured bitmap button: it draws its whole face itself, in its own Color (button face
// unless set), with the platform's Glyph, NumGlyphs, Layout, Margin and Spacing laid out by its
// glyph drawer (TKvButtonGlyph). OnPaint, when set, draws instead of DefaultDrawing.
//
// With themes on the face is the themed push button (hot while the mouse is over it, defaulted
// while it is drawn as the default button); without, the classic face in Color with a frame in
// the window-frame colour around the default button. IsFocused follows the platform's default
// button rule: the focused button, or the Default button while the focus is on no button.
class TKvaColorButton : public TKvExBitBtn {
public:
    explicit TKvaColorButton(plat::TComponent* AOwner);
    ~TKvaColorButton() override;

    std::string ClassName() const override { return "TKvaColorButton"; }

    TKvButtonGlyph& GlyphDrawer() { return *FGlyphDrawer; }
    // Drawn as the default button.
    bool GetIsFocused() const { return FIsFocused; }

    // The face as the button draws it without OnPaint; only while the button paints.
    void DefaultDrawing(bool IsDown, bool IsDefault, plat::TButtonState State);

    TPaintButtonEvent OnPaint;

protected:
    void Paint() override;
    void CreateWnd() override;
    // Another drawer (the HTML-caption button's).
    void SetGlyphDrawer(std::unique_ptr<TKvButtonGlyph> Drawer);

    void NotifyFocusChanged(plat::TWinControl* Control) override;
    void NotifyMouseEnter(plat::TControl* Control) override;
    void NotifyMouseLeave(plat::TControl* Control) override;

private:
    void SetIsFocused(bool Value);
    void DrawerChanged();

    std::unique_ptr<TKvButtonGlyph> FGlyphDrawer;
    bool FIsFocused = false;
    bool FPainting = false;
};

}  // namespace skelda::editcontrols
