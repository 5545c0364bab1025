#include "platform/grids/EInvalidGridOperation.h"
#include "platform/grids/GridLimits.h"
#include "platform/grids/TGridAxis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

using namespace plat;

namespace {

// Every answer of the axis computed the slow way, by summing over all indexes.
struct NaiveAxis {
    std::vector<int> ownSizesPx;  // -1 for the default
    int defaultSizePx = 24;
    int lineWidthPx = 1;
    int fixedCount = 0;

    int Count() const { return static_cast<int>(ownSizesPx.size()); }
    int Size(int i) const { return ownSizesPx[i] >= 0 ? ownSizesPx[i] : defaultSizePx; }
    std::int64_t Extent(int i) const { return Size(i) > 0 ? Size(i) + lineWidthPx : 0; }
    // Sums the extents once, before a round of questions.
    void Prepare()
    {
        startsPx.assign(1, 0);
        for (int i = 0; i < Count(); ++i)
            startsPx.push_back(startsPx.back() + Extent(i));
    }
    std::int64_t Position(int index) const { return startsPx[index]; }

    std::vector<std::int64_t> startsPx;
    int IndexAt(std::int64_t px) const
    {
        for (int i = 0; i < Count(); ++i)
            if (Position(i) <= px && px < Position(i) + Extent(i))
                return i;
        return -1;
    }
    int VisibleCount(int from, std::int64_t extentPx) const
    {
        int n = 0;
        while (from + n < Count() && Position(from + n + 1) - Position(from) <= extentPx)
            ++n;
        return n;
    }
    std::int64_t ViewPosition(int index, int first) const
    {
        return index < fixedCount ? Position(index) : Position(fixedCount) + Position(index) - Position(first);
    }
    int ViewIndexAt(std::int64_t px, int first) const
    {
        for (int i = 0; i < Count(); ++i) {
            if (i >= fixedCount && i < first)
                continue;
            const std::int64_t start = ViewPosition(i, first);
            if (start <= px && px < start + Extent(i))
                return i;
        }
        return -1;
    }
    int MaxFirstScrolled(std::int64_t clientPx) const
    {
        if (Count() <= fixedCount)
            return fixedCount;
        for (int f = fixedCount; f < Count() - 1; ++f)
            if (Position(Count()) - Position(f) <= clientPx - Position(fixedCount))
                return f;
        return Count() - 1;
    }
};

TGridAxis MakeAxis(const NaiveAxis& naive)
{
    TGridAxis axis(MaxGridRows, naive.defaultSizePx);
    axis.SetLineWidthPx(naive.lineWidthPx);
    axis.SetCount(naive.Count());
    for (int i = 0; i < naive.Count(); ++i)
        axis.SetSizePx(i, naive.ownSizesPx[i]);
    axis.SetFixedCount(naive.fixedCount);
    return axis;
}

// Compares every query at every index and every pixel (and a little beyond) with the reference.
void ExpectSameAnswers(const TGridAxis& axis, NaiveAxis naive)
{
    naive.Prepare();
    ASSERT_EQ(axis.GetCount(), naive.Count());
    ASSERT_EQ(axis.GetFixedCount(), naive.fixedCount);
    const std::int64_t totalPx = naive.Position(naive.Count());
    EXPECT_EQ(axis.TotalExtentPx(), totalPx);
    EXPECT_EQ(axis.FixedExtentPx(), naive.Position(naive.fixedCount));
    for (int i = 0; i <= naive.Count(); ++i) {
        ASSERT_EQ(axis.Position(i), naive.Position(i)) << "index " << i;
        if (i < naive.Count()) {
            ASSERT_EQ(axis.GetSizePx(i), naive.Size(i)) << "index " << i;
        }
    }
    for (std::int64_t px = -2; px <= totalPx + 2; ++px)
        ASSERT_EQ(axis.IndexAt(px), naive.IndexAt(px)) << "pixel " << px;
    const std::int64_t extentsPx[] = {-1, 0, 1, 23, 25, 60, 200, totalPx, INT64_MAX};
    for (int from = 0; from <= naive.Count(); ++from)
        for (std::int64_t extentPx : extentsPx) {
            ASSERT_EQ(axis.VisibleCount(from, extentPx), naive.VisibleCount(from, extentPx))
                << "from " << from << " extent " << extentPx;
            ASSERT_EQ(axis.LastFullyVisible(from, extentPx), from + naive.VisibleCount(from, extentPx) - 1);
        }
    const int middle = (naive.fixedCount + naive.Count()) / 2;
    for (int first : {naive.fixedCount, std::min(naive.fixedCount + 1, naive.Count()), middle, naive.Count()}) {
        for (int i = 0; i <= naive.Count(); ++i)
            ASSERT_EQ(axis.ViewPosition(i, first), naive.ViewPosition(i, first)) << "index " << i << " first " << first;
        for (std::int64_t px = -1; px <= totalPx + 1; ++px)
            ASSERT_EQ(axis.ViewIndexAt(px, first), naive.ViewIndexAt(px, first)) << "pixel " << px << " first " << first;
    }
    for (std::int64_t clientPx = 0; clientPx <= totalPx + 30; clientPx += 7)
        ASSERT_EQ(axis.MaxFirstScrolled(clientPx), naive.MaxFirstScrolled(clientPx)) << "client " << clientPx;
}

}  // namespace

