#include "FakeCellGrid.h"
#include "grid/support/TCellGraphic.h"

#include <gtest/gtest.h>

namespace skelda::grid {
namespace {

using testing::TFakeCellGrid;

class TWatchedObject : public plat::TObject {
public:
    explicit TWatchedObject(bool& Freed) : FFreed(Freed) {}
    ~TWatchedObject() override { FFreed = true; }

private:
    bool& FFreed;
};

TEST(CellPropertiesTest, NewRecordHasTheDocumentedDefaultsAndTellsItsGrid)
{
    TFakeCellGrid Grid(3, 3);
    const TCellProperties Record(&Grid, 2, 1);
    EXPECT_EQ(Grid.Created, 1);
    EXPECT_EQ(Record.GetOwnerGrid(), &Grid);
    EXPECT_EQ(Record.GetOwnerCol(), 2);
    EXPECT_EQ(Record.GetOwnerRow(), 1);
    EXPECT_EQ(Record.GetCellObject(), 0);
    EXPECT_EQ(Record.GetGraphicObject(), nullptr);
    EXPECT_EQ(Record.GetBrushStyle(), plat::bsSolid);
    EXPECT_EQ(Record.GetBrushColor(), plat::clNone);
    EXPECT_EQ(Record.GetBrushColorTo(), plat::clNone);
    EXPECT_EQ(Record.GetFontColor(), plat::clNone);
    EXPECT_EQ(Record.GetFontSize(), 0);
    EXPECT_TRUE(Record.GetFontStyle().Empty());
    EXPECT_EQ(Record.GetCellSpanX(), -1);
    EXPECT_EQ(Record.GetCellSpanY(), -1);
    EXPECT_TRUE(Record.GetIsBaseCell());
    EXPECT_EQ(Record.GetBorderWidth(), 0);
    EXPECT_EQ(Record.GetBorderColor(), 0);
    EXPECT_EQ(Record.GetAlignment(), plat::taLeftJustify);
    EXPECT_EQ(Record.GetVAlignment(), vtaTop);
    EXPECT_EQ(Record.GetPaintID(), 0);
    EXPECT_EQ(Record.GetCalcType(), acNONE);
    EXPECT_EQ(Record.GetEditor(), edNormal);
    EXPECT_EQ(Record.GetGradientDirection(), GradientVertical);
    EXPECT_FALSE(Record.GetReadOnly());
    EXPECT_EQ(Record.GetControl(), nullptr);
    EXPECT_FALSE(Record.HoldsCellData());
}

TEST(CellPropertiesTest, TakesThePresentLookAndKeepsItWhenTheSourceChanges)
{
    plat::TBrush Brush;
    Brush.SetColor(plat::clWhite);
    plat::TFont Font;
    Font.SetName("Arial");
    Font.SetSize(12);
    Font.SetStyle(plat::TFontStyles{plat::fsItalic});
    Font.SetColor(plat::clNavy);
    TCellLookDefaults Look;
    Look.GradientDirection = GradientHorizontal;
    Look.WordWrap = false;
    Look.VAlignment = vtaBottom;
    Look.Alignment = plat::taRightJustify;
    Look.ColorTo = plat::clSilver;
    Look.MirrorColor = plat::clRed;

    TCellProperties Record(nullptr, 0, 0);
    Record.SetCalcType(acAVG);
    Record.TakeLook(Look, Brush, Font);
    Brush.SetColor(plat::clBlack);
    Font.SetColor(plat::clRed);

    EXPECT_EQ(Record.GetBrushColor(), plat::clWhite);
    EXPECT_EQ(Record.GetBrushColorTo(), plat::clSilver);
    EXPECT_EQ(Record.GetGradientDirection(), GradientHorizontal);
    EXPECT_FALSE(Record.GetWordWrap());
    EXPECT_EQ(Record.GetVAlignment(), vtaBottom);
    EXPECT_EQ(Record.GetAlignment(), plat::taRightJustify);
    EXPECT_EQ(Record.GetFontName(), "Arial");
    EXPECT_EQ(Record.GetFontSize(), 12);
    EXPECT_EQ(Record.GetFontStyle(), plat::TFontStyles{plat::fsItalic});
    EXPECT_EQ(Record.GetFontColor(), plat::clNavy);
    EXPECT_EQ(Record.GetCalcType(), acNONE);
}

TEST(CellPropertiesTest, LookSettersRepaintTheOwnerCellButAlignmentDoesNot)
{
    TFakeCellGrid Grid(5, 5);
    TCellProperties& Record = Grid.GetCellProperties(3, 4);
    const struct {
        const char* Name;
        void (*Set)(TCellProperties&);
        bool Repaints;
    } Cases[] = {
        {"BrushColor", [](TCellProperties& R) { R.SetBrushColor(plat::clRed); }, true},
        {"BrushColorTo", [](TCellProperties& R) { R.SetBrushColorTo(plat::clRed); }, true},
        {"VAlignment", [](TCellProperties& R) { R.SetVAlignment(vtaBottom); }, true},
        {"WordWrap", [](TCellProperties& R) { R.SetWordWrap(false); }, true},
        {"Alignment", [](TCellProperties& R) { R.SetAlignment(plat::taCenter); }, false},
        {"FontColor", [](TCellProperties& R) { R.SetFontColor(plat::clRed); }, false},
    };
    for (const auto& Case : Cases) {
        Grid.Repainted.clear();
        Case.Set(Record);
        if (Case.Repaints)
            EXPECT_EQ(Grid.Repainted, (std::vector<std::pair<int, int>>{{3, 4}})) << Case.Name;
        else
            EXPECT_TRUE(Grid.Repainted.empty()) << Case.Name;
    }
    // A record that travelled with its cell no longer knows its place: the grid repaints whole.
    Grid.Store.MoveRow(4, 0);
    Grid.Repainted.clear();
    Record.SetBrushColor(plat::clBlue);
    EXPECT_TRUE(Grid.Repainted.empty());
    EXPECT_EQ(Grid.GridRepaints, 1);
}

TEST(CellPropertiesTest, AssignCopiesTheCellsLookAndDataButNotGraphicGradientOrCalculation)
{
    TCellProperties Source(nullptr, 1, 2);
    Source.SetIsBaseCell(false);
    Source.SetCellSpanX(1);
    Source.SetCellSpanY(2);
    Source.SetCellObject(42);
    Source.SetAlignment(plat::taRightJustify);
    Source.SetBorderColor(plat::clBlue);
    Source.SetBorderWidth(2);
    Source.SetBrushColor(plat::clYellow);
    Source.SetBrushStyle(plat::bsCross);
    Source.SetFontColor(plat::clRed);
    Source.SetFontStyle(plat::TFontStyles{plat::fsBold});
    Source.SetFontName("Tahoma");
    Source.SetFontSize(11);
    Source.SetReadOnly(true);
    Source.SetEditor(edSpinEdit);
    Source.SetVAlignment(vtaCenter);
    Source.SetWordWrap(false);
    Source.SetNodeLevel(3);
    Source.SetBrushColorTo(plat::clGreen);
    Source.SetGradientDirection(GradientHorizontal);
    Source.SetCalcType(acSUM);
    Source.SetPaintID(7);
    TCellGraphic* SourceGraphic = new TCellGraphic;
    Source.SetGraphicObject(SourceGraphic);

    TCellProperties Target(nullptr, 0, 0);
    Target.Assign(Source);
    EXPECT_FALSE(Target.GetIsBaseCell());
    EXPECT_EQ(Target.GetCellSpanX(), 1);
    EXPECT_EQ(Target.GetCellSpanY(), 2);
    EXPECT_EQ(Target.GetOwnerCol(), 1);
    EXPECT_EQ(Target.GetOwnerRow(), 2);
    EXPECT_EQ(Target.GetCellObject(), 42);
    EXPECT_EQ(Target.GetAlignment(), plat::taRightJustify);
    EXPECT_EQ(Target.GetBorderColor(), plat::clBlue);
    EXPECT_EQ(Target.GetBorderWidth(), 2);
    EXPECT_EQ(Target.GetBrushColor(), plat::clYellow);
    EXPECT_EQ(Target.GetBrushStyle(), plat::bsCross);
    EXPECT_EQ(Target.GetFontColor(), plat::clRed);
    EXPECT_EQ(Target.GetFontStyle(), plat::TFontStyles{plat::fsBold});
    EXPECT_EQ(Target.GetFontName(), "Tahoma");
    EXPECT_EQ(Target.GetFontSize(), 11);
    EXPECT_TRUE(Target.GetReadOnly());
    EXPECT_EQ(Target.GetEditor(), edSpinEdit);
    EXPECT_EQ(Target.GetVAlignment(), vtaCenter);
    EXPECT_FALSE(Target.GetWordWrap());
    EXPECT_EQ(Target.GetNodeLevel(), 3);

    EXPECT_EQ(Target.GetGraphicObject(), nullptr);
    EXPECT_EQ(Target.GetBrushColorTo(), plat::clNone);
    EXPECT_EQ(Target.GetGradientDirection(), GradientVertical);
    EXPECT_EQ(Target.GetCalcType(), acNONE);
    EXPECT_EQ(Target.GetPaintID(), 0);
    EXPECT_EQ(Source.GetGraphicObject(), SourceGraphic);
}

TEST(CellPropertiesTest, BaseCellOfARecord)
{
    const struct {
        bool IsBase;
        int SpanX, SpanY;
        plat::TPoint Base;
    } Cases[] = {
        {false, 2, 1, {3, 6}},
        {true, 2, 1, {5, 7}},    // a base cell's spans are extents
        {true, -1, -1, {5, 7}},  // not merged
        {false, -1, 1, {5, 7}},  // half-made record: no offset taken
    };
    for (const auto& Case : Cases) {
        TCellProperties Record(nullptr, 5, 7);
        Record.SetIsBaseCell(Case.IsBase);
        Record.SetCellSpanX(Case.SpanX);
        Record.SetCellSpanY(Case.SpanY);
        EXPECT_EQ(Record.GetBaseCell(5, 7), Case.Base) << Case.IsBase << " " << Case.SpanX << "," << Case.SpanY;
    }
}

TEST(CellPropertiesTest, OwnsOnlyCellGraphicsAndHandsThemOutOnRelease)
{
    bool ForeignFreed = false;
    auto* Foreign = new TWatchedObject(ForeignFreed);
    {
        TCellProperties Record(nullptr, 0, 0);
        Record.SetGraphicObject(new TCellGraphic);
        // Replacing frees the owned graphic (the sanitizer build checks the leak).
        Record.SetGraphicObject(Foreign);
    }
    EXPECT_FALSE(ForeignFreed);
    delete Foreign;

    auto* Graphic = new TCellGraphic;
    {
        TCellProperties Record(nullptr, 0, 0);
        Record.SetGraphicObject(Graphic);
        EXPECT_EQ(Record.ReleaseGraphicObject(), Graphic);
        EXPECT_EQ(Record.GetGraphicObject(), nullptr);
    }
    delete Graphic;
}

TEST(CellPropertiesTest, HoldsCellDataForEverythingButTheLook)
{
    const struct {
        const char* Name;
        void (*Set)(TCellProperties&);
        bool Holds;
    } Cases[] = {
        {"colours and font", [](TCellProperties& R) {
             R.SetBrushColor(plat::clRed);
             R.SetFontName("Arial");
             R.SetAlignment(plat::taCenter);
         }, false},
        {"object value", [](TCellProperties& R) { R.SetCellObject(1); }, true},
        {"merge data", [](TCellProperties& R) { R.SetCellSpanX(0); R.SetCellSpanY(0); }, true},
        {"covered cell", [](TCellProperties& R) { R.SetIsBaseCell(false); }, true},
        {"node level", [](TCellProperties& R) { R.SetNodeLevel(1); }, true},
        {"read-only", [](TCellProperties& R) { R.SetReadOnly(true); }, true},
        {"editor", [](TCellProperties& R) { R.SetEditor(edComboList); }, true},
        {"calculation", [](TCellProperties& R) { R.SetCalcType(acMAX); }, true},
        {"border", [](TCellProperties& R) { R.SetBorderWidth(1); }, true},
    };
    for (const auto& Case : Cases) {
        TCellProperties Record(nullptr, 0, 0);
        Case.Set(Record);
        EXPECT_EQ(Record.HoldsCellData(), Case.Holds) << Case.Name;
    }
}

}  // namespace
}  // namespace skelda::grid
