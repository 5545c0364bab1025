// Fonts, and how strings are measured and placed.

#include "tests/platform/gdiplus/GdiplusFixture.h"

#include <QFont>
#include <QFontMetricsF>

namespace plat::gdiplus {
namespace {

OwnedFont FontOf(const char* family, REAL emSize, Unit unit = UnitPixel, int style = FontStyleRegular)
{
    GpFontFamily* native = nullptr;
    EXPECT_EQ(GdipCreateFontFamilyFromName(family, nullptr, &native), Ok) << family;
    const OwnedFamily owned(native);
    GpFont* font = nullptr;
    EXPECT_EQ(GdipCreateFont(native, emSize, style, unit, &font), Ok);
    return OwnedFont(font);
}

TEST(FontFamilyTest, AFamilyExistsWhenInstalledOrSubstituted)
{
    const struct {
        const char* Name;
        Status Expected;
    } cases[] = {
        {"Arial", Ok},
        {"Tahoma", Ok},
        {"DejaVu Sans", Ok},
        {"No Such Family 42", FontFamilyNotFound},
        {"", FontFamilyNotFound},
    };
    for (const auto& c : cases) {
        GpFontFamily* family = nullptr;
        EXPECT_EQ(GdipCreateFontFamilyFromName(c.Name, nullptr, &family), c.Expected) << c.Name;
        GdipDeleteFontFamily(family);
    }
    GpFontFamily* generic = nullptr;
    EXPECT_EQ(GdipGetGenericFontFamilySansSerif(&generic), Ok);
    GdipDeleteFontFamily(generic);
    GpFont* font = nullptr;
    EXPECT_EQ(GdipCreateFont(nullptr, 10, FontStyleRegular, UnitPoint, &font), InvalidParameter);
}

class StringMeasureTest : public GdiplusSurfaceTest {
protected:
    StringMeasureTest() : GdiplusSurfaceTest(200, 100) {}

    GpRectF Measure(const char* text, const GpRectF& layout, const GpStringFormat* format = nullptr)
    {
        GpRectF box{};
        EXPECT_EQ(GdipMeasureString(graphics, text, -1, font.get(), &layout, format, &box, nullptr, nullptr), Ok);
        return box;
    }

