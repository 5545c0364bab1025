#pragma once

#include "platform/core/TSet.h"

namespace skelda::editcontrols {

// The clipboard commands an edit of this library may refuse, in the order of their bits.
enum TKvClipboardCommand { caCopy, caCut, caPaste, caClear, caUndo };
using TKvClipboardCommands = plat::TSet<TKvClipboardCommand>;

constexpr TKvClipboardCommands AllClipboardCommands{caCopy, caCut, caPaste, caClear, caUndo};

}  // namespace skelda::editcontrols
