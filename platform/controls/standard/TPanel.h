#pragma once

#include "platform/controls/core/TCustomControl.h"
#include "platform/controls/standard/StandardControlTypes.h"

namespace plat {

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

// A container with a bevelled frame and a caption: from the outside in, the outer bevel,
// BorderWidth pixels of the panel's colour and the inner bevel, each bevel BevelWidth pixels
// wide (bvSpace draws like bvRaised). Aligned children share what lies inside them. The
// caption is one line, centred vertically, placed by Alignment.
class TCustomPanel : public TCustomControl {
public:
    explicit TCustomPanel(TComponent* AOwner);

    std::string ClassName() const override { return "TCustomPanel"; }

    TAlignment GetAlignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TBevelCut GetBevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut Value);
    TBevelCut GetBevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut Value);
    int GetBevelWidth() const { return FBevelWidth; }
    // Values below 1 count as 1.
    void SetBevelWidth(int Value);
    int GetBorderWidth() const { return FBorderWidth; }
    // Values below 0 count as 0.
    void SetBorderWidth(int Value);
    // bsSingle adds a one-pixel window border around everything.
    TBorderStyle GetBorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);

    void Dispatch(TMessage& Message) override;

protected:
    void CreateParams(TCreateParams& Params) const override;
    void AdjustClientRect(TRect& Rect) const override;
    void Paint() override;

private:
    void BevelChanged();

    TAlignment FAlignment = taCenter;
    TBevelCut FBevelInner = bvNone;
    TBevelCut FBevelOuter = bvRaised;
    int FBevelWidth = 1;
    int FBorderWidth = 0;
    TBorderStyle FBorderStyle = bsNone;
};

class TPanel : public TCustomPanel {
public:
    using TCustomPanel::TCustomPanel;
    std::string ClassName() const override { return "TPanel"; }
};

}  // namespace plat
