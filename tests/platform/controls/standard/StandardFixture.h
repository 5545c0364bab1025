#pragma once

// What the tests of the standard controls share: the test environment, a form to put the
// controls on and a log for their events.

#include "platform/controls/forms/TApplication.h"
#include "platform/controls/forms/TForm.h"
#include "platform/testing/EventLog.h"
#include "platform/testing/UiTestEnvironment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

namespace plat::testing {

class StandardFixture : public ::testing::Test {
protected:
    // A control owned and parented by Parent, at Bounds.
    template <typename T>
    T* AddControl(TWinControl& Parent, TRect Bounds)
    {
        T* control = new T(&Parent);
        control->SetBoundsRect(Bounds);
        control->SetParent(&Parent);
        return control;
    }

    // How often Entry is in the log.
    int Count(const std::string& Entry) const
    {
        return static_cast<int>(std::count(log.Entries().begin(), log.Entries().end(), Entry));
    }

    UiTestEnvironment ui;
    EventLog log;
    TForm* form = new TForm(Application);
};

}  // namespace plat::testing
