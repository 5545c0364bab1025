#pragma once

#include "platform/system/DateTime.h"
#include "worldmap/Terminator.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace plat {
class TBitmap;
class TGraphic;
class TJPEGImage;
}  // namespace plat

namespace skelda::worldmap {

// The map is this many pixels wide; its height follows the day picture's proportions.
inline constexpr int MapWidth = 512;
// The sun is drawn this many pixels square.
inline constexpr int SunSize = 8;

// The pictures the map is made of, by resource name.
struct TMapResources {
    std::string Day = "MAP_DAY";
    std::string Night = "MAP_NIGHT";
    std::string Sun = "SUN_BMP";
    std::string SunAlpha = "SUN_ALPHA";
};

// A JPEG picture from the raw data resource MapName. Raises EResNotFound when the program has
// no such resource and EInvalidGraphic when it is no readable JPEG.
std::unique_ptr<plat::TJPEGImage> LoadJpegImage(std::string_view mapName);

// Makes Map a 24-bit picture Width pixels wide: the night picture, turned to day wherever the
// sun is up at the UTC instant Time, and with the sun picture (Sun weighted by its 8-bit mask
// SunAlpha, both SunSize square) on the subsolar point when both are given. Day and night
// pictures of different sizes cannot be blended: Map then shows the night picture alone.
// Raises EInvalidArgument for an empty picture or a Width below 1.
void BuildMap(const plat::TGraphic& day, const plat::TGraphic& night, plat::TBitmap& map, int width,
              plat::TBitmap* sun, plat::TBitmap* sunAlpha, plat::TDateTime time,
              int workerCount = DefaultWorkerCount);

// The finished map for the UTC instant Time, ready to be drawn into the window's image. When a
// picture is missing or unreadable, ShowMessage gets "Images introuvables !" and the result is
// null: the window keeps its empty image and goes on.
std::unique_ptr<plat::TBitmap> UpdateMap(plat::TDateTime time, const std::function<void(const std::string&)>& showMessage,
                                         const TMapResources& resources = {});

}  // namespace skelda::worldmap
