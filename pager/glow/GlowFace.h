#pragma once

#include "foundation/GPTypes.h"
#include "pager/glow/GlowTypes.h"
#include "platform/core/Types.h"
#include "platform/graphics/Colors.h"

#include <string>

namespace plat {
class TBitmap;
class TCanvas;
class TControl;
class TFont;
class TImageList;
class TStrings;
}
namespace skelda::foundation {
class TGDIPPicture;
}

namespace skelda::pager {

class IGlowTextMeasurer;

// Across the face's right or bottom edge: the drop-down part with its arrow, which automatic
// sizing makes room for and where a press opens a split button's menu; and the split part, which
// the pointer lights.
constexpr int kGlowDropDownPartPx = 14;
constexpr int kGlowSplitPartPx = 12;

// Everything a glow face is painted from, in the state the button is in now.
struct TGlowFaceRequest {
    // The button; only its parent's class name is read (a host tool bar draws list images
    // itself). May be nil.
    const plat::TControl* Control = nullptr;
    plat::TCanvas* Canvas = nullptr;
    plat::TRect ClientRect;
    // The colours and gradients of the state: upper half Color → ColorTo, lower half
    // ColorMirrorTo → ColorMirror.
    plat::TColor Color = plat::clWhite;
    plat::TColor ColorTo = plat::clWhite;
    plat::TColor ColorMirror = plat::clWhite;
    plat::TColor ColorMirrorTo = plat::clWhite;
    plat::TColor BorderColor = plat::clGray;
    TGDIPGradient Gradient = ggVertical;
    TGDIPGradient GradientMirror = ggVertical;
    // Caption, else WideCaption; "\n" in it breaks the line.
    std::string Caption;
    std::string WideCaption;
    bool DrawCaption = true;
    const plat::TFont* Font = nullptr;
    const plat::TImageList* Images = nullptr;
    int ImageIndex = -1;
    bool ImageEnabled = true;
    TButtonLayout Layout = blGlyphLeft;
    bool DropDownButton = false;
    bool HotOrDown = false;
    bool Enabled = true;
    bool FocusOutline = false;
    TDropDownPosition DropDownPosition = dpRight;
    foundation::TGDIPPicture* Picture = nullptr;
    // Images are drawn at this size when both are positive.
    plat::TPoint ForcedImageSize{0, 0};
    foundation::TAntiAlias AntiAlias = foundation::aaClearType;
    bool DrawImage = true;
    // Replaces the other image sources when it is at least 2 by 2 pixels.
    const plat::TBitmap* GlyphBitmap = nullptr;
    TDropDownHit DropDownHit = dhNone;
    // No background and no border (unless dropped down or down checked).
    bool TransparentLook = false;
    bool MouseIn = false;
    TButtonPosition Position = bpStandalone;
    bool DropDownSplit = false;
    bool SingleBorder = true;
    bool OverlappedText = false;
    bool WordWrap = false;
    // Measure the content; draw only background, border and focus outline.
    bool MeasureOnly = false;
    bool Rounded = false;
    bool ArrowDown = true;
    int Spacing = 2;
    foundation::StringTrimming Trimming = foundation::StringTrimmingNone;
    const plat::TStrings* Notes = nullptr;
    const plat::TFont* NotesFont = nullptr;
    bool DownChecked = false;
    bool DroppedDown = false;
    bool TransparentWhenHot = false;
    // The smooth arrow, for faces on glass.
    bool GlassToolbar = false;
    // Nil: the platform's fonts.
    const IGlowTextMeasurer* Measurer = nullptr;
};

// The four parts of a split face (main and drop-down part, each in an upper and lower half;
// the lower halves overlap the upper ones by a row). A drop-down part at the bottom has no
// lower half.
struct TGlowSplitParts {
    plat::TRect MainUpper;
    plat::TRect MainLower;
    plat::TRect DropDownUpper;
    plat::TRect DropDownLower;
    bool HasDropDownLower = true;
};
TGlowSplitParts GlowSplitParts(const plat::TRect& ClientRect, TDropDownPosition Position);

// Paints a complete glow face (background halves or split parts, border, focus outline, image,
// caption, notes, drop-down part and arrow) and returns the content size: image plus caption
// with their spacing, from which a button sizes itself. Nothing raises from the image path: an
// image that cannot be drawn is left out.
plat::TPoint PaintGlowButtonFace(const TGlowFaceRequest& Request);

// The caption as the face shows it: each backslash-n (either case of n) becomes one line break,
// or one space when images are forced to a size.
std::string GlowCaptionText(const std::string& Caption, bool ForcedImageSize);

}  // namespace skelda::pager
