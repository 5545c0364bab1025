#pragma once

namespace skelda::grid {

// Told by the grid's cell-selection check of every row about to be selected, with the current
// column. One listener per grid (RegisterSelListener); the grid does not own it.
class ITVezEzuzorEvadSelect {
public:
    virtual ~ITVezEzuzorEvadSelect() = default;
    virtual void SelectCell(int Col, int Row) = 0;
};

}  // namespace skelda::grid
