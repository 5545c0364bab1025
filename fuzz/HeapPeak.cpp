#include "HeapPeak.h"

#include <atomic>
#include <cerrno>
#include <cstdint>

#include <malloc.h>

namespace {

// Signed: frees of blocks allocated before the counting began may take the count below zero,
// which leaves every later growth exact.
std::atomic<std::int64_t> LiveBytes{0};
std::atomic<std::int64_t> PeakBytes{0};

void Allocated(std::size_t SizeBytes)
{
    const std::int64_t Live = LiveBytes.fetch_add(static_cast<std::int64_t>(SizeBytes), std::memory_order_relaxed) +
                              static_cast<std::int64_t>(SizeBytes);
    std::int64_t Peak = PeakBytes.load(std::memory_order_relaxed);
    while (Live > Peak && !PeakBytes.compare_exchange_weak(Peak, Live, std::memory_order_relaxed)) {
    }
}

void Freed(std::size_t SizeBytes)
{
    LiveBytes.fetch_sub(static_cast<std::int64_t>(SizeBytes), std::memory_order_relaxed);
}

}  // namespace

#if defined(__SANITIZE_ADDRESS__)
#define SKELDA_FUZZ_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SKELDA_FUZZ_ASAN 1
#endif
#endif

#ifdef SKELDA_FUZZ_ASAN

// The sanitizer runtimes of gcc and clang both have these; gcc ships no header for them.
extern "C" {
int __sanitizer_install_malloc_and_free_hooks(void (*MallocHook)(const volatile void*, std::size_t),
                                              void (*FreeHook)(const volatile void*));
std::size_t __sanitizer_get_allocated_size(const volatile void* Pointer);
}

namespace {

void OnMalloc(const volatile void*, std::size_t SizeBytes)
{
    Allocated(SizeBytes);
}

void OnFree(const volatile void* Pointer)
{
    Freed(__sanitizer_get_allocated_size(Pointer));
}

void StartCounting()
{
    static const bool Installed = __sanitizer_install_malloc_and_free_hooks(OnMalloc, OnFree) != 0;
    (void)Installed;
}

}  // namespace

#else

// glibc takes a program's own malloc family in place of its own (and so do the libraries the
// program loads); ours hand every call on to glibc's and count the usable size of each block.
extern "C" {
void* __libc_malloc(std::size_t SizeBytes);
void* __libc_calloc(std::size_t Count, std::size_t SizeBytes);
void* __libc_realloc(void* Pointer, std::size_t SizeBytes);
void* __libc_memalign(std::size_t Alignment, std::size_t SizeBytes);
void* __libc_valloc(std::size_t SizeBytes);
void* __libc_pvalloc(std::size_t SizeBytes);
void __libc_free(void* Pointer);
}

namespace {

void* Counted(void* Pointer)
{
    if (Pointer)
        Allocated(malloc_usable_size(Pointer));
    return Pointer;
}

bool IsPowerOfTwo(std::size_t Value)
{
    return Value != 0 && (Value & (Value - 1)) == 0;
}

void StartCounting() {}

}  // namespace

extern "C" {

void* malloc(std::size_t SizeBytes)
{
    return Counted(__libc_malloc(SizeBytes));
}

void* calloc(std::size_t Count, std::size_t SizeBytes)
{
    return Counted(__libc_calloc(Count, SizeBytes));
}

void* realloc(void* Pointer, std::size_t SizeBytes)
{
    const std::size_t OldBytes = Pointer ? malloc_usable_size(Pointer) : 0;
    void* Moved = __libc_realloc(Pointer, SizeBytes);
    // A failed realloc leaves the old block alone; one to size 0 frees it.
    if (Moved || SizeBytes == 0) {
        Freed(OldBytes);
        Counted(Moved);
    }
    return Moved;
}

void free(void* Pointer)
{
    if (Pointer)
        Freed(malloc_usable_size(Pointer));
    __libc_free(Pointer);
}

void* memalign(std::size_t Alignment, std::size_t SizeBytes)
{
    return Counted(__libc_memalign(Alignment, SizeBytes));
}

void* aligned_alloc(std::size_t Alignment, std::size_t SizeBytes)
{
    return Counted(__libc_memalign(Alignment, SizeBytes));
}

int posix_memalign(void** Result, std::size_t Alignment, std::size_t SizeBytes)
{
    if (!IsPowerOfTwo(Alignment) || Alignment % sizeof(void*) != 0)
        return EINVAL;
    void* Pointer = Counted(__libc_memalign(Alignment, SizeBytes));
    if (!Pointer)
        return ENOMEM;
    *Result = Pointer;
    return 0;
}

void* valloc(std::size_t SizeBytes)
{
    return Counted(__libc_valloc(SizeBytes));
}

void* pvalloc(std::size_t SizeBytes)
{
    return Counted(__libc_pvalloc(SizeBytes));
}

}  // extern "C"

#endif

namespace skelda::fuzz {

std::size_t PeakHeapGrowthBytes(const std::function<void()>& Action)
{
    StartCounting();
    const std::int64_t Start = LiveBytes.load(std::memory_order_relaxed);
    PeakBytes.store(Start, std::memory_order_relaxed);
    Action();
    const std::int64_t Growth = PeakBytes.load(std::memory_order_relaxed) - Start;
    return Growth > 0 ? static_cast<std::size_t>(Growth) : 0;
}

}  // namespace skelda::fuzz
