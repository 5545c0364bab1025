#include "foundation/MiniHtmlPictures.h"

#include "foundation/MiniHtmlMarkup.h"
#include "foundation/THTMLPicture.h"
#include "foundation/THTMLPictureCache.h"
#include "foundation/TPictureContainer.h"
#include "platform/core/Exception.h"
#include "platform/graphics/SystemIcons.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TImageList.h"

#include <algorithm>
#include <cmath>

namespace skelda::foundation {

using plat::TRect;
using plat::TSize;

TMiniHtmlPicture TMiniHtmlPicture::OfList(const plat::TImageList& List, int Index)
{
    TMiniHtmlPicture p;
    p.FKind = TKind::ListImage;
    p.FList = &List;
    p.FIndex = Index;
    return p;
}

TMiniHtmlPicture TMiniHtmlPicture::OfSystemIcon(int Index, bool Large)
{
    TMiniHtmlPicture p;
    p.FKind = TKind::SystemIcon;
    p.FIndex = Index;
    p.FLarge = Large;
    return p;
}

TMiniHtmlPicture TMiniHtmlPicture::OfPicture(THTMLPicture& Picture)
{
    TMiniHtmlPicture p;
    p.FKind = TKind::Picture;
    p.FPicture = &Picture;
    return p;
}

int TMiniHtmlPicture::Width() const
{
    return LayoutSize(0, 0).cx;
}

TSize TMiniHtmlPicture::LayoutSize(int WidthAttr, int HeightAttr) const
{
    switch (FKind) {
    case TKind::None:
        return {};
    case TKind::ListImage:
        return {FList->GetWidth(), FList->GetHeight()};
    case TKind::SystemIcon:
        return plat::SystemIcons::IconSize(FLarge);
    case TKind::Picture:
        break;
    }
    const int w = FPicture->GetWidth();
    const int h = FPicture->GetHeight();
    if (WidthAttr > 0 && HeightAttr > 0)
        return {WidthAttr, HeightAttr};
    if (WidthAttr > 0)
        return {WidthAttr, w > 0 ? static_cast<int>(std::lround(static_cast<double>(h) * WidthAttr / w)) : 0};
    if (HeightAttr > 0)
        return {h > 0 ? static_cast<int>(std::lround(static_cast<double>(w) * HeightAttr / h)) : 0, HeightAttr};
    return {FPicture->MaxWidth(), FPicture->MaxHeight()};
}

namespace {

int Scaled(int Px, double Scale)
{
    return static_cast<int>(std::lround(Px * Scale));
}

}  // namespace

void TMiniHtmlPicture::DrawAt(plat::TCanvas& Canvas, int X, int Y, bool PrintMode, double PrintScale) const
{
    switch (FKind) {
    case TKind::None:
        return;
    case TKind::ListImage:
        if (!PrintMode) {
            FList->Draw(Canvas, X, Y, FIndex);
        } else {
            plat::TBitmap image;
            FList->GetBitmap(FIndex, image);
            Canvas.StretchDraw(TRect{X, Y, X + Scaled(FList->GetWidth(), PrintScale),
                                     Y + Scaled(FList->GetHeight(), PrintScale)},
                               &image);
        }
        return;
    case TKind::SystemIcon: {
        const TSize size = plat::SystemIcons::IconSize(FLarge);
        const double scale = PrintMode ? PrintScale : 1.0;
        plat::SystemIcons::Draw(Canvas, TRect{X, Y, X + Scaled(size.cx, scale), Y + Scaled(size.cy, scale)}, FIndex,
                                FLarge);
        return;
    }
    case TKind::Picture:
        FPicture->SetStretch(false);
        Canvas.Draw(X, Y, FPicture);
        return;
    }
}

void TMiniHtmlPicture::Draw(plat::TCanvas& Canvas, int X, int Y, int WidthAttr, int HeightAttr, bool PrintMode,
                            double PrintScale, plat::TColor Background, bool ClearFrame) const
{
    if (FKind != TKind::Picture) {
        DrawAt(Canvas, X, Y, PrintMode, PrintScale);
        return;
    }
    if (WidthAttr > 0 || HeightAttr > 0) {
        const TSize size = LayoutSize(WidthAttr, HeightAttr);
        FPicture->SetStretch(true);
        Canvas.StretchDraw(TRect{X, Y, X + size.cx, Y + size.cy}, FPicture);
        return;
    }
    if (FPicture->FrameCount() > 1) {
        if (ClearFrame && Background != plat::clNone) {
            const plat::TColor pen = Canvas.Pen().GetColor();
            Canvas.Pen().SetColor(Background);
            Canvas.Brush().SetColor(Background);
            Canvas.FillRect(TRect{X, Y, X + FPicture->MaxWidth(), Y + FPicture->MaxHeight()});
            Canvas.Pen().SetColor(pen);
            Canvas.Brush().SetStyle(plat::bsClear);
        }
        X += FPicture->FrameXPos();
        Y += FPicture->FrameYPos();
    }
    FPicture->SetStretch(false);
    Canvas.Draw(X, Y, FPicture);
}

void TMiniHtmlPicture::DrawClipped(plat::TCanvas& Canvas, int X, int Y, const TRect& Clip) const
{
    const int saved = Canvas.SaveDC();
    Canvas.IntersectClipRect(Clip);
    DrawAt(Canvas, X, Y, false, 1.0);
    Canvas.RestoreDC(saved);
}

void TMiniHtmlPicture::Tile(plat::TCanvas& Canvas, const TRect& Area) const
{
    if (FKind != TKind::Picture || FPicture->GetWidth() <= 0 || FPicture->GetHeight() <= 0)
        return;
    const TRect visible = Canvas.GetClipRect();
    const TRect fill{std::max(Area.Left, visible.Left), std::max(Area.Top, visible.Top),
                     std::min(Area.Right, visible.Right), std::min(Area.Bottom, visible.Bottom)};
    if (fill.IsEmpty())
        return;
    // One pattern fill: a tiny picture over a huge area costs one fill, not one draw per copy.
    FPicture->SetStretch(false);
    const plat::TBrushStyle style = Canvas.Brush().GetStyle();
    const plat::TColor color = Canvas.Brush().GetColor();
    Canvas.Brush().SetBitmap(FPicture);
    Canvas.FillRect(fill);
    Canvas.Brush().SetBitmap(nullptr);
    Canvas.Brush().SetColor(color);
    Canvas.Brush().SetStyle(style);
}

namespace {

bool HasPrefix(const std::string& Upper, std::string_view Prefix)
{
    return Upper.compare(0, Prefix.size(), Prefix) == 0;
}

}  // namespace

TMiniHtmlPicture TMiniHtmlPictureSources::Resolve(const std::string& Source) const
{
    const std::string upper = minihtml::UpperAscii(Source);
    TMiniHtmlPicture found;
    if (HasPrefix(upper, "IDX:") && ImageList != nullptr) {
        const minihtml::TNumber n = minihtml::ReadNumber(Source.substr(4));
        if (n.Value >= 0 && n.Value < ImageList->GetCount())
            found = TMiniHtmlPicture::OfList(*ImageList, n.Value);
    }
    for (const bool large : {false, true}) {
        const std::string_view prefix = large ? "LSYS:" : "SSYS:";
        if (!HasPrefix(upper, prefix))
            continue;
        const std::string rest = Source.substr(prefix.size());
        const minihtml::TNumber n = minihtml::ReadNumber(rest);
        const int index = n.Valid ? n.Value : plat::SystemIcons::IndexOfPath(rest);
        if (plat::SystemIcons::Valid(index))
            found = TMiniHtmlPicture::OfSystemIcon(index, large);
    }
    if (Source.find(':') == std::string::npos && Container != nullptr) {
        if (THTMLPicture* picture = Container->FindPicture(Source); picture != nullptr && !picture->GetEmpty())
            found = TMiniHtmlPicture::OfPicture(*picture);
    }
    if (Source.find("://") != std::string::npos && Cache != nullptr) {
        THTMLPicture* picture = Cache->FindPicture(Source);
        if (picture == nullptr) {
            picture = &Cache->AddPicture();
            picture->SetAsynch(false);
            try {
                picture->LoadFromURL(Source);
            } catch (const plat::Exception&) {
                // A picture that does not decode stays in the cache, empty, so that it is not
                // fetched again on every paint.
                picture->AssignNothing();
                picture->SetID(Source);
            }
        }
        if (!picture->GetEmpty())
            found = TMiniHtmlPicture::OfPicture(*picture);
    }
    return found;
}

}  // namespace skelda::foundation
