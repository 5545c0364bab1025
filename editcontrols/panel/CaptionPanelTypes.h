#pragma once

#include "platform/core/TObject.h"
#include "platform/core/TSet.h"

#include <functional>

namespace skelda::editcontrols {

// The side of the caption panel that carries its bar.
enum TKvDrawPosition { dpLeft, dpTop, dpRight, dpBottom };

// The small buttons of the caption bar.
enum TKvCapBtnStyle { capClose, capMax, capMin, capRestore, capHelp };
using TKvCapBtnStyles = plat::TSet<TKvCapBtnStyle>;

// Sender, the caption button clicked.
using TKvCapBtnEvent = std::function<void(plat::TObject* Sender, TKvCapBtnStyle Button)>;
// Sender, whether the drag may start (in: the panel's own answer).
using TKvAutoDragStartEvent = std::function<void(plat::TObject* Sender, bool& AllowDrag)>;

}  // namespace skelda::editcontrols
