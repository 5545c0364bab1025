#include "app/RegistryExtended.h"

#include "platform/system/Extended80.h"
#include "platform/system/RegistryException.h"
#include "platform/system/TRegistry.h"

#include <cmath>

namespace skelda::app {

namespace {

std::string SubKeyPath(const std::string& SubKey)
{
    return std::string("\\") + kSettingsKey + "\\" + SubKey;
}

}  // namespace

long double ReadRegExtended(const std::string& SubKey, const std::string& Name, long double LimitDeg)
{
    plat::TRegistry registry;
    if (!registry.OpenKey(SubKeyPath(SubKey), true) || !registry.ValueExists(Name))
        return 0.0L;
    const auto damaged = [&Name] { return plat::ERegistryException("Invalid data type for '" + Name + "'"); };
    if (registry.GetDataType(Name) != plat::rdBinary || registry.GetDataSize(Name) > 10)
        throw damaged();
    plat::TExtendedBytes bytes{};
    registry.ReadBinaryData(Name, bytes.data(), static_cast<int>(bytes.size()));
    const long double value = plat::ExtendedFromBytes(bytes);
    // std::abs of a NaN compares false, so the test is written to let only finite values pass.
    if (!(std::abs(value) <= LimitDeg))
        throw damaged();
    return value;
}

void WriteRegExtended(const std::string& SubKey, const std::string& Name, long double Value)
{
    plat::TRegistry registry;
    registry.OpenKey(SubKeyPath(SubKey), true);
    const plat::TExtendedBytes bytes = plat::ExtendedToBytes(Value);
    // With no key open this raises, as every write the store cannot save does.
    registry.WriteBinaryData(Name, bytes.data(), static_cast<int>(bytes.size()));
}

}  // namespace skelda::app
