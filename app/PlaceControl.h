#pragma once

// Puts a new control on a window as a form's design would: owned by Owner, on Parent, at Bounds
// (Parent's client coordinates).

#include "platform/controls/core/TWinControl.h"
#include "platform/core/Types.h"

namespace plat {
class TLabel;
}

namespace skelda::app {

template <typename T>
T* PlaceControl(plat::TComponent& Owner, plat::TWinControl& Parent, plat::TRect Bounds)
{
    T* control = new T(&Owner);
    control->SetBoundsRect(Bounds);
    control->SetParent(&Parent);
    return control;
}

// A label of a fixed size, its text wrapped within it.
plat::TLabel* PlaceFixedLabel(plat::TComponent& Owner, plat::TWinControl& Parent, plat::TRect Bounds);

}  // namespace skelda::app
