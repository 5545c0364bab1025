#pragma once

#include "platform/controls/core/TControl.h"

#include "platform/graphics/TCanvas.h"

#include <memory>

namespace plat {

class TControlCanvas;

// A control without a window: its parent paints it (after the parent's own painting, in
// z-order) and hands it the mouse messages over its area. It cannot take the focus.
class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* AOwner);
    ~TGraphicControl() override;

    std::string ClassName() const override { return "TGraphicControl"; }

    TCanvas& Canvas();

    void Dispatch(TMessage& Message) override;

protected:
    virtual void Paint();

private:
    std::unique_ptr<TControlCanvas> FCanvas;
};

}  // namespace plat