TEST(GridAxis, AnswersLikeSummingOverEveryIndex)
{
    struct Case {
        const char* name;
        std::vector<int> ownSizesPx;
        int defaultSizePx;
        int lineWidthPx;
        int fixedCount;
    };
    const Case cases[] = {
        {"empty", {}, 24, 1, 0},
        {"defaults only", {-1, -1, -1, -1, -1}, 24, 1, 1},
        {"own sizes", {30, -1, 10, -1, 50, 1}, 24, 1, 2},
        {"hidden indexes take no line", {0, 20, 0, 0, 20, 0}, 24, 1, 1},
        {"wide lines", {5, -1, 40, -1, 0, 12, -1}, 8, 3, 0},
        {"no lines", {5, -1, 40, -1, 0, 12, -1}, 8, 0, 3},
        {"zero default hides the rest", {-1, 10, -1, -1, 7, -1}, 0, 1, 0},
        {"all fixed", {10, 20, 30}, 24, 1, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NaiveAxis naive;
        naive.ownSizesPx = c.ownSizesPx;
        naive.defaultSizePx = c.defaultSizePx;
        naive.lineWidthPx = c.lineWidthPx;
        naive.fixedCount = c.fixedCount;
        ExpectSameAnswers(MakeAxis(naive), naive);
    }
}

// Structure and size changes in random order, each followed by a comparison, with a fixed seed.
// Counts cross the point where the first own size appears and the last one goes, so both ways
// of summing are exercised, as is the lazy rebuild after a change of structure.
TEST(GridAxis, StaysExactThroughRandomChanges)
{
    NaiveAxis naive;
    naive.defaultSizePx = 6;
    TGridAxis axis(MaxGridRows, naive.defaultSizePx);
    std::mt19937 random(42);
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const auto rotate = [](std::vector<int>& v, int from, int to) {
        if (from < to)
            std::rotate(v.begin() + from, v.begin() + from + 1, v.begin() + to + 1);
        else
            std::rotate(v.begin() + to, v.begin() + from, v.begin() + from + 1);
    };

    for (int step = 0; step < 600; ++step) {
        const int count = naive.Count();
        const int action = pick(count == 0 ? 2 : 11);
        std::string what;
        switch (action) {
        case 0: {
            const int n = pick(40);
            what = "count " + std::to_string(n);
            naive.ownSizesPx.resize(static_cast<std::size_t>(n), -1);
            naive.fixedCount = std::min(naive.fixedCount, n);
            axis.SetCount(n);
            break;
        }
        case 1: {
            const int i = pick(count + 1);
            what = "insert " + std::to_string(i);
            naive.ownSizesPx.insert(naive.ownSizesPx.begin() + i, -1);
            axis.Insert(i);
            break;
        }
        case 2:
        case 3:
        case 4: {
            const int i = pick(count);
            const int sizePx = pick(5) == 0 ? -1 : pick(4) == 0 ? 0 : pick(12);
            what = "size " + std::to_string(i) + " = " + std::to_string(sizePx);
            naive.ownSizesPx[i] = sizePx;
            axis.SetSizePx(i, sizePx);
            break;
        }
        case 5: {
            const int i = pick(count);
            what = "delete " + std::to_string(i);
            naive.ownSizesPx.erase(naive.ownSizesPx.begin() + i);
            naive.fixedCount = std::min(naive.fixedCount, naive.Count());
            axis.Delete(i);
            break;
        }
        case 6: {
            const int from = pick(count);
            const int to = pick(count);
            what = "move " + std::to_string(from) + " to " + std::to_string(to);
            rotate(naive.ownSizesPx, from, to);
            axis.Move(from, to);
            break;
        }
        case 7: {
            std::vector<int> indexes;
            for (int n = pick(5); n > 0; --n)
                indexes.push_back(pick(count));
            what = "remove " + std::to_string(indexes.size());
            std::vector<int> sorted = indexes;
            std::sort(sorted.begin(), sorted.end());
            sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
            for (auto it = sorted.rbegin(); it != sorted.rend(); ++it)
                naive.ownSizesPx.erase(naive.ownSizesPx.begin() + *it);
            naive.fixedCount = std::min(naive.fixedCount, naive.Count());
            axis.RemoveIndexes(indexes);
            break;
        }
        case 10: {
            std::vector<int> finals;
            std::vector<int> sizesPx;
            const int n = pick(5);
            for (int i = 0; i < count + n; ++i)
                if (static_cast<int>(finals.size()) < n && pick(count + n) < n) {
                    finals.push_back(i);
                    sizesPx.push_back(pick(3) == 0 ? -1 : pick(12));
                }
            what = "insert " + std::to_string(finals.size()) + " indexes";
            for (std::size_t i = 0; i < finals.size(); ++i)
                naive.ownSizesPx.insert(naive.ownSizesPx.begin() + finals[i], sizesPx[i]);
            axis.InsertIndexes(finals, sizesPx);
            break;
        }
        case 8: {
            const int fixed = pick(count + 1);
            what = "fixed " + std::to_string(fixed);
            naive.fixedCount = fixed;
            axis.SetFixedCount(fixed);
            break;
        }
        case 9:
            if (pick(2) == 0) {
                naive.lineWidthPx = pick(3);
                what = "line width " + std::to_string(naive.lineWidthPx);
                axis.SetLineWidthPx(naive.lineWidthPx);
            } else {
                naive.defaultSizePx = pick(9);
                what = "default " + std::to_string(naive.defaultSizePx);
                std::fill(naive.ownSizesPx.begin(), naive.ownSizesPx.end(), -1);
                axis.SetDefaultSizePx(naive.defaultSizePx);
            }
            break;
        }
        SCOPED_TRACE("step " + std::to_string(step) + ": " + what);
        ExpectSameAnswers(axis, naive);
        if (::testing::Test::HasFatalFailure())
            return;
    }
}

TEST(GridAxis, SumsOfHugeSizesDoNotOverflow)
{
    TGridAxis axis(MaxGridRows, 20);
    axis.SetCount(1000);
    axis.SetSizePx(10, INT_MAX);
    axis.SetSizePx(998, INT_MAX);
    const std::int64_t bigPx = std::int64_t{INT_MAX} + 1;

    EXPECT_EQ(axis.Position(900), 899 * std::int64_t{21} + bigPx);
    EXPECT_EQ(axis.IndexAt(axis.Position(900) + 20), 900);
    EXPECT_EQ(axis.IndexAt(axis.Position(900) + 21), 901);
    EXPECT_EQ(axis.TotalExtentPx(), 998 * std::int64_t{21} + 2 * bigPx);
    EXPECT_EQ(axis.IndexAt(axis.TotalExtentPx() - 22), 998);
    EXPECT_EQ(axis.VisibleCount(11, INT64_MAX), 1000 - 11);
    EXPECT_EQ(axis.MaxFirstScrolled(INT64_MAX), 0);
}

TEST(GridAxis, RejectsIndexesAndSizesOutOfRange)
{
    TGridAxis axis(MaxGridCols, 64);
    axis.SetCount(5);
    axis.SetFixedCount(1);
    const std::function<void()> badIndexes[] = {
        [&] { axis.SetCount(-1); },
        [&] { axis.SetCount(MaxGridCols + 1); },
        [&] { axis.SetFixedCount(6); },
        [&] { axis.SetFixedCount(-1); },
        [&] { axis.GetSizePx(5); },
        [&] { axis.SetSizePx(-1, 10); },
        [&] { axis.Insert(6); },
        [&] { axis.Delete(5); },
        [&] { axis.Move(0, 5); },
        [&] { axis.RemoveIndexes(std::vector<int>{0, 5}); },
        [&] { axis.Position(6); },
        [&] { axis.Position(-1); },
        [&] { axis.VisibleCount(6, 100); },
        [&] { axis.ViewPosition(2, 0); },
        [&] { axis.ViewIndexAt(10, 6); },
    };
    for (std::size_t i = 0; i < std::size(badIndexes); ++i) {
        SCOPED_TRACE(i);
        try {
            badIndexes[i]();
            ADD_FAILURE() << "no exception";
        } catch (const EInvalidGridOperation& e) {
            EXPECT_EQ(e.Message(), "Grid index out of range");
        }
        EXPECT_EQ(axis.GetCount(), 5);
        EXPECT_EQ(axis.GetFixedCount(), 1);
        EXPECT_EQ(axis.TotalExtentPx(), 5 * 65);
    }

    const std::function<void()> badSizes[] = {
        [&] { axis.SetDefaultSizePx(-1); },
        [&] { axis.SetLineWidthPx(-2); },
        [] { TGridAxis(MaxGridRows, -5); },
    };
    for (const auto& bad : badSizes)
        EXPECT_THROW(bad(), EInvalidGridOperation);
    EXPECT_EQ(axis.TotalExtentPx(), 5 * 65);

    axis.SetCount(MaxGridCols);
    EXPECT_THROW(axis.Insert(0), EInvalidGridOperation);
    EXPECT_EQ(axis.GetCount(), MaxGridCols);
}
