#pragma once

class QImage;

namespace plat {

class TControl;

// The control as it looks on the screen (windowed children included), painted into an image
// of its size without showing anything: the window is made when needed and painted through
// the same messages as on the screen. A windowless control is cut out of its parent's picture.
QImage RenderControl(TControl& Control);

}  // namespace plat
