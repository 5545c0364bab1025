#include "platform/core/Exception.h"
#include "platform/graphics/ColorLiterals.h"

#include <gtest/gtest.h>

#include <string>

namespace plat {
namespace {

TEST(ColorLiteralsTest, NamedColoursReadAndWriteTheirNames)
{
    const struct {
        const char* Name;
        TColor Color;
    } cases[] = {
        {"clBlack", 0x000000},
        {"clMaroon", 0x000080},
        {"clRed", 0x0000FF},
        {"clYellow", 0x00FFFF},
        {"clBlue", 0xFF0000},
        {"clWhite", 0xFFFFFF},
        {"clMoneyGreen", 0xC0DCC0},
        {"clSkyBlue", 0xF0CAA6},
        {"clCream", 0xF0FBFF},
        {"clMedGray", 0xA4A0A0},
        {"clScrollBar", static_cast<TColor>(0xFF000000u)},
        {"clBackground", static_cast<TColor>(0xFF000001u)},
        {"clActiveCaption", static_cast<TColor>(0xFF000002u)},
        {"clBtnFace", static_cast<TColor>(0xFF00000Fu)},
        {"clBtnShadow", static_cast<TColor>(0xFF000010u)},
        {"clBtnText", static_cast<TColor>(0xFF000012u)},
        {"clBtnHighlight", static_cast<TColor>(0xFF000014u)},
        {"cl3DDkShadow", static_cast<TColor>(0xFF000015u)},
        {"cl3DLight", static_cast<TColor>(0xFF000016u)},
        {"clInfoText", static_cast<TColor>(0xFF000017u)},
        {"clInfoBk", static_cast<TColor>(0xFF000018u)},
        {"clHotLight", static_cast<TColor>(0xFF00001Au)},
        {"clGradientActiveCaption", static_cast<TColor>(0xFF00001Bu)},
        {"clGradientInactiveCaption", static_cast<TColor>(0xFF00001Cu)},
        {"clMenuHighlight", static_cast<TColor>(0xFF00001Du)},
        {"clMenuBar", static_cast<TColor>(0xFF00001Eu)},
        {"clNone", 0x1FFFFFFF},
        {"clDefault", 0x20000000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(ColorToString(c.Color), c.Name);
        EXPECT_EQ(StringToColor(c.Name), c.Color);
        std::string ident;
        EXPECT_TRUE(ColorToIdent(c.Color, ident));
        EXPECT_EQ(ident, c.Name);
        TColor color = 1;
        EXPECT_TRUE(IdentToColor(c.Name, color));
        EXPECT_EQ(color, c.Color);
    }
}

TEST(ColorLiteralsTest, UnnamedColoursAreWrittenAsEightHexDigits)
{
    const struct {
        TColor Color;
        const char* Text;
    } cases[] = {
        {RGB(0x12, 0x34, 0x56), "$00563412"},
        {0x00FFFE, "$0000FFFE"},
        {static_cast<TColor>(0xFF000019u), "$FF000019"},  // system index 25 has no colour
        {static_cast<TColor>(0xFF00001Fu), "$FF00001F"},
        {-1, "$FFFFFFFF"},
        {0x1FFFFFFE, "$1FFFFFFE"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ColorToString(c.Color), c.Text);
        EXPECT_EQ(StringToColor(c.Text), c.Color) << c.Text;
        std::string ident = "kept";
        EXPECT_FALSE(ColorToIdent(c.Color, ident)) << c.Text;
        EXPECT_EQ(ident, "kept");
    }
}

TEST(ColorLiteralsTest, ReadsNamesInAnyCaseHexadecimalAndDecimal)
{
    const struct {
        const char* Text;
        TColor Color;
    } cases[] = {
        {"CLRED", clRed},
        {"clbtnface", clBtnFace},
        {"CL3dDKSHADOW", cl3DDkShadow},
        {"$00FF00", clLime},
        {"$FF", clRed},
        {"$0000ff", clRed},
        {"$FF00000F", clBtnFace},
        {"$FFFFFFFF", -1},
        {"255", clRed},
        {"+255", clRed},
        {"0", clBlack},
        {"-16777201", clBtnFace},
        {"16777215", clWhite},
        {"2147483647", 0x7FFFFFFF},
        {"-2147483648", static_cast<TColor>(0x80000000u)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StringToColor(c.Text), c.Color) << c.Text;
}

TEST(ColorLiteralsTest, ABadTextRaisesAConversionErrorNamingIt)
{
    for (const char* bad : {"", "$", "clReed", "cl", "Red", "$123456789", "$GG", "$-1", "12a", "0x00FF00", "2147483648",
                            "-2147483649", "4294967295", "+-5", "--5", " clRed", "255 ", "1.5"}) {
        SCOPED_TRACE(bad);
        try {
            StringToColor(bad);
            ADD_FAILURE() << "no error";
        } catch (const EConvertError& error) {
            EXPECT_EQ(error.Message(), "'" + std::string(bad) + "' is not a valid color value");
        }
        TColor color = clAqua;
        EXPECT_FALSE(IdentToColor(bad, color));
        EXPECT_EQ(color, clAqua);
    }
}

}  // namespace
}  // namespace plat
