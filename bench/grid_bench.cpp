// The grid's cell store and axes at the sizes a full results table reaches, side by side with
// Qt's QStandardItemModel doing the same work. Heap figures are the bytes malloc holds for the
// filled table (mallinfo2), so Qt's string buffers count as well as our cells. Then the string
// grid control itself on a million rows: its hit tests and a repaint of a full-screen view.

#include "platform/controls/core/PaintContext.h"
#include "platform/grids/GridLimits.h"
#include "platform/controls/core/ScrollBarCodes.h"
#include "platform/controls/qt/ProductionServices.h"
#include "platform/grids/TGridAxis.h"
#include "platform/grids/TGridCellStore.h"
#include "grid/model/TVezEzuzorEvad.h"
#include "grid/settings/TMouseActions.h"
#include "grid/text/FilterConditions.h"
#include "grid/text/TFilterCondition.h"
#include "grid/support/TIntList.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdlib>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstddef>
#include <memory>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace {

using plat::TGridAxis;
using plat::TGridCellStore;

constexpr int Rows = 100000;
constexpr int Cols = 10;
constexpr int AxisRows = 1000000;

// A short cell text such as a results table holds ("12345.6"); returns its length. Cheap to make,
// so that the figures show the tables rather than the formatting.
int CellText(char (&buffer)[16], int row, int col)
{
    char* end = std::to_chars(buffer, buffer + 14, row).ptr;
    *end++ = '.';
    *end++ = static_cast<char>('0' + col);
    return static_cast<int>(end - buffer);
}

std::size_t HeapBytes()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::unique_ptr<TGridCellStore> FilledStore()
{
    auto store = std::make_unique<TGridCellStore>();
    char buffer[16];
    for (int row = 0; row < Rows; ++row)
        for (int col = 0; col < Cols; ++col)
            store->SetText(col, row, std::string(buffer, static_cast<std::size_t>(CellText(buffer, row, col))));
    return store;
}

std::unique_ptr<QStandardItemModel> FilledModel()
{
    auto model = std::make_unique<QStandardItemModel>(Rows, Cols);
    char buffer[16];
    for (int row = 0; row < Rows; ++row)
        for (int col = 0; col < Cols; ++col)
            model->setData(model->index(row, col), QString::fromUtf8(buffer, CellText(buffer, row, col)));
    return model;
}

// A row axis as an auto-sized table has it: most rows at the default height, every seventh
// row taller, every hundredth hidden.
TGridAxis RowAxis(int count)
{
    TGridAxis axis(plat::MaxGridRows, 22);
    axis.SetCount(count);
    axis.SetFixedCount(1);
    for (int row = 0; row < count; row += 7)
        axis.SetSizePx(row, 30 + row % 5);
    for (int row = 50; row < count; row += 100)
        axis.SetSizePx(row, 0);
    return axis;
}

TGridAxis ColumnAxis()
{
    TGridAxis axis(plat::MaxGridCols, 64);
    axis.SetCount(Cols);
    axis.SetFixedCount(1);
    axis.SetSizePx(3, 120);
    return axis;
}

// 50,000 of the 100,000 rows, chosen at random with a fixed seed.
std::vector<int> ScatteredRows()
{
    std::vector<int> rows(Rows);
    std::iota(rows.begin(), rows.end(), 0);
    std::shuffle(rows.begin(), rows.end(), std::mt19937(7));
    rows.resize(Rows / 2);
    std::sort(rows.begin(), rows.end());
    return rows;
}

// The first fill, which also has the system map the pages in, is left out of the timing.
template <class Fill>
void MeasureFill(benchmark::State& state, Fill fill)
{
    fill();
    std::size_t heapBytes = 0;
    for (auto _ : state) {
        const std::size_t before = HeapBytes();
        const auto start = Clock::now();
        auto table = fill();
        state.SetIterationTime(Seconds(start));
        heapBytes = HeapBytes() - before;
    }
    state.counters["heapMB"] = static_cast<double>(heapBytes) / 1e6;
    state.counters["bytesPerCell"] = static_cast<double>(heapBytes) / (Rows * Cols);
}

void Fill_Store(benchmark::State& state)
{
    MeasureFill(state, FilledStore);
}
void Fill_QStandardItemModel(benchmark::State& state)
{
    MeasureFill(state, FilledModel);
}

