#pragma once

#include <cstdint>
#include <span>

class QImage;

// Windows bitmap files (BMP) read with Qt's reader, with what that reader leaves undefined given
// a colour: pixels the file does not give (skipped by run-length data, or missing from a cut-off
// file) and palette indices beyond the file's palette.
namespace plat::BitmapFile {

// The colour depth (bits per pixel) the file declares, or 0 when the data is no bitmap file,
// also when its header has a size no bitmap header has.
int Depth(std::span<const std::uint8_t> data);

// The picture, or a null image for data that is no bitmap file, is damaged or declares a picture
// beyond QImageReader's allocation limit. Pixels the file does not give are 0: palette index 0,
// or black. Indices beyond the palette are black, and the second colour a 1-bit picture lacks is
// white, as Qt draws them; the palette is lengthened to reach them, so that they keep their
// values when the picture is saved.
QImage Read(std::span<const std::uint8_t> data);

}  // namespace plat::BitmapFile
