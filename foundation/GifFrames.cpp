#include "foundation/GifFrames.h"

namespace skelda::foundation::gif {

namespace {

int Word(std::span<const std::uint8_t> Data, std::size_t At)
{
    return Data[At] | (Data[At + 1] << 8);
}

bool FrameStartsAt(std::span<const std::uint8_t> Data, std::size_t P)
{
    return P + 17 <= Data.size() && Data[P] == 0x21 && Data[P + 1] == 0xF9 && Data[P + 2] == 0x04 &&
           Data[P + 8] == 0x2C;
}

}  // namespace

bool IsGif(std::span<const std::uint8_t> Data)
{
    return Data.size() > 4 && Data[0] == 'G' && Data[1] == 'I' && Data[2] == 'F' && Data[3] == '8';
}

int ScreenWidth(std::span<const std::uint8_t> Data)
{
    return Data.size() >= 8 ? Word(Data, 6) : 0;
}

int ScreenHeight(std::span<const std::uint8_t> Data)
{
    return Data.size() >= 10 ? Word(Data, 8) : 0;
}

std::vector<TFrameStart> FrameStarts(std::span<const std::uint8_t> Data)
{
    std::vector<TFrameStart> starts;
    for (std::size_t p = 0; p < Data.size(); ++p)
        if (FrameStartsAt(Data, p))
            starts.push_back({p, Word(Data, p + 4), Word(Data, p + 9), Word(Data, p + 11), Word(Data, p + 13),
                              Word(Data, p + 15)});
    return starts;
}

std::vector<std::uint8_t> FromFrame(std::span<const std::uint8_t> Data, int Frame, TFrameStart* Info)
{
    const std::vector<TFrameStart> starts = FrameStarts(Data);
    if (starts.empty())
        return {Data.begin(), Data.end()};
    std::vector<std::uint8_t> out(Data.begin(), Data.begin() + static_cast<std::ptrdiff_t>(starts.front().Offset));
    // Frame numbers outside 1..count: below keeps everything, above keeps only the header.
    if (Frame < 1) {
        out.assign(Data.begin(), Data.end());
        return out;
    }
    if (static_cast<std::size_t>(Frame) > starts.size())
        return out;
    const TFrameStart& start = starts[static_cast<std::size_t>(Frame) - 1];
    if (Info != nullptr)
        *Info = start;
    out.insert(out.end(), Data.begin() + static_cast<std::ptrdiff_t>(start.Offset), Data.end());
    return out;
}

}  // namespace skelda::foundation::gif
