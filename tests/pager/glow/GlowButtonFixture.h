#pragma once

#include "pager/glow/GlowAnimation.h"
#include "pager/glow/TGlowButtonAppearance.h"
#include "pager/glow/TVezGlowButton.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/forms/TForm.h"
#include "platform/graphics/TBitmap.h"
#include "platform/testing/UiTestEnvironment.h"
#include "tests/pager/glow/GlowFixture.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace skelda::pager::testing {

// A glow button that tells which repaints it asked for (with the hover position of each) and
// which face its next paint would draw.
class TProbeGlowButton : public TVezGlowButton {
public:
    using TVezGlowButton::TVezGlowButton;
    using TVezCustomGlowButton::GlowRunning;
    using TVezCustomGlowButton::HoverPosition;
    using TVezCustomGlowButton::PushPosition;

    void Invalidate() override
    {
        HoverAtInvalidate.push_back(HoverPosition());
        TVezGlowButton::Invalidate();
    }

    // The face request of the next paint, without its font and glyph.
    TGlowFaceRequest Face()
    {
        plat::TFont font;
        plat::TBitmap glyph;
        TGlowFaceRequest face = BuildFaceRequest(Canvas(), font, glyph);
        face.Font = nullptr;
        face.GlyphBitmap = nullptr;
        return face;
    }

    std::vector<int> HoverAtInvalidate;
};

// A shown form with one glow button at (10, 10), 100 × 41, that counts its clicks. The glow
// animation runs at its start-up interval.
class GlowButtonTest : public ::testing::Test {
protected:
    GlowButtonTest()
    {
        GlowAnimationInterval = 30;
        form->SetClientWidth(300);
        form->SetClientHeight(200);
        button = AddButton(plat::Bounds(10, 10, 100, 41));
        form->Show();
    }
    ~GlowButtonTest() override { GlowAnimationInterval = 30; }

    TProbeGlowButton* AddButton(const plat::TRect& Bounds)
    {
        auto* b = new TProbeGlowButton(form);
        b->SetParent(form);
        b->SetBoundsRect(Bounds);
        b->SetCaption("Glow");
        b->SetTextMeasurer(&measurer);
        b->OnClick = [this, b](plat::TObject*) { ++clicks[b]; };
        return b;
    }

    void Tick(int Count = 1) { ui.Clock().Advance(30 * Count); }

    plat::testing::UiTestEnvironment ui;
    plat::TForm* form = new plat::TForm(plat::Application);
    FixedTextMeasurer measurer;
    TProbeGlowButton* button = nullptr;
    std::map<TProbeGlowButton*, int> clicks;
};

}  // namespace skelda::pager::testing
