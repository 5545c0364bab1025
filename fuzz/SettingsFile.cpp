// The settings file as the store finds it on disk, damaged in any way: it reads without a crash,
// a hang or a blow-up, the registry objects see what the store read, and what the store saves
// reads back as the same tree and saves as the same text again.
//
// Input: a selector byte (bit 0: put the file's header line in front, which damaged files
// mostly keep), then the file's text.

#include "SettingsTree.h"

#include "platform/system/Conversions.h"
#include "platform/system/RegistryException.h"
#include "platform/system/RegistryRoots.h"
#include "platform/system/RegistryStore.h"
#include "platform/system/RegistryText.h"
#include "platform/system/TRegIniFile.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

using namespace plat;
using skelda::fuzz::AbsoluteKeyPath;
using skelda::fuzz::Check;
using skelda::fuzz::TSettingsKey;

namespace {

constexpr std::string_view HeaderLine = "; SKELDA settings store, format 1\n";
// Walking a tree through the registry objects costs a file check per call and, for each value,
// a dozen look-ups by name (which makes a slow look-up show); larger trees are compared through
// the store alone.
constexpr std::size_t MaxKeysToWalk = 64;
constexpr std::size_t MaxValuesToWalk = 50000;

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A path the registry objects can name: none of its names holds the separator.
bool Addressable(const std::vector<std::string>& path)
{
    return std::none_of(path.begin(), path.end(), [](const std::string& name) { return name.find('\\') != std::string::npos; });
}

// The values of a key below the root as an INI file's section: texts as they are, integers from
// texts where they are numbers.
void CheckValuesThroughIniFile(const TSettingsKey& key)
{
    const std::vector<std::string> parent(key.Path.begin(), key.Path.end() - 1);
    TRegIniFile ini(AbsoluteKeyPath(parent));
    const std::string& section = key.Path.back();
    for (const RegistryValue& value : key.Values) {
        if (value.Type == rdString) {
            Check(ini.ReadString(section, value.Name, "\x01") == value.Data, "section text differs", value.Name);
            const int number = ini.ReadInteger(section, value.Name, 0);
            Check(number == 0 || StrToIntDef(value.Data, ~number) == number, "section number from no number", value.Data);
        } else if (value.Type == rdInteger) {
            int number = 0;
            std::memcpy(&number, value.Data.data(), 4);
            Check(ini.ReadInteger(section, value.Name, ~number) == number, "section integer differs", value.Name);
        } else {
            try {
                ini.ReadInteger(section, value.Name, 0);
                Check(false, "binary data read as a section integer", value.Name);
            } catch (const ERegistryException&) {
            }
        }
    }
}

void CheckTreeThroughRegistry(const std::vector<TSettingsKey>& keys)
{
    for (const TSettingsKey& key : keys) {
        if (!Addressable(key.Path))
            continue;
        skelda::fuzz::CheckKeyThroughRegistry(key);
        if (!key.Path.empty())
            CheckValuesThroughIniFile(key);
        std::vector<std::string> expectedSubKeys;
        for (const TSettingsKey& other : keys) {
            if (other.Path.size() == key.Path.size() + 1 && std::equal(key.Path.begin(), key.Path.end(), other.Path.begin()))
                expectedSubKeys.push_back(other.Path.back());
        }
        TRegistry reg;
        reg.OpenKeyReadOnly(AbsoluteKeyPath(key.Path));
        TStringList subKeys;
        reg.GetKeyNames(subKeys);
        Check(skelda::fuzz::Lines(subKeys) == expectedSubKeys, "subkey names differ from the tree", AbsoluteKeyPath(key.Path));
    }
}

// The regressions hold files far larger than mutation grows (a key line 20000 levels deep, a key
// with 30000 values): left to libFuzzer's default, they would set the length of every mutant and
// take the run. Mutants stay small unless the command line says otherwise; the replay still
// reads the regressions whole.
void LimitMutationLength(int* argc, char*** argv)
{
    static std::vector<char*> arguments;
    static char maxLength[] = "-max_len=8192";
    arguments.assign(*argv, *argv + *argc);
    if (std::any_of(arguments.begin(), arguments.end(), [](const char* a) { return std::string_view(a).starts_with("-max_len="); }))
        return;
    arguments.push_back(maxLength);
    *argc = static_cast<int>(arguments.size());
    arguments.push_back(nullptr);
    *argv = arguments.data();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    LimitMutationLength(argc, argv);
    skelda::fuzz::UseOwnSettingsFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    const skelda::fuzz::TSelected input = skelda::fuzz::Select(Data, Size);
    std::string text = (input.Selector & 1) ? std::string(HeaderLine) : std::string();
    text += input.Text;

    const std::string path = RegistryFilePath(skelda::fuzz::UseOwnSettingsFolder(), HKEY_CURRENT_USER);
    RegistryStore& store = RegistryStore::Instance();
    skelda::fuzz::ForgetSettingsFile(path);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;

    std::vector<TSettingsKey> read;
    store.Read(path, [&](const RegistryKey& root) { read = skelda::fuzz::FlattenSettings(root); });
    for (const TSettingsKey& key : read)
        Check(key.Path.size() <= MaxRegistryKeyDepth, "a key deeper than the store allows", std::to_string(key.Path.size()));
    std::size_t valueCount = 0;
    for (const TSettingsKey& key : read)
        valueCount += key.Values.size();
    if (read.size() <= MaxKeysToWalk && valueCount <= MaxValuesToWalk)
        CheckTreeThroughRegistry(read);

    std::string error;
    const TRegistryWriteResult saved =
        store.Write(path, [](RegistryKey&) { return RegistryChange{RegistryChange::KeyChanged, {}}; }, error);
    Check(saved == TRegistryWriteResult::Saved, "the store did not save", error);

    const std::string written = ReadFile(path);
    Check(written.starts_with(HeaderLine) && written.back() == '\n', "saved file is no whole settings file");
    // Every key has a line with its whole path, so a deep key's path is written once for each
    // level above it; more than that is a blow-up.
    Check(written.size() <= HeaderLine.size() + (text.size() + 1) * MaxRegistryKeyDepth, "saved file blown up",
          std::to_string(text.size()) + " -> " + std::to_string(written.size()));
    const RegistryKey reread = ParseRegistryText(written);
    const std::vector<TSettingsKey> back = skelda::fuzz::FlattenSettings(reread);
    skelda::fuzz::CheckSameTree(read, back, "saved tree reads back differently");
    Check(FormatRegistryText(reread) == written, "saving the saved tree again gives another text");
    skelda::fuzz::ForgetSettingsFile(path);
    return 0;
}
