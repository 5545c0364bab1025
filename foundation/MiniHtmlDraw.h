#pragma once

#include "platform/core/Types.h"
#include "platform/graphics/Colors.h"

#include <cstdint>
#include <string>

namespace plat {
class TCanvas;
class TImageList;
}  // namespace plat

namespace skelda::foundation {

class THTMLPictureCache;
class TPictureContainer;

// Mini-HTML: one string holding text plus a small HTML-like markup (bold, italic, underline,
// fonts and colours, links, pictures, bullet lists, paragraphs, highlight and error marks,
// shadows, sub- and superscripts, rotated text and, in the grid's copy, form controls), laid out
// in a rectangle of a canvas. One call can measure the text, paint it, and tell what lies under
// a point (a link, its rectangle, a linked picture, a form control).
//
// Two entries share one engine and differ by a variant policy: the grid's (form controls, link
// titles, settable highlight colours, the mouse-down look, glued runs) and the hint's (line gap,
// gradient and corner-picture backgrounds, shaped bullets, a coloured rule, a continuation
// offset, pictures that do not raise the line). MiniHtmlDrawHint and MiniHtmlDrawDialog are the
// same entry under the names the hint window and the task dialog call it by.
//
// Every call re-parses the whole text and measures each run on the canvas: cost is linear in the
// text times the cost of one text measurement. Pass SizeOnly to only measure (nothing painted)
// and LocateOnly to hit-test (nothing painted, exact positions). Bad markup never raises: an
// unclosed tag drops the rest, unknown tags are consumed. The canvas's font, brush and pen come
// back as they were (the hint's entry leaves the pen as the markup set it). Coordinates are the
// canvas's logical pixels; colours are TColor values, clNone for "none".
// User-interface thread only; pictures named by address may be loaded synchronously.

// Returns true when the point lies over link text, a linked picture or a form control, or when
// LocateOnly found the control named by ControlIdInOut.
bool MiniHtmlDrawGrid(plat::TCanvas& Canvas, const std::string& Text, plat::TRect Bounds,
                      const plat::TImageList* ImageList, int PointX, int PointY, int FocusLinkIndex,
                      int HoverLinkIndex, int ShadowShift, bool LocateOnly, bool SizeOnly, bool PrintMode,
                      bool SelectedText, bool BlinkVisible, bool HoverOnlyLinks, bool WrapWords,
                      bool MouseIsDown, double PrintScale, plat::TColor LinkTextColor,
                      plat::TColor HoverBackColor, plat::TColor HoverTextColor, plat::TColor ShadowTextColor,
                      std::string& LinkUnderPoint, std::string& PlainText, std::string& FocusedLinkTarget,
                      std::string& TitleUnderPoint, int& ContentWidth, int& ContentHeight, int& LinkTotal,
                      int& LinkIndexUnderPoint, plat::TRect& LinkRectUnderPoint, plat::TRect& ControlRectOut,
                      std::string& ControlIdInOut, std::string& ControlValueOut, std::string& ControlTypeOut,
                      THTMLPictureCache* PictureCache, TPictureContainer* Pictures, plat::HWND ThemeWindow,
                      std::uint8_t ReadingOrder);

// The hint variant. LineGap pixels are added to every line's height. LinkRectUnderPoint and
// LinkUnderPoint are only written, never cleared.
bool MiniHtmlDrawHint(plat::TCanvas& Canvas, const std::string& Text, plat::TRect Bounds,
                      const plat::TImageList* ImageList, int PointX, int PointY, int FocusLinkIndex,
                      int HoverLinkIndex, int ShadowShift, bool LocateOnly, bool SizeOnly, bool PrintMode,
                      bool SelectedText, bool BlinkVisible, bool HoverOnlyLinks, bool WrapWords,
                      double PrintScale, plat::TColor LinkTextColor, plat::TColor HoverBackColor,
                      plat::TColor HoverTextColor, plat::TColor ShadowTextColor, std::string& LinkUnderPoint,
                      std::string& PlainText, std::string& FocusedLinkTarget, int& ContentWidth,
                      int& ContentHeight, int& LinkTotal, int& LinkIndexUnderPoint,
                      plat::TRect& LinkRectUnderPoint, THTMLPictureCache* PictureCache,
                      TPictureContainer* Pictures, int LineGap, std::uint8_t ReadingOrder);

// The task dialog's name for the hint variant; it behaves exactly as MiniHtmlDrawHint.
bool MiniHtmlDrawDialog(plat::TCanvas& Canvas, const std::string& Text, plat::TRect Bounds,
                        const plat::TImageList* ImageList, int PointX, int PointY, int FocusLinkIndex,
                        int HoverLinkIndex, int ShadowShift, bool LocateOnly, bool SizeOnly, bool PrintMode,
                        bool SelectedText, bool BlinkVisible, bool HoverOnlyLinks, bool WrapWords,
                        double PrintScale, plat::TColor LinkTextColor, plat::TColor HoverBackColor,
                        plat::TColor HoverTextColor, plat::TColor ShadowTextColor, std::string& LinkUnderPoint,
                        std::string& PlainText, std::string& FocusedLinkTarget, int& ContentWidth,
                        int& ContentHeight, int& LinkTotal, int& LinkIndexUnderPoint,
                        plat::TRect& LinkRectUnderPoint, THTMLPictureCache* PictureCache,
                        TPictureContainer* Pictures, int LineGap, std::uint8_t ReadingOrder);

// The hint window's background: Steps bands from FromColor to ToColor, the last band in ToColor
// itself; Horizontal false lays the bands top to bottom (the colour changes downwards), true left
// to right. Fewer than 2 steps fill the rectangle in FromColor; an empty rectangle draws nothing.
// Leaves the canvas's pen and brush in the last band's colour, as the hint window expects.
void DrawHintGradient(plat::TCanvas& Canvas, plat::TColor FromColor, plat::TColor ToColor, int Steps,
                      plat::TRect R, bool Horizontal);

}  // namespace skelda::foundation
