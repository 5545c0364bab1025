#pragma once

#include <type_traits>

namespace plat {

// Stores Value in Field and tells whether that changed the field, so that a setter reports
// only real changes:
//     if (ChangeValue(FColor, Value)) Invalidate();
template <typename T>
bool ChangeValue(T& Field, const std::type_identity_t<T>& Value)
{
    if (Field == Value)
        return false;
    Field = Value;
    return true;
}

}  // namespace plat
