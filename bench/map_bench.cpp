// The day/night world map: drawing both pictures onto the working bitmaps and blending them
// along the terminator, on one worker and on two, at the program's size and at four times it;
// with the JPEG decoding of both pictures included and without it.

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TJPEGImage.h"
#include "platform/system/DateTime.h"
#include "worldmap/MapBuilder.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace {

using skelda::worldmap::BuildMap;
using skelda::worldmap::LoadJpegImage;

// The compressed day and night pictures at WidthPx x WidthPx / 2: the program's own for 512,
// enlarged from them and compressed again for other widths.
struct Pictures {
    std::vector<std::uint8_t> Day;
    std::vector<std::uint8_t> Night;
};

std::vector<std::uint8_t> Compressed(const char* resourceName, int widthPx)
{
    const auto picture = LoadJpegImage(resourceName);
    if (widthPx == picture->GetWidth())
        return picture->SaveToBytes();
    plat::TBitmap enlarged;
    enlarged.SetPixelFormat(plat::pf24bit);
    enlarged.SetSize(widthPx, widthPx / 2);
    enlarged.Canvas().StretchDraw(plat::Rect(0, 0, widthPx, widthPx / 2), picture.get());
    plat::TJPEGImage jpeg;
    jpeg.Assign(enlarged);
    return jpeg.SaveToBytes();
}

const Pictures& PicturesFor(int widthPx)
{
    static Pictures small{Compressed("MAP_DAY", 512), Compressed("MAP_NIGHT", 512)};
    static Pictures large{Compressed("MAP_DAY", 2048), Compressed("MAP_NIGHT", 2048)};
    return widthPx == 512 ? small : large;
}

std::unique_ptr<plat::TJPEGImage> Decoded(const std::vector<std::uint8_t>& bytes)
{
    auto jpeg = std::make_unique<plat::TJPEGImage>();
    jpeg->LoadFromBytes(bytes);
    return jpeg;
}

const plat::TDateTime MayEvening = plat::EncodeDate(2026, 5, 14) + plat::EncodeTime(17, 30, 0, 0);

// Args: map width in pixels, number of workers.
void BM_BuildMap(benchmark::State& state)
{
    const int widthPx = static_cast<int>(state.range(0));
    const int workers = static_cast<int>(state.range(1));
    const auto day = Decoded(PicturesFor(widthPx).Day);
    const auto night = Decoded(PicturesFor(widthPx).Night);
    for (auto _ : state) {
        plat::TBitmap map;
        BuildMap(*day, *night, map, widthPx, nullptr, nullptr, MayEvening, workers);
        benchmark::DoNotOptimize(map.ScanLine(0));
    }
    state.SetItemsProcessed(state.iterations() * widthPx * (widthPx / 2));
}

void BM_DecodeAndBuildMap(benchmark::State& state)
{
    const int widthPx = static_cast<int>(state.range(0));
    const int workers = static_cast<int>(state.range(1));
    const Pictures& pictures = PicturesFor(widthPx);
    for (auto _ : state) {
        const auto day = Decoded(pictures.Day);
        const auto night = Decoded(pictures.Night);
        plat::TBitmap map;
        BuildMap(*day, *night, map, widthPx, nullptr, nullptr, MayEvening, workers);
        benchmark::DoNotOptimize(map.ScanLine(0));
    }
    state.SetItemsProcessed(state.iterations() * widthPx * (widthPx / 2));
}

void MapSizes(benchmark::internal::Benchmark* bench)
{
    bench->ArgNames({"width", "workers"});
    for (int widthPx : {512, 2048})
        for (int workers : {1, 2})
            bench->Args({widthPx, workers});
    bench->Unit(benchmark::kMillisecond)->UseRealTime();
}

}  // namespace

BENCHMARK(BM_BuildMap)->Apply(MapSizes);
BENCHMARK(BM_DecodeAndBuildMap)->Apply(MapSizes);

BENCHMARK_MAIN();
