#pragma once

#include <string>

namespace skelda::grid {

// Conversion to and from the OEM code page that text-mode programs read, code page 437 here.
// Files documented as ANSI are written and read as Windows-1252 at the platform's file
// boundary, so the OEM form is kept in the same shape: each OEM byte is carried as the
// Windows-1252 character of that byte value, in UTF-8 like every other text. Writing the
// result as ANSI therefore writes the OEM bytes, and a file read as ANSI goes back through
// OemToString. A character that code page 437 lacks becomes "?".
void StringToOem(std::string& Text);
// The inverse: Text's characters taken as Windows-1252 bytes, those bytes read as code page 437.
void OemToString(std::string& Text);

}  // namespace skelda::grid
