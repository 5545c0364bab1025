#include "platform/core/TStream.h"

#include "platform/core/Exception.h"

#include <algorithm>
#include <cstring>

namespace plat {

void TStream::ReadBuffer(void* Buffer, std::int64_t Count)
{
    if (Count != 0 && Read(Buffer, Count) != Count)
        throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* Buffer, std::int64_t Count)
{
    if (Count != 0 && Write(Buffer, Count) != Count)
        throw EWriteError("Stream write error");
}

std::int64_t TStream::CopyFrom(TStream& Source, std::int64_t Count)
{
    if (Count == 0) {
        Source.SetPosition(0);
        Count = Source.GetSize();
    }
    // Blocks keep a large copy from needing the whole source in memory twice.
    constexpr std::int64_t blockBytes = 64 * 1024;
    std::vector<std::uint8_t> block(static_cast<std::size_t>(std::min(Count, blockBytes)));
    std::int64_t copied = 0;
    while (copied < Count) {
        const std::int64_t step = std::min(Count - copied, blockBytes);
        Source.ReadBuffer(block.data(), step);
        WriteBuffer(block.data(), step);
        copied += step;
    }
    return copied;
}

std::vector<std::uint8_t> TStream::ReadRest()
{
    const std::int64_t rest = std::max<std::int64_t>(0, GetSize() - GetPosition());
    std::vector<std::uint8_t> data(static_cast<std::size_t>(rest));
    ReadBuffer(data.data(), rest);
    return data;
}

std::int64_t TMemoryStream::Read(void* Buffer, std::int64_t Count)
{
    const std::int64_t available = GetSize() - FPosition;
    const std::int64_t moved = std::clamp<std::int64_t>(Count, 0, std::max<std::int64_t>(0, available));
    if (moved > 0)
        std::memcpy(Buffer, FData.data() + FPosition, static_cast<std::size_t>(moved));
    FPosition += moved;
    return moved;
}

std::int64_t TMemoryStream::Write(const void* Buffer, std::int64_t Count)
{
    if (Count <= 0)
        return 0;
    const std::int64_t end = FPosition + Count;
    if (end > GetSize())
        FData.resize(static_cast<std::size_t>(end));
    std::memcpy(FData.data() + FPosition, Buffer, static_cast<std::size_t>(Count));
    FPosition = end;
    return Count;
}

std::int64_t TMemoryStream::Seek(std::int64_t Offset, TSeekOrigin Origin)
{
    const std::int64_t base = Origin == soBeginning ? 0 : Origin == soCurrent ? FPosition : GetSize();
    if (base + Offset < 0)
        throw EStreamError("Invalid stream position");
    FPosition = base + Offset;
    return FPosition;
}

void TMemoryStream::SetSize(std::int64_t NewSize)
{
    if (NewSize < 0)
        throw EStreamError("Invalid stream size");
    FData.resize(static_cast<std::size_t>(NewSize));
}

void TMemoryStream::Clear()
{
    FData.clear();
    FData.shrink_to_fit();
    FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream& Source)
{
    Source.SetPosition(0);
    std::vector<std::uint8_t> data = Source.ReadRest();
    FData = std::move(data);
    FPosition = 0;
}

void TMemoryStream::SaveToStream(TStream& Dest) const
{
    Dest.WriteBuffer(FData);
}

}  // namespace plat