void Read_Store(benchmark::State& state)
{
    const auto store = FilledStore();
    for (auto _ : state) {
        std::size_t length = 0;
        for (int row = 0; row < Rows; ++row)
            for (int col = 0; col < Cols; ++col)
                length += store->GetText(col, row).size();
        benchmark::DoNotOptimize(length);
    }
}
void Read_QStandardItemModel(benchmark::State& state)
{
    const auto model = FilledModel();
    for (auto _ : state) {
        qsizetype length = 0;
        for (int row = 0; row < Rows; ++row)
            for (int col = 0; col < Cols; ++col)
                length += model->data(model->index(row, col)).toString().size();
        benchmark::DoNotOptimize(length);
    }
}

void InsertRemoveTop_Store(benchmark::State& state)
{
    const auto store = FilledStore();
    for (auto _ : state) {
        store->InsertRow(0);
        store->DeleteRow(0);
    }
}
// The same with the row heights kept in step and a cell rectangle asked after each change,
// which pays the rebuild of the position sums.
void InsertRemoveTop_StoreAndRowAxis(benchmark::State& state)
{
    const auto store = FilledStore();
    TGridAxis axis = RowAxis(Rows);
    for (auto _ : state) {
        store->InsertRow(0);
        axis.Insert(0);
        benchmark::DoNotOptimize(axis.ViewPosition(Rows - 1, 1));
        store->DeleteRow(0);
        axis.Delete(0);
        benchmark::DoNotOptimize(axis.ViewPosition(Rows - 1, 1));
    }
}
void InsertRemoveTop_QStandardItemModel(benchmark::State& state)
{
    const auto model = FilledModel();
    for (auto _ : state) {
        model->insertRow(0);
        model->removeRow(0);
    }
}

void RemoveScatteredRows_Store(benchmark::State& state)
{
    const std::vector<int> rows = ScatteredRows();
    for (auto _ : state) {
        auto store = FilledStore();
        const auto start = Clock::now();
        store->RemoveRows(rows);
        state.SetIterationTime(Seconds(start));
    }
}
void RemoveScatteredRows_RowAxis(benchmark::State& state)
{
    const std::vector<int> rows = ScatteredRows();
    for (auto _ : state) {
        TGridAxis axis = RowAxis(Rows);
        const auto start = Clock::now();
        axis.RemoveIndexes(rows);
        benchmark::DoNotOptimize(axis.TotalExtentPx());
        state.SetIterationTime(Seconds(start));
    }
}

// What CellRect and MouseToCell need at row 900,000 of a million rows scrolled there.
void CellRectAndHitTest_MillionRows(benchmark::State& state)
{
    const TGridAxis rows = RowAxis(AxisRows);
    const TGridAxis cols = ColumnAxis();
    constexpr int Target = 900000;
    constexpr int TopRow = Target - 10;
    rows.TotalExtentPx();
    for (auto _ : state) {
        const std::int64_t top = rows.ViewPosition(Target, TopRow);
        const std::int64_t left = cols.ViewPosition(4, 1);
        benchmark::DoNotOptimize(top + rows.GetSizePx(Target) + left + cols.GetSizePx(4));
        benchmark::DoNotOptimize(rows.ViewIndexAt(top + 5, TopRow) + cols.ViewIndexAt(left + 5, 1));
    }
}
// The first cell rectangle after a row is inserted at the top of a million rows: the position
// sums are rebuilt once.
void InsertTopThenCellRect_MillionRows(benchmark::State& state)
{
    TGridAxis rows = RowAxis(AxisRows);
    for (auto _ : state) {
        rows.Insert(1);
        benchmark::DoNotOptimize(rows.ViewPosition(900000, 899990));
        rows.Delete(1);
        benchmark::DoNotOptimize(rows.ViewPosition(900000, 899990));
    }
}

