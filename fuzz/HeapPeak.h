#pragma once

// The most heap a call holds at once, for the targets that check a documented size cap. It is
// counted at the allocator, so that it sees what libraries allocate on our behalf (the JPEG
// decoder's buffers, Qt's pictures) and not only our own objects. Under AddressSanitizer the
// sanitizer's allocator hooks count; otherwise the program's own malloc family stands in front
// of glibc's. Either way every thread's allocations count.

#include <cstddef>
#include <functional>

namespace skelda::fuzz {

// How far the heap grew above its size at the start, at its highest while Action ran.
std::size_t PeakHeapGrowthBytes(const std::function<void()>& Action);

}  // namespace skelda::fuzz
