#pragma once

#include "platform/core/TObject.h"
#include "platform/graphics/Colors.h"

#include <memory>
#include <variant>

namespace skelda::grid {

// What a cell object refers to besides its own fields: nothing, a colour value, an object the
// caller keeps (borrowed) or an object the cell object owns. The kind of reference, not a flag
// beside it, decides what is freed: a colour is never taken for a pointer and a borrowed
// picture is never deleted.
class TCellReference {
public:
    TCellReference() = default;

    bool IsEmpty() const { return std::holds_alternative<std::monostate>(FValue); }
    bool IsColor() const { return std::holds_alternative<plat::TColor>(FValue); }
    bool IsOwned() const { return std::holds_alternative<std::unique_ptr<plat::TObject>>(FValue); }

    // The colour value; clNone when the reference holds no colour.
    plat::TColor GetColor() const;
    void SetColor(plat::TColor Value) { FValue = Value; }

    // The object, borrowed or owned; nullptr when there is none.
    plat::TObject* GetObject() const;
    template <typename T>
    T* As() const
    {
        return dynamic_cast<T*>(GetObject());
    }
    // A null object clears the reference.
    void Borrow(plat::TObject* Object);
    void Own(std::unique_ptr<plat::TObject> Object);

    void Clear() { FValue = std::monostate(); }

private:
    struct TBorrowed {
        plat::TObject* Object;
    };

    std::variant<std::monostate, plat::TColor, TBorrowed, std::unique_ptr<plat::TObject>> FValue;
};

}  // namespace skelda::grid