// The string grid with a million rows and 12 columns in a 1280 x 800 view, its rows sized as
// RowAxis sizes them. Column 1 holds a text in every row; the rows around where the view is put
// hold a text in every column, and every third of those cells its own colours, as the results
// table colours its cells (painting reads only the cells in view).
class MillionRowGrid {
public:
    MillionRowGrid() : FGrid(new skelda::grid::TVezEzuzorEvad(nullptr))
    {
        FGrid->SetBorderStyle(plat::bsNone);
        FGrid->SetBounds(0, 0, 1280, 800);
        FGrid->SetColCount(12);
        FGrid->SetRowCount(AxisRows);
        FGrid->SetDefaultRowHeight(22);
        for (int row = 0; row < AxisRows; row += 7)
            FGrid->SetRowHeights(row, 30 + row % 5);
        for (int row = 50; row < AxisRows; row += 100)
            FGrid->SetRowHeights(row, 0);
        FGrid->SetColWidths(3, 120);
        char buffer[16];
        for (int row = 0; row < AxisRows; ++row)
            FGrid->SetCellText(1, row, std::string(buffer, static_cast<std::size_t>(CellText(buffer, row, 1))));
    }
    ~MillionRowGrid() { delete FGrid; }
    MillionRowGrid(const MillionRowGrid&) = delete;
    MillionRowGrid& operator=(const MillionRowGrid&) = delete;

    skelda::grid::TVezEzuzorEvad& Grid() { return *FGrid; }

    // Scrolls to ATopRow (the last full page for -1) and fills the rows in view.
    void ViewAt(int ATopRow)
    {
        if (ATopRow < 0)
            FGrid->Perform(plat::WM_VSCROLL, plat::MAKEWPARAM(plat::SB_BOTTOM, 0), 0);
        else
            FGrid->SetTopRow(ATopRow);
        char buffer[16];
        for (int row = FGrid->GetTopRow(); row < std::min(FGrid->GetTopRow() + 60, AxisRows); ++row)
            for (int col = 0; col < FGrid->GetColCount(); ++col) {
                FGrid->SetCellText(col, row, std::string(buffer, static_cast<std::size_t>(CellText(buffer, row, col))));
                if ((row + col) % 3 == 0) {
                    FGrid->SetCellColor(col, row, plat::clYellow);
                    FGrid->SetCellFontColor(col, row, plat::clGreen);
                }
            }
    }

private:
    skelda::grid::TVezEzuzorEvad* FGrid;
};

// Made by the first benchmark that needs it, freed by main while Qt is still there.
std::unique_ptr<MillionRowGrid>& MillionRowGridSlot()
{
    static std::unique_ptr<MillionRowGrid> grid;
    return grid;
}

MillionRowGrid& SharedMillionRowGrid()
{
    std::unique_ptr<MillionRowGrid>& grid = MillionRowGridSlot();
    if (!grid)
        grid = std::make_unique<MillionRowGrid>();
    return *grid;
}

void GridCellRectAndMouseToCell_MillionRows(benchmark::State& state)
{
    MillionRowGrid& shared = SharedMillionRowGrid();
    skelda::grid::TVezEzuzorEvad& grid = shared.Grid();
    constexpr int Target = 900000;
    shared.ViewAt(Target - 10);
    const plat::TRect target = grid.CellRect(4, Target);
    if (target.IsEmpty())
        state.SkipWithError("row 900,000 is not in view");
    int col = 0;
    int row = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(grid.CellRect(4, Target));
        grid.MouseToCell(target.Left + 5, target.Top + 5, col, row);
        benchmark::DoNotOptimize(col + row);
    }
}

// One full repaint of the view into an image, with the view at the top, in the middle and at
// the end of the rows.
void GridRepaint1280x800_MillionRows(benchmark::State& state)
{
    MillionRowGrid& shared = SharedMillionRowGrid();
    const int topRows[] = {1, AxisRows / 2, -1};
    shared.ViewAt(topRows[state.range(0)]);
    QImage image(1280, 800, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        plat::TPaintContext context{&painter, {1280, 800}, {0, 0}, plat::Rect(0, 0, 1280, 800)};
        shared.Grid().Perform(plat::WM_PAINT, reinterpret_cast<plat::WPARAM>(&context), 0);
    }
    state.counters["topRow"] = shared.Grid().GetTopRow();
}

