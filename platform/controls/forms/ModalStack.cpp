#include "platform/controls/forms/ModalStack.h"

#include "platform/controls/core/TWinControl.h"

#include <algorithm>

namespace plat {

namespace {

struct ModalLevel {
    const TWinControl* Form;
    // The windows that were showing when the modal form came: they take no input meanwhile.
    // Windows shown later (popups of the modal form) do.
    std::vector<TControlRef<TWinControl>> Blocked;
};

std::vector<ModalLevel>& Levels()
{
    static std::vector<ModalLevel> levels;
    return levels;
}

}  // namespace

void ModalStack::Push(const TWinControl* Form, const std::vector<TWinControl*>& Blocked)
{
    ModalLevel level{Form, {}};
    for (TWinControl* window : Blocked)
        level.Blocked.emplace_back(window);
    Levels().push_back(std::move(level));
}

void ModalStack::Remove(const TWinControl* Form)
{
    std::erase_if(Levels(), [Form](const ModalLevel& level) { return level.Form == Form; });
}

bool ModalStack::AcceptsInput(const TControl* Control)
{
    const TControl* top = Control;
    while (top && top->GetParent())
        top = top->GetParent();
    for (const ModalLevel& level : Levels())
        for (const auto& blocked : level.Blocked)
            if (blocked.Get() && blocked.Get() == top)
                return false;
    return true;
}

}  // namespace plat
