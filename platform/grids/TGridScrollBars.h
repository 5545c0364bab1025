#pragma once

#include "platform/core/Types.h"
#include "platform/grids/GridTypes.h"

#include <memory>

class QWidget;

namespace plat {

class TWinControl;

// The scroll bars of a control's window, as the platform gave every window: a horizontal bar
// along the bottom and a vertical one along the right edge of the client area (the control takes
// their room from its client area), and the square where both meet. Each bar keeps a window's
// scroll information (TGridScrollInfo). What the user does on a bar reaches the control as
// WM_HSCROLL or WM_VSCROLL with the request code (SB_LINEUP ...) in the low word of WParam and,
// for the thumb, its position in the high word; the control answers by setting the information.
//
// The state lives here and holds whether or not the control has a window; while it has one the
// bars are Qt widgets on it (Attach when the window is made, Detach before it goes).
class TGridScrollBars {
public:
    explicit TGridScrollBars(TWinControl& AControl);
    ~TGridScrollBars();
    TGridScrollBars(const TGridScrollBars&) = delete;
    TGridScrollBars& operator=(const TGridScrollBars&) = delete;

    void Attach(QWidget* AWindow);
    void Detach();

    // ABar is SB_HORZ or SB_VERT.
    bool GetShown(int ABar) const;
    void SetShown(int ABar, bool AShown);
    const TGridScrollInfo& GetInfo(int ABar) const;
    void SetInfo(int ABar, const TGridScrollInfo& AInfo);

    // Height of the horizontal bar or width of the vertical one, from the system metrics.
    static int ThicknessPx(int ABar);
    // Moves the bar widgets to the edges of the control's client area.
    void Place();

private:
    class Widgets;

    void Changed(int ABar);

    TWinControl& FControl;
    bool FShown[2] = {};
    TGridScrollInfo FInfo[2];
    std::unique_ptr<Widgets> FWidgets;
};

}  // namespace plat
