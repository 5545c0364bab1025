#pragma once

#include "platform/core/TPersistent.h"

#include <functional>

namespace plat {

// Common ground of the objects a canvas selects (font, pen, brush): a change of any property
// fires OnChange so that the owner (a canvas, a control) can pick up the new look.
class TGraphicsObject : public TPersistent {
public:
    std::string ClassName() const override { return "TGraphicsObject"; }

    std::function<void(TObject*)> OnChange;

protected:
    void Changed();
};

}  // namespace plat
