#include "foundation/MiniHtmlLayout.h"

namespace skelda::foundation {

namespace {

// A string's heap block, when it has one beyond its own small buffer.
std::size_t HeapBytes(const std::string& Text)
{
    return Text.capacity() > sizeof(std::string) - 1 ? Text.capacity() + 1 : 0;
}

// A hash map node holds its key, its value and the next pointer, and its bucket a pointer.
constexpr std::size_t kMapNodeOverhead = 2 * sizeof(void*) + sizeof(std::size_t);

}  // namespace

std::size_t TMiniHtmlLayout::MemoryBytes() const
{
    std::size_t bytes = sizeof(TMiniHtmlLayout) + Lines.capacity() * sizeof(TMiniHtmlLine) +
                        Metrics.capacity() * sizeof(TMiniHtmlFontMetrics);
    for (const TMiniHtmlLine& line : Lines)
        bytes += HeapBytes(line.Markup) + HeapBytes(line.PlainText);
    for (const TMiniHtmlFontMetrics& metrics : Metrics) {
        bytes += HeapBytes(metrics.Name) + metrics.RunWidthsPx.bucket_count() * sizeof(void*);
        for (const auto& [shown, width] : metrics.RunWidthsPx)
            bytes += sizeof(std::pair<const std::string, int>) + kMapNodeOverhead + HeapBytes(shown);
    }
    return bytes;
}

}  // namespace skelda::foundation
