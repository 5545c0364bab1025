// What the drawing controls put on the screen: a whole form rendered headless, shapes, images,
// paint boxes, labels and panels, checked at sample points.

#include "StandardFixture.h"

#include "platform/controls/standard/TBitBtn.h"
#include "platform/controls/standard/TCheckBox.h"
#include "platform/controls/standard/TEdit.h"
#include "platform/controls/standard/TImage.h"
#include "platform/controls/standard/TLabel.h"
#include "platform/controls/standard/TListBox.h"
#include "platform/controls/standard/TPaintBox.h"
#include "platform/controls/standard/TPanel.h"
#include "platform/controls/standard/TRadioGroup.h"
#include "platform/controls/standard/TShape.h"
#include "platform/core/Exception.h"
#include "platform/core/TStrings.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TBrush.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TJPEGImage.h"
#include "platform/graphics/TPen.h"
#include "platform/graphics/TPicture.h"
#include "platform/testing/ImageProbe.h"
#include "platform/testing/Screenshot.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace plat;
using namespace plat::testing;

namespace {

class PictureTest : public StandardFixture {
protected:
    // The form's client area as rendered; control positions are client coordinates.
    QImage RenderForm(const std::string& FileName)
    {
        form->Show();
        return Screenshot(*form, FileName);
    }
};

TEST_F(PictureTest, AFormOfStandardControlsRendersHeadless)
{
    form->SetClientWidth(400);
    form->SetClientHeight(260);
    form->SetColor(clBtnFace);

    auto* panel = AddControl<TPanel>(*form, Bounds(10, 10, 180, 60));
    panel->SetColor(clNavy);
    panel->SetBevelOuter(bvLowered);
    panel->SetBevelWidth(2);
    panel->SetCaption("Panel");
    panel->Font().SetColor(clYellow);
    panel->Font().SetHeight(-20);

    auto* plain = AddControl<TLabel>(*form, Bounds(200, 10, 100, 17));
    plain->SetCaption("Latitude");
    auto* colored = new TLabel(form);
    colored->SetAutoSize(false);
    colored->SetBounds(200, 40, 100, 17);
    colored->SetParent(form);
    colored->SetColor(clRed);

    auto* group = AddControl<TRadioGroup>(*form, Bounds(10, 80, 180, 90));
    group->SetCaption(" Route ");
    group->Items().Add("Short path");
    group->Items().Add("Long path");
    group->SetItemIndex(1);

    auto* box = AddControl<TCheckBox>(*form, Bounds(200, 80, 120, 17));
    box->SetCaption("Threshold");
    box->SetChecked(true);

    auto* edit = AddControl<TEdit>(*form, Bounds(200, 110, 120, 21));
    edit->SetText("JN18");
    edit->SetColor(clAqua);

    auto* shape = AddControl<TShape>(*form, Bounds(200, 150, 60, 40));
    shape->Brush().SetColor(clLime);
    shape->Pen().SetColor(clFuchsia);
    shape->Pen().SetWidth(3);

    const QImage picture = RenderForm("standard_form.png");
    ASSERT_FALSE(picture.isNull());
    const TPoint origin = form->WidgetClientOffset();
    auto at = [&](int x, int y) { return PixelAt(picture, origin.X + x, origin.Y + y); };

    EXPECT_EQ(at(5, 5), ColorToRGB(clBtnFace)) << "form";
    EXPECT_EQ(at(10 + 20, 10 + 8), RGB(0, 0, 128)) << "panel inside its bevel";
    EXPECT_EQ(at(10, 10), ColorToRGB(clBtnShadow)) << "lowered bevel, top-left";
    EXPECT_EQ(at(10 + 179, 10 + 59), ColorToRGB(clBtnHighlight)) << "lowered bevel, bottom-right";
    EXPECT_GT(CountPixels(picture, Bounds(origin.X + 10, origin.Y + 10, 180, 60), clYellow), 20) << "caption";
    EXPECT_EQ(at(250, 48), clRed) << "opaque label";
    EXPECT_GT(CountPixels(picture, Bounds(origin.X + 200, origin.Y + 10, plain->GetWidth(), plain->GetHeight()),
                          ColorToRGB(clWindowText)),
              10)
        << "label text";
    EXPECT_EQ(at(260, 120), clAqua) << "edit";
    EXPECT_EQ(at(230, 170), clLime) << "shape inside";
    EXPECT_EQ(at(201, 170), clFuchsia) << "shape outline";
    EXPECT_GT(CountPixels(picture, Bounds(origin.X + 10, origin.Y + 80, 180, 90), ColorToRGB(clBtnShadow)), 50)
        << "group frame";
}

TEST_F(PictureTest, NativeControlsTakeColoursChangedAfterTheirWindowExists)
{
    auto* edit = AddControl<TEdit>(*form, Bounds(10, 10, 120, 21));
    auto* list = AddControl<TListBox>(*form, Bounds(10, 40, 120, 60));
    edit->HandleNeeded();
    list->HandleNeeded();
    edit->SetColor(clAqua);
    list->SetColor(clYellow);

    const QImage picture = RenderForm("native_colours.png");
    ASSERT_FALSE(picture.isNull());
    const TPoint origin = form->WidgetClientOffset();
    EXPECT_EQ(PixelAt(picture, origin.X + 100, origin.Y + 20), clAqua) << "edit";
    EXPECT_EQ(PixelAt(picture, origin.X + 100, origin.Y + 90), clYellow) << "list";
}

TEST_F(PictureTest, ShapesFollowTheirKindPenAndBrush)
{
    struct Case {
        TShapeType shape;
        TPoint inside;
        TPoint outside;
    };
    // 40 x 20 controls: the square and circle take the middle 20 x 20.
    const Case cases[] = {
        {stRectangle, {2, 2}, {-1, -1}},
        {stSquare, {20, 10}, {5, 10}},
        {stRoundRect, {20, 10}, {0, 0}},
        {stRoundSquare, {20, 10}, {5, 10}},
        {stEllipse, {20, 10}, {1, 1}},
        {stCircle, {20, 10}, {12, 2}},
    };
    int left = 10;
    std::vector<TShape*> shapes;
    for (const Case& c : cases) {
        auto* shape = AddControl<TShape>(*form, Bounds(left, 10, 40, 20));
        shape->SetShape(c.shape);
        shape->Brush().SetColor(clRed);
        shape->Pen().SetColor(clRed);
        shapes.push_back(shape);
        left += 50;
    }
    form->SetColor(clWhite);
    const QImage picture = RenderForm("shapes.png");
    const TPoint origin = form->WidgetClientOffset();
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        SCOPED_TRACE(cases[i].shape);
        const TPoint base{origin.X + shapes[i]->GetLeft(), origin.Y + shapes[i]->GetTop()};
        EXPECT_EQ(PixelAt(picture, base.X + cases[i].inside.X, base.Y + cases[i].inside.Y), clRed);
        if (cases[i].outside.X >= 0) {
            EXPECT_EQ(PixelAt(picture, base.X + cases[i].outside.X, base.Y + cases[i].outside.Y), clWhite);
        }
    }

