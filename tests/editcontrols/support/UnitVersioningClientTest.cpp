#include "editcontrols/support/ModuleInstance.h"
#include "editcontrols/support/SharedMemory.h"
#include "editcontrols/support/SupportUnits.h"
#include "editcontrols/support/TMMFHandleList.h"
#include "editcontrols/support/TUnitVersioning.h"
#include "editcontrols/support/TUnitVersioningClient.h"
#include "editcontrols/support/UnitVersioning.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace skelda::editcontrols {
namespace {

// Above the largest process id Linux gives, and different for each test process, so that
// tests running side by side do not meet in the shared-memory names.
std::uint32_t FakeProcessId()
{
    return 5'000'000u + static_cast<std::uint32_t>(::getpid());
}

bool ObjectExists(const std::string& AName)
{
    const int handle = ::shm_open(("/" + AName).c_str(), O_RDONLY, 0);
    if (handle < 0)
        return false;
    ::close(handle);
    return true;
}

std::uintptr_t SlotValue(TMMFHandleList& AHandles, const std::string& AName)
{
    void* view = nullptr;
    AHandles.Open(view, AName, sizeof(std::uintptr_t), FILE_MAP_ALL_ACCESS);
    std::uintptr_t value = 0;
    std::memcpy(&value, view, sizeof value);
    AHandles.Close(view);
    return value;
}

const TUnitVersionInfo kRecord{.RCSfile = "$URL: src/common/Alpha.pas $", .Revision = "$Revision: 1 $", .LogPath = "src/common"};

TEST(UnitVersioningClientTest, SlotAndMutexNamesCarryTheProcessId)
{
    TMMFHandleList handles;
    const TUnitVersioningClient client(4711, handles);
    EXPECT_EQ(client.SlotName(), "ShmNPA_UnitVersioning_4711");
    EXPECT_EQ(client.MutexName(), "MutexNPA_UnitVersioning_4711");
}

TEST(UnitVersioningClientTest, SecondModuleFindsTheFirstOnesRegistryAndOnlyTheOwnerClearsTheSlot)
{
    TMMFHandleList handles;
    TUnitVersioningClient first(FakeProcessId(), handles);
    TUnitVersioningClient second(FakeProcessId(), handles);

    TUnitVersioning* registry = first.Obtain();
    ASSERT_NE(registry, nullptr);
    EXPECT_EQ(second.Obtain(), registry);
    second.Obtain()->AddUnitInfo(ThisModuleInstance(), &kRecord);
    EXPECT_EQ(first.Obtain()->Count(), 1);

    second.ShutDown();
    EXPECT_EQ(second.Obtain(), nullptr);
    EXPECT_EQ(SlotValue(handles, first.SlotName()), reinterpret_cast<std::uintptr_t>(registry));
    EXPECT_EQ(first.Obtain(), registry);

    first.ShutDown();
    EXPECT_EQ(first.Obtain(), nullptr);
    EXPECT_FALSE(ObjectExists(first.SlotName()));
    TUnitVersioningClient third(FakeProcessId(), handles);
    EXPECT_EQ(third.Obtain()->Count(), 0);
}

TEST(UnitVersioningClientTest, OwnerLeavesASlotThatNoLongerHoldsItsRegistry)
{
    TMMFHandleList handles;
    TUnitVersioningClient owner(FakeProcessId(), handles);
    ASSERT_NE(owner.Obtain(), nullptr);
    void* slot = nullptr;
    ASSERT_EQ(handles.Open(slot, owner.SlotName(), sizeof(std::uintptr_t), FILE_MAP_ALL_ACCESS),
              ERROR_ALREADY_EXISTS);
    TUnitVersioning other;
    const auto otherAddress = reinterpret_cast<std::uintptr_t>(&other);
    std::memcpy(slot, &otherAddress, sizeof otherAddress);

    owner.ShutDown();
    std::uintptr_t left = 0;
    std::memcpy(&left, slot, sizeof left);
    EXPECT_EQ(left, otherAddress);
    handles.Close(slot);
}

TEST(UnitVersioningClientTest, StaleSlotOfTheSameNameIsNeverRead)
{
    TMMFHandleList handles;
    TUnitVersioningClient client(FakeProcessId(), handles);
    // What a crashed process of the same id would have left.
    const std::string name = "/" + client.SlotName();
    const int stale = ::shm_open(name.c_str(), O_RDWR | O_CREAT | O_TRUNC, 0600);
    ASSERT_GE(stale, 0);
    const std::uintptr_t bogus = 0xDEADBEEF;
    ASSERT_EQ(::write(stale, &bogus, sizeof bogus), static_cast<ssize_t>(sizeof bogus));
    ::close(stale);

    TUnitVersioning* registry = client.Obtain();
    ASSERT_NE(reinterpret_cast<std::uintptr_t>(registry), bogus);
    registry->AddUnitInfo(ThisModuleInstance(), &kRecord);
    EXPECT_EQ(registry->Count(), 1);
    client.ShutDown();
    EXPECT_FALSE(ObjectExists(client.SlotName()));
}

// The only test of this program that uses the process's own registry: afterwards it is shut
// down for good.
TEST(SupportUnitsTest, StartUpRegistersTheRecordsOnceAndShutDownEndsTheRegistry)
{
    const std::string slotName = "ShmNPA_UnitVersioning_" + std::to_string(::getpid());
    StartUpSupportUnits();
    StartUpSupportUnits();
    TUnitVersioning* registry = ObtainUnitVersionRegistry();
    ASSERT_NE(registry, nullptr);
    EXPECT_TRUE(ObjectExists(slotName));
    EXPECT_EQ(registry->ModuleCount(), 1);
    EXPECT_EQ(registry->Modules(0)->Instance(), ThisModuleInstance());
    EXPECT_EQ(registry->Count(), static_cast<int>(SupportUnitRecords().size()));
    EXPECT_EQ(registry->Count(), 27);
    EXPECT_EQ(registry->FindUnit("KclResources.pas")->Revision(), "3266");
    EXPECT_EQ(registry->FindUnit("KclBase.pas")->Revision(), "3336");
    EXPECT_EQ(registry->FindUnit("KclMime.pas")->Revision(), "2921");
    EXPECT_EQ(registry->IndexOf("KclMime.pas"), 26);
    EXPECT_EQ(SupportOsRelease(), os7);

    RemoveModuleUnitVersions(ThisModuleInstance());
    EXPECT_EQ(registry->Count(), 0);
    AddUnitVersion(ThisModuleInstance(), &kRecord);
    EXPECT_EQ(registry->Count(), 1);

    ShutDownSupportUnits();
    ShutDownSupportUnits();
    EXPECT_EQ(ObtainUnitVersionRegistry(), nullptr);
    EXPECT_FALSE(ObjectExists(slotName));
    AddUnitVersion(ThisModuleInstance(), &kRecord);
    StartUpSupportUnits();
    EXPECT_EQ(ObtainUnitVersionRegistry(), nullptr);
}

TEST(SupportUnitsTest, ProgramThatEndsWithoutShuttingDownExitsCleanly)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            StartUpSupportUnits();
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace skelda::editcontrols
