#include "foundation/EHTMLHintError.h"
#include "foundation/MiniHtmlDraw.h"
#include "foundation/THTMLHint.h"
#include "foundation/THTMLHintWindow.h"
#include "foundation/THTMLPictureCache.h"
#include "foundation/TPictureContainer.h"
#include "platform/controls/core/WindowRegion.h"
#include "platform/controls/forms/HintManager.h"
#include "platform/controls/forms/TForm.h"
#include "platform/controls/forms/TScreen.h"
#include "platform/controls/standard/TPanel.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TImageList.h"
#include "platform/testing/ImageProbe.h"
#include "platform/testing/Screenshot.h"
#include "platform/testing/TRecordingCanvas.h"
#include "platform/testing/UiTestEnvironment.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

using namespace skelda::foundation;
using plat::Rect;
using plat::TRect;

namespace {

// A primary monitor and, to its right, a smaller one set lower.
const std::vector<plat::TMonitor> kTwoMonitors = {
    {0, Rect(0, 0, 1280, 1024), Rect(0, 0, 1280, 984), true},
    {1, Rect(1280, 200, 2304, 968), Rect(1280, 200, 2304, 968), false},
};

class HTMLHintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        plat::TheScreen().SetMonitorLayout(kTwoMonitors);
        hint = new THTMLHint(form);
    }

    // The hint as the application shows it at Position: the component's handler fills the
    // record, then the window places itself.
    THTMLHintWindow& Show(const std::string& Text, plat::TPoint Position, int MaxWidth = 1280)
    {
        plat::THintInfo info;
        info.HintPos = Position;
        info.HintMaxWidth = MaxWidth;
        std::string text = Text;
        bool canShow = true;
        hint->AppShowHint(text, canShow, info);
        window = new THTMLHintWindow(plat::Application);
        window->ActivateHint(plat::Bounds(Position.X, Position.Y, 10, 10), text);
        return *window;
    }

    // The text's size as the hint's own measuring pass finds it.
    plat::TSize Measured(const std::string& Text, int WidthPx = 1264)
    {
        plat::testing::TRecordingCanvas canvas(400, 200);
        canvas.Font().Assign(hint->HintFont());
        std::string link, plain, focused;
        int w = 0, h = 0, total = 0, index = -1;
        TRect linkRect{};
        MiniHtmlDrawHint(canvas, Text, Rect(0, 0, WidthPx, 10), nullptr, 0, 0, -1, -1, 1, false, true, false, false,
                         true, false, !hint->GetEllipsis(), 1.0, hint->GetURLColor(), plat::clNone, plat::clNone,
                         0x808080, link, plain, focused, w, h, total, index, linkRect, &hint->PictureCache(),
                         nullptr, hint->GetLineSpacing(), 0);
        return {w, h};
    }

    plat::testing::UiTestEnvironment ui;
    plat::TForm* form = plat::Application->CreateForm<plat::TForm>();
    THTMLHint* hint = nullptr;
    THTMLHintWindow* window = nullptr;
};

TEST(HTMLHintCreateTest, OnlyOneComponentOnAFormAndOnlyOnAForm)
{
    plat::testing::UiTestEnvironment ui;
    for (plat::TComponent* owner : {static_cast<plat::TComponent*>(nullptr), new plat::TComponent(plat::Application)}) {
        try {
            new THTMLHint(owner);
            ADD_FAILURE() << "made without a form";
        } catch (const EHTMLHintError& e) {
            EXPECT_EQ(e.Message(), "Control parent must be a form!");
        }
        if (owner) {
            EXPECT_EQ(owner->ComponentCount(), 0);
        }
    }
    auto* form = new plat::TForm(plat::Application);
    auto* first = new THTMLHint(form);
    try {
        new THTMLHint(form);
        ADD_FAILURE() << "a second one was made";
    } catch (const EHTMLHintError& e) {
        EXPECT_EQ(e.Message(), "Only one instance of THTMLHint allowed on form");
    }
    EXPECT_EQ(form->ComponentCount(), 1);
    EXPECT_EQ(form->Components(0), first);
    // Another form may have its own.
    EXPECT_NO_THROW(new THTMLHint(new plat::TForm(plat::Application)));
}

