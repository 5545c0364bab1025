#include "foundation/TGDIPPicture.h"

#include "foundation/TGPGraphics.h"
#include "foundation/TGPImage.h"
#include "platform/core/Exception.h"
#include "platform/core/TStream.h"
#include "platform/core/Utf8.h"
#include "platform/graphics/GraphicFile.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TPicture.h"

#include <new>

namespace skelda::foundation {

namespace {

// The file of a graphic in its own format; no bytes for an empty one.
void SaveGraphic(const plat::TGraphic& graphic, plat::TStream& stream)
{
    if (!graphic.GetEmpty())
        graphic.SaveToStream(stream);
}

}  // namespace

TGDIPPicture::TGDIPPicture() : FDatastream(std::make_unique<plat::TMemoryStream>()) {}

TGDIPPicture::~TGDIPPicture() = default;

bool TGDIPPicture::WithImage(const std::function<void(TGPImage& Image)>& Work) const
{
    if (FIsEmpty || FDatastream->GetSize() == 0)
        return false;
    // The decoder reads a stream of its own, as it read one made over a block of global memory.
    plat::TMemoryStream copy;
    try {
        copy.SetSize(FDatastream->GetSize());
    } catch (const std::bad_alloc&) {
        throw plat::Exception("Could not allocate memory for image");
    }
    copy.SetPosition(0);
    FDatastream->SaveToStream(copy);
    TGPImage image(&copy, false);
    Work(image);
    return true;
}

bool TGDIPPicture::GetImageSizes()
{
    bool decoded = false;
    const bool read = WithImage([&](TGPImage& image) {
        decoded = image.Native() != nullptr;
        FWidth = static_cast<int>(image.GetWidth());
        FHeight = static_cast<int>(image.GetHeight());
    });
    return read && decoded;
}

void TGDIPPicture::Draw(plat::TCanvas& ACanvas, const plat::TRect& Rect) const
{
    WithImage([&](TGPImage& image) {
        TGPGraphics graphics(ACanvas.Handle());
        if (image.GetFormat() == ifBMP) {
            plat::TBitmap bitmap;
            FDatastream->SetPosition(0);
            bitmap.LoadFromStream(*FDatastream);
            bitmap.SetTransparentMode(plat::tmAuto);
            bitmap.SetTransparent(true);
            ACanvas.StretchDraw(Rect, &bitmap);
            return;
        }
        FWidth = static_cast<int>(image.GetWidth());
        FHeight = static_cast<int>(image.GetHeight());
        graphics.DrawImageRect(&image, Rect.Left, Rect.Top, Rect.Right - Rect.Left, Rect.Bottom - Rect.Top);
    });
}

void TGDIPPicture::DrawImage(TGPGraphics& Graphics, int X, int Y)
{
    WithImage([&](TGPImage& image) { Graphics.DrawImage(&image, X, Y); });
}

void TGDIPPicture::DrawImageRect(TGPGraphics& Graphics, int X, int Y, int W, int H)
{
    WithImage([&](TGPImage& image) { Graphics.DrawImageRect(&image, X, Y, W, H); });
}

void TGDIPPicture::Assign(const plat::TPersistent& Source)
{
    Assign(&Source);
}

void TGDIPPicture::Assign(const plat::TPersistent* Source)
{
    FIsEmpty = true;
    if (!Source) {
        FDatastream->Clear();
        Changed(this);
        Cleared();
        return;
    }
    if (const auto* picture = dynamic_cast<const TGDIPPicture*>(Source)) {
        if (picture != this) {
            FDatastream->Clear();
            picture->FDatastream->SaveToStream(*FDatastream);
        }
        FIsEmpty = FDatastream->GetSize() == 0;
        Changed(this);
    } else if (const auto* bitmap = dynamic_cast<const plat::TBitmap*>(Source)) {
        plat::TMemoryStream file;
        SaveGraphic(*bitmap, file);
        ReplaceBytes(file);
        FIsEmpty = FDatastream->GetSize() == 0;
        Changed(this);
    } else if (const auto* holder = dynamic_cast<const plat::TPicture*>(Source)) {
        // A holder without a graphic has nothing to copy: the picture ends up empty, as after
        // assigning a picture without bytes.
        plat::TMemoryStream file;
        if (const plat::TGraphic* graphic = holder->GetGraphic())
            SaveGraphic(*graphic, file);
        ReplaceBytes(file);
        FIsEmpty = FDatastream->GetSize() == 0;
        Changed(this);
    }
    GetImageSizes();
}

void TGDIPPicture::LoadFromFile(const std::string& FileName)
{
    try {
        const std::vector<std::uint8_t> bytes = plat::GraphicFile::Read(FileName);
        FDatastream->Clear();
        FDatastream->WriteBuffer(bytes);
        FIsEmpty = false;
        FFileName = FileName;
        Cleared();
        GetImageSizes();
        Changed(this);
    } catch (...) {
        FIsEmpty = true;
    }
}

void TGDIPPicture::LoadFromStream(plat::TStream& Stream)
{
    ReplaceBytes(Stream);
    FIsEmpty = false;
    GetImageSizes();
    Changed(this);
}

void TGDIPPicture::SaveToStream(plat::TStream& Stream) const
{
    FDatastream->SaveToStream(Stream);
}

std::unique_ptr<plat::TGraphic> TGDIPPicture::Clone() const
{
    auto copy = std::make_unique<TGDIPPicture>();
    copy->Assign(this);
    copy->FFileName = FFileName;
    copy->FDoubleBuffered = FDoubleBuffered;
    copy->FBackgroundColor = FBackgroundColor;
    return copy;
}

void TGDIPPicture::ReadData(plat::TStream* Stream)
{
    if (!Stream)
        return;
    ReplaceBytes(*Stream);
    FIsEmpty = false;
}

void TGDIPPicture::WriteData(plat::TStream* Stream) const
{
    if (Stream)
        FDatastream->SaveToStream(*Stream);
}

void TGDIPPicture::LoadFromResourceName(plat::HINSTANCE Instance, const std::string& Name)
{
    if (const auto data = plat::FindRCData(Instance, Name)) {
        plat::TMemoryStream resource;
        resource.WriteBuffer(*data);
        LoadFromStream(resource);
    }
}

void TGDIPPicture::LoadFromResourceID(plat::HINSTANCE Instance, int ResID)
{
    plat::TMemoryStream resource;
    resource.WriteBuffer(plat::LoadRCData(Instance, ResID));
    LoadFromStream(resource);
}

void TGDIPPicture::LoadFromURL(const std::string& Url)
{
    const std::string upper = plat::Utf8UpperCase(Url);
    for (const std::string prefix : {"RES://", "FILE://"}) {
        if (!upper.starts_with(prefix))
            continue;
        const std::string rest = Url.substr(prefix.size());
        if (rest.empty())
            return;
        if (prefix == "RES://")
            LoadFromResourceName(plat::HInstance(), rest);
        else
            LoadFromFile(rest);
        return;
    }
}

void TGDIPPicture::ReplaceBytes(plat::TStream& Source)
{
    FDatastream->LoadFromStream(Source);
}

void TGDIPPicture::Cleared()
{
    if (OnClear)
        OnClear(this);
}

}  // namespace skelda::foundation
