#pragma once

namespace skelda::grid {

// Stores Value in Field and tells whether that changed the field, so that a setter reports
// only real changes.
template <typename T>
bool ChangeValue(T& Field, const T& Value)
{
    if (Field == Value)
        return false;
    Field = Value;
    return true;
}

}  // namespace skelda::grid
