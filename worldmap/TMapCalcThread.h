#pragma once

#include "worldmap/ScanLines.h"

#include <thread>
#include <vector>

namespace skelda::worldmap {

// One band of rows of the day/night blend, worked out on a thread of its own. The thread starts
// in the constructor and is joined by WaitFor or at the latest by the destructor. Both pictures
// and CosLongs must stay alive and untouched by others until then; the bands of concurrent
// workers must not overlap, since each writes its rows of EarthCombined.
class TMapCalcThread {
public:
    // CosLongs holds, per pixel column, cos(declination) * cos(column longitude - subsolar
    // longitude); SinZLat is the sine of the declination. RunIdle gives the thread the idle
    // scheduling class.
    TMapCalcThread(bool runIdle, int topLine, int bottomLine, const TScanLines& earthDay,
                   const TScanLines& earthCombined, double sinZLat, const std::vector<double>& cosLongs);
    ~TMapCalcThread();

    TMapCalcThread(const TMapCalcThread&) = delete;
    TMapCalcThread& operator=(const TMapCalcThread&) = delete;

    void WaitFor();

private:
    void Execute();

    const bool RunIdle;
    const int TopLine;
    const int BottomLine;
    const TScanLines& EarthDay;
    const TScanLines& EarthCombined;
    const int Height;
    const double SinZLat;
    const std::vector<double>& CosLongs;
    // Last, so that every field above is set before the thread reads it.
    std::thread Thread;
};

// Whether the calling thread runs in the idle scheduling class.
bool CallingThreadRunsIdle();

}  // namespace skelda::worldmap
