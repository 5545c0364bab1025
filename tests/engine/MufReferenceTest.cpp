// MiniMuf against values worked out by an independent implementation of the model: 8 paths (a
// 20 km one, a polar one, one across the date line, one near the equator), 3 fluxes, 4 dates,
// every hour.

#include "engine/ModelMath.h"
#include "engine/MufModel.h"
#include "engine/SolarActivity.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace skelda::engine {
namespace {

struct MufRow {
    std::string path;
    long double ownLatDeg, ownLonDeg, destLatDeg, destLonDeg, fluxSfu, spots;
    int month, day, hourUtc;
    long double mufMHz;
};

std::vector<MufRow> ReadMufReference()
{
    std::ifstream file(SKELDA_ENGINE_TEST_DATA "/muf-reference.csv");
    std::vector<MufRow> rows;
    std::string line;
    std::getline(file, line);  // the column names
    while (std::getline(file, line)) {
        std::istringstream fields(line);
        MufRow row;
        std::string field;
        std::getline(fields, row.path, ',');
        long double* numbers[] = {&row.ownLatDeg,  &row.ownLonDeg, &row.destLatDeg,
                                  &row.destLonDeg, &row.fluxSfu,   &row.spots};
        for (long double* number : numbers) {
            std::getline(fields, field, ',');
            *number = std::stold(field);
        }
        for (int* number : {&row.month, &row.day, &row.hourUtc}) {
            std::getline(fields, field, ',');
            *number = std::stoi(field);
        }
        std::getline(fields, field, ',');
        row.mufMHz = std::stold(field);
        rows.push_back(row);
    }
    return rows;
}

TEST(MufReferenceTest, EveryPathFluxDateAndHourAgrees)
{
    const std::vector<MufRow> rows = ReadMufReference();
    ASSERT_EQ(rows.size(), 2400u);
    for (const MufRow& row : rows) {
        SCOPED_TRACE(row.path + " flux " + std::to_string(static_cast<double>(row.fluxSfu)) +
                     " " + std::to_string(row.month) + "/" + std::to_string(row.day) + " " +
                     std::to_string(row.hourUtc) + "h");
        const long double spots = FluxToSpots(row.fluxSfu);
        ASSERT_NEAR(static_cast<double>(spots), static_cast<double>(row.spots), 1e-7);
        const long double mufMHz =
            MiniMuf(row.month, row.day, row.hourUtc, row.ownLatDeg * kDegToRad,
                    row.ownLonDeg * kDegToRad, row.destLatDeg * kDegToRad,
                    row.destLonDeg * kDegToRad, spots);
        EXPECT_NEAR(static_cast<double>(mufMHz), static_cast<double>(row.mufMHz),
                    1e-9 * static_cast<double>(row.mufMHz));
    }
}

}  // namespace
}  // namespace skelda::engine
