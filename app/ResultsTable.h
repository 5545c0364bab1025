#pragma once

// The results table: one column per UTC hour, one row per frequency (30 MHz at the top) and four
// rows of hourly data at the bottom. Cleared, titled, filled hour by hour and coloured by each
// computation; a click on a result cell explains it.
//
// Column 0 holds the row titles and columns 1..24 the hours 0..23. Hour 24, which closes the day
// on the chart, goes to column 25: the grid keeps it without showing it.

#include "engine/HourlyPrediction.h"

namespace plat {
class TObject;
}

namespace skelda::grid {
class TVezEzuzorEvad;
}

namespace skelda::app {

class ResultsTable {
public:
    static constexpr int kColCount = 25;
    static constexpr int kRowCount = 20;
    static constexpr int kWrittenColumns = engine::kPredictionHours + 1;  // titles and hours 0..24
    static constexpr int kLastFrequencyRow = 15;
    static constexpr int kBestFrequencyRow = 14;  // display format BestFrequency
    static constexpr int kBestLevelRow = 15;
    static constexpr int kUtcRow = 16;
    static constexpr int kLocalRow = 17;
    static constexpr int kMufRow = 18;
    static constexpr int kSunRow = 19;

    // Gives the grid its look and size.
    explicit ResultsTable(grid::TVezEzuzorEvad& grid);

    // Empties every cell, the hidden hour-24 column included.
    void VideTableau();
    // Writes the row titles of the format; the cells written after follow that format.
    void LabelResultsGrid(engine::DisplayFormat format);
    // One result cell; a cell without a hop count writes nothing.
    void Dsx(const engine::CellResult& cell);
    // The hourly rows of one hour and, in format BestFrequency, its best frequency and level.
    void WriteHour(const engine::HourResult& hour);
    // Colours by the cell texts, and highlights the hourly rows of the current UTC hour.
    void ColorResultsGrid();

    // The grid's cell-selection event: explains a result cell in a message box, in the format the
    // table shows (a refused computation leaves the table of the previous format). The selection
    // itself is never refused.
    void CellWasSelected(plat::TObject* Sender, int ACol, int ARow, bool& CanSelect);

private:
    static int ColumnOfHour(int hourUtc) { return hourUtc + 1; }
    void ColourResultCells();
    void ColourHourlyRows();
    void HighlightHour(int column);

    grid::TVezEzuzorEvad& grid_;
    engine::DisplayFormat format_ = engine::DisplayFormat::SignalLevel;
};

}  // namespace skelda::app