// A 1280 x 800 view of 12 x 40 cells, each cell holding Texts[(row + col) % count].
std::unique_ptr<skelda::grid::TVezEzuzorEvad> ViewOfTexts(const std::vector<std::string>& Texts)
{
    auto grid = std::make_unique<skelda::grid::TVezEzuzorEvad>(nullptr);
    grid->SetBorderStyle(plat::bsNone);
    grid->SetBounds(0, 0, 1280, 800);
    grid->SetColCount(12);
    grid->SetRowCount(40);
    grid->SetDefaultColWidth(106);
    grid->SetDefaultRowHeight(22);
    for (int row = 0; row < 40; ++row)
        for (int col = 0; col < 12; ++col)
            grid->SetCellText(col, row, Texts[static_cast<std::size_t>(row + col) % Texts.size()]);
    return grid;
}

// Mini-HTML cells (bold, colours, a link, a highlight, a picture, a check box) and the same
// words as plain text.
const std::vector<std::string> HtmlTexts = {
    "<b>14.2</b> MHz",
    "<font color=\"clRed\">-12</font> dB",
    "<a href=\"http://example.org\">link</a> <i>note</i>",
    "<u>S</u>9 <hi>+10</hi>",
    "<IMG src=\"SSYS:1\"> 7 hops",
    "<CONTROL type=\"CHECK\" id=\"c\" value=\"TRUE\" width=\"16\"> on",
};
const std::vector<std::string> PlainTexts = {"14.2 MHz", "-12 dB", "link note", "S9 +10", "7 hops", "on"};

double RepaintSeconds(skelda::grid::TVezEzuzorEvad& Grid, QImage& Image)
{
    const auto start = Clock::now();
    QPainter painter(&Image);
    plat::TPaintContext context{&painter, {1280, 800}, {0, 0}, plat::Rect(0, 0, 1280, 800)};
    Grid.Perform(plat::WM_PAINT, reinterpret_cast<plat::WPARAM>(&context), 0);
    return Seconds(start);
}

// One full repaint of the mini-HTML view, timed beside a repaint of the plain view in the same
// iteration, so that both see the same machine: the time is the mini-HTML repaint's; the
// counters give both in milliseconds and their ratio.
void GridRepaint1280x800_HtmlBesidePlain(benchmark::State& state)
{
    const auto html = ViewOfTexts(HtmlTexts);
    const auto plain = ViewOfTexts(PlainTexts);
    QImage image(1280, 800, QImage::Format_RGB32);
    RepaintSeconds(*html, image);
    RepaintSeconds(*plain, image);
    double htmlSeconds = 0;
    double plainSeconds = 0;
    for (auto _ : state) {
        const double htmlRepaint = RepaintSeconds(*html, image);
        plainSeconds += RepaintSeconds(*plain, image);
        htmlSeconds += htmlRepaint;
        state.SetIterationTime(htmlRepaint);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["htmlMs"] = htmlSeconds / n * 1e3;
    state.counters["plainMs"] = plainSeconds / n * 1e3;
    state.counters["ratio"] = htmlSeconds / plainSeconds;
}

template <class Fill>
void MeasureDestroy(benchmark::State& state, Fill fill)
{
    for (auto _ : state) {
        auto table = fill();
        const auto start = Clock::now();
        table.reset();
        state.SetIterationTime(Seconds(start));
    }
}
void Destroy_Store(benchmark::State& state)
{
    MeasureDestroy(state, FilledStore);
}
void Destroy_QStandardItemModel(benchmark::State& state)
{
    MeasureDestroy(state, FilledModel);
}

}  // namespace

// ---- Structure operations on a million rows ---------------------------------------------------

// A million rows of ten columns with texts in the first two, and every tenth of the rows from
// row 2 on chosen at random (fixed seed) to repeat the text of the row above in column 1.
constexpr int StructureRows = 1000000;

std::vector<int> ScatteredMillionRows()
{
    std::vector<int> rows(StructureRows - 2);
    std::iota(rows.begin(), rows.end(), 2);
    std::shuffle(rows.begin(), rows.end(), std::mt19937(11));
    rows.resize(StructureRows / 10);
    std::sort(rows.begin(), rows.end());
    return rows;
}

