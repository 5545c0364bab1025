#pragma once

#include "platform/controls/core/TGraphicControl.h"

#include <memory>

namespace skelda::foundation {
class TGDIPPicture;
}

namespace skelda::pager {

// The chrome look of a tab's close button: a light cross that gets a red disc under the mouse
// and a dark one while the left button holds it. It has no window and paints over its parent.
// Any mouse button released over it clicks it, once it is enabled; it calls Click itself.
class TVezPagerButton : public plat::TGraphicControl {
public:
    explicit TVezPagerButton(plat::TComponent* AOwner);
    ~TVezPagerButton() override;

    std::string ClassName() const override { return "TVezPagerButton"; }

    bool GetTransparent() const { return FTransparent; }
    void SetTransparent(bool Value) { FTransparent = Value; }
    bool GetDrawClose() const { return FDrawClose; }
    void SetDrawClose(bool Value) { FDrawClose = Value; }
    bool GetMouseInside() const { return FMouseEnter; }
    bool GetMouseDown() const { return FMouseDown; }

    foundation::TGDIPPicture& Picture() const { return *FIPicture; }
    foundation::TGDIPPicture& HotPicture() const { return *FIHotPicture; }
    foundation::TGDIPPicture& DownPicture() const { return *FIDownPicture; }
    foundation::TGDIPPicture& DisabledPicture() const { return *FIDisabledPicture; }

    void Dispatch(plat::TMessage& Message) override;

    // With the button as sender, when the pointer comes over it or leaves it.
    plat::TNotifyEvent OnMouseEnter;
    plat::TNotifyEvent OnMouseLeave;

protected:
    void Paint() override;
    void MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void MouseMove(plat::TShiftState Shift, int X, int Y) override;
    void MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;

private:
    bool Designing() const { return ComponentState().Contains(plat::csDesigning); }
    void HoverChanged(bool Inside);

    bool FMouseEnter = false;
    bool FTransparent = true;
    bool FMouseDown = false;
    std::unique_ptr<foundation::TGDIPPicture> FIPicture;
    std::unique_ptr<foundation::TGDIPPicture> FIHotPicture;
    std::unique_ptr<foundation::TGDIPPicture> FIDownPicture;
    std::unique_ptr<foundation::TGDIPPicture> FIDisabledPicture;
    bool FDrawClose = true;
};

}  // namespace skelda::pager
