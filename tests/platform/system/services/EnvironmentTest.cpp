#include "platform/system/Beeper.h"
#include "platform/system/Clock.h"
#include "platform/system/Environment.h"
#include "platform/system/HelpViewer.h"
#include "platform/system/HttpClient.h"
#include "platform/system/Shell.h"
#include "platform/testing/ScopedEnvironment.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace plat {
namespace {

TEST(EnvironmentTest, ProductionServicesAreInstalledByDefault)
{
    const Environment& env = Env();
    EXPECT_NE(env.Clock, nullptr);
    EXPECT_NE(env.Http, nullptr);
    EXPECT_NE(env.Shell, nullptr);
    EXPECT_NE(env.Help, nullptr);
    EXPECT_NE(env.Beeper, nullptr);
    EXPECT_NE(env.Platform, nullptr);
    ASSERT_GE(env.ConfigDir.size(), 8u);
    EXPECT_EQ(env.ConfigDir.substr(env.ConfigDir.size() - 8), "/skelda/");
}

TEST(EnvironmentTest, ScopedEnvironmentInstallsFakesAndRestoresEverything)
{
    const Environment before = Env();
    std::string configDir;
    {
        testing::ScopedEnvironment scope;
        configDir = scope.ConfigDir();
        EXPECT_TRUE(std::filesystem::is_directory(configDir));
        EXPECT_TRUE(std::filesystem::is_empty(configDir));
        EXPECT_EQ(Env().ConfigDir, configDir);
        EXPECT_EQ(Env().Platform, &scope.Platform());
        EXPECT_EQ(Env().Themes, &scope.Themes());

        scope.Clock().SetNow(45000.25);
        EXPECT_EQ(Env().Clock->Now(), 45000.25);
        Env().Beeper->MessageBeep(0x40);
        EXPECT_EQ(scope.Beeper().SoundTypes(), std::vector<unsigned>{0x40});
        Env().Help->ShowContents("SKELDA.CHM");
        EXPECT_EQ(scope.Help().Requests().size(), 1u);
        EXPECT_FALSE(Env().Shell->OpenUrl("javascript:x").Ok);
        EXPECT_TRUE(Env().Shell->OpenUrl("https://example.org").Ok);
        EXPECT_EQ(scope.Shell().Opened(), std::vector<std::string>{"https://example.org"});

        scope.Http().SetResponse("http://bulletin.test/wwv.txt", "Solar flux 128");
        scope.Http().SetResponse("http://bulletin.test/gone", "", 404);
        THttpOptions options;
        options.UserAgent = "SKELDA test";
        THttpOpenResult opened = Env().Http->OpenUrl("http://bulletin.test/wwv.txt", options);
        ASSERT_TRUE(opened.Ok());
        EXPECT_EQ(scope.Http().LastOptions().UserAgent, "SKELDA test");
        char buffer[64];
        EXPECT_EQ(std::string(buffer, opened.Request->Read(buffer, sizeof buffer)), "Solar flux 128");
        EXPECT_EQ(Env().Http->OpenUrl("http://bulletin.test/gone", THttpOptions{}).StatusCode, 404);
        EXPECT_FALSE(Env().Http->OpenUrl("http://unknown.test/", THttpOptions{}).Ok());

        {
            testing::ScopedEnvironment inner;
            EXPECT_NE(Env().ConfigDir, configDir);
        }
        EXPECT_EQ(Env().ConfigDir, configDir) << "nested scopes restore the outer one";
        EXPECT_EQ(Env().Clock, &scope.Clock());
    }
    EXPECT_FALSE(std::filesystem::exists(configDir));
    EXPECT_EQ(Env().Clock, before.Clock);
    EXPECT_EQ(Env().Http, before.Http);
    EXPECT_EQ(Env().Shell, before.Shell);
    EXPECT_EQ(Env().Help, before.Help);
    EXPECT_EQ(Env().Beeper, before.Beeper);
    EXPECT_EQ(Env().Platform, before.Platform);
    EXPECT_EQ(Env().Themes, before.Themes);
    EXPECT_EQ(Env().ConfigDir, before.ConfigDir);
}

}  // namespace
}  // namespace plat
