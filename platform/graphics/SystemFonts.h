#pragma once

namespace plat {

class TFont;

// The font the system gives message boxes and dialogs (the message font of the non-client
// metrics). Like the metric table it is pinned, 9 point "Segoe UI", so that dialogs lay out the
// same on every desktop; the face stands in as FontFamilies.h maps it. Sets name, size (at the
// font's own pixels per inch), style and charset of Font and keeps its colour. Answers whether Font was
// set; the pinned table always can.
bool GetMessageFont(TFont& Font);

}  // namespace plat
