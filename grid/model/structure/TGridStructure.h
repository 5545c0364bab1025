#pragma once

#include "grid/model/structure/TBulkRemoval.h"
#include "grid/model/structure/TColumnOrder.h"
#include "grid/model/structure/TContentMerging.h"
#include "grid/model/structure/TGridClearing.h"
#include "grid/model/structure/TLineInsertion.h"
#include "grid/model/structure/TLineMoves.h"

namespace skelda::grid {

class TStructureHost;

// The structure operations of one grid, each class with its own job, all on the grid's host.
struct TGridStructure {
    explicit TGridStructure(TStructureHost& AHost)
        : Lines(AHost), Bulk(AHost, Lines), Clearing(AHost), Merging(AHost, Lines), Moves(AHost, Order),
          Order(AHost, Moves)
    {
    }

    TLineInsertion Lines;
    TBulkRemoval Bulk;
    TGridClearing Clearing;
    TContentMerging Merging;
    TLineMoves Moves;
    TColumnOrder Order;
};

}  // namespace skelda::grid
