#include "platform/core/TStringList.h"
#include "platform/system/Extended80.h"
#include "platform/system/RegistryException.h"
#include "platform/system/TRegIniFile.h"
#include "platform/system/TRegistry.h"
#include "platform/system/TRegistryWatcher.h"
#include "platform/testing/ScopedEnvironment.h"
#include "tests/platform/system/SettingsFileFixture.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <cmath>
#include <csignal>
#include <filesystem>
#include <functional>
#include <limits>
#include <memory>

namespace plat {
namespace {

const std::string AppKey = "\\Software\\Vantel Software\\SKELDA";

class RegistryTest : public testing::SettingsFileFixture {
protected:
    std::vector<std::string> FolderEntries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(env_.ConfigDir()))
            names.push_back(entry.path().filename().string());
        return names;
    }

    static std::vector<std::string> Lines(TStrings& strings)
    {
        std::vector<std::string> lines;
        for (int i = 0; i < strings.Count(); ++i)
            lines.push_back(strings.GetStrings(i));
        return lines;
    }
};

TEST_F(RegistryTest, TypedValuesSurviveTheFileAndAFreshReader)
{
    const unsigned char blob[] = {0x00, 0xFF, 0x0A, 0x0D, 0x22, 0x25, 0x5C};
    const std::string awkward = "quote \" percent % backslash \\ [brackets] tab\t line\nend; caf\xC3\xA9";
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(AppKey + "\\Setup", true));
        reg.WriteString("MyCall", "F6ABC");
        reg.WriteString("Empty", "");
        reg.WriteString(awkward, awkward);
        reg.WriteInteger("Power", 100);
        reg.WriteInteger("Negative", -2147483647 - 1);
        reg.WriteBool("Path", true);
        reg.WriteFloat("Ratio", -0.1);
        reg.WriteBinaryData("Blob", blob, sizeof blob);
        reg.WriteBinaryData("NoBytes", nullptr, 0);
    }
    // The same file in a folder this process never read: everything comes from the disk.
    testing::ScopedEnvironment other;
    std::filesystem::copy_file(SettingsFile(), other.ConfigDir() + "HKEY_CURRENT_USER.reg");

    TRegistry reg;
    ASSERT_TRUE(reg.OpenKeyReadOnly(AppKey + "\\Setup"));
    EXPECT_EQ(reg.ReadString("MyCall"), "F6ABC");
    EXPECT_EQ(reg.ReadString("Empty"), "");
    EXPECT_EQ(reg.ReadString(awkward), awkward);
    EXPECT_EQ(reg.ReadInteger("Power"), 100);
    EXPECT_EQ(reg.ReadInteger("Negative"), -2147483647 - 1);
    EXPECT_TRUE(reg.ReadBool("Path"));
    EXPECT_EQ(reg.ReadFloat("Ratio"), -0.1);
    unsigned char read[16] = {};
    ASSERT_EQ(reg.ReadBinaryData("Blob", read, sizeof read), static_cast<int>(sizeof blob));
    EXPECT_TRUE(std::equal(blob, blob + sizeof blob, read));
    EXPECT_EQ(reg.ReadBinaryData("NoBytes", read, sizeof read), 0);
    EXPECT_EQ(reg.GetDataType("NoBytes"), rdBinary);
    EXPECT_EQ(reg.GetDataType("Power"), rdInteger);
    EXPECT_EQ(reg.GetDataType("MyCall"), rdString);
    EXPECT_EQ(reg.GetDataSize("MyCall"), 6);
    EXPECT_EQ(reg.GetDataSize("Blob"), 7);
    EXPECT_EQ(reg.GetDataSize("Missing"), -1);
    EXPECT_EQ(reg.GetDataType("Missing"), rdUnknown);
}

TEST_F(RegistryTest, FileIsReadableEscapedText)
{
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(AppKey + "\\Setup", true));
    reg.WriteString("MyCall", "F6ABC");
    reg.WriteInteger("Power", 100);
    const TExtendedBytes latitude = ExtendedToBytes(48.8333L);
    reg.WriteBinaryData("Latitude", latitude.data(), 10);
    reg.WriteString("say \"100%\"", "line\nbreak [x] C:\\");
    reg.CreateKey("Empty");

    EXPECT_EQ(FileText(),
              "; SKELDA settings store, format 1\n"
              "[Software]\n"
              "[Software\\Vantel Software]\n"
              "[Software\\Vantel Software\\SKELDA]\n"
              "[Software\\Vantel Software\\SKELDA\\Setup]\n"
              "\"MyCall\"=sz:\"F6ABC\"\n"
              "\"Power\"=dword:00000064\n"
              "\"Latitude\"=hex:94,f6,06,5f,98,4c,55,c3,04,40\n"
              "\"say %22100%25%22\"=sz:\"line%0abreak %5bx%5d C:%5c\"\n"
              "[Software\\Vantel Software\\SKELDA\\Setup\\Empty]\n");
}

