// Whole computations against reference tables worked out independently, one per display format:
// the header texts, the row titles, every cell of the table (hour 24 included) and the MUF
// curve on the chart's own scale.

#include "ResultsWindowTesting.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace skelda::app::testing {
namespace {

QJsonArray ReferenceCases()
{
    QFile file(SKELDA_APP_TEST_DATA "/hour-tables.json");
    if (!file.open(QIODevice::ReadOnly))
        ADD_FAILURE() << "cannot read " << file.fileName().toStdString();
    return QJsonDocument::fromJson(file.readAll()).array();
}

std::vector<std::string> Texts(const QJsonArray& array)
{
    std::vector<std::string> texts;
    for (const QJsonValue& value : array)
        texts.push_back(value.toString().toStdString());
    return texts;
}

const char* const kMonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};

class HourTablesRegressionTest : public ResultsWindowTest, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override
    {
        ResultsWindowTest::SetUp();
        const QJsonArray cases = ReferenceCases();
        ASSERT_EQ(cases.size(), 4);
        reference = cases.at(GetParam()).toObject();
        const QJsonObject in = reference["inputs"].toObject();
        month = in["month"].toInt();
        day = in["day"].toInt();
        SetUtcNow(2024, month, day, 9, 0);

        PredictionSettings& s = window.Settings;
        s.Latitude = in["own_lat"].toDouble();
        s.Longitude = in["own_lon"].toDouble();
        s.DestLat = in["dest_lat"].toDouble();
        s.DestLon = in["dest_lon"].toDouble();
        s.SolarValue = in["flux"].toDouble();
        s.SolarKind = engine::SolarValueKind::Flux;
        s.Power = in["power"].toInt();
        s.MinAngle = in["min_angle"].toDouble();
        s.GainTable = in["gain_table"].toInt();
        s.Path = in["long_path"].toBool();
        s.Display = static_cast<engine::DisplayFormat>(in["display"].toInt());
        s.MyCall = in["call"].toString().toStdString();
        s.TargetName = in["target_name"].toString().toStdString();
    }

    QJsonObject reference;
    int month = 0;
    int day = 0;
};

TEST_P(HourTablesRegressionTest, TheWholeComputationMatchesTheReference)
{
    window.Compute();
    ASSERT_TRUE(ui.Dialogs().Shown().empty()) << ui.Dialogs().Texts().front();

    const QJsonObject headers = reference["headers"].toObject();
    std::vector<std::string> expectedHeaders = Texts(headers["H1"].toArray());
    std::vector<std::string> h2 = Texts(headers["H2"].toArray());
    // The date and the notice depend on the clock and the program, not on the model.
    h2[2] = "Date :" + std::string(day < 10 ? "0" : "") + std::to_string(day) + " " + kMonthNames[month - 1] + " 2024";
    h2[4] = ResultHeaders::kNotice;
    expectedHeaders.insert(expectedHeaders.end(), h2.begin(), h2.end());
    expectedHeaders.push_back(headers["DESTLTTPnl"].toString().toStdString());
    expectedHeaders.push_back(headers["DESTLNGPnl"].toString().toStdString());
    EXPECT_EQ(window.HeaderTexts(), expectedHeaders);

    const std::vector<std::vector<std::string>> table = window.CellTexts();
    const std::vector<std::string> titles = Texts(reference["row_titles"].toArray());
    const QJsonArray cells = reference["cells"].toArray();
    for (int row = 0; row < ResultsTable::kRowCount; ++row) {
        EXPECT_EQ(table[row][0], titles[row]) << "title of row " << row;
        const std::vector<std::string> expected = Texts(cells.at(row).toArray());
        const std::vector<std::string> actual(table[row].begin() + 1, table[row].end());
        EXPECT_EQ(actual, expected) << "row " << row << " (columns 1..25 = hours 0..24)";
    }

    const QJsonArray curve = reference["curve"].toArray();
    const QJsonArray frameScaleY = reference["curve_frame_scale_y"].toArray();
    std::vector<MufCurvePoint> expectedCurve;
    for (int hour = 0; hour < engine::kPredictionHours; ++hour)
        expectedCurve.push_back({MufChart::HourX(hour), static_cast<int>(std::nearbyint(frameScaleY.at(hour).toDouble())),
                                 curve.at(hour).toObject()["label"].toString().toStdString()});
    ASSERT_EQ(window.Chart.Curve().size(), expectedCurve.size());
    for (int hour = 0; hour < engine::kPredictionHours; ++hour)
        EXPECT_EQ(window.Chart.Curve()[hour], expectedCurve[hour]) << "hour " << hour;
}

INSTANTIATE_TEST_SUITE_P(OnePerDisplayFormat, HourTablesRegressionTest, ::testing::Range(0, 4));

}  // namespace
}  // namespace skelda::app::testing
