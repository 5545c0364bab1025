#include "worldmap/Terminator.h"

#include "platform/core/Exception.h"
#include "worldmap/TMapCalcThread.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace skelda::worldmap {

namespace {

void CheckPictures(const TScanLines& earthDay, const TScanLines& earthCombined, int workerCount)
{
    if (workerCount < 1)
        throw plat::EInvalidArgument("The map needs at least one worker");
    if (earthDay.BytesPerPixel != 3 || earthCombined.BytesPerPixel != 3)
        throw plat::EInvalidArgument("The map blends 24-bit pictures only");
    if (earthDay.Width != earthCombined.Width || earthDay.Height() != earthCombined.Height())
        throw plat::EInvalidArgument("The day and map pictures differ in size");
}

// Per pixel column: cos(dec) * cos(longitude - subsolar longitude), expanded so that the
// sine and cosine of the subsolar longitude are taken once.
std::vector<double> ColumnCosines(int width, const TSunPosition& sun)
{
    const double step = TwoPi / (3.0 * width);
    const double a = std::sin(sun.LongitudeRad) * std::cos(sun.DeclinationRad);
    const double b = std::cos(sun.LongitudeRad) * std::cos(sun.DeclinationRad);
    std::vector<double> cosLongs(static_cast<std::size_t>(width));
    for (int x = 0; x < width; ++x) {
        // Stepped per colour byte, so that the longitudes match a byte-wise walk of the row.
        const double lon = (3 * x) * step;
        cosLongs[static_cast<std::size_t>(x)] = std::sin(lon) * a + std::cos(lon) * b;
    }
    return cosLongs;
}

}  // namespace

void ComputeTerminator(const TScanLines& earthDay, const TScanLines& earthCombined, const TSunPosition& sun,
                       int workerCount)
{
    CheckPictures(earthDay, earthCombined, workerCount);
    const int height = earthCombined.Height();
    if (height == 0 || earthCombined.Width == 0)
        return;
    const std::vector<double> cosLongs = ColumnCosines(earthCombined.Width, sun);
    const double sinZLat = std::sin(sun.DeclinationRad);
    const bool runIdle = CallingThreadRunsIdle();
    const int bands = std::min(workerCount, height);

    std::vector<std::unique_ptr<TMapCalcThread>> workers;
    int topLine = 0;
    for (int band = 0; band < bands; ++band) {
        const int bottomLine = band == bands - 1 ? height - 1 : (band + 1) * height / bands;
        workers.push_back(std::make_unique<TMapCalcThread>(runIdle, topLine, bottomLine, earthDay, earthCombined,
                                                           sinZLat, cosLongs));
        topLine = bottomLine + 1;
    }
    for (auto& worker : workers)
        worker->WaitFor();
}

}  // namespace skelda::worldmap
