#pragma once

#include <string>
#include <string_view>

namespace skelda::foundation {

// Plain text of mini-HTML for views without markup: every <BR> and <HR> (any case) becomes
// CR LF, every other tag from "<" to the next ">" goes. A "<" that no ">" closes is text, and so
// is everything after it ("a < b" loses nothing). Entities stay as written.
std::string StripHtmlTags(std::string_view Text);

// Wraps every match of Search in the visible text of Text in <Tag> ... </Tag>, for search
// highlights. Positions count code points. A match may span tags, which stay where they are.
// When Text has angle brackets that are not markup (an unclosed "<", a stray ">") and Search
// occurs in it, the text is treated as plain: its brackets are written as "&lt;" and "&gt;" and
// its markup goes. Without CaseSensitive letters compare upper-cased one by one, so positions
// never shift. An empty Search changes nothing.
std::string InsertMatchTags(std::string_view Text, std::string_view Search, std::string_view Tag,
                            bool CaseSensitive);
// Takes out every <Tag> and </Tag> (any case) and then turns every "&lt;" and "&gt;" into "<"
// and ">", also those that were in the text before the match tags went in.
std::string RemoveMatchTags(std::string_view Text, std::string_view Tag);

}  // namespace skelda::foundation
