#pragma once

#include "platform/controls/core/TCustomControl.h"

#include <functional>

namespace plat {

enum TUDOrientation { udHorizontal, udVertical };
// btNext is the up (or right) arrow, btPrev the down (or left) one.
enum TUDBtnType { btNext, btPrev };

using TUDClickEvent = std::function<void(TObject* Sender, TUDBtnType Button)>;
using TUDChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

// A pair of arrow buttons that step Position by Increment between Min and Max (with Wrap, past
// one end to the other). Holding an arrow repeats the step, after 400 ms and then every 100 ms.
//
// A step asks OnChanging first (which may refuse it), moves Position, and then reports itself
// as a scroll notification (CN_VSCROLL, CN_HSCROLL when horizontal) with scPosition in the low
// word of WParam and the position in LParam; that notification runs OnClick with the arrow.
//
// An Associate control sits left of the arrows, which take the right end of its former place;
// it shows Position as its text, and what the user types there is where the next step starts.
class TUpDown : public TCustomControl {
public:
    explicit TUpDown(TComponent* AOwner);

    std::string ClassName() const override { return "TUpDown"; }

    TWinControl* GetAssociate() const { return FAssociate; }
    void SetAssociate(TWinControl* Value);
    int GetMin() const { return FMin; }
    void SetMin(int Value);
    int GetMax() const { return FMax; }
    void SetMax(int Value);
    int GetPosition() const { return FPosition; }
    // Kept between Min and Max (in either order).
    void SetPosition(int Value);
    int GetIncrement() const { return FIncrement; }
    void SetIncrement(int Value) { FIncrement = Value; }
    bool GetWrap() const { return FWrap; }
    void SetWrap(bool Value) { FWrap = Value; }
    TUDOrientation GetOrientation() const { return FOrientation; }
    void SetOrientation(TUDOrientation Value);

    using TCustomControl::Click;
    // Steps as a press on that arrow does.
    void Step(TUDBtnType Button);

    void Dispatch(TMessage& Message) override;

    TUDClickEvent OnClick;
    TUDChangingEvent OnChanging;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    virtual bool CanChange();
    virtual void Click(TUDBtnType Button);

private:
    TUDBtnType ButtonAt(int X, int Y) const;
    int Low() const;
    int High() const;
    void ShowInAssociate();
    void ReadAssociate();
    void StopRepeat();

    TWinControl* FAssociate = nullptr;
    int FMin = 0;
    int FMax = 100;
    int FPosition = 0;
    int FIncrement = 1;
    bool FWrap = false;
    TUDOrientation FOrientation = udVertical;
    bool FPressed = false;
    TUDBtnType FPressedButton = btNext;
    TUDBtnType FStepButton = btNext;
};

}  // namespace plat
