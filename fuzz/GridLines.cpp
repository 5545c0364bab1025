// The string grid's lines stepped beside a plain-list model of them (tests'
// ReferenceGridLines.h): hiding and showing rows and columns, filter passes and their undoing,
// inserting, removing, moving and swapping rows, moving columns, merging and splitting. After
// every step the grid must show what the model says, with sound merged blocks.
//
// Input: a byte for the columns (2 .. 7), a byte for the rows (3 .. 18), then steps of three
// bytes: the step's kind and its two arguments.

#include "FuzzSupport.h"
#include "HeadlessWidgets.h"

#include "tests/grid/model/ReferenceGridLines.h"
#include "grid/model/TVezEzuzorEvad.h"


#include <string>

using skelda::fuzz::Check;

namespace {

// Enough steps to mix every kind; longer inputs only slow the search down.
constexpr std::size_t MaxSteps = 64;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* Argc, char*** Argv)
{
    skelda::fuzz::StartHeadlessWidgets(Argc, Argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    if (Size < 2 || Size > 2 + 3 * MaxSteps)
        return 0;
    skelda::grid::TVezEzuzorEvad Grid(nullptr);
    skelda::grid::testing::TReferenceGridLines Model(Grid, 2 + Data[0] % 6, 3 + Data[1] % 16);
    std::string Steps;
    for (std::size_t At = 2; At + 3 <= Size; At += 3) {
        const int Kind = Data[At] % skelda::grid::testing::TReferenceGridLines::StepKinds;
        Steps += Model.Step(Kind, Data[At + 1], Data[At + 2]) + "; ";
        const std::string Difference = Model.Mismatch();
        Check(Difference.empty(), "the grid left the model", Difference + " after " + Steps);
    }
    return 0;
}
