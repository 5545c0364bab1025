#pragma once

#include "platform/core/FormatSettings.h"

#include <gtest/gtest.h>

// Starts every test from known settings and gives the process-wide ones back afterwards.
class FormatSettingsFixture : public ::testing::Test {
protected:
    FormatSettingsFixture() : Saved(plat::FormatSettings())
    {
        plat::FormatSettings() = plat::DefaultFormatSettings();
        Settings().DecimalSeparator = '.';
        Settings().ThousandSeparator = ',';
        Settings().DateSeparator = '/';
        Settings().TimeSeparator = ':';
    }
    ~FormatSettingsFixture() override { plat::FormatSettings() = Saved; }

    static plat::TFormatSettings& Settings() { return plat::FormatSettings(); }

private:
    plat::TFormatSettings Saved;
};