TEST_F(HTMLHintTest, StartsWithItsDefaultsAndTakesOverTheApplicationsHints)
{
    EXPECT_EQ(hint->GetVersion(), "1.3.8.0");
    EXPECT_EQ(hint->GetHintColor(), plat::clInfoBk);
    EXPECT_EQ(hint->GetHintColorTo(), plat::clNone);
    EXPECT_EQ(hint->HintFont().GetName(), "Tahoma");
    EXPECT_EQ(hint->HintFont().GetColor(), plat::clInfoText);
    EXPECT_EQ(hint->GetShadowOffset(), 1);
    EXPECT_EQ(hint->GetShadowColor(), 0x808080U);
    EXPECT_EQ(hint->GetURLColor(), 0xFF0000U);
    EXPECT_EQ(hint->GetHintStyle(), hsRectangle);
    EXPECT_EQ(FindHTMLHint(), hint);
    ASSERT_TRUE(plat::Application->HintWindowClass);
    std::unique_ptr<plat::THintWindow> made(plat::Application->HintWindowClass(nullptr));
    EXPECT_EQ(made->ClassName(), "THTMLHintWindow");
}

TEST_F(HTMLHintTest, TheHandlerSetsColourAndWidthBeforeTheUsersEventWhichHasTheLastWord)
{
    hint->SetHintColor(0x00F0FBFF);
    hint->SetMaxWidth(300);
    std::vector<std::string> seen;
    hint->OnShowHint = [&](std::string& text, bool&, plat::THintInfo& info) {
        seen.push_back(text + " " + std::to_string(info.HintMaxWidth) + " " + std::to_string(info.HintColor));
        info.HintMaxWidth = 222;
        info.HintColor = 0x123456;
    };
    Show("<b>x</b>", {10, 10}, 500);
    EXPECT_EQ(seen, std::vector<std::string>{"<b>x</b> 300 " + std::to_string(0x00F0FBFF)});
    EXPECT_EQ(HTMLHintMaxWidth(), 222);
    EXPECT_EQ(hint->HintInfo().HintColor, 0x123456U);
    EXPECT_EQ(window->GetColor(), 0x00F0FBFFU);
}

TEST_F(HTMLHintTest, SizeFollowsTheMeasuredTextMarginsAndWidestWidth)
{
    const std::string text = "<b>Compute</b> the propagation<br>for the <font color=\"clRed\">new</font> location.";
    const plat::TSize size = Measured(text);
    THTMLHintWindow& plainWindow = Show(text, {100, 100});
    EXPECT_EQ(plainWindow.GetBoundsRect(), plat::Bounds(100, 100, size.cx + 16, size.cy + 4));
    EXPECT_EQ(plainWindow.GetTextWidth(), size.cx);

    hint->SetXMargin(5);
    hint->SetYMargin(5);
    THTMLHintWindow& wide = Show(text, {100, 100});
    EXPECT_EQ(wide.GetWidth(), plainWindow.GetWidth() + 10);
    EXPECT_EQ(wide.GetHeight(), plainWindow.GetHeight() + 10);

    // Widest width: the text wraps within MaxWidth - 16; with Ellipsis it stays one line a row.
    hint->SetXMargin(0);
    hint->SetYMargin(0);
    const std::string longText = "one two three four five six seven eight nine ten eleven twelve";
    const plat::TSize oneLine = Measured(longText);
    hint->SetMaxWidth(120);
    THTMLHintWindow& wrapped = Show(longText, {100, 100});
    EXPECT_LE(wrapped.GetWidth(), 120);
    EXPECT_GT(wrapped.GetHeight(), oneLine.cy + 4);
    hint->SetEllipsis(true);
    THTMLHintWindow& cut = Show(longText, {100, 100});
    EXPECT_EQ(cut.GetHeight(), oneLine.cy + 4);

    // No widest width kept at all: the screen's, not a window that wraps every word.
    hint->SetEllipsis(false);
    hint->SetMaxWidth(0);
    THTMLHintWindow& unbounded = Show(longText, {100, 100}, 0);
    EXPECT_EQ(HTMLHintMaxWidth(), 0);
    EXPECT_EQ(unbounded.GetBoundsRect(), plat::Bounds(100, 100, oneLine.cx + 16, oneLine.cy + 4));
}

