#pragma once

#include "platform/core/TObject.h"

#include <functional>

namespace skelda::pager {

// Counts the announcements Action makes an object fire through its OnChange.
template <typename T>
int Announcements(T& Object, const std::function<void(T&)>& Action)
{
    int count = 0;
    Object.OnChange = [&](plat::TObject*) { ++count; };
    Action(Object);
    Object.OnChange = nullptr;
    return count;
}

}  // namespace skelda::pager