    // A clear brush shows what lies below; changes of pen and brush repaint.
    shapes[0]->Brush().SetStyle(bsClear);
    shapes[0]->Pen().SetColor(clBlue);
    const QImage after = RenderForm({});
    EXPECT_EQ(PixelAt(after, origin.X + 10 + 20, origin.Y + 10 + 10), clWhite);
    EXPECT_EQ(PixelAt(after, origin.X + 10, origin.Y + 10 + 10), clBlue);
}

TEST_F(PictureTest, AnImageShowsItsPictureAsAsked)
{
    TBitmap bitmap;
    bitmap.SetSize(20, 10);
    bitmap.Canvas().Brush().SetColor(clBlue);
    bitmap.Canvas().FillRect(Bounds(0, 0, 20, 10));
    bitmap.Canvas().Brush().SetColor(clRed);
    bitmap.Canvas().FillRect(Bounds(10, 0, 10, 10));

    struct Case {
        const char* name;
        bool stretch;
        bool center;
        bool proportional;
        TRect dest;
    };
    // A 60 x 40 image.
    const Case cases[] = {
        {"as it is", false, false, false, Bounds(0, 0, 20, 10)},
        {"centred", false, true, false, Bounds(20, 15, 20, 10)},
        {"stretched", true, false, false, Bounds(0, 0, 60, 40)},
        {"stretched, keeping its shape", true, true, true, Bounds(0, 5, 60, 30)},
        {"only shrunk when proportional", false, false, true, Bounds(0, 0, 20, 10)},
    };
    auto* image = AddControl<TImage>(*form, Bounds(10, 10, 60, 40));
    image->Picture().SetGraphic(&bitmap);
    form->SetColor(clWhite);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        image->SetStretch(c.stretch);
        image->SetCenter(c.center);
        image->SetProportional(c.proportional);
        EXPECT_EQ(image->DestRect(), c.dest);
        const QImage picture = Screenshot(*image);
        EXPECT_EQ(PixelAt(picture, c.dest.Left + 1, c.dest.Top + 1), clBlue);
        EXPECT_EQ(PixelAt(picture, c.dest.Right - 2, c.dest.Bottom - 2), clRed);
    }

    image->SetAutoSize(true);
    image->Picture().SetGraphic(&bitmap);
    EXPECT_EQ(image->GetWidth(), 20);
    EXPECT_EQ(image->GetHeight(), 10);
}

