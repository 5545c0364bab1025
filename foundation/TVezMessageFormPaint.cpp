// The emulated task dialog's painting (the white area and grey band, content, expanded text,
// footer) and its links, all mini-HTML through the dialog's entry of the engine.

#include "foundation/DialogLinks.h"
#include "foundation/MiniHtmlDraw.h"
#include "foundation/TCustomVezTaskDialog.h"
#include "foundation/TTaskDialogButton.h"
#include "foundation/TVezMessageForm.h"
#include "foundation/TaskDialogCaptions.h"
#include "platform/controls/core/ControlCanvas.h"
#include "platform/controls/core/PaintContext.h"
#include "platform/controls/standard/TImage.h"
#include "platform/controls/standard/TLabel.h"
#include "platform/graphics/CanvasFlags.h"
#include "platform/graphics/StandardIcons.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TIcon.h"
#include "platform/system/Environment.h"
#include "platform/system/PlatformInformation.h"

#include <algorithm>

namespace skelda::foundation {

namespace {

constexpr plat::TColor kLinkColor = 0xFF0000;
constexpr plat::TColor kShadowColor = 0x808080;
constexpr plat::TColor kOldPlatformFrameColor = 0x808080;
constexpr plat::TColor kFooterSeparatorColor = 0xDFDFDF;

// The dialog's one way of calling the engine: no pictures of its own, links in blue, words
// wrapped. Returns whether Point lies over a link.
bool DialogHtml(plat::TCanvas& Canvas, const std::string& Text, plat::TRect Bounds, plat::TPoint Point,
                bool LocateOnly, bool SizeOnly, bool Measuring, plat::TSize& Size, std::string& Link)
{
    std::string plain, focused;
    int linkTotal = 0, linkIndex = -1;
    plat::TRect linkRect{};
    return MiniHtmlDrawDialog(Canvas, DialogLineBreaksToHtml(Text), Bounds, nullptr, Point.X, Point.Y, -1, -1, 1,
                              LocateOnly, SizeOnly, false, Measuring, Measuring, false, true, 1.0, kLinkColor,
                              plat::clNone, plat::clNone, kShadowColor, Link, plain, focused, Size.cx, Size.cy,
                              linkTotal, linkIndex, linkRect, nullptr, nullptr, 0, 0);
}

}  // namespace

plat::TSize TVezMessageForm::MeasureHtml(const std::string& Text, plat::TRect Bounds, int PointY, bool SizeOnly)
{
    plat::TSize size{0, 0};
    std::string link;
    DialogHtml(Canvas(), Text, Bounds, {0, PointY}, true, SizeOnly, true, size, link);
    return size;
}

void TVezMessageForm::DrawHtml(const std::string& Text, plat::TRect Bounds)
{
    plat::TSize size{0, 0};
    std::string link;
    DialogHtml(Canvas(), Text, Bounds, {0, 0}, false, false, false, size, link);
}

std::string TVezMessageForm::LinkAt(const std::string& Text, plat::TRect Bounds, plat::TPoint Point)
{
    if (Text.empty())
        return {};
    plat::TSize size{0, 0};
    std::string link;
    return DialogHtml(Canvas(), Text, Bounds, Point, true, false, true, size, link) ? link : std::string();
}

int TVezMessageForm::TextLeft() const
{
    return FIcon ? FMetrics.HorzMarginPx + FIcon->GetWidth() + FMetrics.HorzSpacingPx : FMetrics.HorzMarginPx;
}

plat::TRect TVezMessageForm::GetContentRect() const
{
    if (!FTaskDialog || FTaskDialog->GetContent().empty())
        return {-1, -1, -1, -1};
    const int top = Message && !Message->GetCaption().empty()
                        ? Message->GetTop() + Message->GetHeight() + FMetrics.VertSpacingPx
                        : FMetrics.VertMarginPx;
    return Mirrored({TextLeft(), top, GetClientWidth() - FMetrics.HorzMarginPx, top + FContentYSize});
}

plat::TRect TVezMessageForm::GetExpandedTextRect() const
{
    if (!FExpanded || !FTaskDialog)
        return {-1, -1, -1, -1};
    return Mirrored(
        {TextLeft(), FExpTextTop, GetClientWidth() - FMetrics.HorzMarginPx, FExpTextTop + FExpTextYSize});
}

plat::TRect TVezMessageForm::GetFooterRect() const
{
    return {FMetrics.HorzMarginPx, GetClientHeight() - FFooterYSize - 10, GetClientWidth() - FMetrics.HorzMarginPx,
            GetClientHeight()};
}

plat::TRect TVezMessageForm::FooterTextRect() const
{
    plat::TRect r = GetFooterRect();
    if (FFooterIcon)
        r = Mirrored({r.Left + kFooterIconRoomPx, r.Top, r.Right, r.Bottom});
    return r;
}

// The engine starts every line at the left of its rectangle: right to left the rectangle moves
// right until the text's measured width, with a little room for the engine's rounding, ends at
// its right edge. It keeps its width, so the lines break where they were measured.
plat::TRect TVezMessageForm::HtmlBounds(plat::TRect Bounds, int TextWidth) const
{
    if (UseRightToLeftAlignment()) {
        const int shift = std::max(0, Bounds.Width() - TextWidth - kHtmlSlackPx);
        Bounds.Left += shift;
        Bounds.Right += shift;
    }
    return Bounds;
}

plat::TRect TVezMessageForm::FooterIconRect() const
{
    const plat::TRect r = GetFooterRect();
    return Mirrored({r.Left, r.Top, r.Left + kFooterIconSizePx, r.Top + kFooterIconSizePx});
}

std::string TVezMessageForm::AnchorAt(plat::TPoint Point)
{
    if (!FTaskDialog)
        return {};
    auto holds = [&](const plat::TRect& r) {
        return Point.X >= r.Left && Point.X < r.Right && Point.Y >= r.Top && Point.Y < r.Bottom;
    };
    const plat::TRect footer = FooterTextRect();
    if (!FTaskDialog->GetFooter().empty() && holds(footer))
        return LinkAt(FTaskDialog->GetFooter(), HtmlBounds(footer, FFooterXSize), Point);
    if (const plat::TRect content = GetContentRect(); holds(content))
        return LinkAt(FTaskDialog->GetContent(), HtmlBounds(content, FContentXSize), Point);
    if (const plat::TRect expanded = GetExpandedTextRect();
        !FTaskDialog->GetExpandedText().empty() && holds(expanded))
        return LinkAt(FTaskDialog->GetExpandedText(), HtmlBounds(expanded, FExpTextXSize), Point);
    return {};
}

void TVezMessageForm::MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y)
{
    const plat::TControlRef<> alive(this);
    plat::TForm::MouseDown(Button, Shift, X, Y);
    if (!alive || !FTaskDialog)
        return;
    const std::string target = AnchorAt({X, Y});
    if (target.empty())
        return;
    if (FTaskDialog->OnDialogHyperlinkClick)
        FTaskDialog->OnDialogHyperlinkClick(FTaskDialog, target);
    else
        OpenDialogLink(target);
}

