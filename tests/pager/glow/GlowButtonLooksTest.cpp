// Glow buttons in every state in three looks, written as PNGs for a person to look at, and a
// transparent button over a patterned parent.

#include "foundation/ColorTones.h"
#include "platform/controls/forms/TMenuItem.h"
#include "platform/controls/forms/TPopupMenu.h"
#include "platform/graphics/TImageList.h"
#include "platform/testing/Artifacts.h"
#include "platform/testing/Screenshot.h"
#include "tests/pager/glow/GlowButtonFixture.h"

#include <QPainter>

#include <functional>

namespace skelda::pager {
namespace {

using testing::TProbeGlowButton;

// Vertical stripes, 4 pixels each, red and yellow.
class TStripes : public plat::TCustomControl {
public:
    using plat::TCustomControl::TCustomControl;

protected:
    void Paint() override
    {
        for (int x = 0; x < GetWidth(); x += 4) {
            Canvas().Brush().SetColor((x / 4) % 2 ? plat::clYellow : plat::clRed);
            Canvas().FillRect(plat::Rect(x, 0, x + 4, GetHeight()));
        }
    }
};

// The pager's own colours for its buttons.
void PagerLook(TGlowButtonAppearance& A)
{
    A.SetColor(0xEEDBC8);
    A.SetColorTo(0xF6DDC9);
    A.SetColorMirror(0xEDD4C0);
    A.SetColorMirrorTo(0xF7E1D0);
    A.SetBorderColor(0xE0B99B);
    A.SetGradient(ggVertical);
    A.SetGradientMirror(ggVertical);
    A.SetColorHot(0xEBFDFF);
    A.SetColorHotTo(0xACECFF);
    A.SetColorMirrorHot(0x59DAFF);
    A.SetColorMirrorHotTo(0xA4E9FF);
    A.SetBorderColorHot(0x99CEDB);
    A.SetGradientHot(ggVertical);
    A.SetGradientMirrorHot(ggVertical);
    A.SetColorDown(0x76AFF1);
    A.SetColorDownTo(0x4190F3);
    A.SetColorMirrorDown(0x0E72F1);
    A.SetColorMirrorDownTo(0x4C9FFD);
    A.SetBorderColorDown(0x45667B);
    A.SetGradientDown(ggVertical);
    A.SetGradientMirrorDown(ggVertical);
    A.SetColorChecked(0xB5DBFB);
    A.SetColorCheckedTo(0x78C7FE);
    A.SetColorMirrorChecked(0x9FEBFD);
    A.SetColorMirrorCheckedTo(0x56B4FE);
    A.SetBorderColorChecked(0x45667B);
    A.SetGradientChecked(ggVertical);
    A.SetGradientMirrorChecked(ggVertical);
    A.SetBorderColorDisabled(0xD3D3D3);
}

class GlowButtonLooksTest : public testing::GlowButtonTest {
protected:
    GlowButtonLooksTest()
    {
        delete button;
        button = nullptr;
        images.SetWidth(16);
        images.SetHeight(16);
        plat::TBitmap image;
        image.SetSize(16, 16);
        image.Canvas().Brush().SetColor(plat::clFuchsia);
        image.Canvas().FillRect(plat::Rect(0, 0, 16, 16));
        image.Canvas().Brush().SetColor(0x2060C0);
        image.Canvas().Pen().SetColor(0x103060);
        image.Canvas().Ellipse(2, 2, 14, 14);
        images.AddMasked(image, plat::clFuchsia);
        menu->Items().Add(new plat::TMenuItem(menu));
    }

    // A fresh button on Parent in the look, set up by State, rendered through Shot.
    QImage Render(const std::function<void(TGlowButtonAppearance&, TProbeGlowButton&)>& Look,
                  const std::function<void(TProbeGlowButton&)>& State, plat::TWinControl* Parent = nullptr)
    {
        auto* b = new TProbeGlowButton(form);
        b->SetParent(Parent ? Parent : form);
        b->SetBounds(10, 10, 100, 41);
        b->SetCaption("Glow");
        b->SetImages(&images);
        b->SetImageIndex(0);
        Look(b->Appearance(), *b);
        State(*b);
        QImage shot = plat::testing::Screenshot(Parent ? static_cast<plat::TControl&>(*Parent) : *b);
        ui.Simulator().MouseMove(*form, {290, 190});
        delete b;
        GlowAnimationInterval = 30;
        return shot;
    }

