#include "tests/grid/model/ReferenceGridLines.h"
#include "tests/grid/model/VezGridTesting.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace skelda::grid::testing {
namespace {

TEST_F(VezGridTest, LinesFollowAPlainListThroughRandomSteps)
{
    for (unsigned Seed = 1; Seed <= 200; ++Seed) {
        SCOPED_TRACE("seed " + std::to_string(Seed));
        auto* Grid = new TProbeGrid(form);
        TReferenceGridLines Model(*Grid, 5, 12);
        std::mt19937 Random(Seed);
        const auto Pick = [&](int N) { return std::uniform_int_distribution<int>(0, N - 1)(Random); };
        for (int I = 0; I < 80; ++I) {
            const std::string What = Model.Step(Pick(TReferenceGridLines::StepKinds), Pick(16), Pick(16));
            const std::string Difference = Model.Mismatch();
            ASSERT_EQ(Difference, "") << "step " << I << ": " << What;
            ExpectConsistentBlocks(*Grid);
        }
        delete Grid;
    }
}

}  // namespace
}  // namespace skelda::grid::testing
