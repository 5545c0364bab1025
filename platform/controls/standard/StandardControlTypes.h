#pragma once

// Value types the standard controls share: text alignment, owner drawing and scroll codes.

#include "platform/core/TSet.h"
#include "platform/core/Types.h"

#include <functional>

namespace plat {

class TWinControl;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TTextLayout { tlTop, tlCenter, tlBottom };

// What an owner-drawn item is showing.
enum TOwnerDrawStateItem { odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odComboBoxEdit };
using TOwnerDrawState = TSet<TOwnerDrawStateItem>;
// Rect is in the control's client coordinates; the control's Canvas draws there.
using TDrawItemEvent = std::function<void(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State)>;

// What a scroll bar was asked to do, in the order (and with the numbers) of the platform's
// scroll request codes, which scroll notifications carry in the low word of WParam.
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
enum TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll };

}  // namespace plat
