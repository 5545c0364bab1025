#pragma once

#include "platform/graphics/TGraphic.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace plat {

class TBitmap;

// A JPEG picture: keeps the compressed bytes as loaded (saving writes them back unchanged) and
// the decoded pixels for drawing. Damaged data raises EInvalidGraphic when loading.
class TJPEGImage : public TGraphic {
public:
    TJPEGImage();
    ~TJPEGImage() override;

    std::string ClassName() const override { return "TJPEGImage"; }

    int GetWidth() const override;
    int GetHeight() const override;
    bool GetEmpty() const override;
    void Draw(TCanvas& ACanvas, const TRect& Rect) const override;

    void LoadFromStream(TStream& Stream) override;
    void SaveToStream(TStream& Stream) const override;
    std::unique_ptr<TGraphic> Clone() const override;

    // Quality (1..100) used when the picture is made from another graphic by Assign.
    int GetCompressionQuality() const { return FCompressionQuality; }
    void SetCompressionQuality(int Value);

    // From a TJPEGImage: its bytes. From any other graphic: drawn on a 24-bit bitmap and
    // compressed with CompressionQuality.
    void Assign(const TPersistent& Source) override;

    void LoadFromFile(const std::string& FileName);
    void SaveToFile(const std::string& FileName) const;
    void LoadFromBytes(std::span<const std::uint8_t> Data);
    const std::vector<std::uint8_t>& SaveToBytes() const { return FData; }
    // A raw data resource of the program holding a JPEG file; EResNotFound when there is none.
    void LoadFromResourceName(std::string_view Name);

    // The decoded pixels (pf24bit).
    const TBitmap& Bitmap() const { return *FBitmap; }

private:
    std::vector<std::uint8_t> FData;
    std::unique_ptr<TBitmap> FBitmap;
    int FCompressionQuality = 90;
};

}  // namespace plat