TEST_F(HTMLHintTest, AHintStaysOnTheMonitorNearestItsPosition)
{
    const std::string text = "A hint that is rather wide for its place";
    const plat::TSize size = Measured(text);
    const int w = size.cx + 16, h = size.cy + 4;
    const struct {
        const char* name;
        plat::TPoint at;
        TRect expected;
    } cases[] = {
        {"fits", {100, 100}, plat::Bounds(100, 100, w, h)},
        {"past the right edge", {1270, 100}, plat::Bounds(1280 - 2 - w, 100, w, h)},
        {"past the bottom", {100, 1020}, plat::Bounds(100, 1024 - 2 - h, w, h)},
        {"past both", {1275, 1020}, plat::Bounds(1280 - 2 - w, 1024 - 2 - h, w, h)},
        {"second monitor, its own bottom", {1500, 960}, plat::Bounds(1500, 968 - 2 - h, w, h)},
        {"second monitor, its own right", {2300, 300}, plat::Bounds(2304 - 2 - w, 300, w, h)},
        {"off every monitor: the nearest", {2400, 1100}, plat::Bounds(2304 - 2 - w, 968 - 2 - h, w, h)},
        {"left of the monitor", {-300, 100}, plat::Bounds(2, 100, w, h)},
        {"above the second monitor", {1500, 50}, plat::Bounds(1500, 202, w, h)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Show(text, c.at).GetBoundsRect(), c.expected);
    }
}

// A wrapped hint paints the lines it was measured in and sized for: a line's trailing blank,
// wider here than the room the window adds, does not send its last word to the next line.
TEST_F(HTMLHintTest, PaintsTheLinesItWasMeasuredIn)
{
    hint->SetHintColor(0xF0FBFF);
    hint->HintFont().SetHeight(-40);
    hint->HintFont().SetColor(plat::clBlack);
    const std::string text = "abc abc abc abc";
    hint->SetMaxWidth(Measured("abc abc abc").cx + 16);
    THTMLHintWindow& wrapped = Show(text, {40, 40});
    const int lineHeight = Measured("abc").cy;
    ASSERT_EQ(wrapped.GetTextWidth(), Measured("abc abc").cx);
    ASSERT_EQ(wrapped.GetTextHeight(), 2 * lineHeight);
    const QImage image = plat::testing::Screenshot(wrapped, "html-hint-wrapped.png");
    // The text starts 5 pixels in (4 and the engine's one) and 2 pixels down.
    const int second = 5 + Measured("abc ").cx;
    for (const int line : {0, 1}) {
        const TRect word{second, 2 + line * lineHeight, 5 + Measured("abc abc").cx, 2 + (line + 1) * lineHeight};
        EXPECT_GT(plat::testing::CountPixels(image, word, plat::clBlack), 0) << "the second word of line " << line;
    }

    // A last line in a smaller font than the line before began in is painted too.
    hint->HintFont().SetHeight(-11);
    hint->SetMaxWidth(0);
    THTMLHintWindow& shrinking = Show("<FONT size=\"30\">abc<BR>abc</FONT><BR>abc", {40, 40});
    const QImage shrinkingImage = plat::testing::Screenshot(shrinking, "html-hint-shrinking.png");
    const TRect last{5, shrinking.GetHeight() - 2 - Measured("abc").cy / 2, 5 + shrinking.GetTextWidth(),
                     shrinking.GetHeight() - 2};
    EXPECT_GT(plat::testing::CountPixels(shrinkingImage, last, plat::clBlack), 0) << "the last line";

    // Cut lines keep a last narrow run that fits before the measured edge.
    hint->SetEllipsis(true);
    hint->SetMaxWidth(0);
    THTMLHintWindow& cut = Show("Hello <b>x</b>", {40, 40});
    const QImage cutImage = plat::testing::Screenshot(cut, "html-hint-cut.png");
    const TRect x{5 + Measured("Hello ").cx, 2, 5 + cut.GetTextWidth(), 2 + Measured("x").cy};
    EXPECT_GT(plat::testing::CountPixels(cutImage, x, plat::clBlack), 0);
}

