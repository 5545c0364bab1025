#pragma once

#include "foundation/GPTypes.h"
#include "pager/office/TabContentLayout.h"
#include "platform/graphics/Colors.h"

#include <string>

namespace plat {
class TBitmap;
class TCanvas;
class TFont;
class TImageList;
}
namespace skelda::foundation {
class TGDIPPicture;
}

namespace skelda::pager {

class IGlowTextMeasurer;

// A tab's image: its picture when that has one (the disabled picture for a disabled page
// control when there is one), else the image list's image at ImageIndex.
struct TTabImage {
    foundation::TGDIPPicture* Picture = nullptr;
    const plat::TImageList* Images = nullptr;
    int ImageIndex = -1;
    bool Enabled = true;

    bool HasPicture() const;
    bool HasListImage() const;
    // (0, 0) without an image.
    plat::TSize Size() const;
};

// The image a page shows: Picture unless the page control is disabled and DisabledPicture has
// one; without a picture, the list image, from DisabledImages for a disabled page when there is
// that list. The list image is drawn greyed when the tab is disabled.
TTabImage ChooseTabImage(foundation::TGDIPPicture* Picture, foundation::TGDIPPicture* DisabledPicture,
                         const plat::TImageList* Images, const plat::TImageList* DisabledImages, int ImageIndex,
                         bool ControlEnabled, bool TabEnabled);

// The size of a tab's caption (or, without one, its wide caption) in Font on one line; the GDI
// text modes get a third of a character per character more, the wide caption one per character.
plat::TSize GetTabTextSize(plat::TCanvas& Canvas, const plat::TFont& Font, const std::string& Caption,
                           const std::string& WideCaption, foundation::TAntiAlias AntiAlias,
                           const IGlowTextMeasurer* Measurer = nullptr);

// Everything a tab's image and caption are drawn from.
struct TTabContentRequest {
    plat::TRect Rect;
    std::string Caption;
    std::string WideCaption;
    TTabImage Image;
    bool ShowClose = false;
    bool ShowCheckBox = false;
    bool Active = false;
    // The page control's Enabled.
    bool Enabled = true;
    // The font of the appearance in use and the text colour DrawTab chose.
    const plat::TFont* Font = nullptr;
    plat::TColor TextColor = plat::clBlack;
    const TPagerTabSettings* Settings = nullptr;
    TTabPosition Position = tpTop;
    bool RotateTabLeftRight = true;
    bool CloseOnTab = false;
    bool CloseOnLeft = false;
    bool ShowCloseOnNonSelectedTabs = false;
    bool CloseButton = false;
    int ButtonSizePx = 18;
    foundation::TAntiAlias AntiAlias = foundation::aaClearType;
    bool Glass = false;
    // The pager's buttons area and the copy of its background taken before the tabs were
    // drawn; a tab reaching into the area gives it back. No copy: nothing to give back.
    plat::TBitmap* ButtonsBackground = nullptr;
    plat::TRect ButtonsRect;
    // Nil: the platform's fonts.
    const IGlowTextMeasurer* Measurer = nullptr;
};

// Where DrawTabContent put the image and the text, for tests and for the pager's hit tests.
struct TTabContentPlacement {
    plat::TPoint ImagePos{0, 0};
    bool ImageDrawn = false;
    // The rectangle the text was fitted into, and the text as fitted.
    plat::TRect TextRect;
    std::string Text;
};

// A tab's image and caption: the caption horizontal, or rotated on side tabs (upwards on the
// left, downwards on the right), shortened with an ellipsis to a fixed tab width; list images
// before the text, pictures after it (placed by the text when above or below it); then the
// buttons' background where the tab overlaps it.
TTabContentPlacement DrawTabContent(plat::TCanvas& Canvas, const TTabContentRequest& Request);

}  // namespace skelda::pager
