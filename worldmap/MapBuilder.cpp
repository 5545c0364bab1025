#include "worldmap/MapBuilder.h"

#include "platform/core/Exception.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TJPEGImage.h"
#include "platform/system/MathRoutines.h"
#include "worldmap/BitmapScanLines.h"
#include "worldmap/MapTexts.h"
#include "worldmap/SunOverlay.h"
#include "worldmap/SunPosition.h"

#include <exception>

namespace skelda::worldmap {

namespace {

std::unique_ptr<plat::TBitmap> LoadBitmap(std::string_view name)
{
    auto bitmap = std::make_unique<plat::TBitmap>();
    bitmap->LoadFromResourceName(name);
    return bitmap;
}

// Drawn stretched onto its own surface, then cut to size. The picture is drawn from a copy,
// since reading and writing the same pixels in one stretch would smear them.
void ReduceTo(plat::TBitmap& bitmap, int size)
{
    plat::TBitmap source;
    source.Assign(bitmap);
    bitmap.Canvas().StretchDraw(plat::Rect(0, 0, size, size), &source);
    bitmap.SetSize(size, size);
}

int HeightFor(const plat::TGraphic& picture, int width)
{
    return static_cast<int>(plat::Trunc(static_cast<double>(width) / picture.GetWidth() * picture.GetHeight()));
}

void DrawStretched(const plat::TGraphic& picture, plat::TBitmap& target, int width, int height)
{
    target.SetSize(width, height);
    target.Canvas().StretchDraw(plat::Rect(0, 0, width, height), &picture);
}

}  // namespace

std::unique_ptr<plat::TJPEGImage> LoadJpegImage(std::string_view mapName)
{
    auto image = std::make_unique<plat::TJPEGImage>();
    image->LoadFromResourceName(mapName);
    return image;
}

void BuildMap(const plat::TGraphic& day, const plat::TGraphic& night, plat::TBitmap& map, int width,
              plat::TBitmap* sun, plat::TBitmap* sunAlpha, plat::TDateTime time, int workerCount)
{
    if (width < 1)
        throw plat::EInvalidArgument("The world map needs a width of at least one pixel");
    if (day.GetEmpty() || night.GetEmpty())
        throw plat::EInvalidArgument("The world map needs a day and a night picture");
    map.SetPixelFormat(plat::pf24bit);
    if (day.GetWidth() != night.GetWidth() || day.GetHeight() != night.GetHeight()) {
        // Nothing to blend with: the night picture alone, in its own proportions.
        DrawStretched(night, map, width, HeightFor(night, width));
        return;
    }
    const int height = HeightFor(day, width);
    plat::TBitmap dayBitmap;
    dayBitmap.SetPixelFormat(plat::pf24bit);
    DrawStretched(night, map, width, height);
    DrawStretched(day, dayBitmap, width, height);

    const TSunPosition sunPosition = SunPosition(time);
    ComputeTerminator(ScanLinesOf(dayBitmap), ScanLinesOf(map), sunPosition, workerCount);
    if (sun && sunAlpha) {
        const plat::TPoint at = SunPixel(sunPosition, width, height);
        DrawSun(at.X, at.Y, ScanLinesOf(*sun), ScanLinesOf(map), ScanLinesOf(*sunAlpha));
    }
}

std::unique_ptr<plat::TBitmap> UpdateMap(plat::TDateTime time, const std::function<void(const std::string&)>& showMessage,
                                         const TMapResources& resources)
{
    std::unique_ptr<plat::TJPEGImage> day;
    std::unique_ptr<plat::TJPEGImage> night;
    std::unique_ptr<plat::TBitmap> sun;
    std::unique_ptr<plat::TBitmap> sunAlpha;
    try {
        day = LoadJpegImage(resources.Day);
        night = LoadJpegImage(resources.Night);
        sun = LoadBitmap(resources.Sun);
        sunAlpha = LoadBitmap(resources.SunAlpha);
    } catch (const std::exception&) {
        if (showMessage)
            showMessage(ImagesNotFoundText);
        return nullptr;
    }
    ReduceTo(*sun, SunSize);
    ReduceTo(*sunAlpha, SunSize);
    auto map = std::make_unique<plat::TBitmap>();
    BuildMap(*day, *night, *map, MapWidth, sun.get(), sunAlpha.get(), time);
    return map;
}

}  // namespace skelda::worldmap
