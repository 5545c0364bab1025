#include "editcontrols/support/ModuleInstance.h"
#include "editcontrols/support/TUnitVersion.h"
#include "editcontrols/support/TUnitVersioning.h"
#include "platform/core/Exception.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace skelda::editcontrols {
namespace {

struct KeywordCase {
    TUnitVersionInfo Info;
    std::string RCSfile;
    std::string Revision;
    std::string Date;
};

TEST(UnitVersionTest, KeywordLinesReadAsTheirValues)
{
    const KeywordCase cases[] = {
        {{.RCSfile = "$URL: https://svn.example.org/trunk/source/common/KclBase.pas $",
          .Revision = "$Revision: 3266 $",
          .Date = "$Date: 2010-12-05 16:30:15 +0100 (Sun, 05 Dec 2010) $"},
         "KclBase.pas", "3266", "2010-12-05 16:30:15 +0100 (Sun, 05 Dec 2010)"},
        {{.RCSfile = "  $RCSfile: Kcl,Base.pas,v $ ", .Revision = " $Revision: 17 $\t", .Date = "$Date: 05.12.2010 $"},
         "Kcl,Base.pas", "17", "05.12.2010"},
        {{.RCSfile = "$URL: KclBase.pas $", .Revision = "3266", .Date = "2010-12-05"}, "KclBase.pas", "3266", "2010-12-05"},
        {{.RCSfile = "KclBase.pas", .Revision = "$Revision: $", .Date = "$Date: $"}, "KclBase.pas", "", ""},
        {{}, "", "", ""},
    };
    for (const KeywordCase& c : cases) {
        const TUnitVersion version(&c.Info);
        SCOPED_TRACE(std::string(c.Info.RCSfile));
        EXPECT_EQ(version.RCSfile(), c.RCSfile);
        EXPECT_EQ(version.Revision(), c.Revision);
        EXPECT_EQ(version.Date(), c.Date);
    }
}

TEST(UnitVersionTest, LogPathAndExtraAreTrimmed)
{
    const TUnitVersionInfo info{.LogPath = " source/common\t", .Extra = "  note "};
    const TUnitVersion version(&info);
    EXPECT_EQ(version.LogPath(), "source/common");
    EXPECT_EQ(version.Extra(), "note");
    EXPECT_EQ(version.Info(), &info);
}

TEST(UnitVersionTest, DateTimeReadsTheDateBySeparatorsAndAddsTheTime)
{
    const struct {
        const char* Date;
        plat::TDateTime Expected;
    } cases[] = {
        {"$Date: 2010-12-05 16:30:15 +0100 $", plat::EncodeDate(2010, 12, 5) + plat::EncodeTime(16, 30, 15, 0)},
        {"$Date: 2010/12/05 $", plat::EncodeDate(2010, 12, 5)},
        {"$Date: 12/05/2010 08:07:06 $", plat::EncodeDate(2010, 12, 5) + plat::EncodeTime(8, 7, 6, 0)},
        {"$Date: 12-05-2010 $", plat::EncodeDate(2010, 12, 5)},
        {"$Date: 05.12.2010 16/30/15 $", plat::EncodeDate(2010, 12, 5) + plat::EncodeTime(16, 30, 15, 0)},
        // The zone's sign is no date separator.
        {"$Date: 05.12.2010 16:30 -0500 $", plat::EncodeDate(2010, 12, 5) + plat::EncodeTime(16, 30, 0, 0)},
        {"$Date: 20101205 163015 $", 0},
        {"", 0},
    };
    for (const auto& c : cases) {
        const TUnitVersionInfo info{.Date = c.Date};
        EXPECT_DOUBLE_EQ(TUnitVersion(&info).DateTime(), c.Expected) << c.Date;
    }
    for (const char* invalid : {"$Date: 2010-13-05 $", "$Date: 2010-12-05 25:00:00 $", "$Date: 2010-1x-05 $"}) {
        const TUnitVersionInfo info{.Date = invalid};
        EXPECT_THROW(TUnitVersion(&info).DateTime(), plat::EConvertError) << invalid;
    }
}

const TUnitVersionInfo kAlpha{.RCSfile = "$URL: src/common/Alpha.pas $", .Revision = "$Revision: 1 $", .LogPath = "src/common"};
const TUnitVersionInfo kBeta{.RCSfile = "$URL: src/linux/Beta.pas $", .Revision = "$Revision: 2 $", .LogPath = "src/linux"};
const TUnitVersionInfo kGamma{.RCSfile = "$RCSfile: Gamma.pas,v $", .Revision = "$Revision: 3 $", .LogPath = "src/common"};

// An address no loaded module covers, as the handle of an unloaded module is.
constexpr TModuleInstance kUnloadedModule = 1;

std::vector<std::string> Files(TUnitVersioning& ARegistry)
{
    std::vector<std::string> files;
    for (int index = 0; index < ARegistry.Count(); ++index)
        files.push_back(ARegistry.Items(index)->RCSfile());
    return files;
}

class UnitVersioningTest : public ::testing::Test {
protected:
    const TModuleInstance FProgram = ThisModuleInstance();
    // The C library's module stands for a second module of the process.
    const TModuleInstance FLibrary = ModuleInstanceOf(stdout);
    TUnitVersioning FRegistry;
};

TEST_F(UnitVersioningTest, RecordsGoToTheirModuleOnceAndAreNumberedAcrossModules)
{
    ASSERT_TRUE(IsModuleLoaded(FProgram));
    ASSERT_TRUE(IsModuleLoaded(FLibrary));
    ASSERT_NE(FProgram, FLibrary);
    FRegistry.AddUnitInfo(FProgram, &kAlpha);
    FRegistry.AddUnitInfo(FLibrary, &kGamma);
    FRegistry.AddUnitInfo(FProgram, &kBeta);
    FRegistry.AddUnitInfo(FProgram, &kAlpha);
    FRegistry.AddUnitInfo(FLibrary, &kAlpha);

    EXPECT_EQ(FRegistry.ModuleCount(), 2);
    EXPECT_EQ(Files(FRegistry), (std::vector<std::string>{"Alpha.pas", "Beta.pas", "Gamma.pas", "Alpha.pas"}));
    EXPECT_EQ(FRegistry.Modules(1)->Instance(), FLibrary);
    EXPECT_EQ(FRegistry.Modules(0)->Count(), 2);

    EXPECT_EQ(FRegistry.IndexOf("gamma.PAS"), 2);
    EXPECT_EQ(FRegistry.IndexOf("Beta.pas", "SRC/LINUX"), 1);
    EXPECT_EQ(FRegistry.IndexOf("Beta.pas", "src/common"), -1);
    EXPECT_EQ(FRegistry.IndexOf("Delta.pas"), -1);
    EXPECT_EQ(FRegistry.FindUnit("alpha.pas")->Info(), &kAlpha);
    EXPECT_EQ(FRegistry.FindUnit("Gamma.pas", "src/common")->Revision(), "3");
    EXPECT_EQ(FRegistry.FindUnit("Delta.pas"), nullptr);
    EXPECT_THROW(FRegistry.Items(4), plat::EListError);
    EXPECT_THROW(FRegistry.Items(-1), plat::EListError);
    EXPECT_THROW(FRegistry.Modules(2), plat::EListError);
}

TEST_F(UnitVersioningTest, RemovingAModuleTakesOnlyItsRecords)
{
    FRegistry.AddUnitInfo(FProgram, &kAlpha);
    FRegistry.AddUnitInfo(FLibrary, &kGamma);
    FRegistry.AddUnitInfo(FProgram, &kBeta);

    FRegistry.RemoveModule(FProgram);
    EXPECT_EQ(Files(FRegistry), (std::vector<std::string>{"Gamma.pas"}));
    FRegistry.RemoveModule(FProgram);
    EXPECT_EQ(FRegistry.ModuleCount(), 1);
    FRegistry.RemoveModule(FLibrary);
    EXPECT_EQ(FRegistry.Count(), 0);
}

TEST_F(UnitVersioningTest, UnloadedModuleDropsOutAtTheNextQuestion)
{
    FRegistry.AddUnitInfo(kUnloadedModule, &kAlpha);
    FRegistry.AddUnitInfo(FProgram, &kBeta);

    EXPECT_EQ(FRegistry.Count(), 1);
    EXPECT_EQ(FRegistry.ModuleCount(), 1);
    EXPECT_EQ(FRegistry.FindUnit("Alpha.pas"), nullptr);
    EXPECT_EQ(FRegistry.Items(0)->Info(), &kBeta);
}

struct ProviderCalls {
    int Loads = 0;
    std::vector<TModuleInstance> Releases;
};
ProviderCalls gProviderCalls;

class CountingProvider : public TCustomUnitVersioningProvider {
public:
    void LoadModuleUnitVersioningInfo(TModuleInstance) override { ++gProviderCalls.Loads; }
    void ReleaseModuleUnitVersioningInfo(TModuleInstance AInstance) override
    {
        gProviderCalls.Releases.push_back(AInstance);
    }
};

TEST_F(UnitVersioningTest, EachProviderClassRegistersOnceAndHearsOfRemovedModules)
{
    gProviderCalls = {};
    FRegistry.RegisterProvider<CountingProvider>();
    FRegistry.RegisterProvider<CountingProvider>();
    FRegistry.RegisterProvider<TCustomUnitVersioningProvider>();

    FRegistry.LoadModuleUnitVersioningInfo(FProgram);
    EXPECT_EQ(gProviderCalls.Loads, 1);
    FRegistry.AddUnitInfo(FProgram, &kAlpha);
    FRegistry.RemoveModule(FProgram);
    FRegistry.RemoveModule(FLibrary);
    EXPECT_EQ(gProviderCalls.Releases, (std::vector<TModuleInstance>{FProgram, FLibrary}));
}

}  // namespace
}  // namespace skelda::editcontrols