TEST_F(HTMLHintTest, BothStylesPaintTheirFrameBackgroundAndShape)
{
    hint->SetHintColor(0xF0FBFF);
    hint->HintFont().SetHeight(-11);
    const std::string text = "<b>Compute</b> the propagation<br>for the <font color=\"clRed\">new</font> "
                             "<u>location</u>.<ul><li>one<li>two</ul>";

    THTMLHintWindow& flat = Show(text, {40, 40});
    const QImage flatImage = plat::testing::Screenshot(flat, "html-hint-rectangle-flat.png");
    EXPECT_EQ(plat::testing::PixelAt(flatImage, flat.GetWidth() / 2, flat.GetHeight() - 3), 0xF0FBFFU);
    EXPECT_EQ(plat::testing::PixelAt(flatImage, 0, 0), plat::ColorToRGB(plat::cl3DLight));
    EXPECT_EQ(plat::testing::PixelAt(flatImage, flat.GetWidth() - 1, flat.GetHeight() - 1),
              plat::ColorToRGB(plat::cl3DDkShadow));
    EXPECT_FALSE(plat::GetWindowRgn(flat).has_value());

    hint->SetHintColorTo(0x07BCE9);
    THTMLHintWindow& gradient = Show(text, {40, 40});
    const QImage gradientImage = plat::testing::Screenshot(gradient, "html-hint-rectangle-gradient.png");
    // Bands from top to bottom, each row one colour; read beside the frame, right of the text.
    std::set<plat::TColor> bands;
    const int x = gradient.GetWidth() - 3;
    for (int y = 1; y < gradient.GetHeight() - 1; ++y)
        bands.insert(plat::testing::PixelAt(gradientImage, x, y));
    EXPECT_GE(bands.size(), std::min<std::size_t>(48, gradient.GetHeight() / 2));
    EXPECT_LE(bands.size(), 48U);
    // The rows just inside the frame are a band or two from the start and end colours (a band
    // moves a channel by at most 0xE9 / 47).
    const auto nearColour = [](plat::TColor actual, plat::TColor expected) {
        for (const int shift : {0, 8, 16})
            if (std::abs(static_cast<int>((actual >> shift) & 0xFF) - static_cast<int>((expected >> shift) & 0xFF)) > 11)
                return false;
        return true;
    };
    EXPECT_TRUE(nearColour(plat::testing::PixelAt(gradientImage, x, 1), 0xF0FBFF));
    EXPECT_TRUE(nearColour(plat::testing::PixelAt(gradientImage, x, gradient.GetHeight() - 2), 0x07BCE9));

    hint->SetHintStyle(hsRounded);
    THTMLHintWindow& rounded = Show(text, {40, 40});
    const QImage roundedImage = plat::testing::Screenshot(rounded, "html-hint-rounded-gradient.png");
    const auto shape = plat::GetWindowRgn(rounded);
    ASSERT_TRUE(shape.has_value());
    EXPECT_FALSE(shape->Contains({0, 0}));
    EXPECT_FALSE(shape->Contains({rounded.GetWidth() - 1, rounded.GetHeight() - 1}));
    EXPECT_TRUE(shape->Contains({rounded.GetWidth() / 2, 0}));
    EXPECT_EQ(shape->Bounds(), Rect(0, 0, rounded.GetWidth(), rounded.GetHeight()));
    EXPECT_EQ(plat::testing::PixelAt(roundedImage, rounded.GetWidth() / 2, 0), 0x808080U);

    hint->SetHintColorTo(plat::clNone);
    Show(text, {40, 40});
    plat::testing::Screenshot(*window, "html-hint-rounded-flat.png");
}

TEST_F(HTMLHintTest, TheApplicationsHintsShowInTheHtmlWindow)
{
    form->SetBounds(100, 100, 300, 200);
    auto* panel = new plat::TPanel(form);
    panel->SetParent(form);
    panel->SetBounds(10, 10, 100, 50);
    panel->SetHint("<b>Bold</b> hint");
    panel->SetShowHint(true);
    form->Show();
    ui.Simulator().MouseMove(*panel, {20, 20});
    ui.Clock().Advance(plat::Application->GetHintPause());
    plat::THintWindow* shown = plat::HintManager::ShowingHintWindow();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->ClassName(), "THTMLHintWindow");
    EXPECT_TRUE(shown->GetVisible());
    EXPECT_EQ(shown->GetWidth(), Measured("<b>Bold</b> hint").cx + 16);
    EXPECT_EQ(shown->GetLeft(), panel->ClientToScreen({20, 20}).X);
}

