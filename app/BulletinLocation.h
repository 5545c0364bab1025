#pragma once

// Where the solar-flux bulletin is fetched from: a server of the settings (the value
// "BulletinServer" of the "Options" key, scheme and host such as "https://www.swpc.noaa.gov"),
// else the space-weather service's own, and the bulletin's path on it.

#include <string>

namespace plat {
class TRegIniFile;
}

namespace skelda::app {

inline constexpr const char* kDefaultBulletinServer = "https://www.swpc.noaa.gov";
inline constexpr const char* kBulletinPath = "/ftpdir/latest/wwv.txt";

// A missing, empty or unreadable setting gives the default server.
std::string BulletinUrl(plat::TRegIniFile& SettingsRegistry);

}  // namespace skelda::app
