#include "tests/pager/glow/GlowFixture.h"

#include "foundation/TGPFont.h"
#include "foundation/TGPStringFormat.h"
#include "platform/gdiplus/GdiplusObjects.h"

namespace skelda::pager::testing {

using namespace skelda::foundation;

TGPRectF FixedTextMeasurer::MeasureGdiplus(TGPGraphics&, const std::string& Text, const TGPFont& Font,
                                           const TGPRectF& Layout, const TGPStringFormat& Format) const
{
    Texts.push_back(Text);
    if (Font.Native())
        GdiplusFaces.push_back(Font.Native()->Face);
    const plat::TSize size = Extent(Text);
    const auto place = [](StringAlignment Align, REAL Start, REAL Room, REAL Size) {
        return Align == StringAlignmentNear ? Start
               : Align == StringAlignmentFar ? Start + Room - Size
                                             : Start + (Room - Size) / 2;
    };
    auto& format = const_cast<TGPStringFormat&>(Format);
    const auto w = static_cast<REAL>(size.cx);
    const auto h = static_cast<REAL>(size.cy);
    return TGPRectF{place(format.GetAlignment(), Layout.X, Layout.Width, w),
                    place(format.GetLineAlignment(), Layout.Y, Layout.Height, h), w, h};
}

}  // namespace skelda::pager::testing
