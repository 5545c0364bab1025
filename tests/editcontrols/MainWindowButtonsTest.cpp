#include "editcontrols/button/TKvHTButton.h"
#include "editcontrols/panel/TKvCaptionPanel.h"
#include "platform/controls/core/Messages.h"
#include "platform/controls/standard/BitBtnGlyphs.h"
#include "platform/controls/standard/TLabel.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TFont.h"
#include "platform/testing/Screenshot.h"
#include "tests/editcontrols/EditControlsFixture.h"

#include <QAbstractButton>
#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using namespace plat;
using namespace skelda::editcontrols;
namespace pt = plat::testing;
namespace et = skelda::editcontrols::testing;

namespace {

// 16 x 16 glyphs of the buttons that have no stock kind, outlined in black so that their
// disabled form (the black pixels embossed) reads well. '.' is the transparent olive.
using TArt = std::array<std::string_view, 16>;

constexpr TArt AboutArt{{
    "................", ".......KK.......", "......KyyK......", "......KyyK......",
    ".....KyyyyK.....", "KKKKKKyyyyKKKKKK", "KyyyyyyyyyyyyyyK", ".KyyyyyyyyyyyyK.",
    "..KyyyyyyyyyyK..", "...KyyyyyyyyK...", "...KyyyyyyyyK...", "..KyyyyKKyyyyK..",
    "..KyyyK..KyyyK..", ".KyyK......KyyK.", ".KKK........KKK.", "................",
}};
constexpr TArt InformationArt{{
    ".....KKKKKK.....", "...KKBBBBBBKK...", "..KBBBBwwBBBBK..", ".KBBBBBwwBBBBBK.",
    ".KBBBBBBBBBBBBK.", "KBBBBBwwwBBBBBBK", "KBBBBBBwwBBBBBBK", "KBBBBBBwwBBBBBBK",
    "KBBBBBBwwBBBBBBK", "KBBBBBBwwBBBBBBK", ".KBBBBBwwBBBBBK.", ".KBBBBwwwwBBBBK.",
    "..KBBBBBBBBBBK..", "...KKBBBBBBKK...", ".....KKKKKK.....", "................",
}};
constexpr TArt SetupArt{{
    "................", "......KKKK......", "...KK.KssK.KK...", "..KssKKssKKssK..",
    "..KsssssssssssK.", "...KsssKKsssK...", ".KKssKK..KKssKK.", "KsssK......KsssK",
    "KsssK......KsssK", ".KKssKK..KKssKK.", "...KsssKKsssK...", "..KsssssssssssK.",
    "..KssKKssKKssK..", "...KK.KssK.KK...", "......KKKK......", "................",
}};

TColor ArtColour(char C)
{
    switch (C) {
    case 'K': return clBlack;
    case 'y': return clYellow;
    case 'B': return RGB(0, 64, 192);
    case 'w': return clWhite;
    case 's': return clSilver;
    default: return clOlive;
    }
}

void DrawArt(const TArt& Art, TBitmap& Glyph)
{
    Glyph.SetSize(16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            Glyph.Canvas().SetPixels(x, y, ArtColour(Art[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]));
    Glyph.SetTransparentColor(clOlive);
}

enum TFace { fNormal, fHot, fPressed, fDisabled };

struct TButtonSpec {
    const char* Name;
    const char* Caption;
    const char* Hint;
    const TArt* Art;
    TBitBtnKind Stock;
};

// The buttons of the main window and of its setup panel, with the
// captions and hints the window gives them at start-up.
const std::vector<TButtonSpec> MainButtons{
    {"AboutBtn", "About the Author", "About Vantel.", &AboutArt, bkCustom},
    {"InfoBtn", "Information", "How the programs works.", &InformationArt, bkCustom},
    {"HelpBtn", "OnLine Help", "Online compiled HTML Help.", nullptr, bkHelp},
    {"ComputeBtn", "Compute", "Compute the propagation\r\nfor the new location.", nullptr, bkRetry},
    {"SetupBtn", "Setup dialog", "The configuration dialog\r\nCoordinates, power etc.", &SetupArt, bkCustom},
    {"ExitBtn", "Exit program", "Close and exit SKELDA v1.7a", nullptr, bkClose},
};
const std::vector<TButtonSpec> SetupButtons{
    {"OKBtn", "Save data", "Save your configuration. You will probably\r\nhave to restart the program.", nullptr, bkOK},
    {"CancelBtn", "Cancel", "Cancel and close", nullptr, bkCancel},
};

constexpr std::array<const char*, 4> FaceNames{"Normal", "Hot", "Pressed", "Disabled"};

class MainWindowButtonsTest : public et::EditControlsFixture {
protected:
    static constexpr int ButtonWidth = 128;
    static constexpr int ButtonHeight = 27;
    static constexpr int ColumnStep = 136;
    static constexpr int RowStep = 33;

    MainWindowButtonsTest()
    {
        form->SetClientWidth(620);
        form->SetClientHeight(420);
        form->SetColor(clGradientInactiveCaption);
        form->Font().SetName("Tahoma");
        form->Font().SetHeight(-11);

        kvPanel = AddControl<TKvCaptionPanel>(*form, Bounds(8, 8, 604, 250));
        kvPanel->SetName("KVPanel");
        kvPanel->SetCaption("Today Mon 15 January 2024");
        kvPanel->SetColor(clGradientInactiveCaption);
        AddFaceLabels(*kvPanel, 34, 8);
        for (std::size_t row = 0; row < MainButtons.size(); ++row)
            AddRow(*kvPanel, MainButtons[row], 34, 28 + static_cast<int>(row) * RowStep);

        cfgPanel = AddControl<TKvCaptionPanel>(*form, Bounds(8, 268, 604, 144));
        cfgPanel->SetName("CFGPanel");
        cfgPanel->SetCaption("Setup");
        cfgPanel->CaptionFont().SetName("Tahoma");
        cfgPanel->CaptionFont().SetHeight(-16);
        cfgPanel->SetCaptionPosition(dpTop);
        cfgPanel->SetColor(clGradientActiveCaption);
        cfgPanel->SetFlatButtons(true);
        cfgPanel->SetResizable(false);
        cfgPanel->SetButtons({capClose, capHelp});
        AddFaceLabels(*cfgPanel, 10, 34);
        for (std::size_t row = 0; row < SetupButtons.size(); ++row)
            AddRow(*cfgPanel, SetupButtons[row], 10, 52 + static_cast<int>(row) * RowStep);
    }

    void AddFaceLabels(TWinControl& Parent, int Left, int Top)
    {
        for (std::size_t face = 0; face < FaceNames.size(); ++face) {
            auto* label = AddControl<TLabel>(Parent, Bounds(Left + static_cast<int>(face) * ColumnStep, Top, 100, 14));
            label->SetCaption(FaceNames[face]);
            label->Font().SetStyle({fsBold});
        }
    }

    void AddRow(TWinControl& Parent, const TButtonSpec& Spec, int Left, int Top)
    {
        std::array<TKvHTButton*, 4> row{};
        for (std::size_t face = 0; face < row.size(); ++face) {
            auto* button = AddControl<TKvHTButton>(
                Parent, Bounds(Left + static_cast<int>(face) * ColumnStep, Top, ButtonWidth, ButtonHeight));
            button->SetName(std::string(Spec.Name) + FaceNames[face]);
            if (Spec.Art)
                DrawArt(*Spec.Art, button->Glyph());
            else
                LoadBitBtnKindGlyph(Spec.Stock, button->Glyph());
            button->SetCaption(Spec.Caption);
            button->SetHint(Spec.Hint);
            button->SetShowHint(true);
            // No button takes the focus, so that none shows the default button's look.
            button->SetTabStop(false);
            row[face] = button;
        }
        rows.push_back(row);
    }

    // Puts each column's buttons in its face: the mouse over them, held down, disabled.
    void ShowFaces()
    {
        form->Show();
        for (const auto& row : rows) {
            row[fHot]->Perform(CM_MOUSEENTER);
            static_cast<QAbstractButton*>(row[fPressed]->Handle())->setDown(true);
            row[fDisabled]->SetEnabled(false);
        }
    }

    QImage Face(const QImage& Picture, const TKvHTButton& Button) const
    {
        const TPoint at = Button.ClientToClient({0, 0}, *form);
        return Picture.copy(at.X, at.Y, Button.GetWidth(), Button.GetHeight());
    }

    TKvCaptionPanel* kvPanel = nullptr;
    TKvCaptionPanel* cfgPanel = nullptr;
    std::vector<std::array<TKvHTButton*, 4>> rows;
};

TEST_F(MainWindowButtonsTest, RenderInTheirFourFacesWithAndWithoutThemes)
{
    ShowFaces();
    for (const auto& row : rows) {
        EXPECT_TRUE(row[fHot]->GetMouseOver());
        EXPECT_FALSE(row[fNormal]->GetMouseOver());
        EXPECT_FALSE(row[fDisabled]->GetEnabled());
    }
    EXPECT_EQ(rows[0][fNormal]->GetCaption(), "About the Author");
    EXPECT_EQ(rows[5][fNormal]->GetHint(), "Close and exit SKELDA v1.7a");
    EXPECT_EQ(kvPanel->GetText(), "");

    const QImage themed = pt::Screenshot(*form, "main-window-buttons.png");
    for (const auto& row : rows) {
        SCOPED_TRACE(row[fNormal]->GetName());
        const QImage normal = Face(themed, *row[fNormal]);
        EXPECT_NE(normal, Face(themed, *row[fHot]));
        EXPECT_NE(normal, Face(themed, *row[fPressed]));
        EXPECT_NE(normal, Face(themed, *row[fDisabled]));
    }

    ui.Base().Themes().SetThemesEnabled(false);
    form->Perform(CM_SYSCOLORCHANGE);
    const QImage classic = pt::Screenshot(*form, "main-window-buttons-classic.png");
    EXPECT_NE(themed, classic);
    for (const auto& row : rows) {
        SCOPED_TRACE(row[fNormal]->GetName());
        const QImage normal = Face(classic, *row[fNormal]);
        EXPECT_NE(normal, Face(classic, *row[fPressed]));
        EXPECT_NE(normal, Face(classic, *row[fDisabled]));
    }
}

}  // namespace
