#include "foundation/MiniHtmlMarkup.h"

#include <gtest/gtest.h>

#include <climits>

namespace skelda::foundation::minihtml {
namespace {

TEST(MiniHtmlMarkup, NumbersReadTheirLeadingIntegerAndSaturate)
{
    struct Case {
        const char* text;
        int value;
        bool valid;
    } cases[] = {
        {"12", 12, true},        {"  -7", -7, true},           {"+5", 5, true},
        {"$1F", 31, true},       {"0x10", 16, true},          {"12px", 12, false},
        {"", 0, false},          {"abc", 0, false},           {"99999999999", INT_MAX, true},
        {"-99999999999", INT_MIN, true}, {"2147483648", INT_MAX, true}, {"-2147483648", INT_MIN, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const TNumber n = ReadNumber(c.text);
        EXPECT_EQ(n.Value, c.value);
        EXPECT_EQ(n.Valid, c.valid);
    }
}

TEST(MiniHtmlMarkup, ColoursByNameAndHexadecimal)
{
    EXPECT_EQ(ReadColor("clRed"), plat::clRed);
    EXPECT_EQ(ReadColor("CLTEAL"), plat::clTeal);
    EXPECT_EQ(ReadColor("clBlack"), plat::clBlack);
    EXPECT_EQ(ReadColor("clInfoBk"), plat::clInfoBk);
    EXPECT_EQ(ReadColor("clBackground"), plat::clBackground);
    EXPECT_EQ(ReadColor("clNoSuchColour"), plat::clBlack);
    EXPECT_EQ(ReadColor("#FF8000"), plat::RGB(255, 128, 0));
    EXPECT_EQ(ReadColor("#0A0B"), plat::RGB(10, 11, 0));
    EXPECT_EQ(ReadColor(UpperAscii("#00ff00")), plat::clLime);
}

TEST(MiniHtmlMarkup, AttributesAreTheFirstQuotedValueAfterTheirKeyword)
{
    EXPECT_EQ(ReadAttribute("<FONT COLOR=\"CLRED\" SIZE=\"2\">", " COLOR").Value, "CLRED");
    EXPECT_FALSE(ReadAttribute("<FONT BGCOLOR=\"CLRED\">", " COLOR").Found);
    EXPECT_TRUE(ReadAttribute("<FONT COLOR>", " COLOR").Found);
    EXPECT_EQ(ReadAttribute("<FONT COLOR>", " COLOR").Value, "");
    EXPECT_EQ(ReadAttributeKeepCase("<a href=\"Mixed\">", "<A HREF=\"MIXED\">", "HREF").Value, "Mixed");
    EXPECT_EQ(ReadAttribute("<IMG SRC=\"open", "SRC").Value, "open");
}

TEST(MiniHtmlMarkup, EntityPassSettlesWhereRepeatedPassesDo)
{
    const char* cases[] = {
        "&amp;",  "&amp;amp;",    "&amp;amp;amp;amp;", "&amp;quot;",  "&quot;&quot;", "a &sect; b &permil;",
        "&reg;&copy;&para;&trade;&euro;", "&&amp;", "&ampamp;", "&amp", "&eacute;", "&amp;&amp;euro;x",
        "&am&amp;p;", "",
    };
    for (const char* c : cases) {
        SCOPED_TRACE(c);
        EXPECT_EQ(ExpandEntities(c), ExpandEntitiesByPasses(c));
    }
    EXPECT_EQ(ExpandEntities("&amp;amp;amp;"), "&&&&");
    EXPECT_EQ(ExpandEntities("&amp;quot;"), "&\"");
    EXPECT_EQ(ExpandEntities("&euro;5"), "\xE2\x82\xAC" "5");
}

TEST(MiniHtmlMarkup, EntityPassIsLinearOnLongChains)
{
    // A chain that repeated passes would take a pass per link to settle.
    std::string chain = "&amp;";
    for (int i = 0; i < 200000; ++i)
        chain += "amp;";
    EXPECT_EQ(ExpandEntities(chain), std::string(200002, '&'));
}

TEST(MiniHtmlMarkup, RunEntities)
{
    EXPECT_EQ(ExpandRunEntities("a&nbsp;&lt;b&gt;&amp;"), "a <b>&amp;");
    EXPECT_EQ(ExpandRunEntities("&lt&gt"), "&lt&gt");
}

}  // namespace
}  // namespace skelda::foundation::minihtml
