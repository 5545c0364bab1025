#pragma once

#include "platform/core/TPersistent.h"
#include "platform/core/Types.h"

#include <functional>
#include <memory>

namespace plat {

class TCanvas;
class TStream;

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

    // The picture in its own file format (a bitmap as a BMP file, a JPEG picture as its bytes),
    // from the stream's position to its end, and written at the stream's position. Loading data
    // that is no picture of this kind raises EInvalidGraphic and leaves the picture as it was.
    virtual void LoadFromStream(TStream& Stream);
    virtual void SaveToStream(TStream& Stream) const;
    // A new picture of the same class holding the same picture, so that a picture holder can
    // keep any kind of graphic.
    virtual std::unique_ptr<TGraphic> Clone() const;

    std::function<void(TObject*)> OnChange;

protected:
    // Fires OnChange; descendants call it after every change of their content.
    virtual void Changed(TObject* Sender);

private:
    bool FTransparent = false;
};

}  // namespace plat
