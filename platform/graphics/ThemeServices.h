#pragma once

#include "platform/core/Types.h"
#include "platform/graphics/Colors.h"
#include "platform/system/HResult.h"

#include <cstdint>
#include <string_view>

namespace plat {

class TCanvas;

// An open theme class; 0 is no theme.
using HTHEME = std::uintptr_t;

// Which size GetThemePartSize answers.
enum THEMESIZE : int {
    TS_MIN = 0,   // the smallest the part can be drawn
    TS_TRUE = 1,  // the part's own size, drawn without stretching
    TS_DRAW = 2,  // the size it takes when drawn into the given rectangle
};

// Colour properties of GetThemeColor.
enum : int {
    TMT_BORDERCOLOR = 3801,
    TMT_FILLCOLOR = 3802,
    TMT_TEXTCOLOR = 3803,
    TMT_EDGELIGHTCOLOR = 3804,
    TMT_EDGEHIGHLIGHTCOLOR = 3805,
    TMT_EDGESHADOWCOLOR = 3806,
    TMT_EDGEDKSHADOWCOLOR = 3807,
    TMT_EDGEFILLCOLOR = 3808,
    TMT_FILLCOLORHINT = 3821,
    TMT_BORDERCOLORHINT = 3822,
    TMT_ACCENTCOLORHINT = 3823,
};

// The visual styles the controls draw their parts with, in the shape of the platform's theme
// interface: a caller asks whether themes are on, opens the theme data of a class ("BUTTON"),
// draws a part in a state (ThemeParts.h) and closes the handle again. Where no theme is on, or
// the class is unknown, OpenThemeData gives 0 and the caller draws its classic face.
//
// Class names are matched without regard to case; a list separated by ';' opens the first class
// the service knows. Handles are counted: each open needs its close. Drawing costs what the
// style's painting of one element costs; the other calls are table look-ups. Errors are results,
// never exceptions: E_HANDLE for a handle that is not open, E_INVALIDARG for a part or state
// the class does not have, E_PROP_ID_UNSUPPORTED for a colour the part does not define.
// Rectangles and sizes are in the canvas's logical pixels. User-interface thread only.
class IThemeServices {
public:
    virtual ~IThemeServices() = default;

    // Whether the desktop draws with a visual style (IsThemeActive).
    virtual bool ThemesEnabled() const = 0;
    virtual HTHEME OpenThemeData(std::string_view ClassList) = 0;
    virtual HRESULT CloseThemeData(HTHEME Theme) = 0;
    // Draws the part into Rect and nowhere outside it, clipped to ClipRect as well when one is
    // given (and always to the canvas's own clip). An empty rectangle draws nothing and succeeds.
    virtual HRESULT DrawThemeBackground(HTHEME Theme, TCanvas& Canvas, int PartId, int StateId, const TRect& Rect,
                                        const TRect* ClipRect) = 0;
    // TS_TRUE and TS_MIN give the size a part has of its own (check boxes, radio buttons,
    // arrow buttons), TS_DRAW that size cut to Rect; a part that takes any size answers Rect's
    // size, or 0 x 0 without a Rect.
    virtual HRESULT GetThemePartSize(HTHEME Theme, int PartId, int StateId, const TRect* Rect, THEMESIZE Size,
                                     TSize& Result) = 0;
    // A colour of the part in that state, as 0x00BBGGRR (TMT_ properties above).
    virtual HRESULT GetThemeColor(HTHEME Theme, int PartId, int StateId, int PropId, TColor& Result) = 0;
};

// The installed theme service (plat::Env().Themes): InstallProductionServices puts it there,
// tests replace it (platform/testing/ScopedEnvironment.h). EInvalidOperation when none is.
IThemeServices& ThemeServices();

}  // namespace plat
