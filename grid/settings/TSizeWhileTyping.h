#pragma once

#include "platform/core/TPersistent.h"

namespace skelda::grid {

// Whether the cell being typed in grows with its text. The grid reads it at each key; it has no
// copy operation and reports no changes.
class TSizeWhileTyping : public plat::TPersistent {
public:
    std::string ClassName() const override { return "TSizeWhileTyping"; }

    // Grow the row of a word-wrapped or multi-line cell.
    bool GetHeight() const { return FHeight; }
    void SetHeight(bool Value) { FHeight = Value; }
    // Widen the column to its content after each key.
    bool GetWidth() const { return FWidth; }
    void SetWidth(bool Value) { FWidth = Value; }

private:
    bool FHeight = false;
    bool FWidth = false;
};

}  // namespace skelda::grid
