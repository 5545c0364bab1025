#include "grid/painting/TGridHtmlLayoutCache.h"

#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"

#include <functional>
#include <utility>

namespace skelda::grid {

namespace {

// What one kept layout costs beyond its own bytes and its key's strings: the index's node and
// bucket, the list's node.
constexpr std::size_t kEntryOverhead = 6 * sizeof(void*);

std::size_t StringBytes(const std::string& Text)
{
    return Text.capacity() > sizeof(std::string) - 1 ? Text.capacity() + 1 : 0;
}

void Mix(std::size_t& Seed, std::size_t Value)
{
    Seed ^= Value + 0x9E3779B97F4A7C15ULL + (Seed << 6) + (Seed >> 2);
}

}  // namespace

std::size_t TGridHtmlLayoutCache::TKeyHash::operator()(const TKey& Key) const
{
    std::size_t seed = std::hash<std::string>()(Key.Text);
    Mix(seed, std::hash<std::string>()(Key.FontName));
    for (const int value : {Key.FontHeightPx, Key.FontPitch, Key.FontCharset, Key.FontOrientation, Key.PixelsPerInch,
                            Key.WidthPx, Key.HoverLinkIndex, static_cast<int>(Key.ReadingOrder)})
        Mix(seed, static_cast<std::size_t>(value));
    Mix(seed, static_cast<std::size_t>(Key.FontStyle) * 4 + (Key.HoverOnlyLinks ? 2 : 0) + (Key.WrapWords ? 1 : 0));
    return seed;
}

TGridHtmlLayoutCache::TKey TGridHtmlLayoutCache::KeyOf(const plat::TCanvas& Canvas,
                                                        const foundation::TMiniHtmlRequest& Request)
{
    const plat::TFont& font = Canvas.Font();
    TKey key;
    key.Text = Request.Text;
    key.FontName = font.GetName();
    key.FontHeightPx = font.GetHeight();
    for (const plat::TFontStyle style : {plat::fsBold, plat::fsItalic, plat::fsUnderline, plat::fsStrikeOut})
        key.FontStyle = key.FontStyle * 2 + (font.GetStyle().Contains(style) ? 1 : 0);
    key.FontPitch = font.GetPitch();
    key.FontCharset = font.GetCharset();
    key.FontOrientation = font.GetOrientation();
    key.PixelsPerInch = font.GetPixelsPerInch();
    key.WidthPx = Request.Bounds.Width();
    key.HoverLinkIndex = Request.HoverLinkIndex;
    key.HoverOnlyLinks = Request.HoverOnlyLinks;
    key.WrapWords = Request.WrapWords;
    key.ReadingOrder = Request.ReadingOrder;
    return key;
}

void TGridHtmlLayoutCache::Run(plat::TCanvas& Canvas, const foundation::TMiniHtmlRequest& Request,
                               foundation::TMiniHtmlResult& Result)
{
    const foundation::TMiniHtmlVariant grid = foundation::TMiniHtmlVariant::Grid();
    TKey key = KeyOf(Canvas, Request);
    if (const auto found = FIndex.find(key); found != FIndex.end()) {
        FEntries.splice(FEntries.begin(), FEntries, found->second);
        const foundation::TMiniHtmlLayout& layout = found->second->Layout;
        if (layout.Reusable) {
            foundation::RunMiniHtml(grid, Canvas, Request, layout, Result);
        } else {
            ++FLayoutsMade;
            foundation::RunMiniHtml(grid, Canvas, Request, Result);
        }
        return;
    }
    foundation::TMiniHtmlLayout layout;
    foundation::TMiniHtmlResult laid;
    foundation::LayOutMiniHtml(grid, Canvas, Request, layout, laid);
    ++FLayoutsMade;
    foundation::RunMiniHtml(grid, Canvas, Request, layout, Result);
    if (!layout.Reusable) {
        // Only that it is laid out at every paint is kept.
        layout = {};
        layout.Reusable = false;
    }
    Keep(std::move(key), std::move(layout));
}

void TGridHtmlLayoutCache::Keep(TKey Key, foundation::TMiniHtmlLayout Layout)
{
    const std::size_t bytes =
        Layout.MemoryBytes() + sizeof(TKey) + StringBytes(Key.Text) + StringBytes(Key.FontName) + kEntryOverhead;
    if (bytes > FCapacityBytes)
        return;
    while (FMemoryBytes + bytes > FCapacityBytes) {
        const TEntry& oldest = FEntries.back();
        FMemoryBytes -= oldest.Bytes;
        FIndex.erase(*oldest.Key);
        FEntries.pop_back();
    }
    FEntries.push_front({nullptr, std::move(Layout), bytes});
    const auto [kept, inserted] = FIndex.emplace(std::move(Key), FEntries.begin());
    FEntries.front().Key = &kept->first;
    FMemoryBytes += bytes;
}

void TGridHtmlLayoutCache::Clear()
{
    FIndex.clear();
    FEntries.clear();
    FMemoryBytes = 0;
}

}  // namespace skelda::grid
