#pragma once

#include "platform/controls/core/ControlTypes.h"
#include "platform/core/Types.h"

#include <functional>

namespace plat {
class TCanvas;
}

namespace skelda::pager {

// What the face shows: up, disabled, held down, (unused) dropped down, latched down in a group.
enum TVezButtonState { absUp = 0, absDisabled = 1, absDown = 2, absDropDown = 3, absExclusive = 4 };
enum TVezButtonStyle { bsButton = 0, bsCheck = 1 };
// How the keyboard focus shows: a border, the hot colours, both, or not at all.
enum TFocusType { ftBorder = 0, ftHot = 1, ftHotBorder = 2, ftNone = 3 };
enum TShortCutHintPos {
    shpLeft = 0,
    shpTop = 1,
    shpRight = 2,
    shpBottom = 3,
    shpCenter = 4,
    shpAuto = 5,
    shpTopLeft = 6,
    shpTopRight = 7,
    shpAboveTop = 8,
    shpAboveTopLeft = 9,
    shpAboveTopRight = 10,
    shpBottomLeft = 11,
    shpBottomRight = 12,
    shpBelowBottom = 13,
    shpBelowBottomLeft = 14,
    shpBelowBottomRight = 15,
    shpBelowBottomCenter = 16,
};
enum TGlowButtonState { gsNormal = 0, gsHot = 1, gsDown = 2 };
// Glyph: image only; label: small image and caption; large: the button as laid out.
enum TButtonSizeState { bsGlyph = 0, bsLabel = 1, bsLarge = 2 };
enum TGlowState { gsHover = 0, gsPush = 1, gsNone = 2 };
enum TImageListType { ipActionList = 0, ipOwnLists = 1 };
enum TGlowBorderStyle { bsNone = 0, bsSingle = 1 };

using TGlowButtonDrawEvent =
    std::function<void(plat::TObject* Sender, plat::TCanvas& Canvas, plat::TRect Rect, TGlowButtonState State)>;
using TSetButtonSizeEvent = std::function<void(plat::TObject* Sender, int& W, int& H)>;
using TOnGetShortCutHintPos = std::function<void(plat::TObject* Sender, TButtonSizeState ButtonSizeState,
                                                 TShortCutHintPos& ShortCutHintPosition)>;

// The top-left corner of a shortcut hint of HintSize beside a button whose top-left corner is
// at ButtonPos on the screen.
plat::TPoint ShortCutHintPlacement(TShortCutHintPos Position, plat::TPoint ButtonPos, plat::TSize ButtonSize,
                                   plat::TSize HintSize);

}  // namespace skelda::pager
