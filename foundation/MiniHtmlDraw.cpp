#include "foundation/MiniHtmlDraw.h"

#include "foundation/MiniHtmlEngine.h"

namespace skelda::foundation {

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
                      std::uint8_t ReadingOrder)
{
    const TMiniHtmlRequest request{Text, Bounds, ImageList, PointX, PointY, FocusLinkIndex, HoverLinkIndex,
                                   ShadowShift, LocateOnly, SizeOnly, PrintMode, SelectedText, BlinkVisible,
                                   HoverOnlyLinks, WrapWords, MouseIsDown, PrintScale, LinkTextColor,
                                   HoverBackColor, HoverTextColor, ShadowTextColor, PictureCache, Pictures,
                                   ThemeWindow, 0, ReadingOrder};
    TMiniHtmlResult result;
    result.LinkUnderPoint = LinkUnderPoint;
    result.LinkRectUnderPoint = LinkRectUnderPoint;
    result.ControlId = ControlIdInOut;
    RunMiniHtml(TMiniHtmlVariant::Grid(), Canvas, request, result);
    LinkUnderPoint = std::move(result.LinkUnderPoint);
    PlainText = std::move(result.PlainText);
    FocusedLinkTarget = std::move(result.FocusedLinkTarget);
    TitleUnderPoint = std::move(result.TitleUnderPoint);
    ContentWidth = result.ContentWidth;
    ContentHeight = result.ContentHeight;
    LinkTotal = result.LinkTotal;
    LinkIndexUnderPoint = result.LinkIndexUnderPoint;
    LinkRectUnderPoint = result.LinkRectUnderPoint;
    ControlRectOut = result.ControlRect;
    ControlIdInOut = std::move(result.ControlId);
    ControlValueOut = std::move(result.ControlValue);
    ControlTypeOut = std::move(result.ControlType);
    return result.Hit;
}

bool MiniHtmlDrawHint(plat::TCanvas& Canvas, const std::string& Text, plat::TRect Bounds,
                      const plat::TImageList* ImageList, int PointX, int PointY, int FocusLinkIndex,
                      int HoverLinkIndex, int ShadowShift, bool LocateOnly, bool SizeOnly, bool PrintMode,
                      bool SelectedText, bool BlinkVisible, bool HoverOnlyLinks, bool WrapWords,
                      double PrintScale, plat::TColor LinkTextColor, plat::TColor HoverBackColor,
                      plat::TColor HoverTextColor, plat::TColor ShadowTextColor, std::string& LinkUnderPoint,
                      std::string& PlainText, std::string& FocusedLinkTarget, int& ContentWidth,
                      int& ContentHeight, int& LinkTotal, int& LinkIndexUnderPoint,
                      plat::TRect& LinkRectUnderPoint, THTMLPictureCache* PictureCache,
                      TPictureContainer* Pictures, int LineGap, std::uint8_t ReadingOrder)
{
    const TMiniHtmlRequest request{Text, Bounds, ImageList, PointX, PointY, FocusLinkIndex, HoverLinkIndex,
                                   ShadowShift, LocateOnly, SizeOnly, PrintMode, SelectedText, BlinkVisible,
                                   HoverOnlyLinks, WrapWords, false, PrintScale, LinkTextColor, HoverBackColor,
                                   HoverTextColor, ShadowTextColor, PictureCache, Pictures, 0, LineGap,
                                   ReadingOrder};
    TMiniHtmlResult result;
    result.LinkUnderPoint = LinkUnderPoint;
    result.LinkRectUnderPoint = LinkRectUnderPoint;
    RunMiniHtml(TMiniHtmlVariant::Hint(), Canvas, request, result);
    LinkUnderPoint = std::move(result.LinkUnderPoint);
    PlainText = std::move(result.PlainText);
    FocusedLinkTarget = std::move(result.FocusedLinkTarget);
    ContentWidth = result.ContentWidth;
    ContentHeight = result.ContentHeight;
    LinkTotal = result.LinkTotal;
    LinkIndexUnderPoint = result.LinkIndexUnderPoint;
    LinkRectUnderPoint = result.LinkRectUnderPoint;
    return result.Hit;
}

bool MiniHtmlDrawDialog(plat::TCanvas& Canvas, const std::string& Text, plat::TRect Bounds,
                        const plat::TImageList* ImageList, int PointX, int PointY, int FocusLinkIndex,
                        int HoverLinkIndex, int ShadowShift, bool LocateOnly, bool SizeOnly, bool PrintMode,
                        bool SelectedText, bool BlinkVisible, bool HoverOnlyLinks, bool WrapWords,
                        double PrintScale, plat::TColor LinkTextColor, plat::TColor HoverBackColor,
                        plat::TColor HoverTextColor, plat::TColor ShadowTextColor, std::string& LinkUnderPoint,
                        std::string& PlainText, std::string& FocusedLinkTarget, int& ContentWidth,
                        int& ContentHeight, int& LinkTotal, int& LinkIndexUnderPoint,
                        plat::TRect& LinkRectUnderPoint, THTMLPictureCache* PictureCache,
                        TPictureContainer* Pictures, int LineGap, std::uint8_t ReadingOrder)
{
    return MiniHtmlDrawHint(Canvas, Text, Bounds, ImageList, PointX, PointY, FocusLinkIndex, HoverLinkIndex,
                            ShadowShift, LocateOnly, SizeOnly, PrintMode, SelectedText, BlinkVisible,
                            HoverOnlyLinks, WrapWords, PrintScale, LinkTextColor, HoverBackColor, HoverTextColor,
                            ShadowTextColor, LinkUnderPoint, PlainText, FocusedLinkTarget, ContentWidth,
                            ContentHeight, LinkTotal, LinkIndexUnderPoint, LinkRectUnderPoint, PictureCache,
                            Pictures, LineGap, ReadingOrder);
}

}  // namespace skelda::foundation
