#include "foundation/HtmlControlTags.h"
#include "foundation/HtmlEntities.h"
#include "foundation/HtmlHighlightColors.h"
#include "foundation/HtmlTagText.h"
#include "foundation/MiniHtmlControls.h"
#include "foundation/MiniHtmlEngine.h"
#include "platform/core/Utf8.h"

#include <gtest/gtest.h>

#include <set>

using namespace skelda::foundation;

namespace {

TEST(StripHtmlTagsTest, BreaksBecomeLinesTagsGoAndUnclosedBracketsStay)
{
    const struct {
        std::string text;
        std::string expected;
    } cases[] = {
        {"", ""},
        {"plain", "plain"},
        {"a<BR>b<br>c<Hr>d", "a\r\nb\r\nc\r\nd"},
        {"<b>bold</b> <font color=\"red\">x</font>", "bold x"},
        {"a<br/>b", "ab"},
        {"x<>y", "xy"},
        {"a < b", "a < b"},
        {"<i>a</i> < b", "a < b"},
        {"one<b>two<i three", "onetwo<i three"},
        {"a<<BR>", "a<\r\n"},
        {"&amp; stays", "&amp; stays"},
        {"caf\xC3\xA9<BR>", "caf\xC3\xA9\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StripHtmlTags(c.text), c.expected) << c.text;
}

TEST(MatchTagsTest, MatchesAreWrappedByVisiblePositionAcrossTags)
{
    const struct {
        std::string text, search;
        bool caseSensitive;
        std::string expected;
    } cases[] = {
        {"hello world", "o", true, "hell<HI>o</HI> w<HI>o</HI>rld"},
        {"ab<b>cd</b>", "bc", true, "a<HI>b<b>c</HI>d</b>"},
        {"a<b>bc</b>", "bc", true, "a<HI><b>bc</b></HI>"},
        {"<i>x</i>y", "x", true, "<HI><i>x</HI></i>y"},
        {"aaa", "a", true, "<HI>a</HI><HI>a</HI><HI>a</HI>"},
        {"aaaa", "aa", true, "<HI>aa</HI><HI>aa</HI>"},
        {"Hello HELLO", "hello", false, "<HI>Hello</HI> <HI>HELLO</HI>"},
        {"Hello HELLO", "hello", true, "Hello HELLO"},
        // Positions count characters, not bytes; folding keeps every letter in its place.
        {"caf\xC3\xA9 CAF\xC3\x89", "\xC3\xA9", false, "caf<HI>\xC3\xA9</HI> CAF<HI>\xC3\x89</HI>"},
        {"\xC3\xA9t\xC3\xA9", "t", true, "\xC3\xA9<HI>t</HI>\xC3\xA9"},
        // Brackets that are not markup: the text is read as plain and escaped.
        {"a < b", "b", true, "a &lt; <HI>b</HI>"},
        {"x > A", "a", false, "x &gt; <HI>A</HI>"},
        {"<b>1</b> < 2", "2", true, "1 &lt; <HI>2</HI>"},
        {"a < b", "z", true, "a < b"},
        {"", "a", true, ""},
        {"abc", "", false, "abc"},
        {"<b>abc</b>", "", true, "<b>abc</b>"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(InsertMatchTags(c.text, c.search, "HI", c.caseSensitive), c.expected)
            << c.text << " / " << c.search;
}

TEST(MatchTagsTest, RemovingTheTagsGivesTheTextBackWithPlainBrackets)
{
    const struct {
        std::string text, search;
        bool caseSensitive;
        std::string expected;
    } cases[] = {
        {"hello world", "o", true, "hello world"},
        {"ab<b>cd</b>", "bc", false, "ab<b>cd</b>"},
        {"a < b", "b", true, "a < b"},
        {"x &lt; y", "y", true, "x < y"},
        {"Straße STRASSE", "s", false, "Straße STRASSE"},
    };
    for (const auto& c : cases) {
        const std::string marked = InsertMatchTags(c.text, c.search, "hi", c.caseSensitive);
        EXPECT_EQ(RemoveMatchTags(marked, "HI"), c.expected) << c.text;
    }
    EXPECT_EQ(RemoveMatchTags("<hi>a</Hi> <HIX>b</HIX> <hi", "hi"), "a <HIX>b</HIX> <hi");
}

TEST(HtmlEntitiesTest, TheTableHoldsFiftyFiveDistinctLettersAndSigns)
{
    std::set<char32_t> characters;
    std::set<std::string_view> names;
    for (int i = 0; i < HtmlEntityCount; ++i) {
        characters.insert(HtmlEntityTable()[i].Character);
        names.insert(HtmlEntityTable()[i].Name);
    }
    EXPECT_EQ(characters.size(), 55U);
    EXPECT_EQ(names.size(), 55U);
    EXPECT_EQ(HtmlEntityTable()[0].Name, "&eacute;");
    EXPECT_EQ(HtmlEntityTable()[48].Character, U'\u20AC');
    EXPECT_EQ(HtmlEntityTable()[54].Name, "&Otilde;");
}

TEST(HtmlEntitiesTest, EncodingAndDecodingAreExactOppositesDecodingEachEntityOnce)
{
    const struct {
        std::string plain, encoded;
    } cases[] = {
        {"", ""},
        {"a & b", "a &amp; b"},
        {"\"<tag>\"", "&quot;&lt;tag&gt;&quot;"},
        {"*amp;", "*amp;"},
        {"&amp;", "&amp;amp;"},
        {"&quot;", "&amp;quot;"},
        {"caf\xC3\xA9 \xE2\x82\xAC \xC2\xA9 \xC3\x95", "caf&eacute; &euro; &copy; &Otilde;"},
        {"\xC3\x9F stays", "\xC3\x9F stays"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EncodeHtmlEntities(c.plain), c.encoded) << c.plain;
        EXPECT_EQ(DecodeHtmlEntities(c.encoded), c.plain) << c.encoded;
    }
    // Every letter of the table, both ways.
    for (int i = 0; i < HtmlEntityCount; ++i) {
        const std::string letter = plat::CodePointToUtf8(HtmlEntityTable()[i].Character);
        EXPECT_EQ(EncodeHtmlEntities(letter), HtmlEntityTable()[i].Name);
        EXPECT_EQ(DecodeHtmlEntities(HtmlEntityTable()[i].Name), letter);
    }
    EXPECT_EQ(DecodeHtmlEntities("&amp;lt; &nbsp; &unknown; & &lt"), "&lt; &nbsp; &unknown; & &lt");
    EXPECT_EQ(DecodeHtmlEntities("&otilde;&Otilde;"), "\xC3\xB5\xC3\x95");
    EXPECT_EQ(EncodeHtmlSpaces(" a  b "), "&nbsp;a&nbsp;&nbsp;b&nbsp;");
}

TEST(ControlTagsTest, AttributesAreReadAsPairsOutsideQuotedValues)
{
    const struct {
        std::string tag;
        TControlTag expected;
    } cases[] = {
        {R"(<CONTROL TYPE="edit" ID="e1" VALUE="a &amp; b" WIDTH="80" HEIGHT="20" PROP="p&quot;" MAXLEN="12">)",
         {"EDIT", "e1", "a & b", "80", "20", "p\"", "12"}},
        {R"(<control id="x" type="Check" value="TRUE">)", {"CHECK", "x", "TRUE", "", "", "", ""}},
        // A value holding what looks like another attribute changes nothing.
        {R"(<CONTROL TYPE="EDIT" VALUE="width=&quot;5&quot; type=radio" WIDTH="40" ID="n">)",
         {"EDIT", "n", "width=\"5\" type=radio", "40", "", "", ""}},
        {R"(<CONTROL VALUE="type=&quot;RADIO&quot;" TYPE="EDIT">)", {"EDIT", "", "type=\"RADIO\"", "", "", "", ""}},
        {R"(<CONTROL ID="a" ID="b" VALUE="unclosed)", {"", "a", "unclosed", "", "", "", ""}},
        {R"(<CONTROL TYPE="EDIT" ID="<UL>)", {"EDIT", "<UL", "", "", "", "", ""}},
        {R"(<CONTROL TYPE=combo WIDTH=60>)", {"COMBO", "", "", "60", "", "", ""}},
        {"<CONTROL>", {}},
        {"", {}},
    };
    for (const auto& c : cases) {
        const TControlTag tag = ParseControlTag(c.tag);
        SCOPED_TRACE(c.tag);
        EXPECT_EQ(tag.Type, c.expected.Type);
        EXPECT_EQ(tag.ID, c.expected.ID);
        EXPECT_EQ(tag.Value, c.expected.Value);
        EXPECT_EQ(tag.Width, c.expected.Width);
        EXPECT_EQ(tag.Height, c.expected.Height);
        EXPECT_EQ(tag.Prop, c.expected.Prop);
        EXPECT_EQ(tag.MaxLen, c.expected.MaxLen);
    }
}

const std::string kForm = R"(Name <CONTROL TYPE="BUTTON" ID="b1" VALUE="Go">)"
                          R"( <CONTROL TYPE="EDIT" ID="e1" VALUE="x" WIDTH="80" PROP="p1" MAXLEN="12abc">)"
                          R"( <control type="radio" id="r1" value="TRUE" width="20">)"
                          R"( <CONTROL TYPE="COMBO" ID="c1" VALUE="" WIDTH="60" HEIGHT="22">)"
                          R"( <CONTROL TYPE="RADIO" ID="r2" VALUE="TRUE"> end)";

TEST(ControlTagsTest, ScansFindTheControlsByIdAndOrder)
{
    EXPECT_TRUE(HasControlTag("a <control x"));
    EXPECT_FALSE(HasControlTag("a <CONTRO"));
    EXPECT_EQ(NextEditControlID(kForm, ""), "e1");
    EXPECT_EQ(NextEditControlID(kForm, "e1"), "c1");
    EXPECT_EQ(NextEditControlID(kForm, "c1"), "");
    EXPECT_EQ(NextEditControlID(kForm, "missing"), "");
    EXPECT_EQ(GetControlProp(kForm, "e1"), "p1");
    EXPECT_EQ(GetControlProp(kForm, "E1"), "");
    EXPECT_EQ(GetControlMaxLen(kForm, "e1"), 12);
    EXPECT_EQ(GetControlMaxLen(kForm, "c1"), 0);
    EXPECT_EQ(GetControlMaxLen(R"(<CONTROL ID="m" MAXLEN="99999999999">)", "m"), 2147483647);
    EXPECT_EQ(GetControlMaxLen(R"(<CONTROL ID="m" MAXLEN="-3">)", "m"), -3);

    const std::string reset = ResetRadioControls(kForm);
    EXPECT_EQ(ParseControlTag(reset.substr(reset.find("<CONTROL ID=\"r1\""))).Value, "FALSE");
    EXPECT_EQ(ParseControlTag(reset.substr(reset.find("<CONTROL ID=\"r2\""))).Value, "FALSE");
    EXPECT_EQ(reset.substr(0, reset.find(" <CONTROL ID=\"r1\"")), kForm.substr(0, kForm.find(" <control type")));
    EXPECT_TRUE(reset.ends_with(" end"));
}

// The control tag of Text whose ID attribute (in any case) is ID: where it starts and ends.
std::pair<std::size_t, std::size_t> TagSpan(const std::string& Text, const std::string& ID)
{
    const std::size_t id = plat::Utf8UpperCase(Text).find("ID=\"" + plat::Utf8UpperCase(ID) + "\"");
    const std::size_t start = Text.rfind('<', id);
    return {start, Text.find('>', id) + 1};
}

TEST(ControlTagsTest, ASetValueParsesBackWithTheOldWidthTypeAndRest)
{
    const struct {
        std::string id, value;
    } cases[] = {
        {"e1", "new"},
        {"e1", "say \"hi\" <b> & caf\xC3\xA9"},
        {"c1", "width=\"999\" type=\"BUTTON\""},
        {"r1", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        std::string text = kForm;
        const auto [oldStart, oldEnd] = TagSpan(kForm, c.id);
        const TControlTag before = ParseControlTag(kForm.substr(oldStart, oldEnd - oldStart));
        ASSERT_TRUE(SetControlValue(text, c.id, c.value));
        const auto [start, end] = TagSpan(text, c.id);
        EXPECT_EQ(start, oldStart);
        const TControlTag after = ParseControlTag(text.substr(start, end - start));
        EXPECT_EQ(after.Value, c.value);
        EXPECT_EQ(after.Width, before.Width);
        EXPECT_EQ(after.Type, before.Type);
        EXPECT_EQ(after.Height, before.Height);
        EXPECT_EQ(after.Prop, before.Prop);
        EXPECT_EQ(after.MaxLen, before.MaxLen);
        EXPECT_EQ(text.substr(0, start), kForm.substr(0, start));
        EXPECT_EQ(text.substr(end), kForm.substr(oldEnd));
    }
    std::string text = R"(<CONTROL ID="q" VALUE="" TYPE="EDIT" WIDTH="50">)";
    ASSERT_TRUE(SetControlValue(text, "q", "a\"b"));
    EXPECT_EQ(text, R"(<CONTROL ID="q" VALUE="a&quot;b" WIDTH="50" TYPE="EDIT">)");
    // The engine shows the value the services wrote, letters of the entity table included.
    ASSERT_TRUE(SetControlValue(text, "q", "Caf\u00e9 \"<b>\""));
    EXPECT_EQ(ParseMiniHtmlControl(text).Value, "Caf\u00e9 \"<b>\"");

    std::string unchanged = kForm;
    EXPECT_FALSE(SetControlValue(unchanged, "nobody", "x"));
    EXPECT_EQ(unchanged, kForm);
}

TEST(HighlightColorsTest, StartAsTheSystemHighlightAndKeepWhatIsSet)
{
    EXPECT_EQ(MiniHtmlHighlightBackColor(), plat::clHighlight);
    EXPECT_EQ(MiniHtmlHighlightTextColor(), plat::clHighlightText);
    SetHighlightTagColors(0x00FFFF, 0x0000FF);
    EXPECT_EQ(MiniHtmlHighlightBackColor(), 0x00FFFFU);
    EXPECT_EQ(MiniHtmlHighlightTextColor(), 0x0000FFU);
    SetHighlightTagColors(plat::clHighlight, plat::clHighlightText);
}

}  // namespace
