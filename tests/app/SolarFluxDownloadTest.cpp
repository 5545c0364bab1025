// Reading the solar-flux bulletin, and what the download asks of the HTTP client.

#include "app/BulletinLocation.h"
#include "app/SolarFluxDownload.h"

#include "platform/system/TRegIniFile.h"
#include "platform/testing/ScopedEnvironment.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace skelda::app::testing {
namespace {

constexpr const char* kBulletin =
    ":Product: Geophysical Alert Message wwv.txt\n"
    ":Issued: 2013 Jun 06 0605 UTC\n"
    "# Prepared by the space weather service\n"
    "#\n"
    "#          Geophysical Alert Message\n"
    "#\n"
    "Solar-terrestrial indices for 05 June follow.\n"
    "Solar flux 128 and estimated planetary A-index 5.\n"
    "The estimated planetary K-index at 0600 UTC on 06 June was 1.\n";

TEST(SolarFluxBulletinTest, TheFluxFollowsTheWordsAndTheIssueTextIsOptional)
{
    struct Case {
        std::string bulletin;
        std::optional<int> flux;
        std::string issue;
    };
    const Case cases[] = {
        {kBulletin, 128, "2013 Jun 06 0605 UTC"},
        {"Solar flux 85 and estimated planetary A-index 5.", 85, ""},
        {":Issued: 2013 Jun 06 \xB0" "605 UTC\nSolar flux 128", 128, "2013 Jun 06 \xC2\xB0" "605 UTC"},
        {"Solar flux 90\nSolar flux 200 and", 90, ""},
        {"Solar flux 1234567", 123, ""},
        {"Solar flux abc and", std::nullopt, ""},
        {"Solar flux 0\n", std::nullopt, ""},
        {"Solar flux -12 and", std::nullopt, ""},
        {"Solar flux", std::nullopt, ""},
        {":Issued: 2013 Jun 06 0605 UTC\nsolar flux 128", std::nullopt, ""},
        {"", std::nullopt, ""},
    };
    for (const Case& c : cases) {
        const std::optional<SolarFluxBulletin> read = ReadSolarFluxBulletin(c.bulletin);
        ASSERT_EQ(read.has_value(), c.flux.has_value()) << c.bulletin;
        if (read) {
            EXPECT_EQ(read->FluxSfu, *c.flux) << c.bulletin;
            EXPECT_EQ(read->IssueText, c.issue) << c.bulletin;
        }
    }
}

TEST(SolarFluxDownloadTest, AsksWithShortTimeOutsAndTakesOnlyAnAnswerOf200)
{
    plat::testing::ScopedEnvironment env;
    const plat::THttpOptions options = BulletinHttpOptions();
    EXPECT_EQ(options.UserAgent, "SKELDA");
    EXPECT_EQ(options.ConnectTimeoutMs, 5000);
    EXPECT_EQ(options.TotalTimeoutMs, 10000);
    EXPECT_EQ(options.MaxBodyBytes, 64u * 1024u);

    const std::string url = "http://bulletin.test/ftpdir/latest/wwv.txt";
    env.Http().SetResponse(url, kBulletin);
    ASSERT_TRUE(DownloadSolarFlux(url).has_value());
    EXPECT_EQ(env.Http().LastOptions().TotalTimeoutMs, 10000);
    env.Http().SetResponse(url, kBulletin, 203);
    EXPECT_FALSE(DownloadSolarFlux(url).has_value()) << "another success status is not the bulletin";
}

TEST(BulletinLocationTest, TheServerComesFromTheOptionsOrIsTheServicesOwn)
{
    plat::testing::ScopedEnvironment env;
    plat::TRegIniFile settings("Software\\Vantel Software\\SKELDA");
    EXPECT_EQ(BulletinUrl(settings), "https://www.swpc.noaa.gov/ftpdir/latest/wwv.txt");
    settings.WriteString("Options", "BulletinServer", "http://127.0.0.1:8080/");
    EXPECT_EQ(BulletinUrl(settings), "http://127.0.0.1:8080/ftpdir/latest/wwv.txt");
    settings.WriteString("Options", "BulletinServer", "");
    EXPECT_EQ(BulletinUrl(settings), "https://www.swpc.noaa.gov/ftpdir/latest/wwv.txt");
    settings.OpenKey("Options", true);
    settings.WriteInteger("BulletinServer", 7);
    settings.CloseKey();
    plat::TRegIniFile reopened("Software\\Vantel Software\\SKELDA");
    EXPECT_EQ(BulletinUrl(reopened), "https://www.swpc.noaa.gov/ftpdir/latest/wwv.txt") << "a number is no server";
}

}  // namespace
}  // namespace skelda::app::testing