std::unique_ptr<skelda::grid::TVezEzuzorEvad> StructureGrid(const std::vector<int>& repeated)
{
    auto grid = std::make_unique<skelda::grid::TVezEzuzorEvad>(nullptr);
    grid->SetColCount(Cols);
    grid->SetRowCount(StructureRows);
    char buffer[16];
    auto next = repeated.begin();
    for (int row = 0; row < StructureRows; ++row) {
        const bool repeats = next != repeated.end() && *next == row;
        next += repeats ? 1 : 0;
        grid->SetRawCell(0, row, std::string(buffer, static_cast<std::size_t>(CellText(buffer, row, 0))));
        if (!repeats)
            grid->SetRawCell(1, row, std::string(buffer, static_cast<std::size_t>(CellText(buffer, row, 1))));
        else
            grid->SetRawCell(1, row, grid->GetRawCell(1, row - 1));
    }
    return grid;
}

void GridRemoveDuplicates_100kOfMillionRows(benchmark::State& state)
{
    const std::vector<int> repeated = ScatteredMillionRows();
    for (auto _ : state) {
        auto grid = StructureGrid(repeated);
        const auto start = Clock::now();
        grid->RemoveDuplicates(1, true);
        state.SetIterationTime(Seconds(start));
        if (grid->GetRowCount() != StructureRows - static_cast<int>(repeated.size()))
            state.SkipWithError("the repeated rows were not all removed");
    }
}

void GridRemoveSelectedRows_100kOfMillionRows(benchmark::State& state)
{
    const std::vector<int> selected = ScatteredMillionRows();
    for (auto _ : state) {
        auto grid = StructureGrid({});
        grid->MouseActions().SetDisjunctRowSelect(true);
        for (const int row : selected)
            grid->SetRowSelect(row, true);
        const auto start = Clock::now();
        grid->RemoveSelectedRows();
        state.SetIterationTime(Seconds(start));
        if (grid->GetRowCount() != StructureRows - static_cast<int>(selected.size()))
            state.SkipWithError("the selected rows were not all removed");
    }
}

// One row inserted (removed) at the top of a million rows, the other step untimed: on the grid
// above (state.range(0) 0) and on the million-row grid with rows of their own heights (1).
skelda::grid::TVezEzuzorEvad& TopRowGrid(benchmark::State& state)
{
    static std::unique_ptr<skelda::grid::TVezEzuzorEvad> plain;
    if (state.range(0) == 1)
        return SharedMillionRowGrid().Grid();
    if (!plain)
        plain = StructureGrid({});
    return *plain;
}

void GridInsertTopRow_MillionRows(benchmark::State& state)
{
    skelda::grid::TVezEzuzorEvad& grid = TopRowGrid(state);
    for (auto _ : state) {
        const auto start = Clock::now();
        grid.InsertRows(1, 1);
        state.SetIterationTime(Seconds(start));
        grid.RemoveRows(1, 1);
    }
}

void GridRemoveTopRow_MillionRows(benchmark::State& state)
{
    skelda::grid::TVezEzuzorEvad& grid = TopRowGrid(state);
    for (auto _ : state) {
        grid.InsertRows(1, 1);
        const auto start = Clock::now();
        grid.RemoveRows(1, 1);
        state.SetIterationTime(Seconds(start));
    }
}
// ---- Hidden rows: a filter pass and its undo on a million rows ---------------------------------
// A grid of 1,000,000 rows x 10 columns; every tenth row (100,000, scattered) is hidden as one
// filter pass and taken back, then selected and hidden by HideSelectedRows and shown by
// UnHideRowsAll. Beside it a QSortFilterProxyModel over a light table model rejecting the same
// rows, once by a predicate (invalidateFilter both ways) and once by the equivalent regular
// expression over the row's label.

constexpr int HiddenBenchRows = 1000000;
constexpr int HiddenBenchCols = 10;

class LabelTableModel final : public QAbstractTableModel {
public:
    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : HiddenBenchRows; }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : HiddenBenchCols; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        return QString::number(index.row()) + QLatin1Char(':') + QString::number(index.column());
    }
};

class EveryTenthRowFilter final : public QSortFilterProxyModel {
public:
    void SetFiltering(bool On)
    {
        Hiding = On;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex&) const override { return !Hiding || row % 10 != 0; }

private:
    bool Hiding = false;
};

