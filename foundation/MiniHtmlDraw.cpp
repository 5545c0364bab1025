#include "foundation/MiniHtmlDraw.h"

#include "platform/graphics/TCanvas.h"

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
    (void)Canvas; (void)Text; (void)Bounds; (void)ImageList; (void)PointX; (void)PointY;
    (void)FocusLinkIndex; (void)HoverLinkIndex; (void)ShadowShift; (void)LocateOnly; (void)SizeOnly;
    (void)PrintMode; (void)SelectedText; (void)BlinkVisible; (void)HoverOnlyLinks; (void)WrapWords;
    (void)MouseIsDown; (void)PrintScale; (void)LinkTextColor; (void)HoverBackColor; (void)HoverTextColor;
    (void)ShadowTextColor; (void)LinkUnderPoint; (void)LinkRectUnderPoint; (void)PictureCache;
    (void)Pictures; (void)ThemeWindow; (void)ReadingOrder;
    PlainText.clear();
    FocusedLinkTarget.clear();
    TitleUnderPoint.clear();
    ContentWidth = 0;
    ContentHeight = 0;
    LinkTotal = 0;
    LinkIndexUnderPoint = -1;
    ControlRectOut = {};
    if (!LocateOnly) ControlIdInOut.clear();
    ControlValueOut.clear();
    ControlTypeOut.clear();
    return false;
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
    (void)Canvas; (void)Text; (void)Bounds; (void)ImageList; (void)PointX; (void)PointY;
    (void)FocusLinkIndex; (void)HoverLinkIndex; (void)ShadowShift; (void)LocateOnly; (void)SizeOnly;
    (void)PrintMode; (void)SelectedText; (void)BlinkVisible; (void)HoverOnlyLinks; (void)WrapWords;
    (void)PrintScale; (void)LinkTextColor; (void)HoverBackColor; (void)HoverTextColor; (void)ShadowTextColor;
    (void)LinkUnderPoint; (void)LinkRectUnderPoint; (void)PictureCache; (void)Pictures; (void)LineGap;
    (void)ReadingOrder;
    PlainText.clear();
    FocusedLinkTarget.clear();
    ContentWidth = 0;
    ContentHeight = 0;
    LinkTotal = 0;
    LinkIndexUnderPoint = -1;
    return false;
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

void DrawHintGradient(plat::TCanvas& Canvas, plat::TColor FromColor, plat::TColor ToColor, int Steps,
                      plat::TRect R, bool Horizontal)
{
    (void)Canvas; (void)FromColor; (void)ToColor; (void)Steps; (void)R; (void)Horizontal;
}

}  // namespace skelda::foundation
