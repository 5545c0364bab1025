#include "editcontrols/support/KclExceptions.h"
#include "editcontrols/support/SharedMemory.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace skelda::editcontrols {
namespace {

// Names of this test process only, so that tests running side by side do not meet.
std::string BlockName(const std::string& AStem)
{
    return "SkeldaTest" + AStem + "_" + std::to_string(::getpid());
}

bool ObjectExists(const std::string& AName)
{
    const int handle = ::shm_open(("/" + AName).c_str(), O_RDONLY, 0);
    if (handle < 0)
        return false;
    ::close(handle);
    return true;
}

TEST(SharedMemoryTest, OpeningANameAgainInAnyCaseSharesTheViewUntilTheLastClose)
{
    const std::string name = BlockName("Block");
    void* first = nullptr;
    ASSERT_EQ(OpenSharedMemory(first, name, 64, FILE_MAP_ALL_ACCESS), 0u);
    ASSERT_NE(first, nullptr);
    std::memcpy(first, "shared", 7);
    void* second = nullptr;
    std::string upper = name;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(OpenSharedMemory(second, upper, 0, FILE_MAP_READ), ERROR_ALREADY_EXISTS);
    EXPECT_EQ(second, first);

    EXPECT_TRUE(CloseSharedMemory(first));
    EXPECT_EQ(first, nullptr);
    EXPECT_TRUE(ObjectExists(name));
    EXPECT_STREQ(static_cast<const char*>(second), "shared");

    void* kept = second;
    EXPECT_TRUE(CloseSharedMemory(second));
    EXPECT_EQ(second, nullptr);
    EXPECT_FALSE(ObjectExists(name));
    EXPECT_TRUE(CloseSharedMemory(second));
    EXPECT_FALSE(CloseSharedMemory(kept));
}

TEST(SharedMemoryTest, AStaleObjectOfTheNameIsReplacedByAZeroFilledBlock)
{
    const std::string name = BlockName("Stale");
    const int stale = ::shm_open(("/" + name).c_str(), O_RDWR | O_CREAT | O_TRUNC, 0600);
    ASSERT_GE(stale, 0);
    ASSERT_EQ(::write(stale, "stale", 5), 5);
    ::close(stale);

    void* view = nullptr;
    EXPECT_EQ(OpenSharedMemory(view, name, 5, FILE_MAP_ALL_ACCESS), 0u);
    const char zeros[5] = {};
    EXPECT_EQ(std::memcmp(view, zeros, sizeof zeros), 0);
    EXPECT_TRUE(CloseSharedMemory(view));
    EXPECT_FALSE(ObjectExists(name));
}

TEST(SharedMemoryTest, BadNamesAndEmptyBlocksAreRefused)
{
    const std::string empty = BlockName("Empty");
    const struct {
        std::string Name;
        std::size_t SizeBytes;
        std::string Message;
    } cases[] = {
        {"", 8, "Invalid MMF name \"\""},
        {"a/b", 8, "Invalid MMF name \"a/b\""},
        {empty, 0, "The MMF named \"" + empty + "\" cannot be created empty"},
    };
    for (const auto& c : cases) {
        void* view = reinterpret_cast<void*>(1);
        try {
            OpenSharedMemory(view, c.Name, c.SizeBytes, FILE_MAP_ALL_ACCESS);
            ADD_FAILURE() << "no error for \"" << c.Name << "\"";
        } catch (const ESharedMemError& e) {
            EXPECT_EQ(e.Message(), c.Message);
        }
        EXPECT_EQ(view, nullptr);
    }
    EXPECT_FALSE(ObjectExists(empty));
}

TEST(SharedMemoryTest, RefusalOfTheSystemRaisesItsError)
{
    void* view = nullptr;
    try {
        // Longer than a file name may be.
        OpenSharedMemory(view, std::string(300, 'x'), 8, FILE_MAP_ALL_ACCESS);
        ADD_FAILURE() << "no error";
    } catch (const EKclWin32Error& e) {
        EXPECT_EQ(e.LastError(), static_cast<std::uint32_t>(EINVAL));
        EXPECT_EQ(e.Message(), "Win32 error: Invalid argument (22)\r\n");
    }
    EXPECT_EQ(view, nullptr);
}

}  // namespace
}  // namespace skelda::editcontrols