TEST_F(HTMLHintTest, WithoutTheComponentOnTheMainFormNoHintShows)
{
    delete hint;
    hint = nullptr;
    EXPECT_EQ(FindHTMLHint(), nullptr);
    auto* other = new plat::TForm(plat::Application);
    new THTMLHint(other);
    EXPECT_EQ(FindHTMLHint(), nullptr);
    window = new THTMLHintWindow(plat::Application);
    window->ActivateHint(plat::Bounds(10, 10, 50, 20), "text");
    EXPECT_EQ(window->GetText(), "text");
    EXPECT_FALSE(window->GetVisible());
    // The application keeps the window class.
    EXPECT_EQ(std::unique_ptr<plat::THintWindow>(plat::Application->HintWindowClass(nullptr))->ClassName(),
              "THTMLHintWindow");
}

TEST_F(HTMLHintTest, ImagesAndContainerAreForgottenWhenFreed)
{
    auto* images = new plat::TImageList(form);
    auto* pictures = new TPictureContainer(new plat::TForm(plat::Application));
    hint->SetImages(images);
    hint->SetPictureContainer(pictures);
    delete images;
    delete pictures;
    EXPECT_EQ(hint->GetImages(), nullptr);
    EXPECT_EQ(hint->GetPictureContainer(), nullptr);
}

// The window's parameters, as the window system gets them.
class TParamsOfHintWindow : public THTMLHintWindow {
public:
    using THTMLHintWindow::THTMLHintWindow;
    plat::TCreateParams Params() const
    {
        plat::TCreateParams params;
        CreateParams(params);
        return params;
    }
};

TEST(HTMLHintWindowTest, HasNoBorderAndADropShadowFromVersionFiveOneOn)
{
    plat::testing::UiTestEnvironment ui;
    TParamsOfHintWindow window(nullptr);
    const struct {
        int major, minor, platform;
        bool shadow;
    } cases[] = {
        {5, 0, plat::VER_PLATFORM_WIN32_NT, false},
        {5, 1, plat::VER_PLATFORM_WIN32_NT, true},
        {6, 0, plat::VER_PLATFORM_WIN32_NT, true},
        {5, 1, plat::VER_PLATFORM_WIN32_WINDOWS, false},
    };
    for (const auto& c : cases) {
        plat::TOSVersionInfo version;
        version.MajorVersion = c.major;
        version.MinorVersion = c.minor;
        version.PlatformId = c.platform;
        ui.Base().Platform().SetVersionEx(version);
        const plat::TCreateParams params = window.Params();
        EXPECT_EQ(params.Style & plat::WS_BORDER, 0u);
        EXPECT_EQ((params.WindowClassStyle & plat::CS_DROPSHADOW) != 0, c.shadow) << c.major << "." << c.minor;
    }
}

TEST(DrawHintBorderTest, LightGoesLeftAndTopDarkBottomAndRight)
{
    plat::testing::TRecordingCanvas canvas(40, 30);
    canvas.Brush().SetColor(plat::clWhite);
    canvas.FillRect(Rect(0, 0, 40, 30));
    DrawHintBorder(canvas, Rect(5, 5, 25, 20), 0x0000FF, 0x00FF00);
    const QImage& image = canvas.Image();
    EXPECT_EQ(plat::testing::PixelAt(image, 5, 5), 0x0000FFU);
    EXPECT_EQ(plat::testing::PixelAt(image, 5, 17), 0x0000FFU);
    EXPECT_EQ(plat::testing::PixelAt(image, 23, 5), 0x0000FFU);
    EXPECT_EQ(plat::testing::PixelAt(image, 5, 19), 0x00FF00U);
    EXPECT_EQ(plat::testing::PixelAt(image, 24, 19), 0x00FF00U);
    EXPECT_EQ(plat::testing::PixelAt(image, 24, 6), 0x00FF00U);
    EXPECT_EQ(plat::testing::PixelAt(image, 15, 12), plat::clWhite);
}

}  // namespace
