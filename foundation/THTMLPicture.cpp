#include "foundation/THTMLPicture.h"

#include "foundation/GifFrames.h"
#include "foundation/TDownLoadThread.h"
#include "platform/core/MulDiv.h"
#include "platform/core/TStream.h"
#include "platform/graphics/OlePicture.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TPicture.h"

#include <fstream>
#include <iterator>

namespace skelda::foundation {

namespace {

constexpr int kHiMetricPerInch = 2540;
constexpr int kPixelsPerInch = 96;

std::vector<std::uint8_t> ReadRest(plat::TStream& Stream)
{
    const std::int64_t size = Stream.GetSize() - Stream.GetPosition();
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(std::max<std::int64_t>(size, 0)));
    if (!bytes.empty())
        bytes.resize(static_cast<std::size_t>(Stream.Read(bytes.data(), static_cast<std::int64_t>(bytes.size()))));
    return bytes;
}

bool StartsWithNoCase(const std::string& Text, std::string_view Prefix)
{
    if (Text.size() < Prefix.size())
        return false;
    for (std::size_t i = 0; i < Prefix.size(); ++i) {
        const char c = Text[i];
        if ((c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c) != Prefix[i])
            return false;
    }
    return true;
}

}  // namespace

THTMLPicture::THTMLPicture() = default;
THTMLPicture::~THTMLPicture() = default;

int THTMLPicture::GetWidth() const
{
    return FPicture ? plat::MulDiv(FPicture->WidthHiMetric(), kPixelsPerInch, kHiMetricPerInch) : 0;
}

int THTMLPicture::GetHeight() const
{
    return FPicture ? plat::MulDiv(FPicture->HeightHiMetric(), kPixelsPerInch, kHiMetricPerInch) : 0;
}

int THTMLPicture::MaxWidth() const
{
    if (!FPicture)
        return 0;
    return FAnimMaxX != 0 ? FAnimMaxX : GetWidth();
}

int THTMLPicture::MaxHeight() const
{
    if (!FPicture)
        return 0;
    return FAnimMaxY != 0 ? FAnimMaxY : GetHeight();
}

void THTMLPicture::Draw(plat::TCanvas& ACanvas, const plat::TRect& Rect) const
{
    if (FIsEmpty || !FPicture)
        return;
    if (FStretched) {
        FPicture->Render(ACanvas, Rect);
        return;
    }
    // Natural size at the canvas's resolution, which is the screen's.
    const int w = plat::MulDiv(FPicture->WidthHiMetric(), kPixelsPerInch, kHiMetricPerInch);
    const int h = plat::MulDiv(FPicture->HeightHiMetric(), kPixelsPerInch, kHiMetricPerInch);
    FPicture->Render(ACanvas, plat::TRect{Rect.Left, Rect.Top, Rect.Left + w, Rect.Top + h});
}

void THTMLPicture::SetBytes(std::vector<std::uint8_t> Bytes)
{
    FData = std::move(Bytes);
    FIsEmpty = false;
    RebuildPicture();
}

void THTMLPicture::LoadFromStream(plat::TStream& Stream)
{
    SetBytes(ReadRest(Stream));
    Changed(this);
}

void THTMLPicture::LoadFromBytes(const std::vector<std::uint8_t>& Bytes)
{
    SetBytes(Bytes);
    Changed(this);
}

void THTMLPicture::ReadData(plat::TStream& Stream)
{
    SetBytes(ReadRest(Stream));
}

void THTMLPicture::SaveToStream(plat::TStream& Stream) const
{
    if (!FData.empty())
        Stream.Write(FData.data(), static_cast<std::int64_t>(FData.size()));
}

std::unique_ptr<plat::TGraphic> THTMLPicture::Clone() const
{
    auto copy = std::make_unique<THTMLPicture>();
    copy->Assign(*this);
    return copy;
}

void THTMLPicture::LoadFromFile(const std::string& FileName)
{
    try {
        std::ifstream file(FileName, std::ios::binary);
        if (!file)
            throw EHTMLPictureError("Could not load image");
        SetBytes(std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), {}));
        Changed(this);
    } catch (const plat::Exception&) {
        FIsEmpty = true;
        FPicture.reset();
    }
}

void THTMLPicture::LoadFromResourceName(plat::HINSTANCE Instance, const std::string& Name)
{
    if (auto bytes = plat::FindRCData(Instance, Name))
        LoadFromBytes(*bytes);
}

void THTMLPicture::LoadFromResourceID(plat::HINSTANCE Instance, int Id)
{
    LoadFromBytes(plat::LoadRCData(Instance, Id));
}

void THTMLPicture::LoadFromURL(const std::string& Url)
{
    if (StartsWithNoCase(Url, "RES://")) {
        FID = Url;
        if (Url.size() > 6)
            LoadFromResourceName(plat::HInstance(), Url.substr(6));
    } else if (StartsWithNoCase(Url, "FILE://")) {
        FID = Url;
        if (Url.size() > 7)
            LoadFromFile(Url.substr(7));
    } else if (!FAsynch) {
        FURL = Url;
        FID = Url;
    } else if (!FThreadBusy) {
        FURL = Url;
        FThreadBusy = true;
        TDownLoadThread::Start(*this);
    }
}

