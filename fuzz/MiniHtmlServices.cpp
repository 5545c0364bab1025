// The mini-HTML string services the grid runs over cell texts (foundation/HtmlTagText.h,
// HtmlEntities.h, HtmlControlTags.h), on any text:
// - stripping tags leaves no tag and strips nothing more the second time;
// - decoding undoes encoding for every text, and the encoding holds no raw & " < >;
// - match tags: an empty search changes nothing; on a text without markup the tags come out
//   again and leave the text; without case the visible text keeps its length;
// - control tags: rewriting a control's value parses back to that value with the old WIDTH and
//   TYPE, whatever the value holds, and leaves the text around the tag alone.
// The first byte picks the case flag and, with the byte after it, where the text splits into a
// text and a search text or value.

#include "FuzzSupport.h"

#include "foundation/HtmlControlTags.h"
#include "foundation/HtmlEntities.h"
#include "foundation/HtmlTagText.h"
#include "platform/core/Utf8.h"

#include <string>
#include <string_view>

using namespace skelda::foundation;
using skelda::fuzz::Check;

namespace {

// A cell's text is a few lines; longer inputs only slow the search down.
constexpr std::size_t MaxTextBytes = 4096;

void CheckStripping(std::string_view Text)
{
    const std::string stripped = StripHtmlTags(Text);
    Check(StripHtmlTags(stripped) == stripped, "stripping tags twice strips more");
    const std::size_t open = stripped.find('<');
    Check(open == std::string::npos || stripped.find('>', open) == std::string::npos, "a tag survived stripping");
    Check(!plat::IsValidUtf8(Text) || plat::IsValidUtf8(stripped), "stripping tags made ill-formed UTF-8");
}

void CheckEntities(std::string_view Text)
{
    const std::string encoded = EncodeHtmlEntities(Text);
    Check(DecodeHtmlEntities(encoded) == Text, "decoding does not undo encoding", encoded);
    Check(encoded.find_first_of("\"<>") == std::string::npos, "a markup character was not encoded", encoded);
    Check(DecodeHtmlEntities(Text).size() <= Text.size(), "decoding made the text longer");
}

void CheckMatchTags(std::string_view Text, std::string_view Search, bool CaseSensitive)
{
    Check(InsertMatchTags(Text, "", "HI", CaseSensitive) == Text, "an empty search changed the text");
    const std::string text = plat::Utf8Sanitize(Text);
    const std::string marked = InsertMatchTags(text, Search, "HI", CaseSensitive);
    if (text.find_first_of("<>&") != std::string::npos)
        return;
    Check(RemoveMatchTags(marked, "hi") == text, "removing the match tags does not give the text back", marked);
    Check(StripHtmlTags(marked) == text, "the match tags changed the visible text", marked);
    // A search typed by a user is whole characters; a stray byte can match inside one, which no
    // search by characters should mark.
    if (!Search.empty() && plat::IsValidUtf8(Search) && plat::Utf8Pos(Search, text) > 0)
        Check(marked != text, "a match was not marked", marked);
}

void CheckControlTags(std::string_view Text, std::string_view Value)
{
    const std::string id = NextEditControlID(Text, "");
    ResetRadioControls(Text);
    GetControlMaxLen(Text, id);
    const std::size_t start = Text.find("<CONTROL ");
    if (start == std::string_view::npos)
        return;
    const std::size_t close = Text.find('>', start);
    const std::size_t end = close == std::string_view::npos ? Text.size() : close + 1;
    const TControlTag before = ParseControlTag(Text.substr(start, end - start));
    // Only the first control of that ID is rewritten; make this the one.
    if (Text.substr(0, start).find("<CONTROL ") != std::string_view::npos ||
        plat::Utf8UpperCase(Text.substr(0, start)).find("<CONTROL ") != std::string::npos)
        return;
    std::string text(Text);
    Check(SetControlValue(text, before.ID, Value), "the control was not found by its ID");
    Check(text.starts_with(Text.substr(0, start)), "the text before the control changed");
    Check(text.ends_with(Text.substr(end)), "the text after the control changed");
    const std::size_t newClose = text.find('>', start);
    Check(newClose != std::string::npos, "the rewritten control is not closed");
    const TControlTag after = ParseControlTag(std::string_view(text).substr(start, newClose + 1 - start));
    Check(after.Value == Value, "the value does not parse back", text);
    Check(after.ID == before.ID, "the ID changed", text);
    Check(after.Width == before.Width, "the width changed", text);
    Check(after.Type == before.Type, "the type changed", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    if (Size < 2 || Size > MaxTextBytes)
        return 0;
    const bool caseSensitive = (Data[0] & 1) != 0;
    const std::string_view whole = skelda::fuzz::AsText(Data + 2, Size - 2);
    const std::size_t split = std::min<std::size_t>(Data[1], whole.size());
    const std::string_view second = whole.substr(0, split);
    const std::string_view first = whole.substr(split);

    CheckStripping(whole);
    CheckEntities(whole);
    CheckMatchTags(first, second, caseSensitive);
    CheckControlTags(first, second);
    return 0;
}