TEST_F(RegistryTest, ExtendedNumbersKeepAllTheirBitsInTenBytes)
{
    const long double values[] = {
        1.0L + std::ldexp(1.0L, -63),        // the lowest mantissa bit
        -48.833333333333333333333L,          // a latitude that is no double
        std::ldexp(0xFFFFFFFFFFFFFFFFull * 1.0L, 16320),  // the largest finite value
        std::ldexp(1.0L, -16445),             // the smallest denormal
        std::ldexp(3.0L, -16400),             // a larger denormal
        0.0L, -0.0L,
    };
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(AppKey + "\\Setup", true));
    for (const long double value : values) {
        SCOPED_TRACE(static_cast<double>(value));
        const TExtendedBytes bytes = ExtendedToBytes(value);
        reg.WriteBinaryData("Latitude", bytes.data(), static_cast<int>(bytes.size()));
        TExtendedBytes read{};
        ASSERT_EQ(reg.ReadBinaryData("Latitude", read.data(), static_cast<int>(read.size())), 10);
        const long double back = ExtendedFromBytes(read);
        EXPECT_EQ(back, value);
        EXPECT_EQ(std::signbit(back), std::signbit(value));
    }
}

TEST(Extended80Test, BytesFollowTheX87Layout)
{
    struct Case {
        long double Value;
        TExtendedBytes Bytes;
    };
    const Case cases[] = {
        {1.0L, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}},
        {-2.0L, {0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0xC0}},
        {0.1L, {0xCD, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xFB, 0x3F}},
        {std::numeric_limits<long double>::infinity(), {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F}},
        {std::ldexp(1.0L, -16445), {1, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x00}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<double>(c.Value));
        EXPECT_EQ(ExtendedToBytes(c.Value), c.Bytes);
        EXPECT_EQ(ExtendedFromBytes(c.Bytes), c.Value);
    }
    EXPECT_TRUE(std::isnan(ExtendedFromBytes(ExtendedToBytes(std::numeric_limits<long double>::quiet_NaN()))));
}

TEST_F(RegistryTest, ReadsAndWritesThatCannotWorkRaiseTheRegistryMessages)
{
    {
        TRegistry setup;
        ASSERT_TRUE(setup.OpenKey(AppKey, true));
        setup.WriteString("Text", "12");
        setup.WriteInteger("Number", 12);
        setup.WriteBinaryData("Ten", "0123456789", 10);
    }
    struct Case {
        const char* Name;
        std::function<void(TRegistry&)> Action;
        const char* Message;
    };
    char buffer[8];
    const Case cases[] = {
        {"string as integer", [](TRegistry& r) { r.ReadInteger("Text"); }, "Invalid data type for 'Text'"},
        {"integer as string", [](TRegistry& r) { r.ReadString("Number"); }, "Invalid data type for 'Number'"},
        {"integer as binary", [&](TRegistry& r) { r.ReadBinaryData("Number", buffer, 8); }, "Invalid data type for 'Number'"},
        {"binary too large", [&](TRegistry& r) { r.ReadBinaryData("Ten", buffer, 8); }, "Invalid data type for 'Ten'"},
        {"ten bytes as float", [](TRegistry& r) { r.ReadFloat("Ten"); }, "Invalid data type for 'Ten'"},
        {"missing integer", [](TRegistry& r) { r.ReadInteger("Missing"); }, "Failed to get data for 'Missing'"},
        {"missing bool", [](TRegistry& r) { r.ReadBool("Missing"); }, "Failed to get data for 'Missing'"},
        {"missing float", [](TRegistry& r) { r.ReadFloat("Missing"); }, "Failed to get data for 'Missing'"},
        {"write without a key", [](TRegistry& r) { r.CloseKey(); r.WriteString("X", "y"); }, "Failed to set data for 'X'"},
        {"write to a read-only key", [](TRegistry& r) { r.OpenKeyReadOnly(AppKey); r.WriteInteger("X", 1); }, "Failed to set data for 'X'"},
        {"bad key name", [](TRegistry& r) { r.CreateKey("a\\\\b"); }, "Failed to create key a\\\\b"},
        {"write to a deleted key", [](TRegistry& r) { TRegistry().DeleteKey(AppKey); r.WriteBool("X", true); }, "Failed to set data for 'X'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(AppKey, true));
        try {
            c.Action(reg);
            ADD_FAILURE() << "no exception";
        } catch (const ERegistryException& e) {
            EXPECT_EQ(e.Message(), c.Message);
        }
    }

    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(AppKey, true));
    EXPECT_EQ(reg.ReadString("Missing"), "") << "a missing string reads as empty";
    EXPECT_EQ(reg.ReadBinaryData("Missing", buffer, 8), 0) << "missing binary data reads as nothing";
}

