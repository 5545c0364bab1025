#pragma once

#include "platform/core/Types.h"
#include "platform/graphics/Colors.h"

#include <string>

namespace plat {
class TCanvas;
class TImageList;
}  // namespace plat

namespace skelda::foundation {

class THTMLPicture;
class THTMLPictureCache;
class TPictureContainer;

// One picture a mini-HTML image tag or body attribute names: an image of the caller's list, a
// system icon, or a picture of the container or the address cache. An invalid one takes no
// space and draws nothing.
class TMiniHtmlPicture {
public:
    enum class TKind { None, ListImage, SystemIcon, Picture };

    static TMiniHtmlPicture OfList(const plat::TImageList& List, int Index);
    static TMiniHtmlPicture OfSystemIcon(int Index, bool Large);
    static TMiniHtmlPicture OfPicture(THTMLPicture& Picture);

    bool Valid() const { return FKind != TKind::None; }
    // Container and address pictures; the others are drawn once where they stand.
    bool IsHtmlPicture() const { return FKind == TKind::Picture; }
    // A system icon keeps its size; the pictures of lists, containers and addresses may change.
    bool IsSystemIcon() const { return FKind == TKind::SystemIcon; }
    int Width() const;

    // The space the picture takes in a line: WIDTH and HEIGHT (0 when absent) size a container
    // or address picture, keeping its proportions when only one is given.
    plat::TSize LayoutSize(int WidthAttr, int HeightAttr) const;
    // In a line at (X, Y). An animated picture is drawn as its current frame within its whole
    // area, which ClearFrame first fills in Background (when that is a colour).
    void Draw(plat::TCanvas& Canvas, int X, int Y, int WidthAttr, int HeightAttr, bool PrintMode,
              double PrintScale, plat::TColor Background, bool ClearFrame) const;
    // Once at its natural size, at (X, Y).
    void DrawAt(plat::TCanvas& Canvas, int X, int Y, bool PrintMode, double PrintScale) const;
    // Once at its natural size at (X, Y), cut to Clip.
    void DrawClipped(plat::TCanvas& Canvas, int X, int Y, const plat::TRect& Clip) const;
    // Repeated from Area's top-left over Area, as one pattern fill limited to what is visible.
    void Tile(plat::TCanvas& Canvas, const plat::TRect& Area) const;

private:
    TKind FKind = TKind::None;
    const plat::TImageList* FList = nullptr;
    int FIndex = 0;
    bool FLarge = false;
    THTMLPicture* FPicture = nullptr;
};

// Where a draw call's pictures come from; each may be absent.
struct TMiniHtmlPictureSources {
    const plat::TImageList* ImageList = nullptr;
    TPictureContainer* Container = nullptr;
    THTMLPictureCache* Cache = nullptr;

    // Tries "IDX:", "SSYS:", "LSYS:" (prefixes in any case), a container name (no ":") and an
    // address (with "://"), the last that finds a picture winning. An address not yet cached is
    // added to the cache and loaded at once; a picture that fails to load is simply absent.
    TMiniHtmlPicture Resolve(const std::string& Source) const;
};

}  // namespace skelda::foundation