void THTMLPicture::AssignNothing()
{
    const bool hadBytes = !FData.empty();
    FIsEmpty = true;
    FPicture.reset();
    FFrameCount = FNextCount = FTimerCount = -1;
    FFrame = 1;
    FData.clear();
    FAnimMaxX = FAnimMaxY = FFrameXPos = FFrameYPos = 0;
    if (hadBytes && OnFrameChange)
        OnFrameChange(this);
}

void THTMLPicture::Assign(const plat::TPersistent& Source)
{
    if (&Source == this)
        return;
    AssignNothing();
    if (const auto* picture = dynamic_cast<const THTMLPicture*>(&Source)) {
        FStretched = picture->FStretched;
        FFrame = picture->FFrame;
        FID = picture->FID;
        if (!picture->FData.empty())
            SetBytes(picture->FData);
        Changed(this);
    } else if (const auto* holder = dynamic_cast<const plat::TPicture*>(&Source)) {
        if (const plat::TGraphic* graphic = holder->GetGraphic()) {
            plat::TMemoryStream stream;
            graphic->SaveToStream(stream);
            stream.SetPosition(0);
            LoadFromStream(stream);
        }
    }
}

bool THTMLPicture::IsGIF() const
{
    return gif::IsGif(FData);
}

int THTMLPicture::FrameCount()
{
    if (FFrameCount >= 0)
        return FFrameCount;
    if (!IsGIF())
        return -1;
    FFrameCount = static_cast<int>(gif::FrameStarts(FData).size());
    return FFrameCount;
}

void THTMLPicture::SetFrame(int Value)
{
    FFrame = Value;
    if (FData.empty())
        return;
    RebuildPicture();
    if (OnFrameChange)
        OnFrameChange(this);
}

void THTMLPicture::FrameNext()
{
    FFrame = FFrame < FFrameCount ? FFrame + 1 : 1;
}

void THTMLPicture::FramePrev()
{
    FFrame = FFrame > 1 ? FFrame - 1 : FFrameCount;
}

int THTMLPicture::FrameDelay(int Frame) const
{
    if (!IsGIF() || Frame < 1)
        return -1;
    const std::vector<gif::TFrameStart> starts = gif::FrameStarts(FData);
    if (static_cast<std::size_t>(Frame) > starts.size())
        return -1;
    return starts[static_cast<std::size_t>(Frame) - 1].DelayCs;
}

bool THTMLPicture::Step()
{
    if (FFrameCount < 2 || FIsEmpty)
        return false;
    bool advanced = false;
    if (FNextCount == -1)
        FNextCount = FrameDelay(FFrame);
    if (static_cast<long long>(FTimerCount) * 10 >= FNextCount) {
        FrameNext();
        RebuildPicture();
        // A frame without a delay must not stall the animation for ever.
        FNextCount += std::max(FrameDelay(FFrame), 0);
        advanced = true;
    }
    ++FTimerCount;
    return advanced;
}

void THTMLPicture::RebuildPicture()
{
    FFrameXPos = FFrameYPos = 0;
    FAnimMaxX = FAnimMaxY = 0;
    std::vector<std::uint8_t> frameBytes;
    const bool frames = IsGIF() && FrameCount() > 0;
    if (frames) {
        FAnimMaxX = gif::ScreenWidth(FData);
        FAnimMaxY = gif::ScreenHeight(FData);
        gif::TFrameStart start;
        start.Offset = std::string::npos;
        frameBytes = gif::FromFrame(FData, FFrame, &start);
        if (start.Offset != std::string::npos) {
            FFrameXPos = start.Left;
            FFrameYPos = start.Top;
            FFrameXSize = start.Width;
            FFrameYSize = start.Height;
        }
    }
    const std::span<const std::uint8_t> bytes = frames ? std::span<const std::uint8_t>(frameBytes) : FData;
    if (bytes.empty())
        throw EHTMLPictureError("Empty image stream created");
    FPicture.reset();
    std::shared_ptr<plat::TOlePicture> picture;
    if (plat::TOlePicture::Load(bytes, picture) != plat::TOlePicture::TLoadResult::Ok)
        throw EHTMLPictureError("Could not load image. Invalid format");
    if (!picture)
        throw EHTMLPictureError("Could not load image");
    // The decoder may place the frame on the whole animation's area; the picture of a frame is
    // the frame alone, drawn at its offset.
    if (frames && FFrameXSize > 0 && FFrameYSize > 0 && picture->WidthPx() == FAnimMaxX &&
        picture->HeightPx() == FAnimMaxY && (FFrameXSize != FAnimMaxX || FFrameYSize != FAnimMaxY))
        picture->Crop(plat::TRect{FFrameXPos, FFrameYPos, FFrameXPos + FFrameXSize, FFrameYPos + FFrameYSize});
    FPicture = std::move(picture);
}

}  // namespace skelda::foundation
