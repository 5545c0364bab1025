#pragma once

#include "platform/core/Types.h"
#include "platform/graphics/Colors.h"

#include <functional>
#include <string>

namespace plat {

class TComponent;
class TControl;
class THintWindow;

// Makes the hint window of a hint (the widget library's hint window class).
using THintWindowClass = std::function<THintWindow*(TComponent* AOwner)>;

// What the hint manager is about to show; CM_HINTSHOW hands it to the control, which may change
// any part (or answer non-zero to show nothing).
struct THintInfo {
    TControl* HintControl = nullptr;
    THintWindowClass HintWindowClass;
    // Screen position of the hint window's top-left corner.
    TPoint HintPos;
    // Widest the hint text may run before it wraps, in pixels.
    int HintMaxWidth = 0;
    TColor HintColor = clInfoBk;
    // While the cursor stays inside (HintControl's client coordinates) the hint stays.
    TRect CursorRect;
    // Cursor position in HintControl's client coordinates.
    TPoint CursorPos;
    // Above 0: ask the control again after that many milliseconds while the hint shows.
    int ReshowTimeout = 0;
    // Milliseconds the hint shows; 0 or less shows it until the cursor leaves CursorRect.
    int HideTimeout = 0;
    std::string HintStr;
    void* HintData = nullptr;
};

}  // namespace plat
