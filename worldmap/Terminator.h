#pragma once

#include "worldmap/ScanLines.h"
#include "worldmap/SunPosition.h"

namespace skelda::worldmap {

// The map is blended on two threads, one per half of the rows.
inline constexpr int DefaultWorkerCount = 2;

// Blends EarthCombined, which holds the night picture, towards EarthDay wherever the sun is up,
// with a soft twilight band along the terminator. Both pictures are 24 bits per pixel and of
// the same size. The rows are split into WorkerCount bands (the first ending at row H div 2
// when there are two) worked out at once; the call returns when all have finished.
// Raises EInvalidArgument on pictures of different sizes or on a WorkerCount below 1.
void ComputeTerminator(const TScanLines& earthDay, const TScanLines& earthCombined, const TSunPosition& sun,
                       int workerCount = DefaultWorkerCount);

}  // namespace skelda::worldmap
