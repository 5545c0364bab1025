// Painting on glass: with the desktop composed (the composition library answers as the test
// says) a transparent glass pager paints through an opaque buffer; without composition, even
// when it goes away while the pager lives, it paints as any control.

#include "foundation/TDesktopComposition.h"
#include "platform/controls/core/Messages.h"
#include "platform/controls/core/PaintContext.h"
#include "platform/testing/ImageProbe.h"
#include "platform/testing/Screenshot.h"
#include "tests/pager/glow/GlowFixture.h"
#include "tests/pager/office/PagerFixture.h"

#include <QImage>

#include <algorithm>
#include <cstdint>

namespace skelda::pager::testing {
namespace {

bool compositionOn = true;

plat::HRESULT AnswerComposition(std::int32_t* Enabled)
{
    *Enabled = compositionOn ? 1 : 0;
    return plat::S_OK;
}

// Records the erase and print-client messages of its paints and, at the print, the lowest alpha
// over what it is asked to paint; with SwallowErase the buffer stays as the erase found it.
class SpyPager : public TVezOfficePager {
public:
    using TVezOfficePager::TVezOfficePager;

    void Dispatch(plat::TMessage& Message) override
    {
        if (Message.Msg == plat::WM_ERASEBKGND) {
            messages.push_back("erase");
            if (SwallowErase)
                return;
        }
        if (Message.Msg == plat::WM_PRINTCLIENT) {
            messages.push_back("print " + std::to_string(Message.LParam));
            const auto* context = reinterpret_cast<const plat::TPaintContext*>(Message.WParam);
            if (context && context->Pixels)
                lowestAlphaAtPrint = LowestAlpha(*context);
        }
        TVezOfficePager::Dispatch(Message);
    }

    bool SwallowErase = false;
    std::vector<std::string> messages;
    int lowestAlphaAtPrint = -1;

private:
    static int LowestAlpha(const plat::TPaintContext& Context)
    {
        int lowest = 255;
        const plat::TRect r = Context.ClipRect;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                lowest = std::min(lowest, qAlpha(Context.Pixels->pixel(x + Context.Origin.X, y + Context.Origin.Y)));
        return lowest;
    }
};

class PagerGlassTest : public ::testing::Test {
protected:
    PagerGlassTest()
    {
        // The process keeps the composition library's entry once found: start and end without it.
        foundation::DesktopComposition().Free();
        compositionOn = true;
        ui.Base().Libraries().AddLibrary(
            "DWMAPI.DLL", {{"DwmIsCompositionEnabled", reinterpret_cast<plat::FARPROC>(&AnswerComposition)}});
        form->SetClientWidth(400);
        form->SetClientHeight(200);
        form->SetColor(formColor);
        pager = new SpyPager(form);
        pager->SetTextMeasurer(&measurer);
        pager->SetParent(form);
        pager->SetBounds(0, 0, 400, 200);
        pager->TabSettings().SetWidth(100);
        for (const char* caption : {"A", "B", "C"}) {
            auto* page = new TVezOfficePage(form);
            page->SetCaption(caption);
            pager->AddVezPage(page);
        }
        pager->SetActivePageIndex(1);
        pager->TabSettings().SetGlass(true);
        pager->SetTransparent(true);
        form->Show();
    }
    ~PagerGlassTest() override
    {
        delete form;
        foundation::DesktopComposition().Free();
    }

    const plat::TColor formColor = 0x40A020;
    FixedTextMeasurer measurer;
    plat::testing::UiTestEnvironment ui;
    plat::TForm* form = new plat::TForm(plat::Application);
    SpyPager* pager = nullptr;
};

TEST_F(PagerGlassTest, OnlyAComposedDesktopUnderAGlassTransparentPagerTakesTheGlassPath)
{
    const std::vector<std::string> glass{"erase", "print " + std::to_string(plat::PRF_CLIENT)};
    const std::vector<std::string> normal{"erase"};
    const struct {
        const char* Name;
        bool Composition;
        bool Glass;
        bool Transparent;
        bool GlassActive;
        std::vector<std::string> Messages;
    } cases[] = {
        {"composed", true, true, true, true, glass},
        {"composition switched off meanwhile", false, true, true, true, normal},
        {"no glass", true, false, true, false, normal},
        {"opaque", true, true, false, false, normal},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        compositionOn = c.Composition;
        pager->TabSettings().SetGlass(c.Glass);
        pager->SetTransparent(c.Transparent);
        EXPECT_EQ(pager->GlassActive(), c.GlassActive);
        pager->messages.clear();
        plat::testing::Screenshot(*pager);
        EXPECT_EQ(pager->messages, c.Messages);
    }
}

TEST_F(PagerGlassTest, TheGlassBufferIsOpaqueOverTheUpdateBeforeThePagerPaintsIntoIt)
{
    pager->SwallowErase = true;
    const QImage shot = plat::testing::Screenshot(*pager);
    EXPECT_EQ(pager->lowestAlphaAtPrint, 255) << "made opaque although nothing was erased";
    EXPECT_EQ(plat::testing::PixelAt(shot, 350, 10), formColor) << "the parent shows beyond the tabs";
    const plat::TRect tab = pager->GetTabRect(1);
    EXPECT_NE(plat::testing::PixelAt(shot, tab.Right - 12, (tab.Top + tab.Bottom) / 2), formColor)
        << "the active tab has a body";
}

}  // namespace
}  // namespace skelda::pager::testing