TEST_F(RegistryTest, KeysOpenRelativeOrFromTheRootAndDeleteWithTheirSubtree)
{
    TRegistry reg;
    EXPECT_FALSE(reg.OpenKey(AppKey, false)) << "missing and not to be made";
    EXPECT_FALSE(reg.OpenKeyReadOnly(AppKey));
    EXPECT_FALSE(reg.HasCurrentKey());

    ASSERT_TRUE(reg.OpenKey(AppKey, true));
    EXPECT_EQ(reg.GetCurrentPath(), "Software\\Vantel Software\\SKELDA");
    ASSERT_TRUE(reg.OpenKey("Setup\\Deep", true)) << "relative to the open key";
    EXPECT_EQ(reg.GetCurrentPath(), "Software\\Vantel Software\\SKELDA\\Setup\\Deep");
    reg.WriteString("Leaf", "x");
    EXPECT_FALSE(reg.OpenKey("\\Nowhere", false));
    EXPECT_EQ(reg.GetCurrentPath(), "Software\\Vantel Software\\SKELDA\\Setup\\Deep") << "a failed open keeps the key";

    ASSERT_TRUE(reg.OpenKey(AppKey, false));
    EXPECT_TRUE(reg.CreateKey("options"));
    EXPECT_TRUE(reg.CreateKey("Beta"));
    EXPECT_TRUE(reg.KeyExists("SETUP\\deep")) << "names ignore case";
    TStringList names;
    reg.GetKeyNames(names);
    EXPECT_EQ(Lines(names), (std::vector<std::string>{"Beta", "options", "Setup"}));
    EXPECT_TRUE(reg.HasSubKeys());

    EXPECT_TRUE(reg.DeleteKey("Setup"));
    EXPECT_FALSE(reg.KeyExists("Setup\\Deep"));
    EXPECT_FALSE(reg.DeleteKey("Setup")) << "already gone";
    EXPECT_FALSE(reg.DeleteKey("")) << "the root stays";

    TRegistry fresh;
    ASSERT_TRUE(fresh.OpenKeyReadOnly(AppKey));
    fresh.GetKeyNames(names);
    EXPECT_EQ(Lines(names), (std::vector<std::string>{"Beta", "options"}));
}

TEST_F(RegistryTest, ValuesListInWritingOrderAndDelete)
{
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(AppKey, true));
    reg.WriteInteger("Zeta", 1);
    reg.WriteInteger("alpha", 2);
    reg.WriteInteger("ALPHA", 3);
    reg.WriteInteger("Omega", 4);
    TStringList names;
    reg.GetValueNames(names);
    EXPECT_EQ(Lines(names), (std::vector<std::string>{"Zeta", "alpha", "Omega"}));
    EXPECT_EQ(reg.ReadInteger("Alpha"), 3);
    EXPECT_TRUE(reg.DeleteValue("alpha"));
    EXPECT_FALSE(reg.DeleteValue("alpha"));
    EXPECT_FALSE(reg.ValueExists("Alpha"));
    EXPECT_EQ(reg.ReadInteger("OMEGA"), 4) << "the values after a deleted one are still found";
    reg.WriteInteger("alpha", 5);
    reg.GetValueNames(names);
    EXPECT_EQ(Lines(names), (std::vector<std::string>{"Zeta", "Omega", "alpha"}));
    ASSERT_TRUE(reg.OpenKeyReadOnly(AppKey));
    EXPECT_FALSE(reg.DeleteValue("Zeta")) << "read-only";
    EXPECT_TRUE(reg.ValueExists("Zeta"));
}

