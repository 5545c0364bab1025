#include "app/ResultsTable.h"

#include "app/CellExplanation.h"
#include "app/ResultCellText.h"
#include "app/UtcClock.h"
#include "grid/model/TVezEzuzorEvad.h"
#include "platform/controls/services/DialogService.h"
#include "platform/controls/services/UiServices.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/TFont.h"
#include "platform/system/Conversions.h"
#include "platform/system/DateTime.h"
#include "platform/system/FloatFormat.h"

#include <optional>
#include <string>

namespace skelda::app {
namespace {

constexpr plat::TColor kGridLineColour = 0x5C5C5C;
constexpr int kTitleColumnWidth = 36;

int RowOfFrequency(int frequencyIndex)
{
    return 16 - frequencyIndex;
}

bool StartsWithMinus(const std::string& text)
{
    return !text.empty() && text.front() == '-';
}

}  // namespace

ResultsTable::ResultsTable(grid::TVezEzuzorEvad& grid) : grid_(grid)
{
    grid_.SetColCount(kColCount);
    grid_.SetRowCount(kRowCount);
    grid_.SetFixedRows(0);
    grid_.SetFixedCols(0);
    grid_.SetDefaultColWidth(28);
    grid_.SetDefaultRowHeight(15);
    grid_.SetColor(plat::clBlack);
    grid_.Font().SetColor(plat::clLime);
    grid_.Font().SetName("Small Fonts");
    grid_.Font().SetHeight(-9);
    grid_.SetGridLineColor(kGridLineColour);
    grid_.SetShowSelection(false);
    grid_.SetHint("Click on a cell to get\r\ndetailed informations");
    grid_.SetShowHint(true);
    grid_.SetVAlignment(grid::vtaCenter);
}

void ResultsTable::VideTableau()
{
    for (int col = 0; col < kWrittenColumns; ++col)
        for (int row = 0; row < kRowCount; ++row)
            grid_.SetCellText(col, row, "");
}

void ResultsTable::LabelResultsGrid(engine::DisplayFormat format)
{
    format_ = format;
    for (int row = 0; row <= kLastFrequencyRow; ++row)
        grid_.SetCellText(0, row, "");
    if (format == engine::DisplayFormat::BestFrequency) {
        grid_.SetCellText(0, kBestFrequencyRow, "FRQ");
        grid_.SetCellText(0, kBestLevelRow, "DSC");
    } else {
        for (int i = 1; i <= engine::kFrequencyCount; ++i)
            grid_.SetCellText(0, RowOfFrequency(i), plat::IntToStr(engine::FrequencyMHzOf(i)) + " Mhz");
    }
    grid_.SetCellText(0, kUtcRow, "UTC");
    grid_.SetCellText(0, kLocalRow, "LOC");
    grid_.SetCellText(0, kMufRow, "MUF");
    grid_.SetCellText(0, kSunRow, "ZEN");
}

void ResultsTable::Dsx(const engine::CellResult& cell)
{
    if (cell.HopCount <= 0)
        return;
    const int row =
        format_ == engine::DisplayFormat::BestFrequency ? kBestLevelRow : RowOfFrequency(cell.FrequencyIndex);
    grid_.SetCellText(ColumnOfHour(cell.HourUtc), row, ResultCellText(cell));
}

void ResultsTable::WriteHour(const engine::HourResult& hour)
{
    const int col = ColumnOfHour(hour.HourUtc);
    grid_.SetCellText(col, kUtcRow, plat::IntToStr(hour.HourUtc) + "h");
    grid_.SetCellText(col, kLocalRow, plat::IntToStr(hour.LocalHour) + "h");
    grid_.SetCellText(col, kMufRow, plat::FormatFloat("0.0", static_cast<double>(hour.HopCountMufMHz)));
    grid_.SetCellText(col, kSunRow, plat::FormatFloat("0.0", static_cast<double>(hour.SunElevationDeg)));
    // An hour where no frequency beats the sensitivity floor keeps both cells empty.
    if (format_ == engine::DisplayFormat::BestFrequency && hour.BestFrequencyIndex > 0) {
        grid_.SetCellText(col, kBestFrequencyRow, plat::IntToStr(engine::FrequencyMHzOf(hour.BestFrequencyIndex)));
        Dsx(hour.Best);
    }
}

void ResultsTable::ColorResultsGrid()
{
    grid_.BeginUpdate();
    grid_.SetColWidths(0, kTitleColumnWidth);
    ColourResultCells();
    ColourHourlyRows();
    HighlightHour(ColumnOfHour(plat::DecodeDateTime(UtcNow()).Hour));
    for (int row = 0; row <= kUtcRow; ++row)
        grid_.SetCellFontColor(0, row, plat::clWhite);
    grid_.EndUpdate();
}

void ResultsTable::ColourResultCells()
{
    for (int col = 1; col < kColCount; ++col)
        for (int row = 0; row <= kLastFrequencyRow; ++row) {
            const std::string text = grid_.GetCellText(col, row);
            if (text.empty()) {
                grid_.SetCellColor(col, row, plat::clBlack);
                grid_.SetCellFontColor(col, row, plat::clBlack);
            } else if (StartsWithMinus(text)) {
                grid_.SetCellColor(col, row, plat::clRed);
                grid_.SetCellFontColor(col, row, plat::clWhite);
            } else {
                grid_.SetCellColor(col, row, plat::clGreen);
                grid_.SetCellFontColor(col, row, plat::clYellow);
            }
        }
}

void ResultsTable::ColourHourlyRows()
{
    grid_.SetRowColor(kUtcRow, plat::clNavy);
    grid_.SetRowColor(kLocalRow, plat::clGradientActiveCaption);
    grid_.SetRowColor(kMufRow, plat::clGradientActiveCaption);
    grid_.SetRowColor(kSunRow, plat::clGradientActiveCaption);
    grid_.SetRowFontColor(kUtcRow, plat::clYellow);
    grid_.SetRowFontColor(kLocalRow, plat::clBlack);
    grid_.SetRowFontColor(kMufRow, plat::clRed);
    grid_.SetRowFontColor(kSunRow, plat::clBlack);
    // The hour highlighted by an earlier computation loses its bold: only the current hour stands out.
    for (int col = 1; col < kColCount; ++col)
        for (int row = kUtcRow; row <= kSunRow; ++row)
            grid_.SetCellFontStyle(col, row, {});
}

void ResultsTable::HighlightHour(int column)
{
    grid_.SetCellFontColor(column, kUtcRow, plat::clBlack);
    for (int row = kUtcRow; row <= kSunRow; ++row) {
        grid_.SetCellColor(column, row, plat::clYellow);
        grid_.SetCellFontColor(0, row, plat::clBlack);
        grid_.SetCellFontStyle(column, row, {plat::fsBold});
        grid_.SetCellFontStyle(0, row, {plat::fsBold});
    }
}

void ResultsTable::CellWasSelected(plat::TObject*, int ACol, int ARow, bool&)
{
    if (ACol == 0 || ARow >= kUtcRow)
        return;
    if (format_ == engine::DisplayFormat::BestFrequency && ARow == kBestFrequencyRow)
        return;
    const std::optional<std::string> explanation = CellExplanation(format_, grid_.GetCellText(ACol, ARow));
    if (explanation)
        plat::Dialogs().MessageBox(*explanation, kCellExplanationTitle, plat::MB_OK | plat::MB_ICONINFORMATION);
}

}  // namespace skelda::app