// Milliseconds of a proxy's filter switched on and then off again by invalidateFilter. Each step
// ends by asking the proxy's row count, so that the mapping is made, not deferred.
template <class Proxy>
std::pair<double, double> FilterBothWays(Proxy& proxy)
{
    const auto step = [&](bool on) {
        const auto start = std::chrono::steady_clock::now();
        proxy.SetFiltering(on);
        benchmark::DoNotOptimize(proxy.rowCount());
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    };
    const double hide = step(true);
    return {hide, step(false)};
}

std::unique_ptr<skelda::grid::TVezEzuzorEvad> HiddenBenchGrid()
{
    auto grid = std::make_unique<skelda::grid::TVezEzuzorEvad>(nullptr);
    grid->SetColCount(HiddenBenchCols);
    grid->SetRowCount(HiddenBenchRows);
    char buffer[16];
    for (int row = 0; row < HiddenBenchRows; ++row)
        for (int col = 0; col < HiddenBenchCols; col += 3)
            grid->SetCellText(col, row, std::string(buffer, static_cast<std::size_t>(CellText(buffer, row, col))));
    return grid;
}

template <class Work>
double Milliseconds(Work work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Each iteration runs two steps, timed apart: the counters give each one's mean milliseconds
// under its name, the iteration's time is their sum.
template <class First, class Second>
void TimeTwoSteps(benchmark::State& state, const char* firstName, First first, const char* secondName, Second second)
{
    double firstMs = 0;
    double secondMs = 0;
    for (auto _ : state) {
        const double firstStep = Milliseconds(first);
        const double secondStep = Milliseconds(second);
        firstMs += firstStep;
        secondMs += secondStep;
        state.SetIterationTime((firstStep + secondStep) / 1000.0);
    }
    state.counters[firstName] = firstMs / static_cast<double>(state.iterations());
    state.counters[secondName] = secondMs / static_cast<double>(state.iterations());
}

void HiddenRows_FilterPassAndUndo(benchmark::State& state)
{
    const std::unique_ptr<skelda::grid::TVezEzuzorEvad> grid = HiddenBenchGrid();
    skelda::grid::TIntList rows(-1, -1);
    for (int row = 0; row < HiddenBenchRows; row += 10)
        rows.Add(row);
    TimeTwoSteps(state, "HideRowList_ms", [&] { grid->HideRowList(rows); }, "UnHideRowList_ms",
                 [&] { grid->UnHideRowList(); });
}

void HiddenRows_HideSelectedAndUnHideAll(benchmark::State& state)
{
    const std::unique_ptr<skelda::grid::TVezEzuzorEvad> grid = HiddenBenchGrid();
    grid->MouseActions().SetDisjunctRowSelect(true);
    double hideMs = 0;
    double showMs = 0;
    for (auto _ : state) {
        for (int row = 10; row < HiddenBenchRows; row += 10)
            grid->SetRowSelect(row, true);
        const double hide = Milliseconds([&] { grid->HideSelectedRows(); });
        const double show = Milliseconds([&] { grid->UnHideRowsAll(); });
        hideMs += hide;
        showMs += show;
        grid->ClearRowSelect();
        state.SetIterationTime((hide + show) / 1000.0);
    }
    state.counters["HideSelectedRows_ms"] = hideMs / static_cast<double>(state.iterations());
    state.counters["UnHideRowsAll_ms"] = showMs / static_cast<double>(state.iterations());
}

// The proxy's own filter switched on and off (invalidateFilter both ways), and a plain proxy over
// the same source rejecting the same rows by a regular expression on column 0.
template <class Proxy>
void MeasureProxy(benchmark::State& state, QAbstractItemModel& source, Proxy& proxy, const QRegularExpression& regex)
{
    proxy.setSourceModel(&source);
    double hideMs = 0;
    double showMs = 0;
    double regexMs = 0;
    for (auto _ : state) {
        const auto [hide, show] = FilterBothWays(proxy);
        QSortFilterProxyModel byRegex;
        byRegex.setSourceModel(&source);
        regexMs += Milliseconds([&] {
            byRegex.setFilterKeyColumn(0);
            byRegex.setFilterRegularExpression(regex);
            benchmark::DoNotOptimize(byRegex.rowCount());
        });
        state.counters["regex_shown"] = byRegex.rowCount();
        hideMs += hide;
        showMs += show;
        state.SetIterationTime((hide + show) / 1000.0);
    }
    state.counters["invalidateFilter_hide_ms"] = hideMs / static_cast<double>(state.iterations());
    state.counters["invalidateFilter_show_ms"] = showMs / static_cast<double>(state.iterations());
    state.counters["regex_ms"] = regexMs / static_cast<double>(state.iterations());
}

void HiddenRows_QSortFilterProxyModel(benchmark::State& state)
{
    LabelTableModel source;
    EveryTenthRowFilter proxy;
    MeasureProxy(state, source, proxy, QRegularExpression(QStringLiteral("^\\d*[1-9]:0$")));
}


// ---- Filtering a million rows by a typed condition ---------------------------------------------
// Column 0 holds short random texts of A, B, X and their small letters; the rows that fail
// A*|B*&!*x* (without case) are hidden as one filter pass, read once and tested on every row, and
// taken back. Beside it a QSortFilterProxyModel over the same texts rejects the same rows by the
// same condition (invalidateFilter both ways) and by the equivalent regular expression.

constexpr int FilterRows = 1000000;
constexpr const char* FilterText = "A*|B*&!*x*";

std::vector<std::string> FilterTexts()
{
    std::vector<std::string> texts;
    texts.reserve(FilterRows);
    std::mt19937 random(3);
    const std::string letters = "ABXabx";
    for (int i = 0; i < FilterRows; ++i) {
        std::string text;
        for (std::size_t n = 4 + random() % 8; n > 0; --n)
            text += letters[random() % letters.size()];
        texts.push_back(std::move(text));
    }
    return texts;
}

void GridFilter_MillionRows(benchmark::State& state)
{
    const std::vector<std::string> texts = FilterTexts();
    auto grid = std::make_unique<skelda::grid::TVezEzuzorEvad>(nullptr);
    grid->SetColCount(HiddenBenchCols);
    grid->SetRowCount(FilterRows);
    grid->SetFixedRows(0);
    for (int row = 0; row < FilterRows; ++row)
        grid->SetRawCell(0, row, texts[static_cast<std::size_t>(row)]);
    int shown = 0;
    const auto filter = [&] {
        const skelda::grid::TFilterCondition condition(FilterText, false);
        skelda::grid::TIntList failing(-1, -1);
        for (int row = 0; row < grid->GetRowCount(); ++row)
            if (!condition.Matches(grid->GetCellText(0, row)))
                failing.Add(row);
        grid->HideRowList(failing);
        shown = grid->GetRowCount();
    };
    TimeTwoSteps(state, "filter_ms", filter, "UnHideRowList_ms", [&] { grid->UnHideRowList(); });
    state.counters["shown"] = shown;
}

class TextColumnModel final : public QAbstractTableModel {
public:
    explicit TextColumnModel(const std::vector<std::string>& texts) : Texts(texts)
    {
        Shown.reserve(texts.size());
        for (const std::string& text : texts)
            Shown.push_back(QString::fromStdString(text));
    }
    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : FilterRows; }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : HiddenBenchCols; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || index.column() != 0)
            return {};
        return Shown[static_cast<std::size_t>(index.row())];
    }

    const std::vector<std::string>& Texts;
    std::vector<QString> Shown;
};

