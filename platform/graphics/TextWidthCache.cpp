#include "platform/graphics/TextWidthCache.h"

#include <QHash>

#include <unordered_map>
#include <utility>

namespace plat {

namespace {

using TKey = std::pair<QString, QString>;  // font key, text

struct TKeyHash {
    std::size_t operator()(const TKey& Key) const { return qHash(Key.first) ^ (qHash(Key.second) * 31); }
};

std::unordered_map<TKey, int, TKeyHash>& Widths()
{
    thread_local std::unordered_map<TKey, int, TKeyHash> widths;
    return widths;
}

}  // namespace

int TextWidthCache::Advance(const QFontMetrics& Metrics, const QString& FontKey, const QString& Text)
{
    if (Text.size() > kMaxKeptLength)
        return Metrics.horizontalAdvance(Text);
    auto& widths = Widths();
    TKey key{FontKey, Text};
    if (const auto found = widths.find(key); found != widths.end())
        return found->second;
    if (widths.size() >= kMaxEntries)
        widths.clear();
    const int widthPx = Metrics.horizontalAdvance(Text);
    widths.emplace(std::move(key), widthPx);
    return widthPx;
}

std::size_t TextWidthCache::Count()
{
    return Widths().size();
}

}  // namespace plat
