#include "app/BulletinLocation.h"

#include "platform/system/RegistryException.h"
#include "platform/system/TRegIniFile.h"

namespace skelda::app {

namespace {

constexpr const char* kOptionsSection = "Options";
constexpr const char* kServerValue = "BulletinServer";

}  // namespace

std::string BulletinUrl(plat::TRegIniFile& SettingsRegistry)
{
    std::string server;
    try {
        server = SettingsRegistry.ReadString(kOptionsSection, kServerValue, "");
    } catch (const plat::ERegistryException&) {
        // A value of another type: the program still starts, with the default.
    }
    while (!server.empty() && (server.back() == '/' || server.back() == ' '))
        server.pop_back();
    if (server.empty())
        server = kDefaultBulletinServer;
    return server + kBulletinPath;
}

}  // namespace skelda::app