class ConditionFilter final : public QSortFilterProxyModel {
public:
    explicit ConditionFilter(const TextColumnModel& source) : Source(source) {}
    void SetFiltering(bool On)
    {
        Active = On;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex&) const override
    {
        return !Active || Condition.Matches(Source.Texts[static_cast<std::size_t>(row)]);
    }

private:
    const TextColumnModel& Source;
    bool Active = false;
    const skelda::grid::TFilterCondition Condition{FilterText, false};
};

void GridFilter_QSortFilterProxyModel(benchmark::State& state)
{
    const std::vector<std::string> texts = FilterTexts();
    TextColumnModel source(texts);
    ConditionFilter proxy(source);
    MeasureProxy(state, source, proxy,
                 QRegularExpression(QStringLiteral("^[ab][^x]*$"), QRegularExpression::CaseInsensitiveOption));
}

// One row inserted and removed at the top of a million rows while 100,000 scattered rows are
// hidden: each hidden row's stored index moves with the rows.
void GridInsertRemoveTopRow_100kHidden(benchmark::State& state)
{
    auto grid = StructureGrid({});
    skelda::grid::TIntList hidden(-1, -1);
    for (const int row : ScatteredMillionRows())
        hidden.Add(row);
    grid->HideRowList(hidden);
    TimeTwoSteps(state, "InsertRows_ms", [&] { grid->InsertRows(1, 1); }, "RemoveRows_ms",
                 [&] { grid->RemoveRows(1, 1); });
    state.counters["hidden"] = grid->NumHiddenRows();
}

