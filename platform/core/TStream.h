#pragma once

#include "platform/core/TObject.h"

#include <cstdint>
#include <span>
#include <vector>

namespace plat {

// Where Seek counts from.
enum TSeekOrigin { soBeginning, soCurrent, soEnd };

// A sequence of bytes with a position, read and written in blocks: the widget library's stream,
// which also stands for the component-object stream pictures are decoded from. Read and Write
// move the position by what they moved; ReadBuffer and WriteBuffer move all or raise
// (EReadError "Stream read error", EWriteError "Stream write error").
class TStream : public TObject {
public:
    std::string ClassName() const override { return "TStream"; }

    // Bytes moved, fewer at the end of the stream (or none).
    virtual std::int64_t Read(void* Buffer, std::int64_t Count) = 0;
    virtual std::int64_t Write(const void* Buffer, std::int64_t Count) = 0;
    // The new position. A position before the start raises EStreamError; one past the end is
    // allowed, and a later write fills the gap with zeros.
    virtual std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) = 0;
    virtual std::int64_t GetSize() const = 0;
    virtual void SetSize(std::int64_t NewSize) = 0;

    std::int64_t GetPosition() { return Seek(0, soCurrent); }
    void SetPosition(std::int64_t Value) { Seek(Value, soBeginning); }

    void ReadBuffer(void* Buffer, std::int64_t Count);
    void WriteBuffer(const void* Buffer, std::int64_t Count);
    void WriteBuffer(std::span<const std::uint8_t> Data) { WriteBuffer(Data.data(), static_cast<std::int64_t>(Data.size())); }
    // Copies Count bytes from Source's position; a Count of 0 copies the whole of Source from its
    // start. Returns the bytes copied.
    std::int64_t CopyFrom(TStream& Source, std::int64_t Count);
    // Everything from the position to the end.
    std::vector<std::uint8_t> ReadRest();
};

// A stream held in memory, growing as it is written.
class TMemoryStream : public TStream {
public:
    std::string ClassName() const override { return "TMemoryStream"; }

    std::int64_t Read(void* Buffer, std::int64_t Count) override;
    std::int64_t Write(const void* Buffer, std::int64_t Count) override;
    std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
    std::int64_t GetSize() const override { return static_cast<std::int64_t>(FData.size()); }
    // Keeps the position, even past the new end.
    void SetSize(std::int64_t NewSize) override;

    // Empties the stream and puts the position at 0.
    void Clear();
    // The whole content, from the start, whatever the position.
    const std::vector<std::uint8_t>& Bytes() const { return FData; }
    // Replaces the content by the whole of Source (from its start); the position goes to 0.
    void LoadFromStream(TStream& Source);
    // Writes the whole content at Dest's position.
    void SaveToStream(TStream& Dest) const;

private:
    std::vector<std::uint8_t> FData;
    std::int64_t FPosition = 0;
};

}  // namespace plat
