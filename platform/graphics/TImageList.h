#pragma once

#include "platform/core/TComponent.h"
#include "platform/graphics/Colors.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QImage;

namespace plat {

class TBitmap;
class TCanvas;
class TChangeLink;

// A list of same-sized small pictures with their transparency, drawn by index.
class TImageList : public TComponent {
public:
    explicit TImageList(TComponent* AOwner);
    ~TImageList() override;

    std::string ClassName() const override { return "TImageList"; }

    // 16 x 16 by default; a new size empties the list.
    int GetWidth() const { return FWidth; }
    int GetHeight() const { return FHeight; }
    void SetWidth(int Value);
    void SetHeight(int Value);
    int GetCount() const;

    // Colour behind the transparent pixels when drawing; clNone draws them transparent.
    TColor GetBkColor() const { return FBkColor; }
    void SetBkColor(TColor Value);

    // Image is cut into Width-wide pictures from the left (at least one); each is added and the
    // index of the first returned (-1 for an empty Image, which adds nothing). Mask pixels that
    // are white mark transparent pixels; without a mask the pictures are opaque. Parts outside
    // Image are transparent.
    int Add(const TBitmap& Image, const TBitmap* Mask);
    // As Add, with the pixels of MaskColor transparent.
    int AddMasked(const TBitmap& Image, TColor MaskColor);
    // Replace the picture at Index with the first picture of Image. A bad index raises
    // EInvalidOperation "Invalid ImageList Index", as Delete does.
    void Replace(int Index, const TBitmap& Image, const TBitmap* Mask);
    void ReplaceMasked(int Index, const TBitmap& NewImage, TColor MaskColor);
    void Delete(int Index);
    void Clear();
    // From another image list: its size, background colour and pictures (one change notice).
    void Assign(const TPersistent& Source) override;

    // Draws the picture with its top-left corner at (X, Y); a bad index draws nothing. Disabled
    // pictures show their non-white pixels embossed in the button highlight and shadow colours.
    void Draw(TCanvas& Canvas, int X, int Y, int Index, bool Enabled = true) const;
    // Sizes Image to Width x Height and draws the picture on it, over what it holds.
    void GetBitmap(int Index, TBitmap& Image) const;

    // After every change of the pictures or the size: OnChange, then each registered link's
    // Change, in order of registration. A handler may register or unregister links, or free
    // the list.
    std::function<void(TObject*)> OnChange;
    // A link is registered once however often it asks; registering it here takes it from the
    // list it was registered with.
    void RegisterChanges(TChangeLink* Value);
    void UnRegisterChanges(TChangeLink* Value);

private:
    QImage Cut(const TBitmap& Image, int Left, const TBitmap* Mask, TColor MaskColor) const;
    int AddPictures(const TBitmap& Image, const TBitmap* Mask, TColor MaskColor);
    void CheckIndex(int Index) const;
    void Changed();

    int FWidth = 16;
    int FHeight = 16;
    TColor FBkColor = clNone;
    std::vector<QImage> FImages;
    std::vector<TChangeLink*> FLinks;
    // Lets Changed tell whether a handler freed the list.
    std::shared_ptr<char> FLifeToken = std::make_shared<char>();
};

}  // namespace plat
