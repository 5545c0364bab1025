#pragma once

#include "platform/controls/core/TCustomControl.h"

namespace plat {

// The window a hint shows in: a borderless top-level window that never takes the activation,
// filled with the hint colour and the hint text. Richer hints derive from it and override
// CalcHintRect and Paint.
class THintWindow : public TCustomControl {
public:
    explicit THintWindow(TComponent* AOwner);

    std::string ClassName() const override { return "THintWindow"; }

    // Size the hint needs (Left and Top 0), the text wrapped at MaxWidth.
    virtual TRect CalcHintRect(int MaxWidth, const std::string& AHint, void* AData);
    // Shows the hint in Rect (screen coordinates), kept on the screen.
    virtual void ActivateHint(TRect Rect, const std::string& AHint);
    virtual void ActivateHintData(TRect Rect, const std::string& AHint, void* AData);
    // Hides the hint window.
    void ReleaseHandle();

protected:
    void CreateParams(TCreateParams& Params) const override;
    void Paint() override;
};

}  // namespace plat
