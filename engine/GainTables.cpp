#include "engine/GainTables.h"

#include <limits>

namespace skelda::engine {

namespace {

constexpr long double kUnknown = std::numeric_limits<long double>::quiet_NaN();

// 3.5 MHz, takeoff angles 0, 2, ..., 90 degrees.
constexpr std::array<long double, kGainRows> kLowBandDb = {
    -30.0L, -19.6L, -13.6L, -10.1L, -7.7L, -5.8L, -4.3L, -3.0L, -2.0L, -1.0L, -0.2L, 0.5L,
    1.2L,   1.8L,   2.3L,   2.8L,   3.2L,  3.6L,  3.9L,  4.3L,  4.6L,  4.9L,  5.1L,  5.3L,
    5.5L,   5.7L,   5.9L,   6.1L,   6.2L,  6.4L,  6.5L,  6.6L,  6.7L,  6.8L,  6.9L,  6.9L,
    7.0L,   7.0L,   7.1L,   7.1L,   7.2L,  7.2L,  7.2L,  7.2L,  7.2L,  7.2L,
};

constexpr GainTable LowBandOnly()
{
    GainTable table{};
    for (std::size_t r = 0; r < kGainRows; ++r) {
        table[r] = {kLowBandDb[r], kUnknown, kUnknown, kUnknown, kUnknown};
    }
    table[0] = {-30, -30, -30, -30, -30};
    return table;
}

constexpr GainTable MakeDipoleTable()
{
    GainTable table = LowBandOnly();
    for (std::size_t r = 0; r < kGainRows; ++r)
        table[r][1] = kLowBandDb[r];
    // 14, 21 and 28 MHz share one column.
    auto setHighBands = [&table](std::size_t row, long double gainDb) {
        table[row][2] = table[row][3] = table[row][4] = gainDb;
    };
    setHighBands(1, -16.4L);
    setHighBands(10, 2.4L);
    for (std::size_t row = 25; row <= 28; ++row)
        setHighBands(row, 6.2L);
    setHighBands(45, 5.5L);
    return table;
}

constexpr GainTable MakeYagiTable()
{
    GainTable table = LowBandOnly();
    table[10] = {-0.2L, 2.4L, 7.2L, 1.9L, -4.3L};
    table[45] = {7.2L, 5.5L, -9.0L, -9.5L, -14.4L};
    return table;
}

constexpr GainTable kDipole = MakeDipoleTable();
constexpr GainTable kYagi = MakeYagiTable();

}  // namespace

const GainTable& DipoleGainTable()
{
    return kDipole;
}
const GainTable& YagiGainTable()
{
    return kYagi;
}

}  // namespace skelda::engine
