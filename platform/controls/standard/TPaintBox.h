#pragma once

#include "platform/controls/core/TGraphicControl.h"

namespace plat {

// A windowless area that OnPaint draws on Canvas, which comes with the control's font and a
// brush of its colour. Drawing on Canvas outside OnPaint shows nothing: a paint box keeps no
// picture (see TImage for one that does).
class TPaintBox : public TGraphicControl {
public:
    explicit TPaintBox(TComponent* AOwner);

    std::string ClassName() const override { return "TPaintBox"; }

    TNotifyEvent OnPaint;

protected:
    void Paint() override;
};

}  // namespace plat
