#pragma once

// The value types the library grid is described with: options, states, cell draw states, cell
// coordinates and rectangles, scroll-bar state, and the event signatures. The scroll-bar
// styles (TScrollStyle) are the memo's.

#include "platform/controls/core/ControlTypes.h"
#include "platform/controls/standard/StandardControlTypes.h"
#include "platform/core/TSet.h"
#include "platform/core/Types.h"

#include <functional>
#include <string>

namespace plat {

enum TGridOption {
    goFixedVertLine,
    goFixedHorzLine,
    goVertLine,
    goHorzLine,
    goRangeSelect,
    goDrawFocusSelected,
    goRowSizing,
    goColSizing,
    goRowMoving,
    goColMoving,
    goEditing,
    goTabs,
    goRowSelect,
    goAlwaysShowEditor,
    goThumbTracking,
};
using TGridOptions = TSet<TGridOption>;

// What a mouse press started and the release ends.
enum TGridState { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };

// How a cell is painted: bit 1 selected, bit 2 the current cell of a focused grid, bit 4 fixed.
enum TGridDrawStateItem { gdSelected, gdFocused, gdFixed };
using TGridDrawState = TSet<TGridDrawStateItem>;

struct TGridCoord {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TGridCoord&, const TGridCoord&) = default;
};

// A block of cells; Right and Bottom are the last column and row inside it.
struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool Contains(int ACol, int ARow) const { return ACol >= Left && ACol <= Right && ARow >= Top && ARow <= Bottom; }
    friend bool operator==(const TGridRect&, const TGridRect&) = default;
};

// The state of a scroll bar as a window keeps it: the range Min .. Max, the page (0 for a thumb
// of the standard size; positions then reach Max - Page + 1), the position and, while the
// thumb is dragged, where it is.
struct TGridScrollInfo {
    int Min = 0;
    int Max = 0;
    int Page = 0;
    int Pos = 0;
    int TrackPos = 0;
    friend bool operator==(const TGridScrollInfo&, const TGridScrollInfo&) = default;
};

using TSelectCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;
using TDrawCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, TRect Rect, TGridDrawState State)>;
using TGetEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;
using TSetEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, const std::string& Value)>;
using TMovedEvent = std::function<void(TObject* Sender, int FromIndex, int ToIndex)>;
using TMouseWheelUpDownEvent = std::function<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;

}  // namespace plat
