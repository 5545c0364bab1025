#pragma once

// The results of the main window on a plain form, wired as the window wires them: the header bars
// and target panels, the MUF chart, the results table, the display-format group and the driver
// of the computation. The clock of the test environment stands at the given UTC time.

#include "app/MufChart.h"
#include "app/PredictionDriver.h"
#include "app/PredictionSettings.h"
#include "app/ResultHeaders.h"
#include "app/ResultsTable.h"

#include "grid/model/TVezEzuzorEvad.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/forms/TForm.h"
#include "platform/controls/standard/THeaderControl.h"
#include "platform/controls/standard/TPaintBox.h"
#include "platform/controls/standard/TPanel.h"
#include "platform/controls/standard/TRadioGroup.h"
#include "platform/system/DateTime.h"
#include "platform/testing/UiTestEnvironment.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace skelda::app::testing {

template <typename T>
T* Place(plat::TForm& form, plat::TWinControl& parent, plat::TRect bounds)
{
    T* control = new T(&form);
    control->SetAlign(plat::alNone);
    control->SetBoundsRect(bounds);
    control->SetParent(&parent);
    return control;
}

struct ResultsWindow {
    explicit ResultsWindow(plat::TForm& form)
        : H2(*Place<plat::THeaderControl>(form, form, plat::Bounds(0, 0, 900, 18))),
          H1(*Place<plat::THeaderControl>(form, form, plat::Bounds(0, 18, 900, 18))),
          DESTLTTPnl(*Place<plat::TPanel>(form, form, plat::Bounds(720, 40, 120, 20))),
          DESTLNGPnl(*Place<plat::TPanel>(form, form, plat::Bounds(720, 62, 120, 20))),
          ChartPanel(*Place<plat::TPanel>(form, form, plat::Bounds(0, 40, MufChart::kWidthPx, MufChart::kHeightPx))),
          PTB(*Place<plat::TPaintBox>(form, ChartPanel, plat::Bounds(0, 0, MufChart::kWidthPx, MufChart::kHeightPx))),
          MUFGrid(*Place<grid::TVezEzuzorEvad>(form, form, plat::Bounds(0, 345, 740, 306))),
          DisplayFormatGroup(*Place<plat::TRadioGroup>(form, form, plat::Bounds(720, 90, 180, 110))),
          Table(MUFGrid),
          Headers(H1, H2, DESTLTTPnl, DESTLNGPnl),
          Chart(PTB, Settings),
          Driver(Settings, Table, Headers, Chart, DisplayFormatGroup)
    {
        ChartPanel.SetBevelOuter(plat::bvNone);
        PTB.OnPaint = [this](plat::TObject* sender) { Chart.TraceTableau(sender); };
        MUFGrid.OnSelectCell = [this](plat::TObject* sender, int col, int row, bool& canSelect) {
            Table.CellWasSelected(sender, col, row, canSelect);
        };
        DisplayFormatGroup.OnClick = [this](plat::TObject* sender) { Driver.DisplayFormatGroupClick(sender); };
    }

    void Compute() { Driver.ComputeBtnClick(nullptr); }

    // Every cell text of the table, columns 0..25 by rows 0..19.
    std::vector<std::vector<std::string>> CellTexts()
    {
        std::vector<std::vector<std::string>> texts(ResultsTable::kRowCount);
        for (int row = 0; row < ResultsTable::kRowCount; ++row)
            for (int col = 0; col < ResultsTable::kWrittenColumns; ++col)
                texts[row].push_back(MUFGrid.GetCellText(col, row));
        return texts;
    }

    // The header bars and target panels, H1 then H2 then the two panels.
    std::vector<std::string> HeaderTexts() const
    {
        std::vector<std::string> texts;
        for (const plat::THeaderControl* header : {&H1, &H2})
            for (int i = 0; i < header->SectionCount(); ++i)
                texts.push_back(header->Sections(i).GetText());
        texts.push_back(DESTLTTPnl.GetCaption());
        texts.push_back(DESTLNGPnl.GetCaption());
        return texts;
    }

    PredictionSettings Settings;
    plat::THeaderControl& H2;
    plat::THeaderControl& H1;
    plat::TPanel& DESTLTTPnl;
    plat::TPanel& DESTLNGPnl;
    plat::TPanel& ChartPanel;
    plat::TPaintBox& PTB;
    grid::TVezEzuzorEvad& MUFGrid;
    plat::TRadioGroup& DisplayFormatGroup;
    ResultsTable Table;
    ResultHeaders Headers;
    MufChart Chart;
    PredictionDriver Driver;
};

// A station near Paris and a target near Washington, the flux of a quiet sun.
inline void SetParisToWashington(PredictionSettings& settings)
{
    settings.Latitude = 48.8333L;
    settings.Longitude = -2.25L;
    settings.DestLat = 38.0L;
    settings.DestLon = 75.0L;
    settings.MinAngle = 10;
    settings.SolarValue = 120;
    settings.MyCall = "F5ABC";
    settings.TargetName = "Washington";
}

class ResultsWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form->SetClientWidth(910);
        form->SetClientHeight(660);
        form->Show();
        SetUtcNow(2024, 6, 15, 13, 40);
        SetParisToWashington(window.Settings);
    }

    // The zone of the fake clock is UTC, so local time is UTC.
    void SetUtcNow(int year, int month, int day, int hour, int minute)
    {
        ui.Clock().SetNow(plat::EncodeDate(year, month, day) + plat::EncodeTime(hour, minute, 0, 0));
    }

    plat::testing::UiTestEnvironment ui;
    plat::TForm* form = new plat::TForm(plat::Application);
    ResultsWindow window{*form};
};

}  // namespace skelda::app::testing
