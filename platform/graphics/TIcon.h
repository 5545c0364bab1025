#pragma once

#include "platform/graphics/TGraphic.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

class QImage;

namespace plat {

// A small picture with its own transparency (alpha), read from an icon file (.ico, its first
// image) or any other picture Qt reads, such as PNG. Always drawn transparent.
class TIcon : public TGraphic {
public:
    TIcon();
    ~TIcon() override;

    std::string ClassName() const override { return "TIcon"; }

    int GetWidth() const override;
    int GetHeight() const override;
    bool GetEmpty() const override;
    bool GetTransparent() const override { return true; }
    void Draw(TCanvas& ACanvas, const TRect& Rect) const override;
    // Streams hold an icon file (.ico).

    void LoadFromStream(TStream& Stream) override;
    void SaveToStream(TStream& Stream) const override;
    std::unique_ptr<TGraphic> Clone() const override;

    void Assign(const TPersistent& Source) override;

    // Raise EInvalidGraphic when the data is not a picture; the icon stays as it was.
    void LoadFromFile(const std::string& FileName);
    void LoadFromBytes(std::span<const std::uint8_t> Data);
    // EResNotFound when the program has no resource of that name.
    void LoadFromResourceName(std::string_view Name);
    // Takes a copy of Image; a null image empties the icon.
    void LoadFromImage(const QImage& Image);

    const QImage& Image() const { return *FImage; }

private:
    std::unique_ptr<QImage> FImage;
};

}  // namespace plat
