#pragma once

namespace plat {

class TControl;

// The control that gets every mouse message while it holds the capture, whatever lies under the
// cursor. The layer keeps it (windowless controls can hold it too). Setting another control
// (or nullptr) sends WM_CAPTURECHANGED to the one losing it.
void SetCaptureControl(TControl* Control);
TControl* GetCaptureControl();
void ReleaseCapture();

}  // namespace plat
