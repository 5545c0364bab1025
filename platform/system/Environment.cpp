#include "platform/system/Environment.h"

#include "platform/system/CurlHttpClient.h"
#include "platform/system/DesktopHelpViewer.h"
#include "platform/system/DesktopShell.h"
#include "platform/system/SystemBeeper.h"
#include "platform/system/SystemClock.h"
#include "platform/system/SystemPlatformInformation.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace plat {

namespace {

std::string HomeDir()
{
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir)
        return entry->pw_dir;
    return "/tmp";
}

std::string DefaultConfigDir()
{
    // The XDG base directory rules ignore relative values.
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    std::string base = (xdg && xdg[0] == '/') ? std::string(xdg) : HomeDir() + "/.config";
    if (base.back() != '/')
        base += '/';
    return base + "skelda/";
}

Environment ProductionEnvironment()
{
    static SystemClock clock;
    static CurlHttpClient http;
    static DesktopShell shell;
    static DesktopHelpViewer help;
    static SystemBeeper beeper;
    static SystemPlatformInformation platform;
    Environment env;
    env.Clock = &clock;
    env.Http = &http;
    env.Shell = &shell;
    env.Help = &help;
    env.Beeper = &beeper;
    env.Platform = &platform;
    env.ConfigDir = DefaultConfigDir();
    return env;
}

}  // namespace

Environment& Env()
{
    static Environment env = ProductionEnvironment();
    return env;
}

}  // namespace plat
