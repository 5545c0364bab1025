#pragma once

namespace skelda::pager {

// The tick of every glow button's fade, in milliseconds; 0 switches fades off for all of them
// (applying colour tones to any glow button does, for good).
inline int GlowAnimationInterval = 30;

}  // namespace skelda::pager
