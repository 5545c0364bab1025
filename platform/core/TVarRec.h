#pragma once

#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

namespace plat {

// One argument of Format: an integer, a floating value or a text. Formats check the kind of
// each argument against their conversion instead of trusting it, as printf would.
class TVarRec {
public:
    enum class TKind { Integer, Float, String };

    template <std::integral T>
        requires(!std::same_as<T, bool> && !std::same_as<T, char> && !std::same_as<T, char8_t> &&
                 !std::same_as<T, char16_t> && !std::same_as<T, char32_t> && !std::same_as<T, wchar_t>)
    TVarRec(T value)
        : FKind(TKind::Integer), FIsUnsigned(std::is_unsigned_v<T>), FSizeBytes(static_cast<int>(sizeof(T)))
    {
        if constexpr (std::is_unsigned_v<T>)
            FUnsigned = value;
        else
            FSigned = value;
    }
    template <std::floating_point T>
    TVarRec(T value) : FKind(TKind::Float), FFloat(static_cast<double>(value))
    {
    }
    TVarRec(char value) : FKind(TKind::String), FString(1, value) {}
    TVarRec(std::string value) : FKind(TKind::String), FString(std::move(value)) {}
    TVarRec(std::string_view value) : FKind(TKind::String), FString(value) {}
    TVarRec(const char* value) : FKind(TKind::String), FString(value ? value : "") {}
    // A bool or an arbitrary pointer would otherwise slip in as an integer.
    TVarRec(bool) = delete;
    TVarRec(std::nullptr_t) = delete;

    TKind Kind() const { return FKind; }
    bool IsUnsigned() const { return FIsUnsigned; }
    // Size of the integer type the value came from (4 for int), so %x of -1 reads FFFFFFFF.
    int SizeBytes() const { return FSizeBytes; }
    std::int64_t AsSigned() const { return FSigned; }
    std::uint64_t AsUnsigned() const { return FUnsigned; }
    double AsFloat() const { return FFloat; }
    const std::string& AsString() const { return FString; }

private:
    TKind FKind;
    bool FIsUnsigned = false;
    int FSizeBytes = 0;
    std::int64_t FSigned = 0;
    std::uint64_t FUnsigned = 0;
    double FFloat = 0;
    std::string FString;
};

}  // namespace plat
