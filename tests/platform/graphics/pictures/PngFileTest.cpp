// libpng reserves a chunk's declared length before it reads the chunk: a 60-byte file may ask
// for 1.8 GB. The chunk list is walked before any reader sees the file.

#include "platform/graphics/PngFile.h"

#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

namespace plat {
namespace {

// The signature, then chunks of the given data lengths, each with its type and check sum; Ended
// closes with IEND; Cut bytes are taken off the end.
std::vector<std::uint8_t> Chunks(const std::vector<std::uint32_t>& lengths, bool ended, std::size_t cut = 0)
{
    std::vector<std::uint8_t> bytes{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    const auto chunk = [&](std::uint32_t length, const char* type) {
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes.push_back(static_cast<std::uint8_t>(length >> shift));
        bytes.insert(bytes.end(), type, type + 4);
        bytes.resize(bytes.size() + length + 4, 0);
    };
    for (const std::uint32_t length : lengths)
        chunk(length, "tEXt");
    if (ended)
        chunk(0, "IEND");
    bytes.resize(bytes.size() - cut);
    return bytes;
}

TEST(PngFile, EveryChunkMustFitInTheDataThatFollowsIt)
{
    EXPECT_TRUE(PngFile::ChunksFitTheData(Chunks({13, 0, 100}, true)));
    EXPECT_TRUE(PngFile::ChunksFitTheData(Chunks({13}, false)));
    // What follows the image end is no chunk.
    std::vector<std::uint8_t> trailing = Chunks({13}, true);
    trailing.insert(trailing.end(), {0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_TRUE(PngFile::ChunksFitTheData(trailing));

    std::vector<std::uint8_t> claiming = Chunks({13}, false);
    claiming.insert(claiming.end(), {0x6B, 0x49, 0xD2, 0x00, 'z', 'T', 'X', 't', 'x', 'x', 'x', 'x'});
    EXPECT_FALSE(PngFile::ChunksFitTheData(claiming)) << "1.8 GB declared";
    EXPECT_FALSE(PngFile::ChunksFitTheData(Chunks({13, 20}, false, 1))) << "a check sum cut short";
    EXPECT_FALSE(PngFile::ChunksFitTheData(Chunks({13}, true, 4))) << "an end chunk without its check sum";
    std::vector<std::uint8_t> partHeader = Chunks({}, false);
    partHeader.resize(partHeader.size() + 3);
    EXPECT_FALSE(PngFile::ChunksFitTheData(partHeader)) << "a chunk header cut short";
    EXPECT_FALSE(PngFile::ChunksFitTheData(std::vector<std::uint8_t>{'B', 'M', 0, 0}));
}

}  // namespace
}  // namespace plat
