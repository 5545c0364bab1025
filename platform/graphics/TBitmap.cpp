#include "platform/graphics/TBitmap.h"

#include "platform/core/TStream.h"
#include "platform/graphics/BitmapFile.h"
#include "platform/graphics/EInvalidGraphic.h"
#include "platform/graphics/GraphicFile.h"
#include "platform/graphics/PixelOps.h"
#include "platform/graphics/QtConversions.h"
#include "platform/graphics/Resources.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TCanvasBackend.h"

#include <QBuffer>
#include <QImage>

#include <algorithm>
#include <cstring>
#include <limits>

namespace plat {

namespace {

QImage::Format QtFormat(TPixelFormat format)
{
    switch (format) {
    case pf1bit:
        return QImage::Format_Mono;
    case pf8bit:
        return QImage::Format_Indexed8;
    case pf24bit:
        return QImage::Format_BGR888;
    case pf32bit:
        return QImage::Format_ARGB32;
    case pfDevice:
        break;
    }
    return QImage::Format_RGB32;
}

QList<QRgb> MonoPalette()
{
    return {qRgb(0, 0, 0), qRgb(255, 255, 255)};
}

// Colours an 8-bit palette is filled up with: a 6 x 6 x 6 colour cube, then grey levels. A palette
// made from a picture's own colours gets them too, so that what is drawn on the bitmap later
// still finds colours close to its own.
QList<QRgb> FilledPalette(QList<QRgb> palette = {})
{
    static constexpr int CubeLevels[] = {0, 51, 102, 153, 204, 255};
    for (int r : CubeLevels)
        for (int g : CubeLevels)
            for (int b : CubeLevels)
                if (palette.size() < 256)
                    palette.append(qRgb(r, g, b));
    for (int level = 8; palette.size() < 256; level += 8)
        palette.append(qRgb(level, level, level));
    return palette;
}

int NearestIndex(const QList<QRgb>& palette, QRgb colour)
{
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < palette.size(); ++i) {
        const int dr = qRed(palette[i]) - qRed(colour);
        const int dg = qGreen(palette[i]) - qGreen(colour);
        const int db = qBlue(palette[i]) - qBlue(colour);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

// A white image of the format; indexed images get palette, or the format's default one.
QImage NewImage(int width, int height, TPixelFormat format, const QList<QRgb>& palette)
{
    if (width == 0 || height == 0)
        return QImage();
    QImage image(width, height, QtFormat(format));
    if (image.isNull())
        throw EInvalidGraphic("Not enough memory for a bitmap of " + std::to_string(width) + " x " +
                              std::to_string(height) + " pixels");
    if (format == pf8bit || format == pf1bit) {
        image.setColorTable(!palette.isEmpty() ? palette : format == pf8bit ? FilledPalette() : MonoPalette());
        image.fill(static_cast<uint>(NearestIndex(image.colorTable(), qRgb(255, 255, 255))));
    } else {
        image.fill(0xFFFFFFFFu);
    }
    return image;
}

// Copies the top-left part both images share; both have the same format.
void CopyOverlap(const QImage& from, QImage& to)
{
    const int rows = std::min(from.height(), to.height());
    const int columns = std::min(from.width(), to.width());
    const int bits = columns * from.depth();
    const int wholeBytes = bits / 8;
    const int restBits = bits % 8;
    for (int y = 0; y < rows; ++y) {
        const uchar* source = from.constScanLine(y);
        uchar* target = to.scanLine(y);
        std::memcpy(target, source, static_cast<std::size_t>(wholeBytes));
        if (restBits) {
            const uchar keep = static_cast<uchar>(0xFF >> restBits);
            target[wholeBytes] = static_cast<uchar>((source[wholeBytes] & ~keep) | (target[wholeBytes] & keep));
        }
    }
}

QImage Converted(const QImage& image, TPixelFormat format)
{
    switch (format) {
    case pf1bit:
        return PixelOps::Opaque(image).convertToFormat(QImage::Format_Mono, MonoPalette());
    case pf8bit:
        if (image.format() == QImage::Format_Mono) {
            QImage indexed = image.convertToFormat(QImage::Format_Indexed8);
            indexed.setColorTable(FilledPalette(indexed.colorTable()));
            return indexed;
        } else {
            // From RGB32, Qt keeps the exact colours when there are at most 256 of them.
            QImage indexed = PixelOps::Opaque(image).convertToFormat(QImage::Format_RGB32).convertToFormat(
                QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
            indexed.setColorTable(FilledPalette(indexed.colorTable()));
            return indexed;
        }
    case pf32bit:
        return image.convertToFormat(QImage::Format_ARGB32);
    case pf24bit:
    case pfDevice:
        break;
    }
    return PixelOps::Opaque(image).convertToFormat(QtFormat(format));
}

TPixelFormat FormatOfDepth(int depth)
{
    if (depth == 1)
        return pf1bit;
    if (depth <= 8)
        return pf8bit;
    if (depth <= 24)
        return pf24bit;
    return pf32bit;
}

}  // namespace

// The canvas draws on the pixels directly, or on the 32-bit copy of an indexed bitmap.
class TBitmap::CanvasBackend final : public TCanvasBackend {
public:
    explicit CanvasBackend(TBitmap& owner)
        : FOwner(owner), FDirect(MakeImageCanvasBackend(*owner.FImage)),
          FPaintCopy(MakeImageCanvasBackend(*owner.FPaintCopy))
    {
    }

    QPainter* BeginPaint() override
    {
        FActive = &Current();
        return FActive->BeginPaint();
    }

    void EndPaint() override
    {
        if (FActive)
            FActive->EndPaint();
        FActive = nullptr;
    }

    QImage* Pixels() override { return Current().Pixels(); }
    TSize DeviceSize() const override { return FDirect->DeviceSize(); }
    int PixelsPerInch() const override { return FDirect->PixelsPerInch(); }

private:
    TCanvasBackend& Current()
    {
        if (!FOwner.IsIndexed())
            return *FDirect;
        FOwner.CanvasSurface();
        return *FPaintCopy;
    }

    TBitmap& FOwner;
    std::unique_ptr<TCanvasBackend> FDirect;
    std::unique_ptr<TCanvasBackend> FPaintCopy;
    TCanvasBackend* FActive = nullptr;
};

TBitmap::TBitmap() : FImage(std::make_unique<QImage>()), FPaintCopy(std::make_unique<QImage>()) {}

TBitmap::~TBitmap() = default;

int TBitmap::GetWidth() const
{
    return FImage->width();
}

int TBitmap::GetHeight() const
{
    return FImage->height();
}

bool TBitmap::GetEmpty() const
{
    return FImage->isNull();
}

void TBitmap::SetWidth(int Value)
{
    SetSize(Value, GetHeight());
}

void TBitmap::SetHeight(int Value)
{
    SetSize(GetWidth(), Value);
}

void TBitmap::SetSize(int AWidth, int AHeight)
{
    // Sizes computed from layouts may come out negative; they mean "nothing", not an error.
    AWidth = std::max(AWidth, 0);
    AHeight = std::max(AHeight, 0);
    if (AWidth == GetWidth() && AHeight == GetHeight())
        return;
    SyncImage();
    QImage resized = NewImage(AWidth, AHeight, FPixelFormat, FImage->colorTable());
    if (!resized.isNull() && !FImage->isNull())
        CopyOverlap(*FImage, resized);
    ReplaceImage(std::move(resized), FPixelFormat);
    Changed(this);
}

void TBitmap::SetPixelFormat(TPixelFormat Value)
{
    if (Value == FPixelFormat)
        return;
    SyncImage();
    ReplaceImage(FImage->isNull() ? QImage() : Converted(*FImage, Value), Value);
    Changed(this);
}

void TBitmap::SetAlphaFormat(TAlphaFormat Value)
{
    if (Value == FAlphaFormat)
        return;
    FAlphaFormat = Value;
    Changed(this);
}

void TBitmap::CheckRow(int Row) const
{
    if (Row < 0 || Row >= GetHeight())
        throw EInvalidGraphic("Scan line index out of range");
}

std::uint8_t* TBitmap::ScanLine(int Row)
{
    CheckRow(Row);
    SyncImage();
    // Detaching only when shared keeps concurrent calls for different rows free of writes.
    if (!FImage->isDetached())
        FImage->detach();
    return const_cast<std::uint8_t*>(FImage->constScanLine(Row));
}

const std::uint8_t* TBitmap::ScanLine(int Row) const
{
    CheckRow(Row);
    SyncImage();
    return FImage->constScanLine(Row);
}

TCanvas& TBitmap::Canvas()
{
    if (!FCanvas) {
        FCanvas = std::make_unique<TCanvas>(std::make_unique<CanvasBackend>(*this));
        FCanvas->OnChange = [this](TObject*) { Changed(this); };
    }
    return *FCanvas;
}

TColor TBitmap::GetTransparentColor() const
{
    if (FTransparentMode == tmFixed)
        return FTransparentColor;
    if (GetEmpty())
        return clNone;
    SyncImage();
    return FromQRgb(FImage->pixel(0, GetHeight() - 1));
}

void TBitmap::SetTransparentColor(TColor Value)
{
    if (Value == FTransparentColor)
        return;
    FTransparentMode = Value == clDefault ? tmAuto : tmFixed;
    FTransparentColor = Value;
    Changed(this);
}

void TBitmap::SetTransparentMode(TTransparentMode Value)
{
    if (Value == FTransparentMode)
        return;
    SetTransparentColor(Value == tmAuto ? clDefault : GetTransparentColor());
}

QImage TBitmap::DrawableImage() const
{
    SyncImage();
    QImage image = *FImage;
    if (FPixelFormat == pf32bit && FAlphaFormat == afIgnored)
        image = PixelOps::Opaque(image);
    if (!GetTransparent())
        return image;
    const TColor transparentColor = GetTransparentColor();
    return transparentColor == clNone ? image : PixelOps::KeyedOut(image, ToQRgb(transparentColor));
}

void TBitmap::Draw(TCanvas& ACanvas, const TRect& Rect) const
{
    if (GetEmpty())
        return;
    ACanvas.DrawImage(Rect, DrawableImage(), Bounds(0, 0, GetWidth(), GetHeight()));
}

void TBitmap::Assign(const TPersistent& Source)
{
    if (&Source == this)
        return;
    if (const auto* bitmap = dynamic_cast<const TBitmap*>(&Source)) {
        ReplaceImage(bitmap->Image(), bitmap->FPixelFormat);
        FAlphaFormat = bitmap->FAlphaFormat;
        FTransparentMode = bitmap->FTransparentMode;
        FTransparentColor = bitmap->FTransparentColor;
        SetTransparent(bitmap->GetTransparent());
        Changed(this);
        return;
    }
    if (const auto* graphic = dynamic_cast<const TGraphic*>(&Source)) {
        ReplaceImage(NewImage(graphic->GetWidth(), graphic->GetHeight(), FPixelFormat, {}), FPixelFormat);
        Canvas().StretchDraw(Bounds(0, 0, GetWidth(), GetHeight()), graphic);
        Changed(this);
        return;
    }
    TGraphic::Assign(Source);
}

void TBitmap::LoadFromFile(const std::string& FileName)
{
    LoadFromBytes(GraphicFile::Read(FileName));
}

void TBitmap::SaveToFile(const std::string& FileName) const
{
    GraphicFile::Write(FileName, SaveToBytes());
}

void TBitmap::LoadFromBytes(std::span<const std::uint8_t> Data)
{
    const QImage image = BitmapFile::Read(Data);
    if (image.isNull())
        throw EInvalidGraphic("Bitmap image is not valid");
    const TPixelFormat format = FormatOfDepth(BitmapFile::Depth(Data));
    const QImage::Format qtFormat = QtFormat(format);
    ReplaceImage(image.format() == qtFormat ? image : Converted(image, format), format);
    FAlphaFormat = afIgnored;
    Changed(this);
}

std::vector<std::uint8_t> TBitmap::SaveToBytes() const
{
    if (GetEmpty())
        throw EInvalidGraphic("Cannot save an empty bitmap");
    SyncImage();
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (!FImage->save(&buffer, "BMP"))
        throw EInvalidGraphic("Bitmap image could not be written");
    return std::vector<std::uint8_t>(data.begin(), data.end());
}

void TBitmap::LoadFromStream(TStream& Stream)
{
    LoadFromBytes(Stream.ReadRest());
}

void TBitmap::SaveToStream(TStream& Stream) const
{
    Stream.WriteBuffer(SaveToBytes());
}

std::unique_ptr<TGraphic> TBitmap::Clone() const
{
    auto copy = std::make_unique<TBitmap>();
    copy->Assign(*this);
    return copy;
}

void TBitmap::LoadFromResourceName(std::string_view Name)
{
    LoadFromBytes(LoadResource(Name));
}

const QImage& TBitmap::Image() const
{
    SyncImage();
    return *FImage;
}

void TBitmap::LoadFromImage(QImage Image)
{
    TPixelFormat format = pfDevice;
    TAlphaFormat alphaFormat = afIgnored;
    switch (Image.format()) {
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
        format = pf1bit;
        break;
    case QImage::Format_Indexed8:
        format = pf8bit;
        break;
    case QImage::Format_BGR888:
    case QImage::Format_RGB888:
        format = pf24bit;
        break;
    default:
        if (Image.hasAlphaChannel()) {
            format = pf32bit;
            alphaFormat = afDefined;
        }
        break;
    }
    if (Image.format() != QtFormat(format) && !Image.isNull())
        Image = Image.convertToFormat(QtFormat(format));
    ReplaceImage(std::move(Image), format);
    FAlphaFormat = alphaFormat;
    Changed(this);
}

bool TBitmap::IsIndexed() const
{
    return FPixelFormat == pf1bit || FPixelFormat == pf8bit;
}

void TBitmap::SyncImage() const
{
    // Threads reading scan lines of a bitmap just drawn on may all arrive here first.
    if (!FPaintCopyIsNewer.load(std::memory_order_acquire))
        return;
    const std::lock_guard lock(FSyncLock);
    if (!FPaintCopyIsNewer.load(std::memory_order_relaxed))
        return;
    *FImage = FPaintCopy->convertToFormat(FImage->format(), FImage->colorTable());
    FPaintCopyIsNewer.store(false, std::memory_order_release);
}

QImage& TBitmap::CanvasSurface()
{
    if (!FPaintCopyIsNewer) {
        *FPaintCopy = FImage->isNull() ? QImage() : FImage->convertToFormat(QImage::Format_RGB32);
        FPaintCopyIsNewer = true;
    }
    return *FPaintCopy;
}

void TBitmap::ReplaceImage(QImage Image, TPixelFormat Format)
{
    // Kept unshared, so that handing out scan lines never has to copy behind a caller's back.
    Image.detach();
    *FImage = std::move(Image);
    *FPaintCopy = QImage();
    FPaintCopyIsNewer = false;
    FPixelFormat = Format;
}

}  // namespace plat
