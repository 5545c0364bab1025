#include "grid/cells/TBaseGrid.h"
#include "grid/controls/TArrowWindow.h"
#include "grid/controls/TControlCombo.h"
#include "grid/controls/TControlEdit.h"
#include "grid/controls/TDropCheckList.h"
#include "grid/controls/TDropList.h"
#include "grid/controls/TFooterPanel.h"
#include "grid/controls/TGridButton.h"
#include "grid/controls/TGridCheckBox.h"
#include "grid/controls/TGridCombo.h"
#include "grid/controls/TGridEditBtn.h"
#include "grid/controls/TGridFocusWindow.h"
#include "grid/controls/TGridTransCombo.h"
#include "grid/controls/TGridTransEdit.h"
#include "grid/controls/TGridUnitEditBtn.h"
#include "grid/controls/THTMLHintWindow.h"
#include "grid/controls/THeaderDragButton.h"
#include "grid/controls/TScrollControl.h"
#include "grid/controls/TSearchPanel.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>

namespace skelda::grid {
namespace {

// The window parameters a control would be created with.
class TParamsSource {
public:
    virtual ~TParamsSource() = default;
    virtual plat::TCreateParams Params() const = 0;
};

template <typename T>
class TProbe : public T, public TParamsSource {
public:
    using T::T;
    plat::TCreateParams Params() const override
    {
        plat::TCreateParams Result;
        this->CreateParams(Result);
        return Result;
    }
};

template <typename T, typename... Args>
std::function<plat::TControl*(plat::TComponent*)> Maker(Args... args)
{
    return [=](plat::TComponent* Owner) { return new TProbe<T>(Owner, args...); };
}

// Grid is the owner when that is a grid, else nullptr.
using TExpectation = std::function<void(plat::TControl&, const plat::TCreateParams&, TBaseGrid* Grid)>;

struct TControlCase {
    std::string Name;
    std::function<plat::TControl*(plat::TComponent*)> Make;
    TExpectation Expect;
};

template <typename T>
TExpectation KnowsGrid()
{
    return [](plat::TControl& C, const plat::TCreateParams&, TBaseGrid* Grid) {
        EXPECT_EQ(dynamic_cast<T&>(C).Grid(), Grid);
    };
}

const TControlCase ControlCases[] = {
    {"TFooterPanel", Maker<TFooterPanel>(),
     [](plat::TControl& C, const plat::TCreateParams&, TBaseGrid* Grid) {
         auto& P = dynamic_cast<TFooterPanel&>(C);
         EXPECT_EQ(P.Grid(), Grid);
         EXPECT_EQ(P.GetLastHintX(), -1);
     }},
    {"TSearchPanel", Maker<TSearchPanel>(),
     [](plat::TControl& C, const plat::TCreateParams&, TBaseGrid* Grid) {
         auto& P = dynamic_cast<TSearchPanel&>(C);
         EXPECT_EQ(P.Grid(), Grid);
         EXPECT_EQ(P.GetColorTo(), plat::clNone);
         EXPECT_EQ(P.EditControl(), nullptr);
         EXPECT_EQ(P.ExitButton(), nullptr);
         EXPECT_EQ(P.ForwardButton(), nullptr);
         EXPECT_EQ(P.BackwardButton(), nullptr);
         EXPECT_EQ(P.HiliteButton(), nullptr);
         EXPECT_EQ(P.MatchCase(), nullptr);
         EXPECT_TRUE(P.GetFindNextCaption().empty());
         EXPECT_TRUE(P.GetHintHighlight().empty());
     }},
    {"TDropList", Maker<TDropList>(), nullptr},
    {"TDropCheckList", Maker<TDropCheckList>(), nullptr},
    {"THTMLHintWindow", Maker<THTMLHintWindow>(),
     [](plat::TControl& C, const plat::TCreateParams& Params, TBaseGrid*) {
         auto& H = dynamic_cast<THTMLHintWindow&>(C);
         EXPECT_EQ(H.GetTextWidth(), 0);
         EXPECT_EQ(H.GetTextHeight(), 0);
         EXPECT_TRUE(H.GetWideCaption().empty());
         EXPECT_FALSE(H.GetVisible());
         EXPECT_EQ(Params.Style & plat::WS_BORDER, 0u);
         EXPECT_NE(Params.Style & plat::WS_POPUP, 0u);
         EXPECT_NE(Params.WindowClassStyle & plat::CS_DROPSHADOW, 0u);
     }},
    {"TGridFocusWindow", Maker<TGridFocusWindow>(),
     [](plat::TControl& C, const plat::TCreateParams& Params, TBaseGrid*) {
         EXPECT_EQ(C.GetWidth(), 0);
         EXPECT_EQ(C.GetHeight(), 0);
         EXPECT_EQ(C.GetColor(), plat::clRed);
         EXPECT_EQ(Params.Style, plat::WS_POPUP | plat::WS_DISABLED);
         EXPECT_EQ(Params.ExStyle & (plat::WS_EX_TOPMOST | plat::WS_EX_TOOLWINDOW),
                   plat::WS_EX_TOPMOST | plat::WS_EX_TOOLWINDOW);
     }},
    {"TArrowWindow", Maker<TArrowWindow>(arrLeft),
     [](plat::TControl& C, const plat::TCreateParams& Params, TBaseGrid*) {
         EXPECT_EQ(dynamic_cast<TArrowWindow&>(C).GetDirection(), arrLeft);
         EXPECT_EQ(C.GetColor(), plat::clLime);
         EXPECT_FALSE(C.GetVisible());
         EXPECT_EQ(Params.Style, plat::WS_POPUP);
     }},
    {"THeaderDragButton", Maker<THeaderDragButton>(),
     [](plat::TControl& C, const plat::TCreateParams& Params, TBaseGrid* Grid) {
         auto& B = dynamic_cast<THeaderDragButton&>(C);
         EXPECT_EQ(B.Grid(), Grid);
         EXPECT_FALSE(B.GetFlat());
         EXPECT_EQ(C.GetColor(), plat::clBtnFace);
         EXPECT_EQ(Params.Style, plat::WS_POPUP | plat::WS_BORDER);
         EXPECT_NE(Params.WindowClassStyle & plat::CS_SAVEBITS, 0u);
     }},
    {"TGridCombo", Maker<TGridCombo>(),
     [](plat::TControl& C, const plat::TCreateParams&, TBaseGrid* Grid) {
         auto& E = dynamic_cast<TGridCombo&>(C);
         EXPECT_EQ(E.Grid(), Grid);
         EXPECT_TRUE(E.GetWorkMode());
         EXPECT_FALSE(E.GetItemChange());
         EXPECT_FALSE(E.GetForced());
         EXPECT_EQ(E.GetButtonWidth(), 16);
         EXPECT_FALSE(E.GetIsWinXP());
         EXPECT_FALSE(E.OnReturnKey);
     }},
    {"TGridTransEdit", Maker<TGridTransEdit>(), KnowsGrid<TGridTransEdit>()},
    {"TGridTransCombo", Maker<TGridTransCombo>(), KnowsGrid<TGridTransCombo>()},
    {"TGridCheckBox", Maker<TGridCheckBox>(), KnowsGrid<TGridCheckBox>()},
    {"TGridEditBtn", Maker<TGridEditBtn>(),
     [](plat::TControl& C, const plat::TCreateParams&, TBaseGrid* Grid) {
         auto& E = dynamic_cast<TGridEditBtn&>(C);
         EXPECT_EQ(E.Grid(), Grid);
         EXPECT_TRUE(E.GetWorkMode());
         EXPECT_FALSE(E.GetStopEditAfterClick());
         EXPECT_TRUE(E.GetButtonCaption().empty());
     }},
    {"TGridUnitEditBtn", Maker<TGridUnitEditBtn>(),
     [](plat::TControl& C, const plat::TCreateParams&, TBaseGrid* Grid) {
         auto& E = dynamic_cast<TGridUnitEditBtn&>(C);
         EXPECT_EQ(E.Grid(), Grid);
         EXPECT_FALSE(E.OnUnitChanged);
     }},
    {"TGridButton", Maker<TGridButton>(), KnowsGrid<TGridButton>()},
    {"TControlEdit", Maker<TControlEdit>(), nullptr},
    {"TControlCombo", Maker<TControlCombo>(), nullptr},
    {"TScrollControl", Maker<TScrollControl>(),
     [](plat::TControl& C, const plat::TCreateParams&, TBaseGrid*) {
         auto& S = dynamic_cast<TScrollControl&>(C);
         EXPECT_EQ(C.GetColor(), plat::clSilver);
         EXPECT_EQ(S.GetScrollWidth(), 4);
         EXPECT_EQ(S.GetDirection(), sdVertical);
     }},
};

// Each control is built by a grid, and by an owner that is no grid, which the control must
// then not take for one; the owner frees it.
TEST(GridControlsTest, ConstructWithDocumentedDefaults)
{
    for (bool OwnedByGrid : {true, false}) {
        auto Owner = OwnedByGrid ? std::unique_ptr<plat::TComponent>(new TBaseGrid(nullptr))
                                 : std::make_unique<plat::TComponent>(nullptr);
        auto* Grid = dynamic_cast<TBaseGrid*>(Owner.get());
        for (const TControlCase& Case : ControlCases) {
            SCOPED_TRACE(Case.Name + (OwnedByGrid ? " owned by a grid" : " owned by a component"));
            plat::TControl* Control = Case.Make(Owner.get());
            EXPECT_EQ(Control->ClassName(), Case.Name);
            EXPECT_EQ(Control->Owner(), Owner.get());
            if (Case.Expect)
                Case.Expect(*Control, dynamic_cast<TParamsSource&>(*Control).Params(), Grid);
        }
    }
}

TEST(GridControlsTest, ArrowShapesPointAwayFromTheirSide)
{
    using P = plat::TPoint;
    const std::pair<TArrowDirection, TArrowWindow::TShape> Cases[] = {
        {arrUp, {{P{5, 0}, P{10, 5}, P{7, 5}, P{7, 9}, P{3, 9}, P{3, 5}, P{0, 5}}}},
        {arrDown, {{P{3, 0}, P{7, 0}, P{7, 4}, P{9, 4}, P{5, 8}, P{1, 4}, P{3, 4}}}},
        {arrLeft, {{P{0, 3}, P{0, 7}, P{4, 7}, P{4, 10}, P{8, 5}, P{4, 0}, P{4, 3}}}},
        {arrRight, {{P{0, 5}, P{4, 10}, P{4, 7}, P{8, 7}, P{8, 3}, P{4, 3}, P{4, 0}}}},
    };
    // The one point furthest in the direction the arrow points.
    const P Tips[] = {{5, 0}, {5, 8}, {8, 5}, {0, 5}};
    const std::function<int(P)> Reach[] = {
        [](P p) { return -p.Y; }, [](P p) { return p.Y; }, [](P p) { return p.X; }, [](P p) { return -p.X; }};

    for (const auto& [Dir, Expected] : Cases) {
        SCOPED_TRACE(static_cast<int>(Dir));
        const TArrowWindow::TShape& Shape = TArrowWindow::Shape(Dir);
        EXPECT_EQ(Shape, Expected);
        // Only the tip reaches that far.
        const int TipReach = Reach[Dir](Tips[Dir]);
        for (P Point : Shape) {
            EXPECT_LE(Reach[Dir](Point), TipReach);
            if (Reach[Dir](Point) == TipReach) {
                EXPECT_EQ(Point, Tips[Dir]);
            }
        }
    }
    EXPECT_THROW(TArrowWindow::Shape(static_cast<TArrowDirection>(4)), std::out_of_range);
}

TEST(GridControlsTest, ComboButtonWidthTakesOnly14To32Pixels)
{
    TBaseGrid Grid(nullptr);
    auto* Combo = new TGridCombo(&Grid);
    const std::pair<int, int> Steps[] = {{14, 14}, {13, 14}, {32, 32}, {33, 32}, {-1, 32}};
    for (auto [Value, Expected] : Steps) {
        Combo->SetButtonWidth(Value);
        EXPECT_EQ(Combo->GetButtonWidth(), Expected) << "after " << Value;
    }
}

}  // namespace
}  // namespace skelda::grid
