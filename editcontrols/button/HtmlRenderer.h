#pragma once

#include "platform/core/Types.h"

#include <optional>
#include <string>
#include <string_view>

namespace plat {
class TCanvas;
}

namespace skelda::editcontrols {

// The small line-oriented HTML of this library's buttons (not the mini-HTML of the foundation):
// <B>, <I>, <U>, <S> and their closing tags; <FONT COLOR=.. BGCOLOR=.. SIZE=..> and </FONT>;
// <A HREF=..> and </A>; <ALIGN LEFT|CENTER|RIGHT>; <IND=n> (the pen position); <BR>; <HR SIZE=n>;
// the entities &amp; &quot; &reg; &copy; &trade; &euro; &nbsp; &lt; &gt;. An unknown tag is
// dropped, and a "<" with no ">" after it on its line is dropped alone.
//
// Attribute names are whole words ("COLOR" is not found inside "BGCOLOR"); a value is quoted
// with double or single quotes, or runs to the next blank. A colour is a colour literal of the
// platform: a name ("clRed"), a decimal number, or "$" or "#" with hexadecimal digits in
// blue-green-red order ("#0000FF" is red). A value that cannot be read leaves things as they
// were: no colour change, IND 0, SIZE 2 for FONT and 1 for HR. Nothing in here raises.

// Bits of the renderer's state.
enum : unsigned {
    hsSelected = 0x0001,  // colour tags and link colours are not applied
    hsDisabled = 0x0004,  // the same, and a rule takes the font colour
    hsScaled = 0x0400,    // rule widths and IND positions are scaled by the percentage
};

enum THtmlCalcMode { hcDraw = 0, hcMeasure = 1 };

struct THtmlRenderResult {
    // Widest line, relative to the rectangle's left edge.
    int Width = 0;
    // The bottom of the last line: the rectangle's top plus the height of the lines.
    int Height = 0;
    // The HREF of the link under (MouseX, MouseY), when there is one.
    bool MouseOnLink = false;
    std::string LinkName;
};

// Draws (hcDraw) or measures (any other mode) Text in Rect of Canvas. The font, brush and pen
// of the canvas are put back afterwards. (MouseX, MouseY) in canvas coordinates finds the link
// under the mouse, which is then drawn in red; (0, 0) looks for none. Scale is in percent.
THtmlRenderResult RenderHtmlItem(plat::TCanvas& Canvas, const plat::TRect& Rect, unsigned State, int Scale, int MouseX,
                                 int MouseY, int CalcMode, std::string_view Text);

// Draws the text (scale as given, no hit test).
void DrawHtmlItem(plat::TCanvas& Canvas, const plat::TRect& Rect, unsigned State, int Scale, std::string_view Text);
// The size the text needs: the width of the widest line, and the height of the lines (at least
// one line of the canvas font) plus 1.
plat::TSize MeasureHtmlItem(plat::TCanvas& Canvas, const plat::TRect& Rect, unsigned State, std::string_view Text);
// The width of the widest line.
int HtmlItemTextWidth(plat::TCanvas& Canvas, const plat::TRect& Rect, unsigned State, std::string_view Text);

// The entry points of the HTML-caption button (state 0, scale 100).
void DrawHtmlCaption(plat::TCanvas& Canvas, plat::TRect Rect, std::string_view Caption);
plat::TSize MeasureHtmlCaption(plat::TCanvas& Canvas, plat::TRect Rect, std::string_view Caption);

// The pre-pass of the renderer: the entities of the table replaced (without regard to case, in
// table order: &amp; &quot; &reg; &copy; &trade; &euro; &nbsp;), CR LF pairs removed, each <BR>
// made a CR LF and each <HR> followed by one. &lt; and &gt; are left for the text pieces.
std::string ReplaceHtmlCodes(std::string_view Text);

// The value of the attribute Name in Tag ("<FONT COLOR=clRed>"), names compared without regard
// to case and as whole words; nothing when the tag has no such attribute, an empty text when it
// has one without a value. The tag's own name counts as an attribute: "<IND=10>" has IND 10.
std::optional<std::string> GetHtmlAttribute(std::string_view Tag, std::string_view Name);

}  // namespace skelda::editcontrols