TEST_F(PictureTest, AnImageKeepsWhatItsCanvasDraws)
{
    auto* image = AddControl<TImage>(*form, Bounds(10, 10, 30, 20));
    form->Show();
    image->Canvas().Brush().SetColor(clGreen);
    image->Canvas().FillRect(Bounds(0, 0, 30, 20));
    EXPECT_EQ(image->Picture().GetWidth(), 30) << "an empty image gets a bitmap of its size";
    EXPECT_EQ(PixelAt(Screenshot(*image, "image_canvas.png"), 15, 10), clGreen);

    // A picture of another kind cannot be drawn on.
    TJPEGImage jpeg;
    jpeg.Assign(image->Picture().Bitmap());
    image->Picture().SetGraphic(&jpeg);
    EXPECT_THROW(image->Canvas(), EInvalidOperation);
}

TEST_F(PictureTest, APaintBoxPaintsInOnPaintWithItsColourAsBrush)
{
    auto* box = AddControl<TPaintBox>(*form, Bounds(10, 10, 40, 30));
    box->SetColor(clBlack);
    int paints = 0;
    box->OnPaint = [&](TObject*) {
        ++paints;
        box->Canvas().Pen().SetColor(clGray);
        box->Canvas().Rectangle(-1, -1, 41, 31);
        box->Canvas().Pen().SetColor(clYellow);
        box->Canvas().MoveTo(20, 0);
        box->Canvas().LineTo(20, 30);
    };
    const QImage picture = Screenshot(*box);
    EXPECT_GT(paints, 0);
    EXPECT_EQ(PixelAt(picture, 5, 5), clBlack);
    EXPECT_EQ(PixelAt(picture, 20, 15), clYellow);
}

