#pragma once

#include "platform/controls/core/TWinControl.h"
#include "platform/controls/standard/StandardControlTypes.h"

#include <functional>

class QScrollBar;

namespace plat {

enum TScrollBarKind { sbHorizontal, sbVertical };

// ScrollPos is where the thumb is going; the handler may change it.
using TScrollEvent = std::function<void(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos)>;

// A scroll bar on Qt's scroll bar. Position lies between Min and Max - PageSize + 1 (Max
// without a page); PageSize sizes the thumb. The arrows move by SmallChange, the track by
// LargeChange. Every user action (arrows, track, dragging the thumb, keys) comes as a scroll
// notification (CN_HSCROLL or CN_VSCROLL: the TScrollCode in the low word of WParam, the
// position in LParam); OnScroll sees the code and the new position first, then Position takes
// it and OnChange runs. Setting Position by code runs OnChange too.
class TScrollBar : public TWinControl {
public:
    explicit TScrollBar(TComponent* AOwner);

    std::string ClassName() const override { return "TScrollBar"; }

    TScrollBarKind GetKind() const { return FKind; }
    // Turning the bar swaps its width and height.
    void SetKind(TScrollBarKind Value);
    int GetMin() const { return FMin; }
    void SetMin(int Value) { SetParams(FPosition, Value, FMax); }
    int GetMax() const { return FMax; }
    void SetMax(int Value) { SetParams(FPosition, FMin, Value); }
    int GetPosition() const { return FPosition; }
    void SetPosition(int Value) { SetParams(Value, FMin, FMax); }
    // Raises EInvalidOperation "Scrollbar property out of range" when AMax < AMin or
    // AMax < PageSize; the position is clipped to the range.
    void SetParams(int APosition, int AMin, int AMax);
    int GetSmallChange() const { return FSmallChange; }
    void SetSmallChange(int Value);
    int GetLargeChange() const { return FLargeChange; }
    void SetLargeChange(int Value);
    int GetPageSize() const { return FPageSize; }
    // Raises EInvalidOperation when larger than the range.
    void SetPageSize(int Value);

    void Dispatch(TMessage& Message) override;

    TNotifyEvent OnChange;
    TScrollEvent OnScroll;

protected:
    TWindowHost* CreateHost(const TCreateParams& Params) override;
    void CreateWnd() override;
    void KeyDown(unsigned& Key, TShiftState Shift) override;
    virtual void Change();
    virtual void Scroll(TScrollCode ScrollCode, int& ScrollPos);

private:
    void DoScroll(TScrollCode Code, int Pos);
    // A user action Qt reports (QAbstractSlider::SliderAction).
    void NativeAction(int Action);
    // Qt::Orientation of the bar.
    int Orientation() const;
    int LastPosition() const;
    void ShowRange();
    QScrollBar* Bar() const;

    TScrollBarKind FKind = sbHorizontal;
    int FMin = 0;
    int FMax = 100;
    int FPosition = 0;
    int FSmallChange = 1;
    int FLargeChange = 1;
    int FPageSize = 0;
};

}  // namespace plat
