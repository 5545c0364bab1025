#pragma once

#include "platform/core/TPersistent.h"

#include <functional>
#include <memory>
#include <string>

namespace plat {

class TBitmap;
class TGraphic;

// Holds at most one picture of any kind and tells its owner when the picture changes.
class TPicture : public TPersistent {
public:
    TPicture();
    ~TPicture() override;

    std::string ClassName() const override { return "TPicture"; }

    // The picture, or nullptr when there is none.
    TGraphic* GetGraphic() const { return FGraphic.get(); }
    // Keeps a copy of Value (TGraphic::Clone; a kind that cannot copy itself raises
    // EInvalidGraphic); nullptr removes the picture.
    void SetGraphic(const TGraphic* Value);
    // The picture as a bitmap: a picture of another kind, or none, is replaced by an empty bitmap.
    TBitmap& Bitmap();

    int GetWidth() const;
    int GetHeight() const;

    // The extension chooses the kind: .bmp a TBitmap, .jpg/.jpeg a TJPEGImage, .png a TBitmap
    // with alpha, .ico a TIcon; others raise EInvalidGraphic "Unknown picture file extension
    // (.<ext>)". The picture stays as it was when loading fails.
    void LoadFromFile(const std::string& FileName);

    // From a TPicture (a copy of its picture, or none) or a TGraphic (a copy of it).
    void Assign(const TPersistent& Source) override;

    std::function<void(TObject*)> OnChange;

private:
    void Install(std::unique_ptr<TGraphic> Graphic);
    void Changed();

    std::unique_ptr<TGraphic> FGraphic;
};

}  // namespace plat
