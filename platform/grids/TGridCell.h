#pragma once

#include <string>

namespace plat {

class TObject;

// One cell of the string grid: its text and one object slot. The grid does not own the object;
// whoever stores it frees it.
struct TGridCell {
    std::string Text;
    TObject* Object = nullptr;
};

}  // namespace plat