    // Liberation Sans at 12 pixels to the em, as "Arial" draws here.
    OwnedFont font = FontOf("Arial", 12);
    QFont qtFont = [] {
        QFont f("Liberation Sans");
        f.setPointSizeF(12 * 0.75);
        f.setHintingPreference(QFont::PreferNoHinting);
        return f;
    }();
};

TEST_F(StringMeasureTest, AStringMeasuresItsAdvanceAndASixthOfTheEmAtEachEnd)
{
    const QFontMetricsF metrics(qtFont);
    const GpRectF box = Measure("Hello", {5, 7, 0, 0});
    EXPECT_FLOAT_EQ(box.X, 5);
    EXPECT_FLOAT_EQ(box.Y, 7);
    EXPECT_NEAR(box.Width, metrics.horizontalAdvance("Hello") + 2 * 12.0 / 6, 0.5);
    EXPECT_NEAR(box.Height, metrics.lineSpacing(), 0.5);

    const GpRectF empty = Measure("", {5, 7, 0, 0});
    EXPECT_EQ(empty.Width, 0);
    EXPECT_EQ(empty.Height, 0);
}

// Qt gives control characters a width, and before a character of a fallback font (a check mark,
// which Liberation Sans lacks) a different one the first time than later.
TEST_F(StringMeasureTest, ControlCharactersAreNeitherMeasuredNorDrawn)
{
    const GpRectF first = Measure("\x01\x02\x1F\xE2\x9C\x93" "A", {0, 0, 0, 0});
    EXPECT_FLOAT_EQ(Measure("\x01\x02\x1F\xE2\x9C\x93" "A", {0, 0, 0, 0}).Width, first.Width);
    EXPECT_FLOAT_EQ(Measure("\xE2\x9C\x93" "A", {0, 0, 0, 0}).Width, first.Width);
    EXPECT_FLOAT_EQ(Measure("a\x01\r\nb", {0, 0, 0, 0}).Height, Measure("a\r\nb", {0, 0, 0, 0}).Height);
}

TEST_F(StringMeasureTest, TrailingSpacesCountOnlyWhenTheFormatSaysSo)
{
    GpStringFormat* format = nullptr;
    ASSERT_EQ(GdipCreateStringFormat(StringFormatFlagsMeasureTrailingSpaces, 0, &format), Ok);
    const OwnedFormat owned(format);
    const REAL plain = Measure("ab", {0, 0, 0, 0}).Width;
    EXPECT_FLOAT_EQ(Measure("ab   ", {0, 0, 0, 0}).Width, plain);
    EXPECT_GT(Measure("ab   ", {0, 0, 0, 0}, format).Width, plain + 5);
}

TEST_F(StringMeasureTest, LinesBreakAtWordsToTheLayoutWidthAndAlign)
{
    const GpRectF one = Measure("alpha beta gamma", {0, 0, 0, 0});
    std::int32_t lines = 0;
    GpRectF box{};
    const GpRectF narrow{0, 0, one.Width / 2, 0};
    ASSERT_EQ(GdipMeasureString(graphics, "alpha beta gamma", -1, font.get(), &narrow, nullptr, &box, nullptr, &lines), Ok);
    EXPECT_GE(lines, 2);
    EXPECT_NEAR(box.Height, lines * one.Height, 0.5);
    EXPECT_LE(box.Width, narrow.Width);

    GpStringFormat* format = nullptr;
    ASSERT_EQ(GdipCreateStringFormat(StringFormatFlagsNoWrap, 0, &format), Ok);
    const OwnedFormat owned(format);
    ASSERT_EQ(GdipSetStringFormatAlign(format, StringAlignmentCenter), Ok);
    ASSERT_EQ(GdipSetStringFormatLineAlign(format, StringAlignmentFar), Ok);
    const GpRectF centred = Measure("alpha", {0, 0, 100, 50}, format);
    const GpRectF plain = Measure("alpha", {0, 0, 0, 0});
    EXPECT_NEAR(centred.X, (100 - plain.Width) / 2, 0.01);
    EXPECT_NEAR(centred.Y, 50 - plain.Height, 0.01);
}

TEST_F(StringMeasureTest, TheLengthCountsCharactersOfTheText)
{
    GpRectF box{};
    const GpRectF origin{0, 0, 0, 0};
    ASSERT_EQ(GdipMeasureString(graphics, "Größe", 3, font.get(), &origin, nullptr, &box, nullptr, nullptr), Ok);
    EXPECT_FLOAT_EQ(box.Width, Measure("Grö", origin).Width);
}

TEST_F(StringMeasureTest, DrawnTextStaysInsideItsMeasuredBox)
{
    const GpRectF layout{20, 30, 0, 0};
    const GpRectF box = Measure("Wxy", layout);
    const OwnedBrush black = SolidBrushOf(0xFF000000);
    ASSERT_EQ(GdipDrawString(graphics, "Wxy", -1, font.get(), &layout, nullptr, black.get()), Ok);
    int inked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (Ink(x, y) > 0) {
                ++inked;
                EXPECT_GE(x, static_cast<int>(box.X)) << x << "," << y;
                EXPECT_LE(x, static_cast<int>(box.X + box.Width)) << x << "," << y;
                EXPECT_GE(y, static_cast<int>(box.Y)) << x << "," << y;
                EXPECT_LE(y, static_cast<int>(box.Y + box.Height)) << x << "," << y;
            }
    EXPECT_GT(inked, 20);
    // The padding keeps the first glyph off the box's left edge.
    for (int y = 0; y < image.height(); ++y)
        EXPECT_EQ(Ink(20, y), 0) << y;
}

TEST_F(StringMeasureTest, AHotkeyPrefixIsTakenOutWhereTheFormatSaysSo)
{
    GpStringFormat* format = nullptr;
    ASSERT_EQ(GdipCreateStringFormat(0, 0, &format), Ok);
    const OwnedFormat owned(format);
    ASSERT_EQ(GdipSetStringFormatHotkeyPrefix(format, HotkeyPrefixShow), Ok);
    EXPECT_FLOAT_EQ(Measure("&Save", {0, 0, 0, 0}, format).Width, Measure("Save", {0, 0, 0, 0}).Width);
    EXPECT_FLOAT_EQ(Measure("a&&b", {0, 0, 0, 0}, format).Width, Measure("a&b", {0, 0, 0, 0}).Width);
}

}  // namespace
}  // namespace plat::gdiplus
