#include "platform/core/TStringList.h"
#include "platform/system/RegistryKey.h"
#include "platform/system/TRegistry.h"
#include "tests/platform/system/SettingsFileFixture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

namespace plat {
namespace {

const std::string Header = "; SKELDA settings store, format 1\n";

using SettingsStoreProbe = testing::SettingsFileFixture;

TEST_F(SettingsStoreProbe, KeyLinesNested100000DeepAreSkippedAndTheSaveStaysSmall)
{
    std::string deep = "[k";
    for (int level = 1; level < 100000; ++level)
        deep += "\\k";
    const std::string text = Header + deep + "]\n\"Lost\"=sz:\"deep\"\n" + deep + "\\Deeper]\n[Setup]\n\"MyCall\"=sz:\"F6ABC\"\n";
    ReplaceFile(text);

    TRegistry reg;
    EXPECT_FALSE(reg.KeyExists("\\k"));
    ASSERT_TRUE(reg.OpenKey("\\Setup", false));
    EXPECT_EQ(reg.ReadString("MyCall"), "F6ABC");
    reg.WriteInteger("Power", 100);
    EXPECT_LT(std::filesystem::file_size(SettingsFile()), 200u) << "the file holds one key with two values";
}

TEST_F(SettingsStoreProbe, TreeNested200000DeepIsFreedWithoutRecursion)
{
    auto root = std::make_unique<RegistryKey>();
    RegistryKey* key = root.get();
    for (int level = 0; level < 200000; ++level)
        key = &key->EnsureSubKey("k");
    key->SetValue({"Leaf", rdString, "x"});
    root.reset();
    SUCCEED() << "a recursive destructor overflows the stack long before this";
}

TEST_F(SettingsStoreProbe, KeyWith100000ValuesFindsEveryValue)
{
    constexpr int Count = 100000;
    std::string text = Header + "[Setup]\n";
    for (int i = 0; i < Count; ++i) {
        char line[40];
        std::snprintf(line, sizeof line, "\"v%d\"=dword:%08x\n", i, i);
        text += line;
    }
    ReplaceFile(text);

    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("\\Setup", false));
    TStringList names;
    reg.GetValueNames(names);
    ASSERT_EQ(names.Count(), Count);
    EXPECT_EQ(names.GetStrings(Count - 1), "v" + std::to_string(Count - 1)) << "in the order of the file";
    int found = 0;
    for (int i = 0; i < Count; ++i)
        found += reg.ReadInteger("V" + std::to_string(i)) == i;
    EXPECT_EQ(found, Count);

    reg.DeleteValue("v0");
    reg.WriteInteger("v0", -1);
    TRegistry again;
    ASSERT_TRUE(again.OpenKey("\\Setup", false));
    EXPECT_EQ(again.ReadInteger("v0"), -1);
    EXPECT_EQ(again.ReadInteger("v1"), 1);
    again.GetValueNames(names);
    EXPECT_EQ(names.GetStrings(Count - 1), "v0") << "written anew, so written last";
}

}  // namespace
}  // namespace plat
