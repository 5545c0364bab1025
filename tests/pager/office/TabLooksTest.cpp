// Writes artifacts/pager-tabs.png: tab strips painted by the tab routines in several looks and
// positions, for a person to compare with the intended look. The checks only make sure that
// every strip was painted.

#include "pager/office/InsertButton.h"
#include "pager/office/PagerGradient.h"
#include "pager/office/TTabProgress.h"
#include "pager/office/TVezOfficePagerOfficeStyler.h"
#include "pager/office/TabContent.h"
#include "pager/office/TabPainting.h"
#include "pager/office/TabProgressBar.h"
#include "pager/office/TabStrip.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TCanvasBackend.h"
#include "platform/testing/Artifacts.h"
#include "platform/testing/ScopedEnvironment.h"

#include <QImage>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace skelda::pager {
namespace {

struct StripLook {
    TOfficePagerStyle Style;
    TTabPosition Position;
    bool Rotated;
    TVezTabShape Shape;
    int Rounding;
    bool Decorated;
};

constexpr int kCellW = 420;
constexpr int kCellH = 150;

// One strip of four tabs with its page below (or beside) it, in one cell of the sheet.
void PaintStrip(plat::TCanvas& Canvas, const plat::TRect& Cell, const StripLook& Look)
{
    TVezOfficePagerOfficeStyler styler(nullptr);
    styler.SetStyle(Look.Style);
    TTabAppearance& A = styler.TabAppearance();
    TPagerTabSettings settings;
    settings.SetShape(Look.Shape);
    settings.SetRounding(Look.Rounding);
    TTabProgress progress;
    progress.SetVisible(Look.Decorated);
    progress.SetPosition(41);
    progress.SetMax(82);
    const TTabProgressPainter progressPainter(progress);

    const bool side = Look.Position == tpLeft || Look.Position == tpRight;
    const int depthPx = side ? (Look.Rotated ? 28 : 110) : 28;
    plat::TRect strip = Cell;
    plat::TRect page = Cell;
    switch (Look.Position) {
    case tpTop:
        strip.Bottom = Cell.Top + depthPx, page.Top = strip.Bottom;
        break;
    case tpBottom:
        strip.Top = Cell.Bottom - depthPx, page.Bottom = strip.Top;
        break;
    case tpLeft:
        strip.Right = Cell.Left + depthPx, page.Left = strip.Right;
        break;
    case tpRight:
        strip.Left = Cell.Right - depthPx, page.Right = strip.Left;
        break;
    }
    PaintTabStripBackground(Canvas, strip, A.BackGround());

    TPagerFaceRequest pageFace;
    pageFace.Rect = page;
    const TVistaBackground& P = styler.PageAppearance();
    pageFace.Colors = {P.GetColor(), P.GetColorTo(), P.GetColorMirror(), P.GetColorMirrorTo(), P.GetGradient(),
                       P.GetGradientMirror()};
    pageFace.BorderColor = P.GetBorderColor();
    pageFace.Position = Look.Position;
    PaintPagerGradient(Canvas, pageFace);

    const char* captions[] = {"Main panel", "Detailed data", "Targets", "Solar flux"};
    const int lengthPx = side && Look.Rotated ? 64 : (side ? 26 : 95);
    for (int i = 0; i < 4; ++i) {
        plat::TRect r;
        if (!side) {
            r = plat::Rect(strip.Left + 4 + i * (lengthPx + 2), strip.Top + 2, strip.Left + 4 + i * (lengthPx + 2) + lengthPx,
                           strip.Bottom);
            if (Look.Position == tpBottom)
                r = plat::Rect(r.Left, strip.Top, r.Right, strip.Bottom - 2);
        } else {
            r = plat::Rect(strip.Left + (Look.Position == tpLeft ? 2 : 0), strip.Top + 4 + i * (lengthPx + 2),
                           strip.Right - (Look.Position == tpRight ? 2 : 0), strip.Top + 4 + i * (lengthPx + 2) + lengthPx);
        }
        TDrawTabRequest tab;
        tab.Rect = r;
        tab.Appearance = &A;
        tab.State.Active = i == 0;
        tab.State.Hot = i == 1;
        tab.State.TabEnabled = i != 3;
        tab.State.ShowNonSelectedTabs = Look.Decorated;
        tab.Position = Look.Position;
        tab.RotateTabLeftRight = Look.Rotated;
        tab.Shape = Look.Shape;
        tab.Rounding = Look.Rounding;
        tab.RoundEdges = styler.GetRoundEdges();
        tab.Show3D = styler.GetShow3D();
        tab.Shadow = styler.GetShowShadow();
        tab.Progress = i == 2 ? &progressPainter : nullptr;
        tab.ShowCheckBox = Look.Decorated && i == 1;
        tab.Checked = true;
        tab.CheckBoxRect = plat::Rect(r.Left + 4, r.Top + 6, r.Left + 17, r.Top + 19);
        const auto text = DrawTab(Canvas, tab);
        if (!text)
            continue;
        TTabContentRequest content;
        content.Rect = r;
        content.Caption = captions[i];
        content.Active = i == 0;
        content.ShowCheckBox = tab.ShowCheckBox;
        content.Font = &A.Font();
        content.TextColor = *text;
        content.Settings = &settings;
        content.Position = Look.Position;
        content.RotateTabLeftRight = Look.Rotated;
        DrawTabContent(Canvas, content);
    }
    if (Look.Decorated && !side)
        PaintInsertButton(Canvas, {plat::Rect(strip.Left + 4 + 4 * 97, strip.Top + 6, strip.Left + 4 + 4 * 97 + 20,
                                              strip.Top + 26),
                                   ibsHot, Look.Shape, Look.Rounding, Look.Position});
}

TEST(TabLooksTest, WritesTheStripsOfSeveralLooks)
{
    plat::testing::ScopedEnvironment env;
    env.Themes().SetThemesEnabled(false);
    const std::vector<StripLook> looks = {
        {psOffice2007Luna, tpTop, true, tsRectangle, 1, false},
        {psOffice2010Blue, tpBottom, true, tsRectangle, 1, true},
        {psWindows7, tpLeft, true, tsRectangle, 1, false},
        {psOffice2003Blue, tpRight, false, tsRectangle, 1, true},
        {psOffice2007Silver, tpTop, true, tsLeftRightRamp, 4, true},
        {psWindowsVista, tpTop, true, tsRightRamp, 3, false},
        {psOffice2010Black, tpTop, true, tsRectangle, 1, true},
        {psTerminal, tpTop, true, tsRectangle, 1, true},
    };
    QImage sheet(kCellW * 2, kCellH * ((static_cast<int>(looks.size()) + 1) / 2), QImage::Format_RGB32);
    sheet.fill(Qt::white);
    plat::TCanvas canvas(plat::MakeImageCanvasBackend(sheet));
    for (std::size_t i = 0; i < looks.size(); ++i) {
        const int x = static_cast<int>(i % 2) * kCellW, y = static_cast<int>(i / 2) * kCellH;
        const plat::TRect cell = plat::Rect(x + 5, y + 5, x + kCellW - 5, y + kCellH - 5);
        PaintStrip(canvas, cell, looks[i]);
        int painted = 0;
        for (int py = cell.Top; py < cell.Bottom; py += 3)
            painted += sheet.pixel(cell.Left + 20, py) != QColor(Qt::white).rgb();
        EXPECT_GT(painted, 10) << "look " << i;
    }
    EXPECT_TRUE(sheet.save(QString::fromStdString(plat::testing::ArtifactPath("pager-tabs.png"))));
}

}  // namespace
}  // namespace skelda::pager
