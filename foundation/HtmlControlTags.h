#pragma once

#include <string>
#include <string_view>

namespace skelda::foundation {

// The attributes of one form-control tag, <CONTROL TYPE="EDIT" ID="name" VALUE="..." ...>, as the
// grid reads and rewrites them while the user edits in a cell. A missing attribute is empty.
struct TControlTag {
    std::string Type;  // upper-cased
    std::string ID;
    std::string Value;  // entities decoded
    std::string Width;
    std::string Height;
    std::string Prop;  // entities decoded
    std::string MaxLen;
};

// Reads key="value" pairs (keys in any case, the first of each key counts). Keys are found only
// outside quoted values, so text a user typed into a value ("width=...") never reads as an
// attribute. An unquoted value runs to the next space, quote or ">". Never raises.
TControlTag ParseControlTag(std::string_view TagText);

// Whether the text holds "<CONTROL" in any case.
bool HasControlTag(std::string_view Text);
// The ID of the first control after the one with ID (from the start when ID is empty) that takes
// typed text, that is of a TYPE other than BUTTON, CHECK and RADIO; empty when there is none.
std::string NextEditControlID(std::string_view Text, std::string_view ID);
// The text with the VALUE of every RADIO control set to "FALSE".
std::string ResetRadioControls(std::string_view Text);
// PROP of the first control whose ID equals ID exactly; empty when none.
std::string GetControlProp(std::string_view Text, std::string_view ID);
// The leading whole number of MAXLEN of the first control with ID; 0 when none.
int GetControlMaxLen(std::string_view Text, std::string_view ID);
// Rewrites the first control with ID as <CONTROL ID VALUE WIDTH TYPE [PROP] [MAXLEN] [HEIGHT]>
// with Value (entities encoded) and the control's other attributes; the rest of Text stays.
// False, and Text unchanged, when no control has that ID.
bool SetControlValue(std::string& Text, std::string_view ID, std::string_view Value);

}  // namespace skelda::foundation
