#pragma once

#include "platform/testing/ScopedEnvironment.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace plat::testing {

// A test with a settings folder of its own, and the settings file of HKEY_CURRENT_USER in it to
// read or to replace by hand.
class SettingsFileFixture : public ::testing::Test {
protected:
    std::string SettingsFile() const { return env_.ConfigDir() + "HKEY_CURRENT_USER.reg"; }

    std::string FileText() const
    {
        std::ifstream in(SettingsFile(), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    void ReplaceFile(const std::string& text) const
    {
        std::filesystem::create_directories(env_.ConfigDir());
        std::ofstream(SettingsFile(), std::ios::binary | std::ios::trunc) << text;
    }

    ScopedEnvironment env_;
};

}  // namespace plat::testing
