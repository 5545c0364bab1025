#pragma once

#include "platform/controls/core/TWinControl.h"

#include "platform/graphics/TCanvas.h"

#include <memory>

namespace plat {

class TControlCanvas;

// A windowed control that paints itself: WM_PAINT erases the client area with Color (unless
// the control is csOpaque or answers WM_ERASEBKGND itself) and calls Paint with Canvas on the
// window. Between paints a double-buffered control's Canvas reads and draws on the image of its
// last paint. WM_PRINTCLIENT with PRF_CLIENT paints the client area (Paint, without erasing) on
// the TPaintContext its WParam carries.
class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* AOwner);
    ~TCustomControl() override;

    std::string ClassName() const override { return "TCustomControl"; }

    TCanvas& Canvas();
    void Dispatch(TMessage& Message) override;

protected:
    virtual void Paint();
    void PaintWindow(TPaintContext& Context) override;

private:
    void PaintOn(const TPaintContext& Context, bool Erase);

    std::unique_ptr<TControlCanvas> FCanvas;
};

}  // namespace plat
