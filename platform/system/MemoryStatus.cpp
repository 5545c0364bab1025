#include "platform/system/MemoryStatus.h"

#include <sys/sysinfo.h>

namespace plat {

std::uint64_t TotalPhysicalMemoryBytes()
{
    struct sysinfo info {};
    if (::sysinfo(&info) != 0)
        return 0;
    return static_cast<std::uint64_t>(info.totalram) * info.mem_unit;
}

}  // namespace plat
