// The string grid's cell painter: the order of the owner's events for one cell, which colour
// wins, the text stage, the fixed-cell looks and marks, and the results table as the program
// shows it.

#include "foundation/THTMLPicture.h"
#include "tests/foundation/HtmlPictureBytes.h"
#include "foundation/TPictureContainer.h"
#include "grid/drawing/DropDownGradient.h"
#include "grid/model/TVezEzuzorEvad.h"
#include "grid/settings/TBackGround.h"
#include "grid/settings/TBands.h"
#include "grid/settings/TControlLook.h"
#include "grid/settings/TShowModified.h"
#include "grid/settings/TSortSettings.h"
#include "grid/support/TCellGraphic.h"
#include "grid/text/TextKinds.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/forms/TForm.h"
#include "platform/controls/standard/TEdit.h"
#include "platform/core/TStrings.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TBrush.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TPen.h"
#include "platform/testing/ImageProbe.h"
#include "platform/testing/Screenshot.h"
#include "platform/testing/TRecordingCanvas.h"
#include "platform/testing/UiTestEnvironment.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace skelda::grid {
namespace {

using plat::testing::CountPixels;
using plat::testing::PixelAt;
using plat::testing::Screenshot;

class TPaintGrid : public TVezEzuzorEvad {
public:
    using TVezEzuzorEvad::GetVisualProperties;
    using TVezEzuzorEvad::TVezEzuzorEvad;
};

// A text the recording canvas saw drawn.
struct TDrawnText {
    std::string Text;
    plat::TRect Rect;
    unsigned Format = 0;
    std::string Font;
};

std::vector<TDrawnText> DrawnTexts(const plat::testing::TRecordingCanvas& Canvas)
{
    std::vector<TDrawnText> Texts;
    for (const std::string& Call : Canvas.CallsOf("DrawText")) {
        const std::size_t Open = Call.find('"');
        const std::size_t Close = Call.find('"', Open + 1);
        TDrawnText Drawn;
        Drawn.Text = Call.substr(Open + 1, Close - Open - 1);
        std::sscanf(Call.c_str() + Close + 1, ",%d,%d,%d,%d,$%X", &Drawn.Rect.Left, &Drawn.Rect.Top, &Drawn.Rect.Right,
                    &Drawn.Rect.Bottom, &Drawn.Format);
        Drawn.Font = Call.substr(Call.find("font="));
        Texts.push_back(Drawn);
    }
    return Texts;
}

class VezGridPaintTest : public ::testing::Test {
protected:
    // A shown 6 x 8 grid of 64 x 24 pixel cells, one fixed row and column, white cells, no frame
    // and no scroll bars; the current cell is the last one, out of the way.
    void SetUp() override
    {
        form->SetBounds(0, 0, 800, 600);
        grid = new TPaintGrid(form);
        grid->SetBorderStyle(plat::bsNone);
        grid->SetScrollBars(plat::ssNone);
        grid->SetBounds(0, 0, 400, 240);
        grid->SetColCount(6);
        grid->SetRowCount(8);
        grid->SetDefaultColWidth(64);
        grid->SetDefaultRowHeight(24);
        grid->SetColor(plat::clWhite);
        grid->SetParent(form);
        form->Show();
        grid->SetCol(5);
        grid->SetRow(7);
    }

    // One cell painted alone, as the grid's paint pass paints it.
    void PaintOne(plat::testing::TRecordingCanvas& Canvas, int ACol, int ARow)
    {
        grid->PaintCell(Canvas, ACol, ARow, grid->CellRect(ACol, ARow), {});
    }

    std::vector<TDrawnText> TextsOf(int ACol, int ARow)
    {
        plat::testing::TRecordingCanvas Canvas(400, 240);
        PaintOne(Canvas, ACol, ARow);
        return DrawnTexts(Canvas);
    }

    // The background of a cell on the screen, away from its text and lines.
    plat::TColor Background(const QImage& Image, int ACol, int ARow)
    {
        const plat::TRect R = grid->CellRect(ACol, ARow);
        return PixelAt(Image, R.Right - 5, R.Bottom - 4);
    }

