#pragma once

// What the tests of the edit controls share: the test environment, a form to put the controls
// on, a log for their events, and the process-wide number settings put back afterwards.

#include "platform/controls/forms/TApplication.h"
#include "platform/controls/forms/TForm.h"
#include "platform/core/FormatSettings.h"
#include "platform/testing/EventLog.h"
#include "platform/testing/UiTestEnvironment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace skelda::editcontrols::testing {

// Keeps the separators a test sets from reaching the next test.
class ScopedSeparators {
public:
    ScopedSeparators() : FSaved(plat::FormatSettings()) {}
    ~ScopedSeparators() { plat::FormatSettings() = FSaved; }
    ScopedSeparators(const ScopedSeparators&) = delete;
    ScopedSeparators& operator=(const ScopedSeparators&) = delete;

    void Set(char Decimal, char Thousands)
    {
        plat::FormatSettings().DecimalSeparator = Decimal;
        plat::FormatSettings().ThousandSeparator = Thousands;
    }

private:
    plat::TFormatSettings FSaved;
};

class EditControlsFixture : public ::testing::Test {
protected:
    EditControlsFixture() { separators.Set('.', ','); }

    // A control owned and parented by Parent, at Bounds.
    template <typename T>
    T* AddControl(plat::TWinControl& Parent, plat::TRect Bounds)
    {
        T* control = new T(&Parent);
        control->SetBoundsRect(Bounds);
        control->SetParent(&Parent);
        return control;
    }

    int Count(const std::string& Entry) const
    {
        return static_cast<int>(std::count(log.Entries().begin(), log.Entries().end(), Entry));
    }

    ScopedSeparators separators;
    plat::testing::UiTestEnvironment ui;
    plat::testing::EventLog log;
    plat::TForm* form = new plat::TForm(plat::Application);
};

}  // namespace skelda::editcontrols::testing
