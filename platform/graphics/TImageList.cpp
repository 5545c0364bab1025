#include "platform/graphics/TImageList.h"

#include "platform/core/Exception.h"
#include "platform/graphics/PixelOps.h"
#include "platform/graphics/QtConversions.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TChangeLink.h"
#include "platform/graphics/TCanvas.h"

#include <QImage>
#include <QPainter>

#include <algorithm>

namespace plat {

namespace {

constexpr QRgb White = 0xFFFFFFu;

// The opaque pixels of picture that are not white, in colour; everything else transparent.
QImage Ink(const QImage& picture, QRgb colour)
{
    QImage ink(picture.size(), QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        auto* target = reinterpret_cast<QRgb*>(ink.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            target[x] = qAlpha(source[x]) != 0 && (source[x] & RGB_MASK) != White ? (colour | 0xFF000000u) : 0;
    }
    return ink;
}

}  // namespace

TImageList::TImageList(TComponent* AOwner) : TComponent(AOwner) {}

TImageList::~TImageList()
{
    for (TChangeLink* link : FLinks)
        link->FSender = nullptr;
}

void TImageList::RegisterChanges(TChangeLink* Value)
{
    if (!Value || Value->FSender == this)
        return;
    if (Value->FSender)
        Value->FSender->UnRegisterChanges(Value);
    Value->FSender = this;
    FLinks.push_back(Value);
}

void TImageList::UnRegisterChanges(TChangeLink* Value)
{
    if (!Value || Value->FSender != this)
        return;
    Value->FSender = nullptr;
    std::erase(FLinks, Value);
}

int TImageList::GetCount() const
{
    return static_cast<int>(FImages.size());
}

void TImageList::SetWidth(int Value)
{
    if (Value == FWidth)
        return;
    if (Value < 1)
        throw EInvalidOperation("Invalid image size");
    FWidth = Value;
    Clear();
}

void TImageList::SetHeight(int Value)
{
    if (Value == FHeight)
        return;
    if (Value < 1)
        throw EInvalidOperation("Invalid image size");
    FHeight = Value;
    Clear();
}

void TImageList::SetBkColor(TColor Value)
{
    if (Value == FBkColor)
        return;
    FBkColor = Value;
    Changed();
}

int TImageList::Add(const TBitmap& Image, const TBitmap* Mask)
{
    return AddPictures(Image, Mask, clNone);
}

int TImageList::AddMasked(const TBitmap& Image, TColor MaskColor)
{
    return AddPictures(Image, nullptr, MaskColor);
}

void TImageList::Replace(int Index, const TBitmap& Image, const TBitmap* Mask)
{
    CheckIndex(Index);
    FImages[static_cast<std::size_t>(Index)] = Cut(Image, 0, Mask, clNone);
    Changed();
}

void TImageList::ReplaceMasked(int Index, const TBitmap& NewImage, TColor MaskColor)
{
    CheckIndex(Index);
    FImages[static_cast<std::size_t>(Index)] = Cut(NewImage, 0, nullptr, MaskColor);
    Changed();
}

void TImageList::Delete(int Index)
{
    CheckIndex(Index);
    FImages.erase(FImages.begin() + Index);
    Changed();
}

void TImageList::Assign(const TPersistent& Source)
{
    const auto* other = dynamic_cast<const TImageList*>(&Source);
    if (!other) {
        TComponent::Assign(Source);
        return;
    }
    if (other == this)
        return;
    FWidth = other->FWidth;
    FHeight = other->FHeight;
    FBkColor = other->FBkColor;
    FImages = other->FImages;
    Changed();
}

void TImageList::Clear()
{
    FImages.clear();
    Changed();
}

void TImageList::Draw(TCanvas& Canvas, int X, int Y, int Index, bool Enabled) const
{
    if (Index < 0 || Index >= GetCount())
        return;
    const QImage& picture = FImages[static_cast<std::size_t>(Index)];
    const TRect source = Bounds(0, 0, FWidth, FHeight);
    if (!Enabled) {
        // The classic disabled look: the picture's ink once in the highlight colour one pixel
        // down and right, then in the shadow colour on top.
        Canvas.DrawImage(Bounds(X + 1, Y + 1, FWidth, FHeight), Ink(picture, ToQRgb(clBtnHighlight)), source);
        Canvas.DrawImage(Bounds(X, Y, FWidth, FHeight), Ink(picture, ToQRgb(clBtnShadow)), source);
        return;
    }
    if (FBkColor == clNone) {
        Canvas.DrawImage(Bounds(X, Y, FWidth, FHeight), picture, source);
        return;
    }
    QImage withBackground(picture.size(), QImage::Format_RGB32);
    withBackground.fill(ToQRgb(FBkColor));
    QPainter painter(&withBackground);
    painter.drawImage(0, 0, picture);
    painter.end();
    Canvas.DrawImage(Bounds(X, Y, FWidth, FHeight), withBackground, source);
}

void TImageList::GetBitmap(int Index, TBitmap& Image) const
{
    if (Index < 0 || Index >= GetCount())
        return;
    Image.SetSize(FWidth, FHeight);
    Draw(Image.Canvas(), 0, 0, Index);
}

QImage TImageList::Cut(const TBitmap& Image, int Left, const TBitmap* Mask, TColor MaskColor) const
{
    QImage picture(FWidth, FHeight, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(-Left, 0, PixelOps::Opaque(Image.Image()));
    painter.end();
    if (MaskColor != clNone)
        picture = PixelOps::KeyedOut(picture, ToQRgb(MaskColor));
    if (Mask && !Mask->GetEmpty()) {
        const QImage mask = PixelOps::Opaque(Mask->Image()).convertToFormat(QImage::Format_RGB32);
        const int rows = std::min(FHeight, mask.height());
        const int columns = std::min(FWidth, mask.width() - Left);
        for (int y = 0; columns > 0 && y < rows; ++y) {
            const auto* maskRow = reinterpret_cast<const QRgb*>(mask.constScanLine(y)) + Left;
            auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
            for (int x = 0; x < columns; ++x)
                if ((maskRow[x] & RGB_MASK) == White)
                    row[x] = 0;
        }
    }
    return picture;
}

int TImageList::AddPictures(const TBitmap& Image, const TBitmap* Mask, TColor MaskColor)
{
    if (Image.GetEmpty())
        return -1;
    const int first = GetCount();
    const int count = std::max(1, Image.GetWidth() / FWidth);
    for (int i = 0; i < count; ++i)
        FImages.push_back(Cut(Image, i * FWidth, Mask, MaskColor));
    Changed();
    return first;
}

void TImageList::CheckIndex(int Index) const
{
    if (Index < 0 || Index >= GetCount())
        throw EInvalidOperation("Invalid ImageList Index");
}

void TImageList::Changed()
{
    const std::weak_ptr<char> alive = FLifeToken;
    // A copy: a handler may change the registrations or free links; a link no longer
    // registered (freed ones unregister themselves) is skipped.
    const std::vector<TChangeLink*> links = FLinks;
    if (OnChange)
        OnChange(this);
    for (TChangeLink* link : links) {
        if (alive.expired())
            return;
        if (std::find(FLinks.begin(), FLinks.end(), link) != FLinks.end())
            link->Change();
    }
}

}  // namespace plat
