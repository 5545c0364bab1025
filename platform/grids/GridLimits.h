#pragma once

namespace plat {

// Largest counts the grid accepts. A mistaken index would otherwise make the cell store or an
// axis reserve gigabytes at once; these bounds stay far above any grid the system fills (a
// million rows, a few hundred columns).
inline constexpr int MaxGridRows = 1 << 26;
inline constexpr int MaxGridCols = 1 << 16;

}  // namespace plat
