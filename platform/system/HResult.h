#pragma once

#include <cstdint>

namespace plat {

// The result code of the platform's component services (themes, composition): zero or positive
// is success, negative a failure whose value names the fault.
using HRESULT = std::int32_t;

constexpr HRESULT S_OK = 0;
// Success with a "no": the call did nothing, or the caller is asked not to go on.
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOTIMPL = static_cast<HRESULT>(0x80004001u);
constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
constexpr HRESULT E_HANDLE = static_cast<HRESULT>(0x80070006u);
constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);
// A property the element does not have (the operating system's "element not found").
constexpr HRESULT E_PROP_ID_UNSUPPORTED = static_cast<HRESULT>(0x80070490u);

constexpr bool SUCCEEDED(HRESULT Result) { return Result >= 0; }
constexpr bool FAILED(HRESULT Result) { return Result < 0; }

}  // namespace plat
