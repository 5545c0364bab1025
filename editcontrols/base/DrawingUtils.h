#pragma once

#include "platform/core/Types.h"
#include "platform/graphics/CanvasFlags.h"

#include <string_view>

namespace plat {
class TCanvas;
class TComponent;
}  // namespace plat

namespace skelda::editcontrols {

// The drawing utilities the buttons and spin buttons of this library share.

// The height of a line of text in the canvas's current font (its text metric).
int CanvasTextHeight(plat::TCanvas& Canvas);

// Text drawn with the platform's formatted text drawing; the first Length bytes of Text (all of
// them for a negative Length). DT_MODIFYSTRING is dropped: the text is never changed.
int DrawCanvasText(plat::TCanvas& Canvas, std::string_view Text, int Length, unsigned Format, plat::TRect& Rect);

// The platform's bit-block transfer from Source to Destination at (X, Y), in the argument order
// of this library.
void CanvasBitBlt(plat::TCanvas& Destination, int X, int Y, plat::TRasterOp Rop, int SourceX, int SourceY,
                  plat::TCanvas& Source, int Height, int Width);

constexpr int RectWidthAbs(const plat::TRect& R) { return R.Right >= R.Left ? R.Right - R.Left : R.Left - R.Right; }
constexpr int RectHeightAbs(const plat::TRect& R) { return R.Bottom >= R.Top ? R.Bottom - R.Top : R.Top - R.Bottom; }

// Moves a component reference held by Owner to NewComponent: when it differs from Reference and
// Owner is given, Owner's free notification moves from the old component to the new one and
// Reference becomes NewComponent. True when the reference changed.
template <typename T>
bool ReplaceComponentReference(plat::TComponent* Owner, T* NewComponent, T*& Reference);

}  // namespace skelda::editcontrols

#include "platform/core/TComponent.h"

namespace skelda::editcontrols {

template <typename T>
bool ReplaceComponentReference(plat::TComponent* Owner, T* NewComponent, T*& Reference)
{
    if (NewComponent == Reference || !Owner)
        return false;
    if (Reference)
        Owner->RemoveFreeNotification(Reference);
    Reference = NewComponent;
    if (Reference)
        Owner->FreeNotification(Reference);
    return true;
}

}  // namespace skelda::editcontrols
