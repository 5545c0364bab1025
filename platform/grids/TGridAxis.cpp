#include "platform/grids/TGridAxis.h"

#include "platform/grids/BatchLines.h"
#include "platform/grids/EInvalidGridOperation.h"

#include <algorithm>
#include <cstddef>

namespace plat {

namespace {

void CheckSize(int ASizePx)
{
    if (ASizePx < 0)
        throw EInvalidGridOperation("Grid size out of range");
}

}  // namespace

TGridAxis::TGridAxis(int AMaxCount, int ADefaultSizePx) : FMaxCount(AMaxCount), FDefaultSizePx(ADefaultSizePx)
{
    CheckSize(ADefaultSizePx);
}

std::int64_t TGridAxis::ExtentOf(int ASizePx) const
{
    return ASizePx > 0 ? std::int64_t{ASizePx} + FLineWidthPx : 0;
}

void TGridAxis::StructureChanged()
{
    FExtentsValid = false;
}

void TGridAxis::CheckFirstScrolled(int AFirstScrolled) const
{
    if (AFirstScrolled < FFixedCount || AFirstScrolled > FCount)
        GridIndexError();
}

void TGridAxis::ForgetOwnSizesIfNone()
{
    if (FOwnSizeCount == 0) {
        std::vector<int>().swap(FSizesPx);
        FExtents = FenwickTree();
        FExtentsValid = false;
    }
}

void TGridAxis::SetCount(int ACount)
{
    CheckGridIndex(ACount, FMaxCount + 1);
    if (!FSizesPx.empty()) {
        for (int i = ACount; i < FCount; ++i)
            FOwnSizeCount -= FSizesPx[static_cast<std::size_t>(i)] >= 0;
        FSizesPx.resize(static_cast<std::size_t>(ACount), -1);
        ForgetOwnSizesIfNone();
    }
    FCount = ACount;
    FFixedCount = std::min(FFixedCount, FCount);
    StructureChanged();
}

void TGridAxis::SetFixedCount(int AFixedCount)
{
    CheckGridIndex(AFixedCount, FCount + 1);
    FFixedCount = AFixedCount;
}

void TGridAxis::SetDefaultSizePx(int ASizePx)
{
    CheckSize(ASizePx);
    FDefaultSizePx = ASizePx;
    FOwnSizeCount = 0;
    ForgetOwnSizesIfNone();
    StructureChanged();
}

void TGridAxis::SetLineWidthPx(int AWidthPx)
{
    CheckSize(AWidthPx);
    FLineWidthPx = AWidthPx;
    StructureChanged();
}

int TGridAxis::GetSizePx(int AIndex) const
{
    CheckGridIndex(AIndex, FCount);
    if (!FSizesPx.empty() && FSizesPx[static_cast<std::size_t>(AIndex)] >= 0)
        return FSizesPx[static_cast<std::size_t>(AIndex)];
    return FDefaultSizePx;
}

void TGridAxis::SetSizePx(int AIndex, int ASizePx)
{
    CheckGridIndex(AIndex, FCount);
    const int sizePx = std::max(ASizePx, -1);
    if (FSizesPx.empty()) {
        if (sizePx < 0)
            return;
        FSizesPx.assign(static_cast<std::size_t>(FCount), -1);
        FExtentsValid = false;
    }
    const std::int64_t oldExtentPx = ExtentOf(GetSizePx(AIndex));
    int& own = FSizesPx[static_cast<std::size_t>(AIndex)];
    FOwnSizeCount += (sizePx >= 0) - (own >= 0);
    own = sizePx;
    if (FExtentsValid)
        FExtents.Add(AIndex, ExtentOf(GetSizePx(AIndex)) - oldExtentPx);
    ForgetOwnSizesIfNone();
}

void TGridAxis::Insert(int AIndex)
{
    CheckGridIndex(AIndex, FCount + 1);
    CheckGridIndex(FCount, FMaxCount);
    if (!FSizesPx.empty())
        FSizesPx.insert(FSizesPx.begin() + AIndex, -1);
    ++FCount;
    StructureChanged();
}

void TGridAxis::Delete(int AIndex)
{
    CheckGridIndex(AIndex, FCount);
    if (!FSizesPx.empty()) {
        FOwnSizeCount -= FSizesPx[static_cast<std::size_t>(AIndex)] >= 0;
        FSizesPx.erase(FSizesPx.begin() + AIndex);
        ForgetOwnSizesIfNone();
    }
    --FCount;
    FFixedCount = std::min(FFixedCount, FCount);
    StructureChanged();
}

void TGridAxis::Move(int AFrom, int ATo)
{
    CheckGridIndex(AFrom, FCount);
    CheckGridIndex(ATo, FCount);
    if (FSizesPx.empty() || AFrom == ATo)
        return;
    const auto from = FSizesPx.begin() + AFrom;
    const auto to = FSizesPx.begin() + ATo;
    if (AFrom < ATo)
        std::rotate(from, from + 1, to + 1);
    else
        std::rotate(to, from, from + 1);
    StructureChanged();
}

void TGridAxis::RemoveIndexes(std::span<const int> AIndexes)
{
    for (int index : AIndexes)
        CheckGridIndex(index, FCount);
    std::vector<int> sorted(AIndexes.begin(), AIndexes.end());
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    if (sorted.empty())
        return;
    if (!FSizesPx.empty()) {
        auto next = sorted.begin();
        std::size_t write = static_cast<std::size_t>(*next);
        for (std::size_t read = write; read < FSizesPx.size(); ++read) {
            if (next != sorted.end() && static_cast<std::size_t>(*next) == read) {
                FOwnSizeCount -= FSizesPx[read] >= 0;
                ++next;
                continue;
            }
            FSizesPx[write++] = FSizesPx[read];
        }
        FSizesPx.resize(write);
        ForgetOwnSizesIfNone();
    }
    FCount -= static_cast<int>(sorted.size());
    FFixedCount = std::min(FFixedCount, FCount);
    StructureChanged();
}

void TGridAxis::InsertIndexes(std::span<const int> AFinalIndexes, std::span<const int> ASizesPx)
{
    const int added = static_cast<int>(AFinalIndexes.size());
    if (ASizesPx.size() != AFinalIndexes.size())
        GridIndexError();
    if (added == 0)
        return;
    CheckGridIndex(FCount + added, FMaxCount + 1);
    CheckAscendingLines(AFinalIndexes);
    CheckGridIndex(AFinalIndexes.back(), FCount + added);
    const bool ownSizes = std::any_of(ASizesPx.begin(), ASizesPx.end(), [](int px) { return px >= 0; });
    if (ownSizes && FSizesPx.empty())
        FSizesPx.assign(static_cast<std::size_t>(FCount), -1);
    if (!FSizesPx.empty()) {
        std::vector<int> sizesPx(ASizesPx.size());
        std::transform(ASizesPx.begin(), ASizesPx.end(), sizesPx.begin(), [](int px) { return std::max(px, -1); });
        FOwnSizeCount += static_cast<int>(std::count_if(sizesPx.begin(), sizesPx.end(), [](int px) { return px >= 0; }));
        PutLines(FSizesPx, AFinalIndexes, std::move(sizesPx));
    }
    FCount += added;
    StructureChanged();
}

const FenwickTree& TGridAxis::Extents() const
{
    if (!FExtentsValid) {
        FExtents.Build(FCount, [this](int i) {
            const int own = FSizesPx[static_cast<std::size_t>(i)];
            return ExtentOf(own >= 0 ? own : FDefaultSizePx);
        });
        FExtentsValid = true;
    }
    return FExtents;
}

std::int64_t TGridAxis::Position(int AIndex) const
{
    CheckGridIndex(AIndex, FCount + 1);
    if (FSizesPx.empty())
        return AIndex * DefaultExtentPx();
    return Extents().Prefix(AIndex);
}

int TGridAxis::LastStartWithin(std::int64_t APx) const
{
    if (!FSizesPx.empty())
        return Extents().LastPrefixWithin(APx);
    const std::int64_t extentPx = DefaultExtentPx();
    if (extentPx == 0)
        return FCount;
    return static_cast<int>(std::min<std::int64_t>(FCount, APx / extentPx));
}

int TGridAxis::IndexAt(std::int64_t APx) const
{
    if (APx < 0)
        return -1;
    const int index = LastStartWithin(APx);
    return index < FCount ? index : -1;
}

int TGridAxis::VisibleCount(int AFrom, std::int64_t AExtentPx) const
{
    CheckGridIndex(AFrom, FCount + 1);
    if (AExtentPx < 0)
        return 0;
    const std::int64_t startPx = Position(AFrom);
    const std::int64_t endPx = std::min(TotalExtentPx() - startPx, AExtentPx) + startPx;
    return LastStartWithin(endPx) - AFrom;
}

int TGridAxis::LastFullyVisible(int AFrom, std::int64_t AExtentPx) const
{
    return AFrom + VisibleCount(AFrom, AExtentPx) - 1;
}

std::int64_t TGridAxis::ViewPosition(int AIndex, int AFirstScrolled) const
{
    CheckGridIndex(AIndex, FCount + 1);
    CheckFirstScrolled(AFirstScrolled);
    if (AIndex < FFixedCount)
        return Position(AIndex);
    return FixedExtentPx() + Position(AIndex) - Position(AFirstScrolled);
}

int TGridAxis::ViewIndexAt(std::int64_t APx, int AFirstScrolled) const
{
    CheckFirstScrolled(AFirstScrolled);
    const std::int64_t fixedPx = FixedExtentPx();
    if (APx < fixedPx)
        return IndexAt(APx);
    const std::int64_t firstPx = Position(AFirstScrolled);
    if (APx - fixedPx >= TotalExtentPx() - firstPx)
        return -1;
    return IndexAt(firstPx + APx - fixedPx);
}

int TGridAxis::MaxFirstScrolled(std::int64_t AClientExtentPx) const
{
    if (FCount <= FFixedCount)
        return FFixedCount;
    const std::int64_t scrolledPx = std::max<std::int64_t>(AClientExtentPx, 0) - FixedExtentPx();
    const std::int64_t targetPx = TotalExtentPx() - scrolledPx;
    const int first = targetPx <= 0 ? 0 : LastStartWithin(targetPx - 1) + 1;
    return std::clamp(first, FFixedCount, FCount - 1);
}

}  // namespace plat
