#include "platform/controls/forms/ModalStack.h"

#include "platform/controls/forms/TForm.h"
#include "platform/controls/forms/TScreen.h"

#include <algorithm>
#include <vector>

namespace plat {

namespace {

struct ModalLevel {
    const TCustomForm* Form;
    // The forms that were showing when the modal form came: they take no input meanwhile.
    // Forms shown later (popups of the modal form) do.
    std::vector<TControlRef<TCustomForm>> Blocked;
};

std::vector<ModalLevel>& Levels()
{
    static std::vector<ModalLevel> levels;
    return levels;
}

}  // namespace

void ModalStack::Push(TCustomForm* Form)
{
    ModalLevel level{Form, {}};
    TScreen& screen = TheScreen();
    for (int i = 0; i < screen.FormCount(); ++i)
        if (TCustomForm* other = screen.Forms(i); other != Form && other->Showing())
            level.Blocked.emplace_back(other);
    Levels().push_back(std::move(level));
}

void ModalStack::Remove(const TCustomForm* Form)
{
    std::erase_if(Levels(), [Form](const ModalLevel& level) { return level.Form == Form; });
}

bool ModalStack::AcceptsInput(const TControl* Control)
{
    const TCustomForm* form = GetParentForm(Control);
    for (const ModalLevel& level : Levels())
        for (const auto& blocked : level.Blocked)
            if (blocked.Get() && blocked.Get() == form)
                return false;
    return true;
}

}  // namespace plat
