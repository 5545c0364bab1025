#include "grid/painting/GridMiniHtml.h"

#include "foundation/MiniHtmlEngine.h"
#include "grid/painting/TGridHtmlLayoutCache.h"

namespace skelda::grid {

namespace {

// The grid's cells carry a grey shadow and no hover colours of their own.
constexpr plat::TColor kShadowColor = 0x808080;

}  // namespace

int DrawGridHtml(plat::TCanvas& Canvas, const std::string& Text, const plat::TRect& Rect, const TGridHtmlRoles& Roles)
{
    foundation::TMiniHtmlRequest request;
    request.Text = Text;
    request.Bounds = Rect;
    request.ImageList = Roles.Images;
    request.PointX = Roles.CellTopLeft.X;
    request.PointY = Roles.CellTopLeft.Y;
    request.HoverLinkIndex = Roles.HoverAnchor;
    request.HoverOnlyLinks = Roles.UnderlineOnHover;
    request.BlinkVisible = Roles.BlinkVisible;
    request.WrapWords = !Roles.EnhTextSize;
    request.MouseIsDown = Roles.CtrlDown;
    request.LinkTextColor = Roles.LinkColor;
    request.ShadowTextColor = kShadowColor;
    request.PictureCache = Roles.Cache;
    request.Pictures = Roles.Container;
    request.ThemeWindow = Roles.Window;
    request.ReadingOrder = Roles.BiDiMode;
    foundation::TMiniHtmlResult result;
    if (Roles.Layouts)
        Roles.Layouts->Run(Canvas, request, result);
    else
        foundation::RunMiniHtml(foundation::TMiniHtmlVariant::Grid(), Canvas, request, result);
    return result.ContentWidth;
}

}  // namespace skelda::grid
