#pragma once

#include "foundation/GPTypes.h"
#include "platform/core/Types.h"

#include <string>

namespace plat {
class TCanvas;
class TFont;
}
namespace skelda::foundation {
class TGPFont;
class TGPGraphics;
class TGPStringFormat;
}

namespace skelda::pager {

// What the face painter asks about text: which of its two text paths a font takes and how
// large a caption comes out on each. The default answers from the platform's fonts; tests give
// fixed widths so that layouts can be checked to the pixel.
class IGlowTextMeasurer {
public:
    virtual ~IGlowTextMeasurer() = default;
    // Whether the font is a scalable (TrueType) face the system has, so GDI+ can draw it.
    virtual bool IsTrueType(plat::TCanvas& Canvas, const plat::TFont& Font) const = 0;
    // The GDI+ bounding box of Text laid out in LayoutRect.
    virtual foundation::TGPRectF MeasureGdiplus(foundation::TGPGraphics& Graphics, const std::string& Text,
                                                const foundation::TGPFont& Font,
                                                const foundation::TGPRectF& LayoutRect,
                                                const foundation::TGPStringFormat& Format) const = 0;
    // GDI text calculation (DT_CALCRECT with Format) in the canvas's font: widens or narrows
    // Rect to the text and returns the text's height.
    virtual int CalcTextGdi(plat::TCanvas& Canvas, const std::string& Text, plat::TRect& Rect,
                            unsigned Format) const = 0;
};

// The platform's fonts: GDI+ measuring and the canvas's own text calculation; a face counts as
// TrueType when an outline face draws it and the family is in the screen's font list.
class TSystemGlowTextMeasurer : public IGlowTextMeasurer {
public:
    bool IsTrueType(plat::TCanvas& Canvas, const plat::TFont& Font) const override;
    foundation::TGPRectF MeasureGdiplus(foundation::TGPGraphics& Graphics, const std::string& Text,
                                        const foundation::TGPFont& Font, const foundation::TGPRectF& LayoutRect,
                                        const foundation::TGPStringFormat& Format) const override;
    int CalcTextGdi(plat::TCanvas& Canvas, const std::string& Text, plat::TRect& Rect, unsigned Format) const override;

    static const TSystemGlowTextMeasurer& Instance();
};

// Measurer when one is given (tests give fixed widths), else the platform's fonts.
const IGlowTextMeasurer& MeasurerOrSystem(const IGlowTextMeasurer* Measurer);

}  // namespace skelda::pager