    plat::testing::UiTestEnvironment ui;
    plat::TForm* form = new plat::TForm(plat::Application);
    TPaintGrid* grid = nullptr;
};

TEST_F(VezGridPaintTest, EventsOfOneCellFireInTheDocumentedOrder)
{
    std::vector<std::string> Log;
    const auto Note = [&Log](const char* Name) { Log.push_back(Name); };
    grid->ControlLook().SetDropDownAlwaysVisible(true);
    grid->ControlLook().SetSpinButtonsAlwaysVisible(true);
    grid->SetCellText(2, 2, "12");
    grid->OnGetCellColor = [&](plat::TObject*, int, int, plat::TGridDrawState, plat::TBrush&, plat::TFont&) {
        Note("GetCellColor");
    };
    grid->OnGetCellGradient = [&](plat::TObject*, int, int, plat::TColor&, plat::TColor&, plat::TColor&,
                                  plat::TColor&, TCellGradientDirection&) { Note("GetCellGradient"); };
    grid->OnGetWordWrap = [&](plat::TObject*, int, int, bool&) { Note("GetWordWrap"); };
    grid->OnGetAlignment = [&](plat::TObject*, int, int, plat::TAlignment&, TVAlignment&) { Note("GetAlignment"); };
    grid->OnCustomCellBkgDraw = [&](plat::TObject*, plat::TCanvas&, int, int, plat::TGridDrawState, plat::TRect,
                                    bool) { Note("CustomCellBkgDraw"); };
    grid->OnCanEditCell = [&](plat::TObject*, int, int, bool&) { Note("CanEditCell"); };
    grid->OnHasComboBox = [&](plat::TObject*, int, int, bool&) { Note("HasComboBox"); };
    grid->OnGetEditorType = [&](plat::TObject*, int, int, TEditorType&) { Note("GetEditorType"); };
    grid->OnGetDisplText = [&](plat::TObject*, int, int, std::string&) { Note("GetDisplText"); };
    grid->OnGetFloatFormat = [&](plat::TObject*, int, int, bool&, std::string&) { Note("GetFloatFormat"); };
    grid->OnIsPasswordCell = [&](plat::TObject*, int, int, bool&) { Note("IsPasswordCell"); };
    grid->OnGetCellBorder = [&](plat::TObject*, int, int, plat::TPen&, TCellBorders&) { Note("GetCellBorder"); };
    grid->OnGetCellBorderProp = [&](plat::TObject*, int, int, plat::TPen&, plat::TPen&, plat::TPen&, plat::TPen&) {
        Note("GetCellBorderProp");
    };
    grid->OnDrawCell = [&](plat::TObject*, int, int, plat::TRect, plat::TGridDrawState) { Note("DrawCell"); };
    grid->OnCustomCellDraw = [&](plat::TObject*, plat::TCanvas&, int, int, plat::TGridDrawState, plat::TRect, bool) {
        Note("CustomCellDraw");
    };

    plat::testing::TRecordingCanvas Canvas(400, 240);
    PaintOne(Canvas, 2, 2);
    const std::vector<std::string> Look{"GetCellColor", "GetCellGradient", "GetWordWrap", "GetAlignment"};
    std::vector<std::string> Expected = Look;  // the base painter's background
    Expected.insert(Expected.end(), Look.begin(), Look.end());
    Expected.insert(Expected.end(), {"CustomCellBkgDraw", "CanEditCell", "HasComboBox", "GetEditorType",
                                     "GetDisplText", "GetFloatFormat", "IsPasswordCell", "GetCellBorder",
                                     "GetCellBorderProp", "DrawCell", "CustomCellDraw"});
    EXPECT_EQ(Log, Expected);

    // The filter row asks for the column's filter before the content painter's look.
    Log.clear();
    grid->OnGetColumnFilter = [&](plat::TObject*, int, plat::TStrings&) { Note("GetColumnFilter"); };
    PaintOne(Canvas, 2, 0);
    ASSERT_GE(Log.size(), 5u);
    EXPECT_EQ(Log[4], "GetColumnFilter");
}

TEST_F(VezGridPaintTest, OwnColoursRowColoursBandsFixedLookAndSelectionTakePrecedenceInThatOrder)
{
    const plat::TColor Band1 = 0xE0F0E0, Band2 = 0xE0E0F0, Row = 0x40C0C0, Own = 0x3050D0, Fixed = 0xC0C0C0;
    struct Case {
        const char* Name;
        std::function<void(TPaintGrid&)> Setup;
        int Col, Row;
        plat::TColor Expected;
    };
    const auto Bands = [&](TPaintGrid& G) {
        G.Bands().SetPrimaryColor(Band1);
        G.Bands().SetSecondaryColor(Band2);
        G.Bands().SetPrimaryLength(1);
        G.Bands().SetSecondaryLength(1);
        G.Bands().SetActive(true);
    };
    const auto Selected = [](TPaintGrid& G) {
        G.SetOptions(plat::TGridOptions(G.GetOptions()).Include(plat::goRangeSelect));
        G.SetSelection({2, 2, 3, 3});
    };
    const std::vector<Case> Cases{
        {"plain cell", [](TPaintGrid&) {}, 2, 2, plat::clWhite},
        {"first band", Bands, 2, 1, Band1},
        {"second band", Bands, 2, 2, Band2},
        {"row colour over bands", [&](TPaintGrid& G) { Bands(G), G.SetRowColor(2, Row); }, 2, 2, Row},
        {"cell colour over row colour",
         [&](TPaintGrid& G) { Bands(G), G.SetRowColor(2, Row), G.SetCellColor(3, 2, Own); }, 3, 2, Own},
        {"fixed look", [](TPaintGrid& G) { G.SetLook(glStandard); }, 0, 2, Fixed},
        {"own colour on a fixed cell", [&](TPaintGrid& G) { G.SetLook(glStandard), G.SetCellColor(0, 2, Own); }, 0,
         2, Own},
        {"background gradient leaves an own colour",
         [&](TPaintGrid& G) {
             G.BackGround().SetDisplay(bdGradientVert), G.BackGround().SetColor(plat::clBlack);
             G.SetCellColor(2, 2, Own);
         },
         2, 2, Own},
        {"fixed check-box cell keeps the fixed colour",
         [&](TPaintGrid& G) {
             auto* CheckBox = new TCellGraphic;
             CheckBox->SetCellType(ctCheckBox);
             G.SetLook(glStandard), G.SetGraphicObject(0, 2, CheckBox), G.SetCellColor(0, 2, Own);
         },
         0, 2, Fixed},
        {"selection over the grid colour", Selected, 2, 2, 0xEACAB6},
        {"selection over an own colour without the mixer",
         [&](TPaintGrid& G) { Selected(G), G.SetCellColor(2, 2, Own); }, 2, 2, 0xEACAB6},
        {"selection mixed evenly with an own colour",
         [&](TPaintGrid& G) {
             Selected(G), G.SetCellColor(2, 2, 0x000000), G.SetSelectionColor(0xFEFEFE);
             G.SetSelectionColorMixer(true);
         },
         2, 2, 0x7F7F7F},
        {"mixer at 100 gives the selection colour",
         [&](TPaintGrid& G) {
             Selected(G), G.SetCellColor(2, 2, Own), G.SetSelectionColorMixer(true);
             G.SetSelectionColorMixerFactor(100);
         },
         2, 2, 0xEACAB6},
        {"mixer at 0 keeps the own colour",
         [&](TPaintGrid& G) {
             Selected(G), G.SetCellColor(2, 2, Own), G.SetSelectionColorMixer(true);
             G.SetSelectionColorMixerFactor(0);
         },
         2, 2, Own},
        {"owner's colour over everything",
         [&](TPaintGrid& G) {
             G.SetCellColor(2, 2, Own);
             G.OnGetCellColor = [](plat::TObject*, int, int, plat::TGridDrawState, plat::TBrush& Brush, plat::TFont&) {
                 Brush.SetColor(plat::clLime);
             };
         },
         2, 2, plat::clLime},
    };
    for (const Case& C : Cases) {
        auto* G = new TPaintGrid(form);
        G->SetBorderStyle(plat::bsNone);
        G->SetScrollBars(plat::ssNone);
        G->SetBounds(0, 0, 400, 240);
        G->SetColCount(6);
        G->SetRowCount(8);
        G->SetDefaultColWidth(64);
        G->SetDefaultRowHeight(24);
        G->SetColor(plat::clWhite);
        G->SetFixedColor(Fixed);
        G->SetParent(form);
        G->SetCol(5);
        G->SetRow(7);
        C.Setup(*G);
        const QImage Image = Screenshot(*G);
        const plat::TRect R = G->CellRect(C.Col, C.Row);
        EXPECT_EQ(PixelAt(Image, R.Right - 5, R.Bottom - 4), C.Expected) << C.Name;
        delete G;
    }
}

TEST_F(VezGridPaintTest, TextStageAlignsWrapsCutsAndReplacesTheText)
{
    struct Case {
        const char* Name;
        std::function<void(TPaintGrid&)> Setup;
        std::string Text;
        std::string Shown;
        unsigned With, Without;
    };
    using namespace plat;
    const auto NoWrap = [](TPaintGrid& G) { G.SetWordWrap(false); };
    const std::vector<Case> Cases{
        {"word wrap by default", [](TPaintGrid&) {}, "ab cd", "ab cd", DT_EDITCONTROL | DT_WORDBREAK,
         DT_SINGLELINE | DT_END_ELLIPSIS},
        {"right and centred vertically",
         [&](TPaintGrid& G) {
             NoWrap(G), G.SetDefaultAlignment(taRightJustify), G.SetVAlignment(vtaCenter);
         },
         "x", "x", DT_RIGHT | DT_VCENTER | DT_SINGLELINE, DT_WORDBREAK},
        {"record alignment over the default", [](TPaintGrid& G) { G.SetCellAlignment(2, 2, taCenter); }, "x", "x",
         DT_CENTER, DT_RIGHT},
        {"first line only without multi-line cells", NoWrap, "one\rtwo", "one", DT_SINGLELINE, DT_WORDBREAK},
        {"multi-line cells keep their lines without an ellipsis",
         [&](TPaintGrid& G) { NoWrap(G), G.SetMultilinecells(true), G.SetEnhTextSize(true); }, "one\rtwo", "one\rtwo",
         DT_EDITCONTROL | DT_WORDBREAK, DT_END_ELLIPSIS | DT_SINGLELINE},
        {"wrapped text ends in an ellipsis", [](TPaintGrid& G) { G.SetEnhTextSize(true); }, "ab", "ab",
         DT_WORDBREAK | DT_END_ELLIPSIS, DT_SINGLELINE},
        {"single line ends in an ellipsis", [&](TPaintGrid& G) { NoWrap(G), G.SetEnhTextSize(true); }, "ab", "ab",
         DT_SINGLELINE | DT_END_ELLIPSIS, DT_WORDBREAK},
        {"password", [](TPaintGrid& G) { G.OnIsPasswordCell = [](TObject*, int, int, bool& P) { P = true; }; },
         "päss", "****", DT_NOPREFIX, 0},
        {"link without its protocol", [](TPaintGrid& G) { G.SetURLShow(true); }, "http://example.org", "example.org",
         DT_NOPREFIX, 0},
        {"packed wide text as its characters", [](TPaintGrid&) {}, PackWideText(u"wide"), "wide", DT_NOPREFIX, 0},
    };
    for (const Case& C : Cases) {
        grid->SetWordWrap(true);
        grid->SetDefaultAlignment(taLeftJustify);
        grid->SetVAlignment(vtaTop);
        grid->SetMultilinecells(false);
        grid->SetEnhTextSize(false);
        grid->SetURLShow(false);
        grid->OnIsPasswordCell = nullptr;
        grid->FreeCellProperty(2, 2);
        C.Setup(*grid);
        grid->SetCellText(2, 2, C.Text);
        const std::vector<TDrawnText> Texts = TextsOf(2, 2);
        ASSERT_EQ(Texts.size(), 1u) << C.Name;
        EXPECT_EQ(Texts[0].Text, C.Shown) << C.Name;
        EXPECT_EQ(Texts[0].Format & C.With, C.With) << C.Name;
        EXPECT_EQ(Texts[0].Format & C.Without, 0u) << C.Name;
    }
}

// The texts of a cell as the mini-HTML engine drew them, one run each.
std::vector<std::string> RunTexts(const std::vector<TDrawnText>& Texts)
{
    std::vector<std::string> Runs;
    for (const TDrawnText& T : Texts)
        Runs.push_back(T.Text);
    return Runs;
}

const TDrawnText* RunOf(const std::vector<TDrawnText>& Texts, const std::string& Text)
{
    for (const TDrawnText& T : Texts)
        if (T.Text == Text)
            return &T;
    return nullptr;
}

TEST_F(VezGridPaintTest, HtmlCellsAreDrawnByTheMiniHtmlEngine)
{
    grid->SetBounds(0, 0, 640, 240);
    grid->SetColWidths(1, 150);
    grid->SetColWidths(2, 150);
    grid->SetRowHeights(2, 60);
    grid->SetURLColor(plat::clGreen);
    const struct {
        int Col, Row;
        std::string Text;
    } Cells[] = {
        {1, 1, "<B>bold</B> text"},
        {2, 1, "<FONT color=\"clRed\" bgcolor=\"clYellow\">red</FONT> <I>it</I>"},
        {1, 2, "<A href=\"http://example.org\">link</A><UL><LI>one<LI>two</UL>"},
        {2, 2, "<IMG src=\"SSYS:1\"> pic <CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"TRUE\" WIDTH=\"16\">"},
    };
    for (const auto& C : Cells)
        grid->SetCellText(C.Col, C.Row, C.Text);

    const std::vector<TDrawnText> Bold = TextsOf(1, 1);
    ASSERT_NE(RunOf(Bold, "bold"), nullptr) << ::testing::PrintToString(RunTexts(Bold));
    EXPECT_NE(RunOf(Bold, "bold")->Font.find(",bold"), std::string::npos);
    ASSERT_NE(RunOf(Bold, " text"), nullptr) << ::testing::PrintToString(RunTexts(Bold));
    EXPECT_EQ(RunOf(Bold, " text")->Font.find(",bold"), std::string::npos);
    EXPECT_GT(RunOf(Bold, " text")->Rect.Left, RunOf(Bold, "bold")->Rect.Left);

    const std::vector<TDrawnText> Coloured = TextsOf(2, 1);
    ASSERT_NE(RunOf(Coloured, "red"), nullptr) << ::testing::PrintToString(RunTexts(Coloured));
    EXPECT_NE(RunOf(Coloured, "red")->Font.find("$0000FF"), std::string::npos) << RunOf(Coloured, "red")->Font;
    ASSERT_NE(RunOf(Coloured, "it"), nullptr);
    EXPECT_NE(RunOf(Coloured, "it")->Font.find(",italic"), std::string::npos);

    const std::vector<TDrawnText> Linked = TextsOf(1, 2);
    ASSERT_NE(RunOf(Linked, "link"), nullptr) << ::testing::PrintToString(RunTexts(Linked));
    EXPECT_NE(RunOf(Linked, "link")->Font.find("$008000"), std::string::npos) << RunOf(Linked, "link")->Font;
    EXPECT_NE(RunOf(Linked, "link")->Font.find(",underline"), std::string::npos);
    ASSERT_NE(RunOf(Linked, "one"), nullptr);
    ASSERT_NE(RunOf(Linked, "two"), nullptr);
    EXPECT_GT(RunOf(Linked, "two")->Rect.Top, RunOf(Linked, "one")->Rect.Top);
    EXPECT_GT(RunOf(Linked, "one")->Rect.Left, RunOf(Linked, "link")->Rect.Left) << "list items are indented";

    plat::testing::TRecordingCanvas PictureCanvas(640, 240);
    PaintOne(PictureCanvas, 2, 2);
    ASSERT_NE(RunOf(DrawnTexts(PictureCanvas), " pic "), nullptr) << ::testing::PrintToString(RunTexts(DrawnTexts(PictureCanvas)));
    EXPECT_EQ(PictureCanvas.CallsOf("DrawImage").size(), 1u) << "the picture";
    const std::vector<std::string> Controls = PictureCanvas.CallsOf("DrawFrameControl");
    ASSERT_EQ(Controls.size(), 1u) << "the check box";
    EXPECT_NE(Controls[0].find("$4400"), std::string::npos) << Controls[0] << ": a ticked check box";

    const QImage Image = Screenshot(*grid, "grid-html-cells.png");
    const plat::TRect Red = grid->CellRect(2, 1);
    EXPECT_GT(CountPixels(Image, Red, plat::clYellow), 0) << "the text's background colour";
    const plat::TRect Pictured = grid->CellRect(2, 2);
    const int PictureArea = CountPixels(Image, plat::TRect{Pictured.Left, Pictured.Top, Pictured.Left + 22, Pictured.Bottom},
                                        plat::clWhite);
    EXPECT_LT(PictureArea, 22 * Pictured.Height() - 40) << "the picture is drawn";
    EXPECT_EQ(grid->GetCellPlainText(1, 1), "bold text");
}

TEST_F(VezGridPaintTest, HtmlCellsTakeTheGridsReadingOrderHoveredLinkAndPictures)
{
    grid->SetColWidths(1, 150);
    grid->SetColWidths(2, 150);
    const std::string Links = "<A href=\"a\">one</A> <A href=\"b\">two</A>";
    grid->SetCellText(1, 1, Links);
    grid->SetCellText(2, 1, Links);
    const auto Underlined = [&](int ACol, const std::string& Run) {
        const std::vector<TDrawnText> Texts = TextsOf(ACol, 1);
        const TDrawnText* Drawn = RunOf(Texts, Run);
        EXPECT_NE(Drawn, nullptr) << ::testing::PrintToString(RunTexts(Texts));
        return Drawn && Drawn->Font.find(",underline") != std::string::npos;
    };
    EXPECT_TRUE(Underlined(1, "one") && Underlined(1, "two")) << "every link without hover style";
    grid->SetURLUnderlineOnHover(true);
    EXPECT_FALSE(Underlined(1, "one") || Underlined(1, "two")) << "no link under the mouse";
    grid->SetHoverLink({1, 1}, 2);
    EXPECT_EQ(grid->GetHoverCell(), (plat::TPoint{1, 1}));
    EXPECT_FALSE(Underlined(1, "one"));
    EXPECT_TRUE(Underlined(1, "two"));
    EXPECT_FALSE(Underlined(2, "two")) << "the same link in another cell";

    grid->SetBiDiMode(plat::bdRightToLeft);
    const std::vector<TDrawnText> Mirrored = TextsOf(2, 1);
    ASSERT_FALSE(Mirrored.empty());
    for (const TDrawnText& T : Mirrored)
        EXPECT_EQ(T.Format & (plat::DT_RTLREADING | plat::DT_RIGHT), plat::DT_RTLREADING | plat::DT_RIGHT) << T.Text;
    grid->SetBiDiMode(plat::bdLeftToRight);

    auto* Container = new foundation::TPictureContainer(form);
    foundation::TPictureItem& Item = Container->Items().Add();
    Item.SetName("pic");
    Item.Picture().LoadFromBytes(foundation::testing::SolidPng(12, 12, qRgb(0, 0, 255)));
    grid->SetPictureContainer(Container);
    grid->SetCellText(1, 2, "<IMG src=\"pic\"> named");
    plat::testing::TRecordingCanvas Canvas(400, 240);
    PaintOne(Canvas, 1, 2);
    EXPECT_EQ(Canvas.CallsOf("Draw").size(), 1u) << "the container's picture";
    delete Container;
    EXPECT_EQ(grid->GetPictureContainer(), nullptr);
    plat::testing::TRecordingCanvas After(400, 240);
    PaintOne(After, 1, 2);
    EXPECT_TRUE(After.CallsOf("Draw").empty());
}

TEST_F(VezGridPaintTest, TextRectangleLeavesRoomForOffsetsAndButtons)
{
    grid->SetCellText(2, 2, "x");
    const plat::TRect Cell = grid->CellRect(2, 2);
    const plat::TRect Content{Cell.Left + 1, Cell.Top + 1, Cell.Right - 1, Cell.Bottom - 1};
    plat::TRect Text = TextsOf(2, 2).at(0).Rect;
    EXPECT_EQ(Text, (plat::TRect{Content.Left + 2, Content.Top + 2, Content.Right - 2, Content.Bottom}));

    grid->SetXYOffsetTopLeftOnly(true);
    Text = TextsOf(2, 2).at(0).Rect;
    EXPECT_EQ(Text.Left, Content.Left + 2);
    EXPECT_EQ(Text.Right, Content.Right) << "the text is not narrowed on the right";

    grid->ControlLook().SetDropDownAlwaysVisible(true);
    grid->OnHasComboBox = [](plat::TObject*, int, int, bool& Has) { Has = true; };
    Text = TextsOf(2, 2).at(0).Rect;
    EXPECT_EQ(Text.Right, Content.Right - 16);
}

TEST_F(VezGridPaintTest, AlwaysVisibleSpinButtonsStartAtTheCellsTopEdge)
{
    grid->ControlLook().SetSpinButtonsAlwaysVisible(true);
    grid->OnHasSpinEdit = [](plat::TObject*, int, int, bool& Has) { Has = true; };
    // 15 pixels wide, 1 pixel in from the content's right edge; the block ends 2 pixels above
    // the cell's bottom line and is split in the middle.
    const plat::TRect Cell = grid->CellRect(2, 2);
    const int Middle = Cell.Top + (Cell.Height() - 3) / 2;
    const std::string Up = std::to_string(Cell.Right - 17) + "," + std::to_string(Cell.Top) + "," +
                           std::to_string(Cell.Right - 2) + "," + std::to_string(Middle);
    const std::string Down = std::to_string(Cell.Right - 17) + "," + std::to_string(Middle + 1) + "," +
                             std::to_string(Cell.Right - 2) + "," + std::to_string(Cell.Bottom - 3);
    const auto ButtonCalls = [this] {
        plat::testing::TRecordingCanvas Canvas(400, 240);
        PaintOne(Canvas, 2, 2);
        std::vector<std::string> Buttons;
        for (const std::string& Call : Canvas.Calls())
            if (Call.starts_with("DrawFrameControl") || Call.starts_with("DrawThemeBackground"))
                Buttons.push_back(Call.substr(0, Call.find(')') + 1));
        return Buttons;
    };
    EXPECT_EQ(ButtonCalls(), (std::vector<std::string>{"DrawThemeBackground(SPIN,1,1," + Up + ")",
                                                       "DrawThemeBackground(SPIN,2,1," + Down + ")"}));

    // Whether the buttons are themed is decided when the window is made.
    ui.Base().Themes().SetThemesEnabled(false);
    EXPECT_TRUE(grid->IsWinXP());
    grid->RecreateWnd();
    grid->HandleNeeded();
    EXPECT_FALSE(grid->IsWinXP());
    EXPECT_EQ(ButtonCalls(), (std::vector<std::string>{"DrawFrameControl(" + Up + ",3,$0000)",
                                                       "DrawFrameControl(" + Down + ",3,$0001)"}));
}

TEST_F(VezGridPaintTest, LinksAreUnderlinedInTheLinkColourOrTheSelectionTextColour)
{
    grid->SetURLShow(true);
    grid->SetURLColor(0x102030);
    grid->SetCellText(2, 2, "mailto:ham@example.org");
    std::vector<TDrawnText> Texts = TextsOf(2, 2);
    EXPECT_EQ(Texts.at(0).Text, "ham@example.org");
    EXPECT_NE(Texts[0].Font.find("$102030,underline"), std::string::npos) << Texts[0].Font;

    grid->SetURLFull(true);
    grid->SetSelectionTextColor(0x405060);
    grid->SetSelection({2, 2, 2, 2});
    Texts = TextsOf(2, 2);
    EXPECT_EQ(Texts.at(0).Text, "mailto:ham@example.org");
    EXPECT_NE(Texts[0].Font.find("$405060,underline"), std::string::npos) << Texts[0].Font;
}

TEST_F(VezGridPaintTest, RichTextCellsShowTheirStyledRuns)
{
    grid->SetCellText(2, 2, R"({\rtf1\ansi{\fonttbl{\f0 Arial;}}plain {\b bold}\par next})");
    plat::testing::TRecordingCanvas Canvas(400, 240);
    PaintOne(Canvas, 2, 2);
    const std::vector<std::string> Runs = Canvas.CallsOf("TextRect");
    ASSERT_EQ(Runs.size(), 3u);
    EXPECT_NE(Runs[0].find("\"plain \""), std::string::npos);
    EXPECT_EQ(Runs[0].find("bold"), std::string::npos);
    EXPECT_NE(Runs[1].find("\"bold\""), std::string::npos);
    EXPECT_NE(Runs[1].find(",bold"), std::string::npos);
    EXPECT_NE(Runs[2].find("\"next\""), std::string::npos);
    EXPECT_TRUE(DrawnTexts(Canvas).empty());
}

TEST_F(VezGridPaintTest, FloatFormatShowsNumbersOnlyAndKeepsTheTextWhenItFails)
{
    std::string Format = "%.1f";
    bool IsFloat = true;
    grid->OnGetFloatFormat = [&](plat::TObject*, int, int, bool& Float, std::string& Fmt) {
        Float = IsFloat;
        Fmt = Format;
    };
    struct Case {
        const char* Text;
        const char* Format;
        bool IsFloat;
        const char* Shown;
    };
    const Case Cases[] = {
        {"3.14159", "%.1f", true, "3.1"},   {"1,234.5", "%.2f", true, "1234.50"}, {"42", "%d", true, "42"},
        {"3.5", "%d", true, "3.5"},         {"abc", "%.1f", true, "abc"},         {"-", "%.1f", true, "-"},
        {"", "%.1f", true, ""},             {"3.14159", "%.1f", false, "3.14159"}, {"2.5", "%s %s", true, "2.5"},
        {"2.5", "", true, "2.5"},
    };
    for (const Case& C : Cases) {
        Format = C.Format;
        IsFloat = C.IsFloat;
        grid->SetCellText(2, 2, C.Text);
        EXPECT_EQ(grid->GetFormattedCellText(2, 2), C.Shown) << C.Text << " with " << C.Format;
    }
}

TEST_F(VezGridPaintTest, BlendingMixesChannelsAndRespectsItsLimits)
{
    struct Case {
        plat::TColor C1, C2;
        int Percent;
        plat::TColor Expected;
    };
    const Case Cases[] = {
        {0x0000FF, 0xFF0000, 100, 0x0000FF},        {0x0000FF, 0xFF0000, 150, 0x0000FF},
        {0x0000FF, 0xFF0000, 0, 0xFF0000},          {0x0000FF, 0xFF0000, -5, 0xFF0000},
        {plat::clNone, 0xFF0000, 50, 0xFF0000},     {0x0000FF, plat::clNone, 50, 0x0000FF},
        {0x0000FF, 0xFF0000, 50, 0x800080},         {0x0A0A0A, 0x000000, 25, 0x020202},
        {plat::clWhite, plat::clBlack, 75, 0xBFBFBF},
    };
    for (const Case& C : Cases)
        EXPECT_EQ(TVezEzuzorEvad::BlendColor(C.C1, C.C2, C.Percent), C.Expected) << C.Percent;
    EXPECT_EQ(TVezEzuzorEvad::BlendSelectionColor(0x0000FF, 0xFF0000, false, 50), 0x0000FF);
    EXPECT_EQ(TVezEzuzorEvad::BlendSelectionColor(0x0000FF, 0xFF0000, true, 50), 0x800080);
}

TEST_F(VezGridPaintTest, CellObjectLayoutReservesRoomByKind)
{
    EXPECT_EQ(grid->GetCellGraphicLayout(2, 2).Object, nullptr);
    EXPECT_TRUE(grid->GetCellGraphicLayout(2, 2).TextDrawn);
    struct Case {
        TCellType Kind;
        int CellIndex;
        int Width, Height;
        bool TextDrawn;
    };
    const int Check = grid->ControlLook().GetCheckSize();
    const Case Cases[] = {
        {ctCheckBox, 0, Check, Check, true},     {ctDataCheckBox, 0, Check, Check, false},
        {ctButton, (20 << 16) | 60, 60, 20, true}, {ctProgress, 0, 0, 0, false},
        {ctProgressPie, 0, 20, 20, true},
    };
    for (const Case& C : Cases) {
        auto* Object = new TCellGraphic;
        Object->SetCellType(C.Kind);
        Object->SetCellIndex(C.CellIndex);
        Object->SetCellHAlign(haAfterText);
        grid->SetGraphicObject(2, 2, Object);
        const TCellGraphicLayout Layout = grid->GetCellGraphicLayout(2, 2);
        EXPECT_EQ(Layout.Object, Object);
        EXPECT_EQ(Layout.WidthPx, C.Width) << C.Kind;
        EXPECT_EQ(Layout.HeightPx, C.Height) << C.Kind;
        EXPECT_EQ(Layout.TextDrawn, C.TextDrawn) << C.Kind;
        EXPECT_EQ(Layout.HAlign, haAfterText);
    }

    // An object after the text takes its width from the text; one without text leaves it out.
    grid->SetCellText(2, 2, "x");
    grid->SetCellText(3, 2, "x");
    const auto RightInCell = [&](int ACol) { return TextsOf(ACol, 2).at(0).Rect.Right - grid->CellRect(ACol, 2).Left; };
    EXPECT_EQ(RightInCell(2), RightInCell(3) - 20);
    auto* NoText = new TCellGraphic;
    NoText->SetCellType(ctDataCheckBox);
    grid->SetGraphicObject(2, 2, NoText);
    EXPECT_TRUE(TextsOf(2, 2).empty());
}

TEST_F(VezGridPaintTest, SortAndFilterGlyphsSitBesideTheHeaderText)
{
    grid->SetWordWrap(false);
    grid->SetCellText(2, 0, "Hour");
    grid->SortSettings().SetShow(true);
    grid->SortSettings().SetColumn(2);
    grid->SortSettings().SetRow(0);
    grid->SortSettings().SetDirection(sdAscending);
    plat::testing::TRecordingCanvas Canvas(400, 240);
    PaintOne(Canvas, 2, 0);
    // The ascending arrow: white base and right side, grey left side.
    const std::vector<std::string> Lines = Canvas.CallsOf("LineTo");
    const auto Drawn = [&Lines](const std::string& Part) {
        for (const std::string& Line : Lines)
            if (Line.find(Part) != std::string::npos)
                return true;
        return false;
    };
    plat::testing::TRecordingCanvas Measure;
    Measure.Font().Assign(grid->FixedFont());
    const plat::TRect Cell = grid->CellRect(2, 0);
    const int X = Cell.Left + Measure.TextWidth("Hour") + 10;
    const int Y = Cell.Top + 8;
    EXPECT_TRUE(Drawn("LineTo(" + std::to_string(X + 4) + "," + std::to_string(Y + 4) + ") from=(" +
                      std::to_string(X - 4) + "," + std::to_string(Y + 4) + ") pen=$FFFFFF"))
        << ::testing::PrintToString(Lines);
    EXPECT_TRUE(Drawn("LineTo(" + std::to_string(X - 4) + "," + std::to_string(Y + 4) + ") from=(" +
                      std::to_string(X) + "," + std::to_string(Y - 4) + ") pen=$808080"));

    // A filter row without a glyph of its own shows the drawn funnel at the right of the cell.
    grid->OnGetColumnFilter = [](plat::TObject*, int, plat::TStrings& Filter) { Filter.Add("1"); };
    Canvas.ClearCalls();
    PaintOne(Canvas, 3, 0);
    const std::vector<std::string> Funnel = Canvas.CallsOf("Polygon");
    ASSERT_EQ(Funnel.size(), 1u);
    const int GlyphX = grid->CellRect(3, 0).Right - 1 - 16;
    EXPECT_EQ(Funnel[0].rfind("Polygon((" + std::to_string(GlyphX + 3) + ",", 0), 0u) << Funnel[0];
    grid->OnGetColumnFilter = [](plat::TObject*, int, plat::TStrings&) {};
    Canvas.ClearCalls();
    PaintOne(Canvas, 3, 0);
    EXPECT_TRUE(Canvas.CallsOf("Polygon").empty()) << "no filter values, no glyph";
}

TEST_F(VezGridPaintTest, FixedCellsShowTheLookTheHoverAndThePress)
{
    grid->SetLook(glVista);
    grid->SetZORGradientFrom(0xF0E0D0);
    grid->SetZORGradientTo(plat::clNone);
    TControlLook& Look = grid->ControlLook();
    Look.SetFixedGradientHoverFrom(0x30C030);
    Look.SetFixedGradientHoverTo(plat::clNone);
    Look.SetFixedGradientHoverBorder(0x106010);
    Look.SetFixedGradientDownFrom(0xC03030);
    Look.SetFixedGradientDownTo(plat::clNone);
    Look.SetFixedGradientDownBorder(0x601010);
    const plat::TRect R = grid->CellRect(2, 0);
    const auto Probe = [&](const QImage& Image, int Dx) { return PixelAt(Image, R.Left + Dx, R.Top + 10); };

    QImage Image = Screenshot(*grid, "vez-grid-fixed-vista.png");
    EXPECT_EQ(Probe(Image, 0), plat::clWhite) << "white side line";
    EXPECT_EQ(Probe(Image, 10), 0xF0E0D0);

    grid->SetHoverFixedCells(hfAll);
    grid->SetFixedCellHover({2, 0, false, false, -1});
    Image = Screenshot(*grid, "vez-grid-fixed-hover.png");
    EXPECT_EQ(Probe(Image, 0), 0x106010);
    EXPECT_EQ(Probe(Image, 10), 0x30C030);

    grid->SetFixedCellHover({2, 0, true, false, -1});
    Image = Screenshot(*grid, "vez-grid-fixed-pressed.png");
    EXPECT_EQ(Probe(Image, 0), 0x601010);
    EXPECT_EQ(Probe(Image, 10), 0xC03030);

    // The drop-down button keeps the hover face while the rest of the header is pressed.
    Look.SetFixedDropDownButton(true);
    Image = Screenshot(*grid, "vez-grid-fixed-dropdown.png");
    EXPECT_EQ(Probe(Image, 10), 0xC03030);
    EXPECT_EQ(PixelAt(Image, R.Right - 4, R.Top + 3), 0x30C030);
}

TEST_F(VezGridPaintTest, FixedCellEdgesFollowTheLook)
{
    const plat::TColor Fixed = 0xC0C0C0, Shade = 0x606060;
    // Pixels of the fixed cell (2, 0), 64 x 24 at x 128; x 191 and y 23 are its own edges.
    struct Case {
        TGridLook Look;
        int X, Y;
        plat::TColor Expected;
    };
    const Case Cases[] = {
        {glStandard, 128, 10, Fixed},        {glStandard, 150, 10, Fixed},       {glSoft, 150, 23, Shade},
        {glClassic, 191, 10, plat::clBlack},
        {glClassic, 150, 23, plat::clBlack}, {glXP, 128, 10, plat::clWhite},     {glXP, 150, 23, Shade},
        {glZOR, 128, 10, plat::clWhite},     {glListView, 128, 10, plat::clWhite}, {glListView, 150, 10, 0xF0F0F0},
    };
    grid->SetFixedColor(Fixed);
    for (const Case& C : Cases) {
        grid->SetLook(C.Look);
        const QImage Image = Screenshot(*grid);
        EXPECT_EQ(PixelAt(Image, C.X, C.Y), C.Expected) << int(C.Look) << " at " << C.X << "," << C.Y;
    }
}

TEST_F(VezGridPaintTest, RowMarksBordersAndTheFocusRectangle)
{
    grid->ShowModified().SetEnabled(true);
    grid->ShowModified().SetColor(0x20A0F0);
    grid->SetRowModified(3, true);
    plat::TBitmap Indicator;
    Indicator.SetSize(6, 6);
    Indicator.Canvas().Brush().SetColor(0x2040C0);
    Indicator.Canvas().FillRect(plat::Bounds(0, 0, 6, 6));
    Indicator.Canvas().SetPixels(0, 5, plat::clWhite);
    grid->SetRowIndicator(Indicator);
    grid->OnGetCellBorder = [](plat::TObject*, int ARow, int ACol, plat::TPen& Pen, TCellBorders& Borders) {
        if (ACol == 3 && ARow == 4) {
            Pen.SetColor(plat::clRed);
            Borders = {cbLeft, cbBottom};
        }
    };
    const QImage Image = Screenshot(*grid, "vez-grid-marks.png");

    const plat::TRect Modified = grid->CellRect(0, 3);
    EXPECT_EQ(PixelAt(Image, Modified.Right - 4, Modified.Top + 10), 0x20A0F0);
    EXPECT_NE(PixelAt(Image, Modified.Right - 8, Modified.Top + 10), 0x20A0F0);
    const plat::TRect Current = grid->CellRect(0, 7);
    EXPECT_EQ(PixelAt(Image, Current.Left + 5, Current.Top + 3), 0x2040C0);
    // Borders sit inside the cell's own grid lines.
    const plat::TRect Bordered = grid->CellRect(3, 4);
    EXPECT_EQ(PixelAt(Image, Bordered.Left + 1, Bordered.Top + 10), plat::clRed);
    EXPECT_EQ(PixelAt(Image, Bordered.Left + 10, Bordered.Bottom - 2), plat::clRed);
    EXPECT_NE(PixelAt(Image, Bordered.Right - 2, Bordered.Top + 10), plat::clRed);

    // The focus rectangle of the current cell only while the grid has the focus.
    grid->SetCol(2);
    grid->SetRow(2);
    auto* Other = new plat::TEdit(form);
    Other->SetParent(form);
    Other->SetBounds(500, 0, 80, 24);
    Other->SetFocus();
    plat::testing::TRecordingCanvas Canvas(400, 240);
    PaintOne(Canvas, 2, 2);
    EXPECT_TRUE(Canvas.CallsOf("DrawFocusRect").empty());
    grid->SetFocus();
    PaintOne(Canvas, 2, 2);
    EXPECT_EQ(Canvas.CallsOf("DrawFocusRect").size(), 1u);
    grid->SetHideFocusRect(true);
    Canvas.ClearCalls();
    PaintOne(Canvas, 2, 2);
    EXPECT_TRUE(Canvas.CallsOf("DrawFocusRect").empty());
}

TEST_F(VezGridPaintTest, OwnerDrawingReplacesOnlyTheText)
{
    grid->SetCellText(2, 2, "hidden");
    grid->SetCellColor(2, 2, 0x3050D0);
    plat::TRect Given;
    grid->OnDrawCell = [&](plat::TObject*, int, int, plat::TRect Rect, plat::TGridDrawState) { Given = Rect; };
    grid->SetNoDefaultDraw(true);
    plat::testing::TRecordingCanvas Canvas(400, 240);
    PaintOne(Canvas, 2, 2);
    EXPECT_TRUE(DrawnTexts(Canvas).empty());
    EXPECT_EQ(PixelAt(Canvas.Image(), grid->CellRect(2, 2).Left + 10, grid->CellRect(2, 2).Top + 10), 0x3050D0);
    const plat::TRect Cell = grid->CellRect(2, 2);
    EXPECT_EQ(Given, (plat::TRect{Cell.Left + 1, Cell.Top + 1, Cell.Right, Cell.Bottom}));
}

TEST_F(VezGridPaintTest, BackgroundGradientRunsOnAcrossCells)
{
    grid->BackGround().SetDisplay(bdGradientVert);
    grid->BackGround().SetColor(0x000000);
    grid->BackGround().SetColorTo(0xF0F0F0);
    const QImage Image = Screenshot(*grid, "vez-grid-background-gradient.png");
    const plat::TRect Upper = grid->CellRect(2, 2);
    const plat::TRect Lower = grid->CellRect(2, 3);
    const auto Grey = [&](int Y) { return plat::GetRValue(PixelAt(Image, Upper.Left + 10, Y)); };
    EXPECT_LT(Grey(Upper.Top + 3), Grey(Upper.Bottom - 3));
    // Across the line between the cells the grey moves on by about a pixel's worth, no more.
    EXPECT_LE(Grey(Lower.Top + 1) - Grey(Upper.Bottom - 2), 4);
    EXPECT_GE(Grey(Lower.Top + 1), Grey(Upper.Bottom - 2));
}

TEST_F(VezGridPaintTest, DropDownGradientNeverDividesByZero)
{
    const plat::TColor Blue = 0xFF0000, Red = 0x0000FF;
    struct Case {
        int Bands;
        plat::TRect Rect;
        plat::TColor From;
        int BluePixels;  // -1: nothing drawn at all
    };
    const Case Cases[] = {
        {0, {0, 0, 10, 10}, Blue, 100},  {-3, {0, 0, 10, 10}, Blue, 100}, {1, {0, 0, 10, 10}, Blue, 100},
        {128, {0, 0, 10, 1}, Blue, 10},  {128, {0, 0, 0, 10}, Blue, -1},  {0, {0, 0, 10, 10}, plat::clNone, 0},
    };
    for (const Case& C : Cases) {
        plat::testing::TRecordingCanvas Canvas(20, 20);
        DrawDropDownGradient(Canvas, C.From, Red, false, C.Rect, C.Bands);
        if (C.BluePixels < 0) {
            EXPECT_TRUE(Canvas.Calls().empty()) << C.Bands;
            continue;
        }
        EXPECT_EQ(CountPixels(Canvas.Image(), C.Rect, Blue), C.BluePixels) << C.Bands;
        if (C.From == plat::clNone) {
            EXPECT_EQ(CountPixels(Canvas.Image(), C.Rect, Red), 100) << "the other colour fills";
        }
    }
}

// The program's results table: 25 hours by 20 rows, no fixed cells, empty cells black, "-"
// red on white, values green on yellow and the current hour yellow in bold.
TEST_F(VezGridPaintTest, ResultsTableRendersWithItsCellColours)
{
    constexpr int Cols = 25, Rows = 20, CurrentHour = 13;
    auto* Table = new TPaintGrid(form);
    Table->SetBorderStyle(plat::bsNone);
    Table->SetScrollBars(plat::ssNone);
    Table->SetBounds(0, 0, Cols * 28, Rows * 15);
    Table->SetColCount(Cols);
    Table->SetRowCount(Rows);
    Table->SetFixedRows(0);
    Table->SetFixedCols(0);
    Table->SetDefaultColWidth(28);
    Table->SetDefaultRowHeight(15);
    Table->SetParent(form);
    const auto Kind = [](int C, int R) { return (C * 7 + R * 3) % 5; };
    for (int C = 0; C < Cols; ++C)
        for (int R = 0; R < Rows; ++R) {
            if (Kind(C, R) == 0) {
                Table->SetCellColor(C, R, plat::clBlack);
                Table->SetCellFontColor(C, R, plat::clBlack);
            } else if (Kind(C, R) == 1) {
                Table->SetCellText(C, R, "-");
                Table->SetCellColor(C, R, plat::clWhite);
                Table->SetCellFontColor(C, R, plat::clRed);
            } else {
                Table->SetCellText(C, R, Kind(C, R) == 2 ? "14" : "7.2");
                Table->SetCellColor(C, R, plat::clYellow);
                Table->SetCellFontColor(C, R, plat::clGreen);
            }
        }
    for (int R = 0; R < Rows; ++R) {
        Table->SetCellText(CurrentHour, R, "14");
        Table->SetCellColor(CurrentHour, R, plat::clYellow);
        Table->SetCellFontColor(CurrentHour, R, plat::clGreen);
        Table->SetCellFontStyle(CurrentHour, R, {plat::fsBold});
    }
    const QImage Image = Screenshot(*Table, "results-table.png");

    // Probes away from the current cell (0, 0), which shows the selection.
    const auto Inside = [&](int C, int R) {
        const plat::TRect Rect = Table->CellRect(C, R);
        return plat::TRect{Rect.Left + 1, Rect.Top + 1, Rect.Right - 1, Rect.Bottom - 1};
    };
    const auto Back = [&](int C, int R) { return PixelAt(Image, Inside(C, R).Right - 2, Inside(C, R).Bottom - 1); };
    ASSERT_EQ(Kind(1, 1), 0);
    ASSERT_EQ(Kind(1, 3), 1);
    ASSERT_EQ(Kind(2, 1), 2);
    EXPECT_EQ(Back(1, 1), plat::clBlack);
    EXPECT_EQ(CountPixels(Image, Inside(1, 1), plat::clBlack), Inside(1, 1).Width() * Inside(1, 1).Height());
    EXPECT_EQ(Back(1, 3), plat::clWhite);
    EXPECT_GT(CountPixels(Image, Inside(1, 3), plat::clRed), 0) << "the dash in red";
    EXPECT_EQ(Back(2, 1), plat::clYellow);
    const int Normal = CountPixels(Image, Inside(2, 1), plat::clGreen);
    EXPECT_GT(Normal, 0);
    EXPECT_EQ(Back(CurrentHour, 3), plat::clYellow);
    EXPECT_GT(CountPixels(Image, Inside(CurrentHour, 1), plat::clGreen), Normal) << "bold draws more of the digits";
}

}  // namespace
}  // namespace skelda::grid
