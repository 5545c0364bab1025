#pragma once

#include "platform/controls/core/TGraphicControl.h"

#include <memory>

namespace plat {

class TCanvas;
class TPicture;

// A windowless picture. Stretch fills the control with it; Proportional shrinks a picture too
// large for the control (or with Stretch, fits any) keeping its shape; Center centres what
// does not fill the control. Transparent leaves out the picture's transparent colour. AutoSize
// sizes the control to each new picture.
//
// Canvas draws on the picture itself, which must be a bitmap (an empty image gets one of the
// control's size): what is drawn stays and shows at the next paint.
class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* AOwner);
    ~TImage() override;

    std::string ClassName() const override { return "TImage"; }

    TPicture& Picture() { return *FPicture; }
    // The picture's canvas; raises EInvalidOperation "Can only modify an image if it contains a
    // bitmap" for a picture of another kind.
    TCanvas& Canvas();

    bool GetStretch() const { return FStretch; }
    void SetStretch(bool Value);
    bool GetCenter() const { return FCenter; }
    void SetCenter(bool Value);
    bool GetProportional() const { return FProportional; }
    void SetProportional(bool Value);
    bool GetTransparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    bool GetAutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);

    // Where the picture lands in the client area.
    TRect DestRect() const;

protected:
    void Paint() override;

private:
    void PictureChanged();

    std::unique_ptr<TPicture> FPicture;
    bool FStretch = false;
    bool FCenter = false;
    bool FProportional = false;
    bool FTransparent = false;
    bool FAutoSize = false;
};

}  // namespace plat
