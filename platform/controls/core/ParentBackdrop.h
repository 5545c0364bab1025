#pragma once

namespace plat {

class TCanvas;
class TControl;

// Paints on Canvas, whose (0, 0) stands for Control's top-left corner, what Control's parent
// shows beneath it: the parent's WM_PAINT (its background and its own painting) with the origin
// moved by Control's position, then the parent's windowless children. The parent's windowed
// children (Control among them) are left out, so a control that calls this from its own paint
// is never painted again from inside it. For faces that let their parent show through
// (transparent buttons, rounded corners). Canvas's clip limits what is painted; nothing happens
// without a parent or when the clip is empty. A parent whose window paints natively (a Qt class
// other than QWidget) gives only what the layer paints of it.
void PaintParentBackdrop(TControl& Control, TCanvas& Canvas);

}  // namespace plat
