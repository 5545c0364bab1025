#include "CanvasFixture.h"

#include <string>

namespace plat {
namespace {

using EdgesAndFrameControls = ImageCanvasTest;

TEST_F(EdgesAndFrameControls, EdgesUseTheSystemShadesOfTheirKind)
{
    // Colours along the middle of each side of a 20 x 20 square: outer ring, then inner ring.
    const struct {
        const char* name;
        unsigned edge, flags;
        TColor outerLeft, outerRight, innerLeft, innerRight;
    } cases[] = {
        {"raised", EDGE_RAISED, BF_RECT, cl3DLight, cl3DDkShadow, clBtnHighlight, clBtnShadow},
        {"sunken", EDGE_SUNKEN, BF_RECT, clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight},
        {"etched", EDGE_ETCHED, BF_RECT, clBtnShadow, clBtnHighlight, clBtnHighlight, clBtnShadow},
        {"bump", EDGE_BUMP, BF_RECT, cl3DLight, cl3DDkShadow, cl3DDkShadow, cl3DLight},
        {"soft raised", EDGE_RAISED, BF_RECT | BF_SOFT, clBtnHighlight, cl3DDkShadow, cl3DLight, clBtnShadow},
        {"soft sunken", EDGE_SUNKEN, BF_RECT | BF_SOFT, cl3DDkShadow, clBtnHighlight, clBtnShadow, cl3DLight},
        {"flat", EDGE_SUNKEN, BF_RECT | BF_FLAT, clBtnShadow, clBtnShadow, clBtnFace, clBtnFace},
        {"mono", EDGE_RAISED, BF_RECT | BF_MONO, clWindowFrame, clWindowFrame, clWindow, clWindow},
    };
    for (const auto& c : cases) {
        image.fill(Qt::red);
        TRect r = Rect(10, 10, 30, 30);
        EXPECT_TRUE(canvas.DrawEdge(r, c.edge, c.flags));
        EXPECT_EQ(r, Rect(10, 10, 30, 30)) << "moved without BF_ADJUST: " << c.name;
        const TColor expected[] = {c.outerLeft, c.outerLeft, c.outerRight, c.outerRight,
                                   c.innerLeft, c.innerLeft, c.innerRight, c.innerRight};
        const TPoint probes[] = {{10, 20}, {20, 10}, {29, 20}, {20, 29}, {11, 20}, {20, 11}, {28, 20}, {20, 28}};
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(At(probes[i].X, probes[i].Y), ColorToRGB(expected[i])) << c.name << " probe " << i;
        EXPECT_EQ(At(20, 20), clRed) << c.name << ": the middle is left alone";
    }
}

TEST_F(EdgesAndFrameControls, BottomRightSidesOwnTheCornersAndOnlyFlaggedSidesAreDrawn)
{
    image.fill(Qt::red);
    TRect r = Rect(10, 10, 30, 30);
    canvas.DrawEdge(r, BDR_RAISEDINNER, BF_RECT);
    EXPECT_EQ(At(29, 10), ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(10, 29), ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(10, 10), ColorToRGB(clBtnHighlight));

    image.fill(Qt::red);
    canvas.DrawEdge(r, BDR_SUNKENINNER, BF_RIGHT | BF_BOTTOM);
    EXPECT_EQ(At(10, 20), clRed);
    EXPECT_EQ(At(20, 10), clRed);
    EXPECT_EQ(At(29, 10), ColorToRGB(cl3DLight));
    EXPECT_EQ(Count(Rect(10, 10, 30, 30), clRed), 19 * 19);
}

TEST_F(EdgesAndFrameControls, AdjustAndMiddle)
{
    const struct {
        unsigned edge, flags;
        TRect after;
    } cases[] = {
        {EDGE_RAISED, BF_RECT | BF_ADJUST, Rect(12, 12, 28, 28)},
        {BDR_RAISEDOUTER, BF_RECT | BF_ADJUST, Rect(11, 11, 29, 29)},
        {EDGE_SUNKEN, BF_TOPLEFT | BF_ADJUST, Rect(12, 12, 30, 30)},
        {EDGE_SUNKEN, BF_BOTTOM | BF_ADJUST | BF_MIDDLE, Rect(10, 10, 30, 28)},
    };
    for (const auto& c : cases) {
        image.fill(Qt::red);
        TRect r = Rect(10, 10, 30, 30);
        canvas.DrawEdge(r, c.edge, c.flags);
        EXPECT_EQ(r, c.after) << std::hex << c.edge << " " << c.flags;
        const int middlePx = Count(c.after, clBtnFace);
        EXPECT_EQ(middlePx, (c.flags & BF_MIDDLE) ? c.after.Width() * c.after.Height() : 0);
    }
}

TEST_F(EdgesAndFrameControls, CheckAndRadioMarksShowOnlyWhenChecked)
{
    for (unsigned kind : {unsigned{DFCS_BUTTONCHECK}, unsigned{DFCS_BUTTONRADIO}}) {
        for (unsigned look : {0u, unsigned{DFCS_FLAT}, unsigned{DFCS_INACTIVE}}) {
            image.fill(Qt::red);
            TRect unchecked = Rect(4, 4, 17, 17);
            TRect checked = Rect(24, 4, 37, 17);
            EXPECT_TRUE(canvas.DrawFrameControl(unchecked, DFC_BUTTON, kind | look));
            EXPECT_TRUE(canvas.DrawFrameControl(checked, DFC_BUTTON, kind | look | DFCS_CHECKED));
            EXPECT_NE(image.copy(4, 4, 13, 13), image.copy(24, 4, 13, 13)) << kind << " " << look;
            EXPECT_EQ(InkBounds(image.copy(0, 0, 20, 20), clRed), Rect(4, 4, 17, 17)) << kind << " " << look;
        }
    }
}

TEST_F(EdgesAndFrameControls, EveryStateAndKindHasItsOwnFace)
{
    // Each face differs from each other of its type, so controls can show what they mean.
    const struct {
        unsigned type;
        std::vector<unsigned> states;
    } cases[] = {
        {DFC_BUTTON, {DFCS_BUTTONPUSH, DFCS_BUTTONPUSH | DFCS_PUSHED, DFCS_BUTTONPUSH | DFCS_CHECKED,
                      DFCS_BUTTONPUSH | DFCS_FLAT, DFCS_BUTTONPUSH | DFCS_FLAT | DFCS_HOT, DFCS_BUTTONPUSH | DFCS_MONO}},
        {DFC_SCROLL, {DFCS_SCROLLUP, DFCS_SCROLLDOWN, DFCS_SCROLLLEFT, DFCS_SCROLLRIGHT, DFCS_SCROLLUP | DFCS_PUSHED,
                      DFCS_SCROLLUP | DFCS_INACTIVE}},
        {DFC_CAPTION, {DFCS_CAPTIONCLOSE, DFCS_CAPTIONMIN, DFCS_CAPTIONMAX, DFCS_CAPTIONRESTORE, DFCS_CAPTIONHELP,
                       DFCS_CAPTIONCLOSE | DFCS_PUSHED, DFCS_CAPTIONCLOSE | DFCS_INACTIVE}},
    };
    for (const auto& c : cases) {
        std::vector<QImage> faces;
        for (unsigned state : c.states) {
            image.fill(Qt::red);
            TRect r = Rect(0, 0, 18, 16);
            EXPECT_TRUE(canvas.DrawFrameControl(r, c.type, state));
            EXPECT_EQ(Count(Rect(0, 0, 18, 16), clRed), 0) << c.type << " " << std::hex << state << ": face not covered";
            faces.push_back(image.copy(0, 0, 18, 16));
        }
        for (std::size_t i = 0; i < faces.size(); ++i)
            for (std::size_t j = i + 1; j < faces.size(); ++j)
                EXPECT_NE(faces[i], faces[j]) << c.type << ": states " << std::hex << c.states[i] << " and " << c.states[j];
    }
    EXPECT_EQ(Count(Rect(20, 0, 64, 64), clRed), 44 * 64) << "drew outside its rectangle";
}

TEST_F(EdgesAndFrameControls, AdjustRectAndUnknownKinds)
{
    TRect r = Rect(0, 0, 40, 20);
    EXPECT_TRUE(canvas.DrawFrameControl(r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT));
    EXPECT_EQ(r, Rect(2, 2, 38, 18));

    image.fill(Qt::white);
    r = Rect(0, 0, 40, 20);
    EXPECT_FALSE(canvas.DrawFrameControl(r, 99, 0));
    EXPECT_FALSE(canvas.DrawFrameControl(r, DFC_SCROLL, 0x7F));
    EXPECT_FALSE(canvas.DrawFrameControl(r, DFC_CAPTION, 0x20));
    EXPECT_EQ(CountWholeImage(clWhite), 64 * 64);
}

}  // namespace
}  // namespace plat