void TVezMessageForm::MouseMove(plat::TShiftState Shift, int X, int Y)
{
    const std::string target = AnchorAt({X, Y});
    if (!target.empty()) {
        SetCursor(plat::crHandPoint);
        FAnchor = target;
    } else if (GetCursor() == plat::crHandPoint) {
        SetCursor(plat::crDefault);
        FAnchor.clear();
    }
    plat::TForm::MouseMove(Shift, X, Y);
}

void TVezMessageForm::PaintWindow(plat::TPaintContext& Context)
{
    plat::TForm::PaintWindow(Context);
    plat::TCanvasAttachment attached(*FCanvas, Context);
    FCanvas->Font().Assign(Font());
    Paint();
}

void TVezMessageForm::Paint()
{
    if (!FTaskDialog)
        return;
    plat::TCanvas& canvas = Canvas();
    const int clientWidth = GetClientWidth();
    const int clientHeight = GetClientHeight();
    if (FWhiteWindowHeight > 0) {
        const int bandTop = FWhiteWindowHeight - FMetrics.VertSpacingPx / 2;
        canvas.Brush().SetStyle(plat::bsSolid);
        canvas.Brush().SetColor(FFooterColor);
        canvas.FillRect({0, bandTop, clientWidth, clientHeight});
        canvas.Pen().SetColor(FFooterLineColor);
        canvas.MoveTo(0, bandTop);
        canvas.LineTo(clientWidth, bandTop);
        if (plat::Env().Platform->GetVersionEx().MajorVersion < 6) {
            canvas.Brush().SetStyle(plat::bsClear);
            canvas.Pen().SetColor(kOldPlatformFrameColor);
            canvas.Rectangle(1, 1, clientWidth - 1, clientHeight - 1);
        }
    }
    canvas.Brush().SetStyle(plat::bsClear);
    DrawTextBlock(FTaskDialog->GetContent(), GetContentRect(), FContentXSize, false);
    if (FExpanded)
        DrawTextBlock(FTaskDialog->GetExpandedText(), GetExpandedTextRect(), FExpTextXSize, true);
    if (FExpandButton && !FTaskDialog->GetExpandedText().empty()) {
        const std::string& text = FExpanded ? FTaskDialog->GetExpandControlText() : FTaskDialog->GetCollapsControlText();
        // Beside the expand button, which stands at the vertical margin left to right.
        plat::TRect r = Mirrored({FMetrics.VertMarginPx + FExpandButton->GetWidth() + FMetrics.HorzSpacingPx - 5,
                                  FExpandButton->GetTop(), clientWidth,
                                  FExpandButton->GetTop() + FExpandButton->GetHeight()});
        canvas.Brush().SetStyle(plat::bsClear);
        canvas.DrawText(text, r, DrawTextBiDiModeFlags(plat::DT_SINGLELINE | plat::DT_VCENTER));
    }
    if (!FTaskDialog->GetFooter().empty())
        DrawFooter();
}