TEST_F(RegistryTest, IniFileKeepsEveryValueAsTextAndReadsBadNumbersAsTheDefault)
{
    TRegIniFile ini(AppKey);
    ini.WriteString("Setup", "MyCall", "F6ABC");
    ini.WriteInteger("Setup", "Power", 400);
    ini.WriteBool("Setup", "Path", true);
    ini.WriteBool("Setup", "Seuil", false);
    ini.WriteString("Setup", "Garbled", "12x");

    TRegistry raw;
    ASSERT_TRUE(raw.OpenKeyReadOnly(AppKey + "\\Setup"));
    EXPECT_EQ(raw.GetDataType("Power"), rdString);
    EXPECT_EQ(raw.ReadString("Power"), "400");
    EXPECT_EQ(raw.ReadString("Path"), "1");
    EXPECT_EQ(raw.ReadString("Seuil"), "0");

    TRegIniFile again(AppKey);
    EXPECT_EQ(again.ReadString("Setup", "MyCall", "NoCall"), "F6ABC");
    EXPECT_EQ(again.ReadString("Setup", "Missing", "NoCall"), "NoCall");
    EXPECT_EQ(again.ReadString("NoSection", "MyCall", "NoCall"), "NoCall");
    EXPECT_EQ(again.ReadInteger("Setup", "Power", 100), 400);
    EXPECT_EQ(again.ReadInteger("Setup", "Garbled", 100), 100);
    EXPECT_EQ(again.ReadInteger("Setup", "Missing", 10), 10);
    EXPECT_TRUE(again.ReadBool("Setup", "Path", false));
    EXPECT_FALSE(again.ReadBool("Setup", "Seuil", true));
    EXPECT_TRUE(again.ReadBool("Setup", "Missing", true));
    EXPECT_TRUE(again.ValueExists("Setup", "Power"));
    EXPECT_FALSE(again.ValueExists("Setup", "Missing"));
    EXPECT_FALSE(again.ValueExists("NoSection", "Power"));
    EXPECT_FALSE(again.KeyExists("NoSection")) << "reading makes no section";
    EXPECT_EQ(again.GetCurrentPath(), "Software\\Vantel Software\\SKELDA") << "sections leave the key as it was";

    again.CreateKey("Options");
    TStringList names;
    again.ReadSections(names);
    EXPECT_EQ(Lines(names), (std::vector<std::string>{"Options", "Setup"}));
    again.ReadSection("Setup", names);
    EXPECT_EQ(Lines(names), (std::vector<std::string>{"MyCall", "Power", "Path", "Seuil", "Garbled"}));
    again.ReadSection("NoSection", names);
    EXPECT_TRUE(Lines(names).empty());

    again.EraseSection("Setup");
    EXPECT_EQ(again.ReadInteger("Setup", "Power", 100), 100);
    again.ReadSections(names);
    EXPECT_EQ(Lines(names), (std::vector<std::string>{"Options"}));
}

