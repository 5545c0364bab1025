#include "worldmap/TMapCalcThread.h"

#include "worldmap/TwilightBlend.h"

#include <pthread.h>
#include <sched.h>

#include <cmath>
#include <numbers>

namespace skelda::worldmap {

TMapCalcThread::TMapCalcThread(bool runIdle, int topLine, int bottomLine, const TScanLines& earthDay,
                               const TScanLines& earthCombined, double sinZLat,
                               const std::vector<double>& cosLongs)
    : RunIdle(runIdle), TopLine(topLine), BottomLine(bottomLine), EarthDay(earthDay),
      EarthCombined(earthCombined), Height(earthCombined.Height()), SinZLat(sinZLat), CosLongs(cosLongs),
      Thread([this] { Execute(); })
{
}

TMapCalcThread::~TMapCalcThread()
{
    WaitFor();
}

void TMapCalcThread::WaitFor()
{
    if (Thread.joinable())
        Thread.join();
}

void TMapCalcThread::Execute()
{
    if (RunIdle) {
        const sched_param param{};
        // Best effort: a thread that may not lower itself still computes the right pixels.
        pthread_setschedparam(pthread_self(), SCHED_IDLE, &param);
    }
    const int width = static_cast<int>(CosLongs.size());
    for (int r = TopLine; r <= BottomLine; ++r) {
        // Worked out with the long double pi, then rounded once to the double the row uses.
        const double lat = static_cast<double>(std::numbers::pi_v<long double> / 2
                                               - r * std::numbers::pi_v<long double> / Height);
        const double sl = std::sin(lat);
        const double cl = std::cos(lat);
        const double a = SinZLat * sl;
        const std::uint8_t* day = EarthDay.Rows[r];
        std::uint8_t* map = EarthCombined.Rows[r];
        for (int x = 0; x < width; ++x) {
            const int k = TwilightWeight(cl * CosLongs[x] + a);
            for (int i = 3 * x; i < 3 * x + 3; ++i)
                map[i] = BlendByte(day[i], map[i], k);
        }
    }
}

bool CallingThreadRunsIdle()
{
    int policy = 0;
    sched_param param{};
    return pthread_getschedparam(pthread_self(), &policy, &param) == 0 && policy == SCHED_IDLE;
}

}  // namespace skelda::worldmap
