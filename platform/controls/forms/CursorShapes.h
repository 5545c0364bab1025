#pragma once

// Layer-internal: the Qt cursor of a cursor id. Include only in .cpp files of the layer.

#include "platform/controls/core/ControlTypes.h"

#include <QCursor>

#include <optional>

namespace plat {

// The stock shape or the application's own cursor (TScreen::SetCursorImage); nothing for
// crDefault and unknown ids.
std::optional<QCursor> CursorShapeOf(TCursor Cursor);

}  // namespace plat