TEST_F(PictureTest, LabelsSizeThemselvesAndPlaceTheirText)
{
    auto* label = AddControl<TLabel>(*form, Bounds(100, 10, 10, 10));
    label->SetCaption("Longitude");
    const int width = label->GetWidth();
    const int height = label->GetHeight();
    EXPECT_GT(width, 30);
    EXPECT_GT(height, 8);

    // A longer caption grows to the right; right-justified labels keep their right edge.
    label->SetAlignment(taRightJustify);
    label->SetCaption("Longitude East");
    EXPECT_EQ(label->GetLeft() + label->GetWidth(), 100 + width);
    label->SetCaption("");
    EXPECT_EQ(label->GetHeight(), height) << "an empty caption keeps a line";

    // Word wrap keeps the width and grows down.
    label->SetAlignment(taLeftJustify);
    label->SetBounds(10, 40, 60, 10);
    label->SetWordWrap(true);
    label->SetCaption("one two three four five six");
    EXPECT_EQ(label->GetWidth(), 60);
    EXPECT_GT(label->GetHeight(), 2 * height);

    // Layout moves the text down a fixed-size label.
    auto* fixed = new TLabel(form);
    fixed->SetAutoSize(false);
    fixed->SetBounds(150, 60, 80, 60);
    fixed->SetParent(form);
    fixed->SetColor(clWhite);
    fixed->SetCaption("X");
    fixed->Font().SetColor(clBlack);
    fixed->Font().SetHeight(-16);
    const TTextLayout layouts[] = {tlTop, tlCenter, tlBottom};
    int previousTop = -1;
    for (const TTextLayout layout : layouts) {
        fixed->SetLayout(layout);
        const QImage picture = Screenshot(*fixed);
        int top = -1;
        for (int y = 0; y < picture.height() && top < 0; ++y)
            if (CountPixels(picture, Bounds(0, y, picture.width(), 1), clBlack) > 0)
                top = y;
        EXPECT_GT(top, previousTop) << layout;
        previousTop = top;
    }
    EXPECT_GT(previousTop, 30);
}

// Where the glyph lands on a bitmap button: the red pixels' box for each layout.
TEST_F(PictureTest, BitButtonsPlaceTheirGlyphByLayoutMarginAndSpacing)
{
    struct Case {
        TButtonLayout layout;
        int margin;
        TRect glyph;
    };
    // A focused 100 x 40 button without a caption: the focus frame and the face's edge leave
    // the inside 3 pixels in.
    const Case cases[] = {
        {blGlyphLeft, 5, Bounds(3 + 5, 12, 16, 16)},
        {blGlyphRight, 5, Bounds(100 - 3 - 5 - 16, 12, 16, 16)},
        {blGlyphTop, 3, Bounds(42, 3 + 3, 16, 16)},
        {blGlyphBottom, 3, Bounds(42, 40 - 3 - 3 - 16, 16, 16)},
        {blGlyphLeft, -1, Bounds(42, 12, 16, 16)},
    };
    auto* button = AddControl<TBitBtn>(*form, Bounds(10, 10, 100, 40));
    button->Glyph().SetSize(16, 16);
    button->Glyph().Canvas().Brush().SetColor(clRed);
    button->Glyph().Canvas().FillRect(Bounds(0, 0, 16, 16));
    // The bottom-left pixel is the transparent colour.
    button->Glyph().Canvas().SetPixels(0, 15, clWhite);
    form->Show();
    ASSERT_TRUE(button->Focused());
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.layout << " margin " << c.margin);
        button->SetLayout(c.layout);
        button->SetMargin(c.margin);
        const QImage picture = Screenshot(*button);
        EXPECT_EQ(PixelAt(picture, c.glyph.Left, c.glyph.Top), clRed);
        EXPECT_EQ(PixelAt(picture, c.glyph.Right - 1, c.glyph.Top), clRed);
        EXPECT_NE(PixelAt(picture, c.glyph.Left - 1, c.glyph.Top), clRed);
        EXPECT_NE(PixelAt(picture, c.glyph.Left, c.glyph.Bottom - 1), clRed) << "transparent corner";
        EXPECT_EQ(CountPixels(picture, Bounds(0, 0, 100, 40), clRed), 16 * 16 - 1);
    }
}

TEST_F(PictureTest, PanelBevelsAndBorderNarrowTheAreaOfAlignedChildren)
{
    auto* panel = AddControl<TPanel>(*form, Bounds(10, 10, 200, 100));
    panel->SetBevelOuter(bvRaised);
    panel->SetBevelInner(bvLowered);
    panel->SetBevelWidth(2);
    panel->SetBorderWidth(3);
    auto* child = AddControl<TPanel>(*panel, Bounds(0, 0, 10, 10));
    child->SetAlign(alClient);
    EXPECT_EQ(child->GetBoundsRect(), Rect(7, 7, 193, 93));
    panel->SetBevelInner(bvNone);
    EXPECT_EQ(child->GetBoundsRect(), Rect(5, 5, 195, 95));
}

}  // namespace
