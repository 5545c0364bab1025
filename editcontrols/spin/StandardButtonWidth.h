#pragma once

namespace skelda::editcontrols {

// Width of the spin edit's step buttons: the system's vertical scroll-bar width, at most 15.
int StandardButtonWidth();

}  // namespace skelda::editcontrols
