#pragma once

#include <cstdint>
#include <span>

class QImage;

// Windows bitmap files (BMP) read with Qt's reader, with what that reader leaves undefined given
// a colour: pixels run-length data skips and palette indices beyond the file's palette. Every
// reader of bitmap files (the bitmap, the OLE picture, the GDI+ stand-in) decodes through here,
// so that a file gives the same pixels, or the same refusal, wherever it is loaded.
namespace plat::BitmapFile {

// The colour depth (bits per pixel) the file declares, or 0 when the data is no bitmap file,
// also when its header has a size no bitmap header has.
int Depth(std::span<const std::uint8_t> data);

// The picture, or a null image for data that is no bitmap file, is damaged, declares a picture
// beyond QImageReader's allocation limit, or is cut short: uncompressed pixel data shorter than
// the rows its header declares (Qt's reader would return the rows it read). Pixels run-length
// data skips are 0: palette index 0, or black. Indices beyond the palette are black, and the
// second colour a 1-bit picture lacks is white, as Qt draws them; the palette is lengthened to
// reach them, so that they keep their values when the picture is saved.
QImage Read(std::span<const std::uint8_t> data);

}  // namespace plat::BitmapFile
