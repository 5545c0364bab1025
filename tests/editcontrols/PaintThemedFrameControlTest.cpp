#include "editcontrols/base/PaintThemedFrameControl.h"
#include "platform/graphics/CanvasFlags.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/ThemeParts.h"
#include "platform/graphics/ThemeServices.h"
#include "platform/testing/ScopedEnvironment.h"

#include <QImage>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

using namespace plat;
using namespace skelda::editcontrols;

namespace {

struct Part {
    const char* ClassName;
    int PartId;
    int StateId;
};

QImage Painted(const std::function<void(TCanvas&, TRect&)>& Paint)
{
    TBitmap bitmap;
    bitmap.SetSize(20, 20);
    bitmap.Canvas().Brush().SetColor(clFuchsia);
    bitmap.Canvas().FillRect(Bounds(0, 0, 20, 20));
    TRect rect = Bounds(2, 2, 16, 16);
    Paint(bitmap.Canvas(), rect);
    return bitmap.Image();
}

// Themed frame controls are exactly the theme part of the table; everything else is the
// classic DrawFrameControl, also while themes are on.
TEST(PaintThemedFrameControl, DrawsTheMatchingThemePartOrTheClassicFace)
{
    plat::testing::ScopedEnvironment env;
    struct Case {
        unsigned Type;
        unsigned State;
        std::optional<Part> Themed;
    };
    const Case cases[] = {
        {DFC_SCROLL, DFCS_SCROLLUP, Part{"SCROLLBAR", SBP_ARROWBTN, ABS_UPNORMAL}},
        {DFC_SCROLL, DFCS_SCROLLRIGHT | DFCS_PUSHED | DFCS_HOT, Part{"SCROLLBAR", SBP_ARROWBTN, ABS_RIGHTPRESSED}},
        {DFC_SCROLL, DFCS_SCROLLDOWN | DFCS_INACTIVE | DFCS_PUSHED, Part{"SCROLLBAR", SBP_ARROWBTN, ABS_DOWNDISABLED}},
        {DFC_SCROLL, DFCS_SCROLLLEFT | DFCS_TRANSPARENT, std::nullopt},
        {DFC_SCROLL, DFCS_SCROLLCOMBOBOX | DFCS_TRANSPARENT | DFCS_HOT, Part{"COMBOBOX", CP_DROPDOWNBUTTON, CBXS_HOT}},
        {DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_PUSHED, Part{"BUTTON", BP_CHECKBOX, CBS_CHECKEDPRESSED}},
        {DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_MONO, Part{"BUTTON", BP_CHECKBOX, CBS_MIXEDNORMAL}},
        {DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED | DFCS_INACTIVE,
         Part{"BUTTON", BP_RADIOBUTTON, RBS_CHECKEDDISABLED}},
        {DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_MONO, Part{"BUTTON", BP_PUSHBUTTON, PBS_DEFAULTED}},
        {DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_HOT | DFCS_MONO, Part{"BUTTON", BP_PUSHBUTTON, PBS_HOT}},
        {DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_FLAT, std::nullopt},
        {DFC_CAPTION, DFCS_CAPTIONCLOSE, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.Type) + " " + std::to_string(c.State));
        for (const bool themes : {true, false}) {
            env.Themes().SetThemesEnabled(themes);
            const QImage image = Painted([&](TCanvas& Canvas, TRect& Rect) {
                EXPECT_TRUE(PaintThemedFrameControl(Canvas, Rect, c.Type, c.State));
            });
            const QImage expected = Painted([&](TCanvas& Canvas, TRect& Rect) {
                if (themes && c.Themed) {
                    IThemeServices& themes = ThemeServices();
                    const HTHEME theme = themes.OpenThemeData(c.Themed->ClassName);
                    themes.DrawThemeBackground(theme, Canvas, c.Themed->PartId, c.Themed->StateId, Rect, nullptr);
                    themes.CloseThemeData(theme);
                } else {
                    Canvas.DrawFrameControl(Rect, c.Type, c.State);
                }
            });
            EXPECT_TRUE(image == expected) << (themes ? "themes on" : "themes off");
        }
    }
    EXPECT_EQ(env.Themes().OpenHandleCount(), 0);
}

}  // namespace
