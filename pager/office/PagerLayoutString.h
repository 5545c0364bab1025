#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace skelda::pager {

// One item of a pager's layout string: the active page ("P:<index>"), a docked tab shown or
// hidden ("V:<TabIndex>", "H:<TabIndex>"), or a floating page with its window
// ("F:<TabIndex>[<left>:<top>:<width>:<height>]").
struct TPagerLayoutItem {
    char Kind = 'P';
    // The active index for P, else the page's TabIndex.
    int Number = 0;
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

// A number of the layout string, read leniently as the string has always been read: leading
// blanks skipped, an optional sign, empty as 0, and digits followed by anything else as those
// digits without their sign. Nothing when the value does not fit 32 bits.
std::optional<int> ReadLayoutNumber(std::string_view Text);

// The items of a layout string, split by the comma-text rules (commas and blanks separate,
// double quotes group), in order. The string is untrusted: items of another letter, numbers
// outside 32 bits and floating items without their "[l:t:w:h]" part are left out.
std::vector<TPagerLayoutItem> ParsePagerLayout(const std::string& Value);

}  // namespace skelda::pager
