#pragma once

#include "platform/controls/core/TCustomControl.h"

namespace plat {

// A titled frame around related controls: an etched frame with the caption set into its top
// edge. Aligned children share the area inside the frame and below the caption; the
// caption's accelerator focuses the first control inside.
class TCustomGroupBox : public TCustomControl {
public:
    explicit TCustomGroupBox(TComponent* AOwner);

    std::string ClassName() const override { return "TCustomGroupBox"; }

    void Dispatch(TMessage& Message) override;

protected:
    void AdjustClientRect(TRect& Rect) const override;
    void Paint() override;
    // Height of a line of the caption in the control's font.
    int CaptionHeight() const;
};

class TGroupBox : public TCustomGroupBox {
public:
    using TCustomGroupBox::TCustomGroupBox;
    std::string ClassName() const override { return "TGroupBox"; }
};

}  // namespace plat