BENCHMARK(Fill_Store)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(Fill_QStandardItemModel)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(Read_Store)->Unit(benchmark::kMillisecond);
BENCHMARK(Read_QStandardItemModel)->Unit(benchmark::kMillisecond);
BENCHMARK(InsertRemoveTop_Store)->Unit(benchmark::kMicrosecond);
BENCHMARK(InsertRemoveTop_StoreAndRowAxis)->Unit(benchmark::kMicrosecond);
BENCHMARK(InsertRemoveTop_QStandardItemModel)->Unit(benchmark::kMicrosecond);
BENCHMARK(RemoveScatteredRows_Store)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(RemoveScatteredRows_RowAxis)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(CellRectAndHitTest_MillionRows)->Unit(benchmark::kNanosecond);
BENCHMARK(InsertTopThenCellRect_MillionRows)->Unit(benchmark::kMicrosecond);
BENCHMARK(GridCellRectAndMouseToCell_MillionRows)->Unit(benchmark::kNanosecond);
BENCHMARK(GridRepaint1280x800_MillionRows)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(GridRepaint1280x800_HtmlBesidePlain)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Destroy_Store)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(Destroy_QStandardItemModel)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(GridRemoveDuplicates_100kOfMillionRows)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(GridRemoveSelectedRows_100kOfMillionRows)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(GridInsertTopRow_MillionRows)->DenseRange(0, 1)->UseManualTime()->Iterations(50)->Unit(benchmark::kMicrosecond);
BENCHMARK(GridRemoveTopRow_MillionRows)->DenseRange(0, 1)->UseManualTime()->Iterations(50)->Unit(benchmark::kMicrosecond);

// ---- Filter conditions ----
// A pattern whose stars a backtracking matcher would try in every combination, and a condition
// read once and tested on a million short cell texts, as a column filter tests every row.

namespace {

void FilterStars_TenThousandChars(benchmark::State& State)
{
    const std::string value(10000, 'a');
    for (auto _ : State)
        benchmark::DoNotOptimize(skelda::grid::MatchFilterExpression("*a*a*a*a*a*b", value, true));
}

void FilterCompiled_MillionValues(benchmark::State& State)
{
    std::vector<std::string> values;
    values.reserve(1000000);
    std::mt19937 random(3);
    const std::string letters = "ABXabx";
    for (int i = 0; i < 1000000; ++i) {
        std::string value;
        for (std::size_t n = 4 + random() % 8; n > 0; --n)
            value += letters[random() % letters.size()];
        values.push_back(std::move(value));
    }
    const skelda::grid::TFilterCondition condition("A*|B*&!*x*", false);
    for (auto _ : State) {
        std::size_t matched = 0;
        for (const std::string& value : values)
            matched += condition.Matches(value);
        benchmark::DoNotOptimize(matched);
    }
}

}  // namespace

BENCHMARK(FilterStars_TenThousandChars)->Unit(benchmark::kMillisecond);
BENCHMARK(FilterCompiled_MillionValues)->Unit(benchmark::kMillisecond);
BENCHMARK(HiddenRows_FilterPassAndUndo)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(HiddenRows_HideSelectedAndUnHideAll)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(HiddenRows_QSortFilterProxyModel)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(GridFilter_MillionRows)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(GridFilter_QSortFilterProxyModel)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(GridInsertRemoveTopRow_100kHidden)->UseManualTime()->Iterations(50)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    // Freed memory stays with the process, so that every fill after the first runs on a warm
    // heap for both tables alike, as in a program that fills its table again; otherwise glibc
    // hands the store's few large blocks back to the system and faults them in anew each time,
    // while the model's many small ones stay.
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    // The grid control paints with Qt's fonts: a headless application is enough.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    plat::InstallProductionServices();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    MillionRowGridSlot().reset();
    benchmark::Shutdown();
    return 0;
}
