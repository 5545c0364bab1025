#pragma once

#include "platform/core/TPersistent.h"
#include "platform/core/Types.h"

#include <functional>

namespace plat {

class TCanvas;

// A picture that can draw itself on a canvas (bitmaps, icons, ...).
class TGraphic : public TPersistent {
public:
    std::string ClassName() const override { return "TGraphic"; }

    virtual int GetWidth() const = 0;
    virtual int GetHeight() const = 0;
    virtual bool GetEmpty() const = 0;
    virtual bool GetTransparent() const { return FTransparent; }
    virtual void SetTransparent(bool Value);

    // Draws the picture stretched into Rect.
    virtual void Draw(TCanvas& ACanvas, const TRect& Rect) const = 0;

    std::function<void(TObject*)> OnChange;

protected:
    // Fires OnChange; descendants call it after every change of their content.
    virtual void Changed(TObject* Sender);

private:
    bool FTransparent = false;
};

}  // namespace plat
