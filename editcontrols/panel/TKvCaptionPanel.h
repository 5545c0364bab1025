#pragma once

#include "editcontrols/base/IKvDenySubClassing.h"
#include "editcontrols/panel/CaptionPanelTypes.h"
#include "editcontrols/panel/TKvCustomPanel.h"
#include "platform/controls/core/ControlTypes.h"

#include <array>
#include <memory>
#include <string>

namespace plat {
class TFont;
class TIcon;
}  // namespace plat

namespace skelda::editcontrols {

class TKvCapBtn;

// A panel with a caption bar along one of its sides (CaptionPosition): the caption in its own
// font (read upward on the left side, downward on the right), an optional icon and up to five
// small caption buttons (Buttons) that only report their clicks (OnButtonClick). Child
// controls are aligned in the area beside the bar.
//
// Moving and sizing by mouse (the panel's own hit test, HitTest):
// - A press in the bar with AutoDrag set, allowed by StartAutoDrag (by default when the panel is
//   not aligned; OnStartAutoDrag may change the answer), brings the panel to the front, takes the
//   mouse capture and moves the panel with the mouse until the release (OnEndAutoDrag).
// - A Resizable panel with a single border has a thick frame: a left press in it takes the
//   capture and moves the edges pressed (a corner moves two) with the mouse until the release.
//   Over the frame the cursor shows the sizing arrows.
//
// OutlookLook makes the bar thinner and flush with the client area; FlatButtons draws the
// caption buttons flat.
class TKvCaptionPanel : public TKvCustomPanel, public IKvDenySubClassing {
public:
    explicit TKvCaptionPanel(plat::TComponent* AOwner);
    ~TKvCaptionPanel() override;

    std::string ClassName() const override { return "TKvCaptionPanel"; }

    // The caption shows only in the bar: setting it leaves the control's own text empty.
    const std::string& GetCaption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    TKvDrawPosition GetCaptionPosition() const { return FCaptionPosition; }
    void SetCaptionPosition(TKvDrawPosition Value);
    // Shows exactly these caption buttons.
    TKvCapBtnStyles GetButtons() const { return FButtons; }
    void SetButtons(TKvCapBtnStyles Value);
    bool GetAutoDrag() const { return FAutoDrag; }
    void SetAutoDrag(bool Value) { FAutoDrag = Value; }
    plat::TColor GetCaptionColor() const { return FCaptionColor; }
    void SetCaptionColor(plat::TColor Value);
    bool GetFlatButtons() const { return FFlat; }
    void SetFlatButtons(bool Value);
    // Size 10, bold, white.
    plat::TFont& CaptionFont() { return *FCaptionFont; }
    bool GetOutlookLook() const { return FOutlookLook; }
    void SetOutlookLook(bool Value);
    plat::TIcon& Icon() { return *FIcon; }
    void SetIcon(const plat::TIcon& Value);
    bool GetResizable() const { return FResizable; }
    void SetResizable(bool Value);
    // 0: the system caption height.
    int GetCaptionHeight() const { return FCaptionHeight; }
    void SetCaptionHeight(int Value);

    // The bar's thickness: CaptionHeight, or the system caption height for 0.
    int CaptionThickness() const;
    // The thickness painted: with OutlookLook 3 (left), 4 (right) or 5 (top, bottom) less, and
    // then 1 more with FlatButtons.
    int PaintedCaptionThickness() const;
    // The bar in client coordinates.
    plat::TRect CaptionRect() const;
    // The area the children are aligned in.
    plat::TRect ChildArea() const;
    TKvCapBtn& CaptionButton(TKvCapBtnStyle Style) const;
    bool Dragging() const { return FDragging; }
    // What lies at a point in client coordinates: HTCAPTION (the bar), HTCLIENT, a sizing code of
    // the frame (HTLEFT .. HTBOTTOMRIGHT, only when the panel can be sized) or HTNOWHERE.
    int HitTest(plat::TPoint Pos) const;

    void Dispatch(plat::TMessage& Message) override;

    TKvCapBtnEvent OnButtonClick;
    plat::TNotifyEvent OnEndAutoDrag;
    TKvAutoDragStartEvent OnStartAutoDrag;

protected:
    friend class TKvCapBtn;

    // Fires OnButtonClick; nothing else (close does not hide the panel).
    virtual void CaptionButtonClick(TKvCapBtnStyle Button);
    // Whether a press in the bar starts a drag.
    virtual bool StartAutoDrag();
    // Fires OnEndAutoDrag.
    virtual void EndAutoDrag();

    void CreateParams(plat::TCreateParams& Params) const override;
    void AlignControls(plat::TControl* AControl, plat::TRect& Rect) override;
    void Paint() override;
    void Resize() override;
    void MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void MouseMove(plat::TShiftState Shift, int X, int Y) override;
    void MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;

private:
    plat::TRect BarRect(int Thickness) const;
    // Rect less the bar's side: from the bar's thickness (without the Outlook change) on.
    void ExcludeBar(plat::TRect& Rect) const;
    void PlaceButtons();
    void LayoutChanged();
    void DrawIcon(const plat::TRect& Bar);
    void DrawCaption(const plat::TRect& Bar);
    bool CanSize() const;
    void SizeTo(plat::TPoint Screen);
    void SetSizingCursor(plat::TMessage& Message);

    std::array<TKvCapBtn*, 5> FButtonArray{};
    TKvDrawPosition FCaptionPosition = dpLeft;
    int FOffset = 8;
    TKvCapBtnStyles FButtons;
    bool FAutoDrag = true;
    bool FMouseDown = false;
    plat::TRect FCaptionRect;
    std::string FCaption;
    plat::TColor FCaptionColor = plat::clActiveCaption;
    bool FFlat = false;
    int FBevel = 2;
    bool FDragging = false;
    std::unique_ptr<plat::TFont> FCaptionFont;
    bool FOutlookLook = false;
    int FCaptionOffsetSmall = 2;
    int FCaptionOffsetLarge = 3;
    std::unique_ptr<plat::TIcon> FIcon;
    plat::TPoint FAnchorPos;
    bool FResizable = true;
    int FCaptionHeight = 0;
    // Sizing by the frame: the edges held (a sizing hit-test code, or HTNOWHERE), the press point
    // on the screen and the bounds then.
    int FSizing = plat::HTNOWHERE;
    plat::TPoint FSizeAnchor;
    plat::TRect FSizeStart;
};

}  // namespace skelda::editcontrols
