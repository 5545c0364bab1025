#pragma once

// What chmlib takes on trust in a compiled help file, checked before chmlib reads it. chmlib
// reads the headers, the directory and the compression data without checking them against the
// file: a damaged file makes it divide by zero while opening, reserve whatever a header claims
// (a page length of 900 MB), go round a circle of directory pages for ever, or write past its
// buffers while decompressing. A file that passes holds nothing of that kind.
//
// Model: the file header (ITSF) places the directory; the directory header (ITSP) gives the
// length of its pages and the first (PMGL, a list of entries, chained to the next) and root
// (PMGI, an index leading to lower pages) pages; the entries of three special objects describe
// the compressed section (its reset table with the compressed length of each block, and the
// LZX control data with the window and reset interval).
// Cost: one pass over the directory pages and the reset table; linear in their size.

#include <cstdint>
#include <span>
#include <string>

namespace plat {

class TChmFileCheck {
public:
    explicit TChmFileCheck(std::span<const std::uint8_t> File);

    // Empty when chmlib may open the file; else what is wrong with it.
    const std::string& Damage() const { return FDamage; }
    // The bytes of the compressed section the reset table describes: a compressed object
    // reaching beyond them is damage that only shows when it is read.
    std::uint64_t CompressedBytes() const { return FCompressedBytes; }

private:
    std::string FDamage;
    std::uint64_t FCompressedBytes = 0;
};

}  // namespace plat
