#include "pager/glow/GlowFace.h"

#include "foundation/GPColors.h"
#include "foundation/TGDIPPicture.h"
#include "foundation/TGPBrush.h"
#include "foundation/TGPFont.h"
#include "foundation/TGPFontFamily.h"
#include "foundation/TGPGraphics.h"
#include "foundation/TGPStringFormat.h"
#include "pager/glow/GlowArrows.h"
#include "pager/glow/GlowColors.h"
#include "pager/glow/GlowFonts.h"
#include "pager/glow/GlowGradient.h"
#include "pager/glow/GlowImages.h"
#include "pager/glow/GlowOutlines.h"
#include "pager/glow/GlowTextMeasurer.h"
#include "platform/controls/core/TControl.h"
#include "platform/controls/core/TWinControl.h"
#include "platform/core/TStrings.h"
#include "platform/graphics/CanvasFlags.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TImageList.h"

#include <algorithm>
#include <cctype>
#include <memory>

namespace skelda::pager {

using namespace skelda::foundation;

namespace {

constexpr plat::TColor kFocusColor = 0xE4AD89;

REAL F(int Value) { return static_cast<REAL>(Value); }

std::string NotesText(const plat::TStrings* Notes)
{
    std::string text;
    if (!Notes)
        return text;
    for (int i = 0; i < Notes->Count(); ++i) {
        if (i > 0)
            text += '\n';
        text += Notes->GetStrings(i);
    }
    return text;
}

bool UsableGlyph(const plat::TBitmap* Glyph)
{
    return Glyph && !Glyph->GetEmpty() && Glyph->GetWidth() >= 2 && Glyph->GetHeight() >= 2;
}

bool IsHostToolBarChild(const plat::TControl* Control)
{
    return Control && Control->GetParent() && Control->GetParent()->ClassName() == "TVezQuickAccessToolBar";
}

void PaintBackground(TGPGraphics& Graphics, const TGlowFaceRequest& Q)
{
    const plat::TRect& R = Q.ClientRect;
    const int h2 = R.Height() / 2;
    if (Q.DropDownButton && Q.HotOrDown && Q.DropDownSplit) {
        const TGlowSplitParts parts = GlowSplitParts(R, Q.DropDownPosition);
        const bool darkenOthers = !Q.TransparentWhenHot;
        if (Q.DropDownHit == dhMainPart) {
            FillGlowHalf(Graphics, parts.MainLower, Q.ColorMirrorTo, Q.ColorMirror, Q.GradientMirror, false);
            FillGlowHalf(Graphics, parts.MainUpper, Q.Color, Q.ColorTo, Q.Gradient, true);
            if (darkenOthers) {
                FillGlowHalf(Graphics, parts.DropDownUpper, ShadeColor(Q.Color, -10), ShadeColor(Q.ColorTo, -10),
                             Q.Gradient, true);
                if (parts.HasDropDownLower)
                    FillGlowHalf(Graphics, parts.DropDownLower, ShadeColor(Q.ColorMirrorTo, -10),
                                 ShadeColor(Q.ColorMirror, -10), Q.GradientMirror, false);
            }
        } else {
            if (darkenOthers) {
                FillGlowHalf(Graphics, parts.MainLower, ShadeColor(Q.ColorMirrorTo, -10), ShadeColor(Q.ColorMirror, -10),
                             Q.GradientMirror, false);
                FillGlowHalf(Graphics, parts.MainUpper, ShadeColor(Q.Color, -10), ShadeColor(Q.ColorTo, -10),
                             Q.Gradient, true);
            }
            FillGlowHalf(Graphics, parts.DropDownUpper, Q.Color, Q.ColorTo, ggRadial, true);
            if (parts.HasDropDownLower)
                FillGlowHalf(Graphics, parts.DropDownLower, Q.ColorMirrorTo, Q.ColorMirror, Q.GradientMirror, false);
        }
        return;
    }
    FillGlowHalf(Graphics, plat::Rect(R.Left, R.Top + h2 - 1, R.Right, R.Bottom), Q.ColorMirrorTo, Q.ColorMirror,
                 Q.GradientMirror, false);
    FillGlowHalf(Graphics, plat::Rect(R.Left, R.Top, R.Right, R.Bottom - h2), Q.Color, Q.ColorTo, Q.Gradient, true);
}

void PaintBorder(TGPGraphics& Graphics, const TGlowFaceRequest& Q, int Radius)
{
    const plat::TRect& R = Q.ClientRect;
    const int w = R.Right - 1;
    const int h = R.Bottom - 1;
    const bool highlighted = Q.MouseIn || Q.DownChecked;
    switch (Q.Position) {
    case bpStandalone:
        OutlineRoundRect(Graphics, Q.BorderColor, R.Left, R.Top, w, h, Radius);
        break;
    case bpLeft:
        OutlineLeftPiece(Graphics, Q.BorderColor, R.Left, R.Top, w, h, Radius);
        break;
    case bpMiddle:
        OutlineMiddlePiece(Graphics, Q.BorderColor, R.Left, R.Top, w, h, Radius, highlighted);
        break;
    case bpRight:
        OutlineRightPiece(Graphics, Q.BorderColor, R.Left, R.Top, w, h, Radius, highlighted);
        break;
    }
}

// Where the caption and the image go, from the measured text.
struct TTextLayout {
    TGPRectF Rect{};
    int ImageX = 0;
    int ImageY = 0;
};

TTextLayout PlaceContent(TButtonLayout Layout, bool GdiplusPath, TGPRectF Rect, const plat::TRect& R, int w, int h,
                         int iw, int ih, REAL bx, REAL tw, REAL th, int Spacing)
{
    TTextLayout out;
    const int L = R.Left;
    const int T = R.Top;
    const int centreY = T + std::max(0, (h - ih) / 2);
    const int centreX = L + std::max(0, (w - iw) / 2);
    switch (Layout) {
    case blGlyphLeft:
    case blGlyphLeftAdjusted:
        Rect.X = F(L + iw + 2);
        Rect.Width = F(w - iw - 2);
        out.ImageX = (Layout == blGlyphLeft && !GdiplusPath) ? RoundEven(bx) : RoundEven(bx - iw / 2);
        out.ImageX = std::max(2, out.ImageX);
        out.ImageY = centreY;
        break;
    case blGlyphRight:
    case blGlyphRightAdjusted:
        Rect.X = 2;
        Rect.Width = F(w - iw - 4);
        if (Layout == blGlyphRightAdjusted) {
            out.ImageX = w - iw - 2;
        } else {
            out.ImageX = std::max(0, RoundEven(Rect.Width - tw) / 2) + RoundEven(tw) + 4;
            if (w - iw < out.ImageX)
                out.ImageX = w - iw - 2;
        }
        out.ImageX += Spacing;
        out.ImageY = centreY;
        break;
    case blGlyphTop:
    case blGlyphTopAdjusted:
        Rect.Y = F(T + ih);
        Rect.Height = F(h - ih - 2);
        out.ImageX = centreX;
        if (Layout == blGlyphTop)
            out.ImageY = std::max(0, RoundEven(Rect.Height - th) / 2) + RoundEven(Rect.Y) - ih - (GdiplusPath ? 0 : 4);
        else
            out.ImageY = RoundEven(Rect.Y) - ih;
        out.ImageY = std::max(2, out.ImageY);
        break;
    case blGlyphBottom:
        Rect.Y = 2;
        Rect.Height = F(h - ih - 2);
        out.ImageX = centreX;
        out.ImageY = std::max(0, RoundEven(Rect.Height - th) / 2) + (GdiplusPath ? RoundEven(th + 2) : RoundEven(th + 5));
        if (h - ih < out.ImageY)
            out.ImageY = h - ih - 2;
        break;
    case blGlyphBottomAdjusted:
        Rect.Y = 2;
        Rect.Height = F(GdiplusPath ? h - ih - 2 : h - ih - 4);
        out.ImageX = centreX;
        if (GdiplusPath) {
            out.ImageY = h / 2 + RoundEven(th + 2);
            if (h - ih < out.ImageY)
                out.ImageY = h - ih - 2;
        } else {
            out.ImageY = h - ih - 2;
        }
        break;
    }
    out.Rect = Rect;
    return out;
}

unsigned GdiLayoutFormat(TButtonLayout Layout)
{
    switch (Layout) {
    case blGlyphLeft:
    case blGlyphRight:
    case blGlyphBottom:
        return plat::DT_CENTER | plat::DT_VCENTER;
    case blGlyphTop:
    case blGlyphTopAdjusted:
        return plat::DT_CENTER;
    case blGlyphRightAdjusted:
        return plat::DT_RIGHT | plat::DT_VCENTER;
    case blGlyphBottomAdjusted:
        return plat::DT_CENTER | plat::DT_BOTTOM;
    case blGlyphLeftAdjusted:
        return plat::DT_VCENTER;
    }
    return 0;
}

void PaintImages(TGPGraphics& Graphics, const TGlowFaceRequest& Q, bool HasCaption, int iw, int ih, int ix, int iy)
{
    plat::TCanvas& canvas = *Q.Canvas;
    const plat::TRect& R = Q.ClientRect;
    int cw = R.Width();
    int ch = R.Height();
    if (Q.DropDownButton)
        (Q.DropDownPosition == dpRight ? cw : ch) -= 8;
    const auto at = [&](int w, int h) {
        return HasCaption ? plat::Point(ix, iy)
                          : plat::Point(R.Left + std::max(0, (cw - w) / 2), R.Top + std::max(0, (ch - h) / 2));
    };
    const bool forced = Q.ForcedImageSize.X > 0 && Q.ForcedImageSize.Y > 0;
    if (UsableGlyph(Q.GlyphBitmap)) {
        const plat::TPoint p = at(iw, ih);
        if (!forced) {
            canvas.Draw(p.X, p.Y, Q.GlyphBitmap);
        } else {
            std::unique_ptr<plat::TGraphic> copy = Q.GlyphBitmap->Clone();
            copy->SetTransparent(true);
            canvas.StretchDraw(plat::Bounds(p.X, p.Y, Q.ForcedImageSize.X, Q.ForcedImageSize.Y), copy.get());
        }
    } else if (Q.Picture && !Q.Picture->GetEmpty()) {
        const plat::TPoint p = at(iw, ih);
        if (!forced)
            PaintPictureKeyed(Graphics, p, *Q.Picture);
        else
            PaintPictureStretched(Graphics, canvas,
                                  plat::Bounds(p.X, p.Y, Q.ForcedImageSize.X, Q.ForcedImageSize.Y), *Q.Picture);
    } else if (Q.ImageIndex != -1 && Q.Images) {
        const plat::TPoint p = at(Q.Images->GetWidth(), Q.Images->GetHeight());
        if (!IsHostToolBarChild(Q.Control))
            PaintImageListImage(&Graphics, p, Q.Images, Q.ImageEnabled, Q.ImageIndex);
        else
            Q.Images->Draw(canvas, p.X, p.Y, Q.ImageIndex, Q.ImageEnabled);
    }
}

void PaintDropDownPart(const TGlowFaceRequest& Q, bool HasCaption, int TextBottom)
{
    plat::TCanvas& canvas = *Q.Canvas;
    const plat::TRect& R = Q.ClientRect;
    const plat::TRect D = Q.DropDownPosition == dpRight
                              ? plat::Rect(R.Right - kGlowDropDownPartPx, R.Top, R.Right, R.Bottom)
                              : plat::Rect(R.Left, R.Bottom - kGlowDropDownPartPx, R.Right, R.Bottom);
    canvas.Brush().SetStyle(plat::bsClear);
    if (Q.DropDownSplit && Q.HotOrDown) {
        canvas.Pen().SetColor(Q.BorderColor);
        canvas.MoveTo(D.Left, D.Top);
        if (Q.DropDownPosition == dpRight)
            canvas.LineTo(D.Left, D.Bottom);
        else
            canvas.LineTo(D.Right, D.Top);
    }
    const int x = D.Left + (D.Width() - 5) / 2;
    const int y = (Q.DropDownPosition == dpBottom || !HasCaption) ? D.Top + 1 + (D.Height() - 3) / 2 : TextBottom - 8;
    const plat::TColor color = Q.Enabled ? plat::clBlack : plat::clGray;
    if (Q.GlassToolbar)
        PaintArrowSmooth(canvas, plat::Point(x, y), color);
    else
        PaintArrowPixels(canvas, plat::Point(x, y), color, Q.ArrowDown, plat::clWhite);
}

}  // namespace

std::string GlowCaptionText(const std::string& Caption, bool ForcedImageSize)
{
    std::string out;
    out.reserve(Caption.size());
    for (std::size_t i = 0; i < Caption.size(); ++i) {
        if (Caption[i] == '\\' && i + 1 < Caption.size() && (Caption[i + 1] == 'n' || Caption[i + 1] == 'N')) {
            out += ForcedImageSize ? ' ' : '\n';
            ++i;
        } else {
            out += Caption[i];
        }
    }
    return out;
}

TGlowSplitParts GlowSplitParts(const plat::TRect& R, TDropDownPosition Position)
{
    TGlowSplitParts parts;
    const int h2 = R.Height() / 2;
    if (Position == dpRight) {
        const int split = R.Right - kGlowSplitPartPx;
        parts.MainUpper = plat::Rect(R.Left, R.Top, split, R.Bottom - h2);
        parts.MainLower = plat::Rect(R.Left, R.Top + h2 - 1, split, R.Bottom);
        parts.DropDownUpper = plat::Rect(split, R.Top, R.Right, R.Bottom - h2);
        parts.DropDownLower = plat::Rect(split, R.Top + h2 - 1, R.Right, R.Bottom);
    } else {
        const int z = (R.Height() - kGlowSplitPartPx) / 2;
        parts.MainUpper = plat::Rect(R.Left, R.Top, R.Right, R.Bottom - kGlowSplitPartPx - z);
        parts.MainLower = plat::Rect(R.Left, R.Top + z - 1, R.Right, R.Bottom - kGlowSplitPartPx);
        parts.DropDownUpper = plat::Rect(R.Left, R.Bottom - kGlowSplitPartPx, R.Right, R.Bottom);
        parts.HasDropDownLower = false;
    }
    return parts;
}

plat::TPoint PaintGlowButtonFace(const TGlowFaceRequest& Q)
{
    plat::TCanvas& canvas = *Q.Canvas;
    const IGlowTextMeasurer& measurer = MeasurerOrSystem(Q.Measurer);
    const plat::TRect& R = Q.ClientRect;
    const int L = R.Left;
    const int T = R.Top;
    const int radius = Q.Rounded ? 3 : 0;
    TGPGraphics graphics(canvas.Handle());

    plat::TRect R2 = R;
    if (Q.DropDownButton) {
        if (Q.DropDownPosition == dpRight)
            R2.Right = R.Right - kGlowDropDownPartPx;
        else
            R2.Bottom = R.Bottom - kGlowDropDownPartPx;
    }
    const int w = R2.Width();
    const int h = R2.Height();
    const std::string notes = NotesText(Q.Notes);
    const bool hasNotes = !notes.empty();
    const TButtonLayout layout = hasNotes ? blGlyphLeftAdjusted : Q.Layout;

    const bool paintFrame = !Q.TransparentLook || Q.DroppedDown || Q.DownChecked;
    if (paintFrame)
        PaintBackground(graphics, Q);
    graphics.SetSmoothingMode(SmoothingModeAntiAlias);
    if (paintFrame && Q.SingleBorder)
        PaintBorder(graphics, Q, radius);
    if (Q.FocusOutline) {
        OutlineRoundRect(graphics, kFocusColor, L + 1, T + 1, R.Right - 3, R.Bottom - 3, radius);
        OutlineRoundRectDotted(graphics, plat::clGray, L + 2, T + 2, R.Right - 5, R.Bottom - 5, radius);
    }

    // Image size.
    const bool forced = Q.ForcedImageSize.X > 0 && Q.ForcedImageSize.Y > 0;
    int iw = 0;
    int ih = 0;
    if (UsableGlyph(Q.GlyphBitmap) || (Q.Picture && !Q.Picture->GetEmpty())) {
        if (UsableGlyph(Q.GlyphBitmap)) {
            iw = Q.GlyphBitmap->GetWidth();
            ih = Q.GlyphBitmap->GetHeight();
        } else {
            Q.Picture->GetImageSizes();
            iw = Q.Picture->GetWidth();
            ih = Q.Picture->GetHeight();
        }
        if (forced) {
            iw = Q.ForcedImageSize.X;
            ih = Q.ForcedImageSize.Y;
        }
    } else if (Q.ImageIndex > -1 && Q.Images) {
        iw = Q.Images->GetWidth();
        ih = Q.Images->GetHeight();
    }

    const bool hasCaption = Q.DrawCaption && (!Q.Caption.empty() || !Q.WideCaption.empty());
    if (hasCaption) {
        if (iw > 0 && IsHorizontalLayout(layout))
            iw += Q.Spacing;
        if (ih > 0 && (layout == blGlyphTop || layout == blGlyphTopAdjusted))
            ih += Q.Spacing;
    }
    plat::TPoint content{iw, ih};
    int textBottom = 0;
    int ix = 0;
    int iy = 0;

    if (hasCaption && Q.Font) {
        const plat::TFont& font = *Q.Font;
        const plat::TFont& notesFont = Q.NotesFont ? *Q.NotesFont : font;
        const std::string text = GlowCaptionText(Q.Caption.empty() ? Q.WideCaption : Q.Caption, forced);
        canvas.Font().SetName(font.GetName());
        const bool gdiplusPath = Q.AntiAlias != aaNone && measurer.IsTrueType(canvas, font);

        const std::unique_ptr<TGPFontFamily> family = FamilyOf(font);
        const std::unique_ptr<TGPFontFamily> notesFamily = FamilyOf(notesFont);
        TGPFont gpFont(family.get(), static_cast<REAL>(font.GetSize()), GdiplusStyleOf(font), UnitPoint);
        TGPFont gpNotesFont(notesFamily.get(), static_cast<REAL>(notesFont.GetSize()), GdiplusStyleOf(notesFont),
                            UnitPoint);
        TGPRectF rect{F(L), F(T), F(w), F(h)};
        if (Q.MeasureOnly) {
            rect.Width = 4096;
            rect.Height = 4096;
        }
        TGPStringFormat format(Q.WordWrap ? 0 : StringFormatFlagsNoWrap);
        format.SetAlignment(layout == blGlyphLeftAdjusted    ? StringAlignmentNear
                            : layout == blGlyphRightAdjusted ? StringAlignmentFar
                                                             : StringAlignmentCenter);
        format.SetLineAlignment(layout == blGlyphTopAdjusted      ? StringAlignmentNear
                                : layout == blGlyphBottomAdjusted ? StringAlignmentFar
                                                                  : StringAlignmentCenter);
        format.SetHotkeyPrefix(HotkeyPrefixShow);
        format.SetTrimming(Q.Trimming);
        if (Q.AntiAlias == aaClearType)
            graphics.SetTextRenderingHint(TextRenderingHintClearTypeGridFit);
        else if (Q.AntiAlias == aaAntiAlias)
            graphics.SetTextRenderingHint(TextRenderingHintAntiAlias);

        REAL bx = 0;
        REAL by = 0;
        REAL tw = 0;
        REAL th = 0;
        REAL nw = 0;
        REAL nh = 0;
        if (gdiplusPath) {
            const TGPRectF box = measurer.MeasureGdiplus(graphics, text, gpFont, rect, format);
            bx = box.X;
            by = box.Y;
            tw = box.Width;
            th = box.Height;
            textBottom = RoundEven(by + th);
            if (iw > 0)
                rect.Width -= F(iw + Q.Spacing);
            if (hasNotes) {
                const TGPRectF notesBox = measurer.MeasureGdiplus(graphics, notes, gpNotesFont, rect, format);
                nw = notesBox.Width;
                nh = notesBox.Height;
            }
        } else {
            canvas.Font().Assign(font);
            const int x0 = RoundEven(rect.X);
            const int y0 = RoundEven(rect.Y);
            plat::TRect calc = plat::Rect(x0, y0, Q.WordWrap ? x0 + RoundEven(rect.Width) : x0 + 2,
                                          y0 + RoundEven(rect.Height));
            const int height = measurer.CalcTextGdi(canvas, text, calc,
                                                    Q.WordWrap ? plat::DT_WORDBREAK : plat::DT_SINGLELINE);
            tw = F(calc.Width());
            th = F(height);
            textBottom = (RoundEven(rect.Height) + height) / 2;
            if (hasNotes) {
                canvas.Font().Assign(notesFont);
                plat::TRect notesCalc = plat::Rect(x0, y0, x0 + RoundEven(rect.Width), 65535);
                nh = F(measurer.CalcTextGdi(canvas, notes, notesCalc, plat::DT_WORDBREAK));
                nw = F(notesCalc.Width());
                canvas.Font().Assign(font);
            }
            bx = F(calc.Left);
            by = F(calc.Top);
            if (layout == blGlyphLeft)
                bx = F((w - RoundEven(tw) - iw) / 2);
            else if (layout == blGlyphTop)
                by = F((h - RoundEven(th) - ih - 2) / 2);
        }
        (void)by;

        if (IsHorizontalLayout(layout))
            content = plat::Point(std::max(RoundEven(tw), RoundEven(nw)) + iw + Q.Spacing,
                                  std::max(RoundEven(th) + Q.Spacing + RoundEven(nh), ih + Q.Spacing));
        else
            content = plat::Point(std::max(RoundEven(tw) + Q.Spacing, iw + Q.Spacing), RoundEven(th) + ih + Q.Spacing);
        if (Q.MeasureOnly)
            return content;

        if (!Q.WordWrap)
            rect = TGPRectF{rect.X, rect.Y, F(w), F(h)};
        const TTextLayout placed = PlaceContent(layout, gdiplusPath, rect, R, w, h, iw, ih, bx, tw, th, Q.Spacing);
        rect = placed.Rect;
        ix = placed.ImageX;
        iy = placed.ImageY;
        if (Q.OverlappedText) {
            rect = TGPRectF{F(L), F(T), F(R.Right), F(R.Bottom)};
            if (Q.DrawImage && UsableGlyph(Q.GlyphBitmap))
                canvas.Draw(ix, iy, Q.GlyphBitmap);
        }

        const plat::TColor textColor = Q.Enabled ? font.GetColor() : plat::clGray;
        if (gdiplusPath) {
            if (hasNotes) {
                format.SetLineAlignment(StringAlignmentNear);
                rect.Y += (rect.Height - RoundEven(th) - RoundEven(nh)) / 2;
            }
            rect.X -= 1;
            TGPSolidBrush brush(ColorToARGB(textColor));
            graphics.DrawString(text, -1, &gpFont, rect, &format, &brush);
            if (hasNotes) {
                rect.Y += RoundEven(th);
                TGPSolidBrush notesBrush(ColorToARGB(notesFont.GetColor()));
                graphics.DrawString(notes, -1, &gpNotesFont, rect, &format, &notesBrush);
            }
        } else {
            plat::TRect tr = plat::Rect(RoundEven(rect.X), RoundEven(rect.Y), RoundEven(rect.X) + RoundEven(rect.Width),
                                        RoundEven(rect.Y) + RoundEven(rect.Height));
            canvas.Brush().SetStyle(plat::bsClear);
            unsigned flags = (Q.WordWrap ? plat::DT_WORDBREAK : plat::DT_SINGLELINE) | GdiLayoutFormat(layout);
            if (layout == blGlyphLeftAdjusted) {
                tr.Left += 2;
                if (hasNotes) {
                    flags &= ~static_cast<unsigned>(plat::DT_VCENTER);
                    tr.Top = (tr.Bottom - tr.Top - RoundEven(th) - RoundEven(nh)) / 2;
                }
            }
            canvas.Font().Assign(font);
            canvas.Font().SetColor(textColor);
            if (Q.WordWrap) {
                plat::TRect calc = tr;
                const int height = measurer.CalcTextGdi(canvas, text, calc, flags);
                if (layout == blGlyphTop)
                    tr.Top = iy + ih;
                else if (layout == blGlyphBottomAdjusted)
                    tr.Top = tr.Bottom - height;
                else if (layout != blGlyphTopAdjusted)
                    tr.Top = (tr.Bottom - tr.Top - height) / 2;
            }
            canvas.DrawText(text, tr, flags);
            if (hasNotes) {
                tr.Top += RoundEven(th);
                tr.Bottom = tr.Top + RoundEven(nh);
                canvas.Font().Assign(notesFont);
                canvas.DrawText(notes, tr, flags);
            }
        }
    } else if (Q.MeasureOnly) {
        return content;
    }

    if (Q.DrawImage && !Q.OverlappedText)
        PaintImages(graphics, Q, hasCaption, iw, ih, ix, iy);
    if (Q.DropDownButton)
        PaintDropDownPart(Q, hasCaption, textBottom);
    return content;
}

}  // namespace skelda::pager
