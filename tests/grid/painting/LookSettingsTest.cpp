// When the look settings ask the grid for a repaint: most on a change only, a few on every
// write, some not while the grid is updating or loading.

#include "foundation/MiniHtmlEngine.h"
#include "grid/painting/TGridLookSettings.h"
#include "grid/painting/TLookSettingsHost.h"
#include "platform/graphics/TBitmap.h"

#include <gtest/gtest.h>

#include <functional>

namespace skelda::grid {
namespace {

class TLookHost : public TLookSettingsHost {
public:
    void RepaintGrid() override
    {
        ++GridRepaints;
    }
    void RepaintRowIndicator() override
    {
        ++IndicatorRepaints;
    }
    bool IsUpdating() const override
    {
        return Updating;
    }
    bool IsLoading() const override
    {
        return Loading;
    }

    int GridRepaints = 0;
    int IndicatorRepaints = 0;
    bool Updating = false;
    bool Loading = false;
};

TEST(LookSettingsTest, RepaintsFollowEachSettersRule)
{
    struct Case {
        const char* Name;
        std::function<void(TLookHost&, TGridLookSettings&)> Write;
        int GridRepaints;
    };
    const Case Cases[] = {
        {"a colour changed", [](TLookHost&, TGridLookSettings& L) { L.SetSelectionColor(plat::clRed); }, 1},
        {"a colour written again", [](TLookHost&, TGridLookSettings& L) { L.SetSelectionColor(0xEACAB6); }, 0},
        {"the active cell's colour written again",
         [](TLookHost&, TGridLookSettings& L) { L.SetActiveCellColor(plat::clGray); }, 1},
        {"the fixed gradient written again",
         [](TLookHost&, TGridLookSettings& L) { L.SetZORGradientFrom(plat::clWhite); }, 1},
        {"full links while links do not show", [](TLookHost&, TGridLookSettings& L) { L.SetURLFull(true); }, 0},
        {"full links while links show",
         [](TLookHost&, TGridLookSettings& L) {
             L.SetURLShow(true);
             L.SetURLFull(true);
         },
         2},
        {"a mixer factor beyond the range, twice",
         [](TLookHost&, TGridLookSettings& L) {
             L.SetSelectionColorMixerFactor(150);
             L.SetSelectionColorMixerFactor(150);
         },
         2},
        {"alignment and wrapping while updating",
         [](TLookHost& H, TGridLookSettings& L) {
             H.Updating = true;
             L.SetVAlignment(vtaBottom);
             L.SetWordWrap(false);
         },
         0},
        {"flat while loading",
         [](TLookHost& H, TGridLookSettings& L) {
             H.Loading = true;
             L.SetFlat(true);
         },
         0},
        {"flat written again", [](TLookHost&, TGridLookSettings& L) { L.SetFlat(false); }, 1},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        TLookHost Host;
        TGridLookSettings Look(Host, false, false);
        C.Write(Host, Look);
        EXPECT_EQ(Host.GridRepaints, C.GridRepaints);
        EXPECT_EQ(Host.IndicatorRepaints, 0);
    }
}

TEST(LookSettingsTest, HighlightColoursBecomeTheProgramsMiniHtmlHighlight)
{
    TLookHost Host;
    TGridLookSettings Look(Host, false, false);
    Look.SetHighlightColor(plat::clYellow);
    EXPECT_EQ(foundation::MiniHtmlHighlightBackColor(), plat::clYellow);
    EXPECT_EQ(foundation::MiniHtmlHighlightTextColor(), plat::clHighlightText);
    Look.SetHighlightTextColor(plat::clNavy);
    EXPECT_EQ(foundation::MiniHtmlHighlightBackColor(), plat::clYellow);
    EXPECT_EQ(foundation::MiniHtmlHighlightTextColor(), plat::clNavy);
    EXPECT_EQ(Host.GridRepaints, 2);
    Look.SetHighlightColor(plat::clHighlight);
    Look.SetHighlightTextColor(plat::clHighlightText);
}

TEST(LookSettingsTest, ANewRowIndicatorRepaintsOnlyItsCell)
{
    TLookHost Host;
    TGridLookSettings Look(Host, false, false);
    plat::TBitmap Indicator;
    Indicator.SetSize(6, 6);
    Look.SetRowIndicator(Indicator);
    EXPECT_EQ(Host.IndicatorRepaints, 1);
    EXPECT_EQ(Host.GridRepaints, 0);
    EXPECT_EQ(Look.RowIndicator().GetWidth(), 6);
}

}  // namespace
}  // namespace skelda::grid