void TVezMessageForm::DrawTextBlock(const std::string& Text, plat::TRect Bounds, int TextWidth,
                                    bool AlwaysBreakLines)
{
    if (Text.empty())
        return;
    if (FTaskDialog->FOptions.Contains(doHyperlinks)) {
        DrawHtml(Text, HtmlBounds(Bounds, TextWidth));
        return;
    }
    Canvas().DrawText(PlainDialogText(Text, AlwaysBreakLines), Bounds,
                      DrawTextBiDiModeFlags(plat::DT_NOPREFIX | plat::DT_EXPANDTABS | plat::DT_WORDBREAK |
                                            plat::DT_VCENTER));
}

void TVezMessageForm::DrawFooter()
{
    plat::TCanvas& canvas = Canvas();
    const int separatorY = GetFooterRect().Top - FMetrics.VertSpacingPx;
    canvas.Pen().SetColor(kFooterSeparatorColor);
    canvas.MoveTo(2, separatorY);
    canvas.LineTo(GetClientWidth() - 3, separatorY);
    canvas.Pen().SetColor(plat::clWhite);
    canvas.MoveTo(2, separatorY + 1);
    canvas.LineTo(GetClientWidth() - 3, separatorY + 1);
    if (FFooterIcon)
        DrawFooterIcon(FooterIconRect());
    DrawHtml(FTaskDialog->GetFooter(), HtmlBounds(FooterTextRect(), FFooterXSize));
}

void TVezMessageForm::DrawFooterIcon(plat::TRect At)
{
    plat::TCanvas& canvas = Canvas();
    if (FTaskDialog->FFooterIcon == tfiShield) {
        plat::TBitmap shield;
        shield.LoadFromResourceName("TD_SHIELD");
        shield.SetTransparentColor(0xFF00FF);
        shield.SetTransparent(true);
        plat::TBitmap icon;
        icon.SetSize(kFooterIconSizePx, kFooterIconSizePx);
        icon.Canvas().Brush().SetColor(FFooterColor);
        icon.Canvas().FillRect({0, 0, kFooterIconSizePx, kFooterIconSizePx});
        icon.Canvas().StretchDraw({0, 0, kFooterIconSizePx, kFooterIconSizePx}, &shield);
        canvas.Draw(At.Left, At.Top, &icon);
        return;
    }
    plat::TIcon icon;
    if (plat::LoadStandardIcon(FFooterIconID, kFooterIconSizePx, icon))
        canvas.Draw(At.Left, At.Top, &icon);
}

}  // namespace skelda::foundation