    plat::TImageList images{form};
    plat::TPopupMenu* menu = new plat::TPopupMenu(form);
};

TEST_F(GlowButtonLooksTest, EveryStateInThreeLooks)
{
    using Look = std::function<void(TGlowButtonAppearance&, TProbeGlowButton&)>;
    const std::pair<const char*, Look> looks[] = {
        {"defaults", [](TGlowButtonAppearance&, TProbeGlowButton&) {}},
        {"pager", [](TGlowButtonAppearance& A, TProbeGlowButton&) { PagerLook(A); }},
        {"tones", [](TGlowButtonAppearance&, TProbeGlowButton& B) { B.SetColorTones(foundation::MakeDefaultTones()); }},
    };
    auto* stripes = new TStripes(form);
    stripes->SetParent(form);
    stripes->SetBounds(150, 100, 120, 61);
    using State = std::function<void(TProbeGlowButton&)>;
    const std::pair<const char*, State> states[] = {
        {"normal", [](TProbeGlowButton&) {}},
        {"hot", [this](TProbeGlowButton& B) { ui.Simulator().MouseMove(B, {30, 20}); Tick(6); }},
        {"mid-fade", [this](TProbeGlowButton& B) { ui.Simulator().MouseMove(B, {30, 20}); Tick(2); }},
        {"down", [this](TProbeGlowButton& B) { ui.Simulator().MouseMove(B, {30, 20}); ui.Simulator().MouseDown(B, {30, 20}); Tick(6); }},
        {"checked", [](TProbeGlowButton& B) { B.SetStyle(bsCheck); B.SetDown(true); }},
        {"disabled", [](TProbeGlowButton& B) { B.SetEnabled(false); }},
        {"focused", [](TProbeGlowButton& B) { B.SetTabStop(true); B.SetFocus(); }},
        {"split-hot", [this](TProbeGlowButton& B) {
             B.SetDropDownButton(true);
             B.SetDropDownMenu(menu);
             ui.Simulator().MouseMove(B, {95, 20});
             Tick(6);
         }},
    };
    const int labelW = 70;
    const int cellW = 130;
    const int cellH = 70;
    QImage sheet(labelW + cellW * (static_cast<int>(std::size(states)) + 1), cellH * 3, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < static_cast<int>(std::size(states)); ++col) {
            const QImage shot = Render(looks[row].second, states[col].second);
            painter.drawText(labelW + col * cellW + 4, row * cellH + 14, QString::fromUtf8(states[col].first));
            painter.drawImage(labelW + col * cellW + 4, row * cellH + 20, shot);
        }
        const QImage over = Render(looks[row].second, [](TProbeGlowButton& B) { B.SetTransparent(true); }, stripes);
        const int last = labelW + static_cast<int>(std::size(states)) * cellW;
        painter.drawText(last + 4, row * cellH + 14, QString::fromUtf8("transparent"));
        painter.drawImage(last + 4, row * cellH + 20, over);
        painter.drawText(4, row * cellH + 45, QString::fromUtf8(looks[row].first));
    }
    painter.end();
    const std::string path = plat::testing::ArtifactPath("glow-buttons.png");
    ASSERT_TRUE(sheet.save(QString::fromStdString(path)));
    // Pixel by pixel, three times larger, for the corners, outlines and arrows.
    const QImage large = sheet.scaled(sheet.size() * 3, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    ASSERT_TRUE(large.save(QString::fromStdString(plat::testing::ArtifactPath("glow-buttons-x3.png"))));
}

TEST_F(GlowButtonLooksTest, ATransparentButtonShowsItsPatternedParent)
{
    auto* stripes = new TStripes(form);
    stripes->SetParent(form);
    stripes->SetBounds(150, 100, 120, 61);
    const QImage shot = Render([](TGlowButtonAppearance&, TProbeGlowButton&) {},
                               [](TProbeGlowButton& B) {
                                   B.SetTransparent(true);
                                   B.SetCaption("");
                                   B.SetImageIndex(-1);
                               },
                               stripes);
    // The button covers (10, 10)-(110, 51) of the stripes: its pixels are the pattern's.
    for (const int x : {12, 16, 50, 105})
        EXPECT_EQ(plat::testing::PixelAt(shot, x, 30), (x / 4) % 2 ? plat::clYellow : plat::clRed) << x;
}

}  // namespace
}  // namespace skelda::pager
