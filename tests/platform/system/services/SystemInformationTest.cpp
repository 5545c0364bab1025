#include "platform/system/FileVersionInfo.h"
#include "platform/system/MemoryStatus.h"
#include "platform/system/SystemColors.h"
#include "platform/system/SystemMetrics.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace plat {
namespace {

TEST(SystemInformationTest, ColoursAreTheClassicDefaultsInBgrOrder)
{
    struct Case {
        int Index;
        std::uint32_t Bgr;
    };
    const Case cases[] = {
        {COLOR_BTNFACE, 0xF0F0F0},   {COLOR_WINDOW, 0xFFFFFF},        {COLOR_WINDOWTEXT, 0x000000},
        {COLOR_HIGHLIGHT, 0xFF9933}, {COLOR_HIGHLIGHTTEXT, 0xFFFFFF}, {COLOR_BTNSHADOW, 0xA0A0A0},
        {COLOR_INFOBK, 0xE1FFFF},    {COLOR_HOTLIGHT, 0xCC6600},      {COLOR_MENUBAR, 0xF0F0F0},
        {-1, 0},                     {25, 0},                         {31, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetSysColor(c.Index), c.Bgr) << "index " << c.Index;
}

TEST(SystemInformationTest, MetricsAreTheClassicDesktopAt96Dpi)
{
    struct Case {
        int Index;
        int Value;
    };
    const Case cases[] = {
        {SM_CXVSCROLL, 17}, {SM_CYHSCROLL, 17}, {SM_CXHTHUMB, 17}, {SM_CXEDGE, 2},   {SM_CYEDGE, 2},
        {SM_CXBORDER, 1},   {SM_CXSMICON, 16},  {SM_CXICON, 32},   {SM_CXDRAG, 4},   {SM_SWAPBUTTON, 0},
        {SM_CXSCREEN, 1920}, {SM_CYSCREEN, 1080}, {-1, 0},          {1000, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetSystemMetrics(c.Index), c.Value) << "index " << c.Index;
}

TEST(SystemInformationTest, VersionIsTheBuildsFourNumbers)
{
    EXPECT_EQ(ProgramFileVersion().Text(), SKELDA_EXPECTED_VERSION);
    EXPECT_EQ((TFileVersionInfo{1, 7, 0, 12}).Text(), "1.7.0.12");
}

TEST(SystemInformationTest, PhysicalMemoryMatchesTheKernelsCount)
{
    std::ifstream meminfo("/proc/meminfo");
    std::string label;
    std::uint64_t totalKiB = 0;
    while (meminfo >> label && label != "MemTotal:")
        meminfo.ignore(1 << 10, '\n');
    ASSERT_TRUE(meminfo >> totalKiB);
    const std::uint64_t bytes = TotalPhysicalMemoryBytes();
    EXPECT_GT(bytes, std::uint64_t{1} << 32 >> 4);
    EXPECT_NEAR(static_cast<double>(bytes), static_cast<double>(totalKiB) * 1024, totalKiB * 1024 * 0.01);
}

}  // namespace
}  // namespace plat
