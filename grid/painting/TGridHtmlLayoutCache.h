#pragma once

#include "foundation/MiniHtmlEngine.h"

#include <cstddef>
#include <cstdint>
#include <list>
#include <string>
#include <unordered_map>

namespace plat {
class TCanvas;
}  // namespace plat

namespace skelda::grid {

// The layouts of a grid's mini-HTML cell texts, kept between paints so that a text is parsed and
// measured once while it, the cell's font and the cell's width stay as they are: a repaint then
// only draws. A layout is found by everything it was made from (text, font, width, wrapping,
// reading order, hovered link); a text whose pictures may change (images of a list, a container
// or an address) is laid out again at every paint and only remembered as such.
//
// Memory: at most CapacityBytes of layouts (their own estimate, keys included); the least
// recently drawn go first. A layout larger than the whole capacity is drawn and not kept.
// Cost: a hit is one hash of the text and the look-up; a miss lays the text out (the measuring
// half of an uncached call). Drawing from the cache paints what an uncached call paints.
// User-interface thread only.
class TGridHtmlLayoutCache {
public:
    static constexpr std::size_t kDefaultCapacityBytes = 2 * 1024 * 1024;

    explicit TGridHtmlLayoutCache(std::size_t CapacityBytes = kDefaultCapacityBytes)
        : FCapacityBytes(CapacityBytes)
    {
    }
    TGridHtmlLayoutCache(const TGridHtmlLayoutCache&) = delete;
    TGridHtmlLayoutCache& operator=(const TGridHtmlLayoutCache&) = delete;

    // Runs the grid's copy of the engine for Request on Canvas, from a kept layout when there
    // is one.
    void Run(plat::TCanvas& Canvas, const foundation::TMiniHtmlRequest& Request, foundation::TMiniHtmlResult& Result);

    void Clear();
    std::size_t Count() const { return FEntries.size(); }
    std::size_t MemoryBytes() const { return FMemoryBytes; }
    std::size_t CapacityBytes() const { return FCapacityBytes; }
    // How many times a text was laid out, kept or not.
    std::size_t LayoutsMade() const { return FLayoutsMade; }

private:
    struct TKey {
        std::string Text;
        std::string FontName;
        int FontHeightPx = 0;
        std::uint64_t FontStyle = 0;
        int FontPitch = 0;
        int FontCharset = 0;
        int FontOrientation = 0;
        int PixelsPerInch = 0;
        int WidthPx = 0;
        int HoverLinkIndex = -1;
        bool HoverOnlyLinks = false;
        bool WrapWords = true;
        std::uint8_t ReadingOrder = 0;
        friend bool operator==(const TKey&, const TKey&) = default;
    };
    struct TKeyHash {
        std::size_t operator()(const TKey& Key) const;
    };
    struct TEntry {
        const TKey* Key = nullptr;  // the index's own
        foundation::TMiniHtmlLayout Layout;
        std::size_t Bytes = 0;
    };
    using TEntries = std::list<TEntry>;

    static TKey KeyOf(const plat::TCanvas& Canvas, const foundation::TMiniHtmlRequest& Request);
    void Keep(TKey Key, foundation::TMiniHtmlLayout Layout);

    std::size_t FCapacityBytes;
    std::size_t FMemoryBytes = 0;
    std::size_t FLayoutsMade = 0;
    // Most recently drawn first.
    TEntries FEntries;
    std::unordered_map<TKey, TEntries::iterator, TKeyHash> FIndex;
};

}  // namespace skelda::grid