TEST_F(RegistryTest, DamagedFilesReadAsMissingValuesAndRecover)
{
    TRegistry writer;
    ASSERT_TRUE(writer.OpenKey(AppKey + "\\Setup", true));
    writer.WriteString("MyCall", "F6ABC");
    const TExtendedBytes latitude = ExtendedToBytes(48.8333L);
    writer.WriteBinaryData("Latitude", latitude.data(), 10);
    writer.WriteInteger("Power", 100);
    const std::string good = FileText();
    const std::size_t latitudeLine = good.find("\"Latitude\"");
    ASSERT_NE(latitudeLine, std::string::npos);

    static const char Garbage[] = "\x7F" "ELF\x01\x00\xFF\xFE[[[\"\"=\n\n\x00hex:zz\n[]\n\"MyCall\"=sz:\"Z\"\n";
    struct Case {
        const char* Name;
        std::string Text;
        bool CallSurvives;
    };
    const Case cases[] = {
        {"empty", "", false},
        {"garbage", std::string(Garbage, sizeof Garbage - 1), false},
        {"header only", good.substr(0, good.find('\n') + 1), false},
        {"cut inside the binary value", good.substr(0, latitudeLine + 30), true},
        {"cut inside the key line", good.substr(0, good.find("\\SKELDA") + 3), false},
        {"broken lines", good.substr(0, latitudeLine) + "\"Latitude\"=hex:00,1\n\"Power\"=dword:64\n\"X\"=sz:\"open\n", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        ReplaceFile(c.Text);
        TRegIniFile ini(AppKey);
        EXPECT_EQ(ini.ReadString("Setup", "MyCall", "NoCall"), c.CallSurvives ? "F6ABC" : "NoCall");
        EXPECT_EQ(ini.ReadInteger("Setup", "Power", 100), 100);
        TRegistry reg;
        reg.OpenKey(AppKey + "\\Setup", true);
        TExtendedBytes read{};
        EXPECT_EQ(reg.ReadBinaryData("Latitude", read.data(), 10), 0);
        EXPECT_FALSE(reg.ValueExists("X"));

        // Writing again gives a whole file once more.
        reg.WriteInteger("Power", 5);
        TRegistry check;
        ASSERT_TRUE(check.OpenKeyReadOnly(AppKey + "\\Setup"));
        EXPECT_EQ(check.ReadInteger("Power"), 5);
    }
}

TEST_F(RegistryTest, KeysDeeperThanTheHostRegistryAllowsAreDamagedAndCannotBeMade)
{
    const auto path = [](int levels) {
        std::string key;
        for (int level = 0; level < levels; ++level)
            key += (level > 0 ? "\\k" : "k");
        return key;
    };
    ReplaceFile("; SKELDA settings store, format 1\n"
                "[" + path(513) + "]\n\"TooDeep\"=sz:\"lost\"\n"
                "[" + path(512) + "]\n\"Deepest\"=sz:\"kept\"\n");

    TRegistry reg;
    ASSERT_TRUE(reg.OpenKeyReadOnly(path(512)));
    EXPECT_EQ(reg.ReadString("Deepest"), "kept");
    EXPECT_FALSE(reg.HasSubKeys()) << "the deeper line is skipped, not cut to the limit";
    EXPECT_FALSE(reg.KeyExists("\\" + path(513)));
    EXPECT_FALSE(reg.OpenKey("k", true)) << "one level below the deepest key";
    EXPECT_THROW(reg.CreateKey("k"), ERegistryException);
    ASSERT_TRUE(reg.OpenKey("\\" + path(511), false));
    EXPECT_TRUE(reg.CreateKey("Sibling")) << "as deep as the deepest key";

    ASSERT_TRUE(reg.OpenKey("\\Setup", true));
    reg.WriteString("MyCall", "F6ABC");
    EXPECT_EQ(FileText().find("TooDeep"), std::string::npos);
    EXPECT_NE(FileText().find("Deepest"), std::string::npos);
}

TEST_F(RegistryTest, WritesLeaveNoTemporaryFileAndAFailedWriteKeepsTheOldFile)
{
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(AppKey, true));
    reg.WriteString("Kept", "old");
    for (int i = 0; i < 20; ++i)
        reg.WriteInteger("Counter", i);
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"HKEY_CURRENT_USER.reg"});
    const std::string before = FileText();

    {
        // The disk takes no file longer than the old one: the new one would be cut off.
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit oldLimit{};
        ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &oldLimit), 0);
        rlimit tight = oldLimit;
        tight.rlim_cur = before.size();
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tight), 0);
        EXPECT_THROW(reg.WriteString("Kept", std::string(4096, 'n')), ERegistryException);
        ::setrlimit(RLIMIT_FSIZE, &oldLimit);
        std::signal(SIGXFSZ, oldHandler);
    }
    EXPECT_EQ(FileText(), before);
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"HKEY_CURRENT_USER.reg"});
    EXPECT_EQ(reg.ReadString("Kept"), "old") << "the failed value is not kept anywhere";
    reg.WriteString("Kept", "new");
    EXPECT_EQ(TRegIniFile(AppKey).ReadString("", "Kept", ""), "new");
}

TEST_F(RegistryTest, WatchersHearChangesOfTheirKeyAndEverythingBelow)
{
    std::vector<std::string> heardApp;
    std::vector<std::string> heardSetup;
    TRegistry writer;
    ASSERT_TRUE(writer.OpenKey(AppKey, true));
    TRegistryWatcher appWatcher(HKEY_CURRENT_USER, AppKey, [&](const std::string& path) { heardApp.push_back(path); });
    auto setupWatcher = std::make_unique<TRegistryWatcher>(HKEY_CURRENT_USER, "Software\\Vantel Software\\SKELDA\\setup",
                                                           [&](const std::string& path) { heardSetup.push_back(path); });

    writer.WriteInteger("Display", 1);
    writer.WriteInteger("Display", 1);  // no change, nothing to hear
    TRegIniFile other(AppKey);
    other.WriteString("Setup", "MyCall", "F6ABC");
    TRegistry sibling;
    ASSERT_TRUE(sibling.OpenKey("\\Software\\Vantel Software\\Other", true));
    sibling.WriteInteger("X", 1);
    writer.DeleteKey("Setup");
    setupWatcher.reset();
    other.WriteString("Setup", "MyCall", "F6ABC");

    const std::string app = "Software\\Vantel Software\\SKELDA";
    EXPECT_EQ(heardApp, (std::vector<std::string>{app, app + "\\Setup", app + "\\Setup", app + "\\Setup", app + "\\Setup", app + "\\Setup"}));
    EXPECT_EQ(heardSetup, (std::vector<std::string>{app + "\\Setup", app + "\\Setup", app + "\\Setup"}));
}

}  // namespace
}  // namespace plat
