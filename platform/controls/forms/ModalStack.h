#pragma once

#include <vector>

namespace plat {

class TControl;
class TWinControl;

// The forms shown modally. While one is shown, the windows that were showing when it came take
// no input; windows shown after it (its own popups) do.
class ModalStack {
public:
    // Form goes modal; Blocked are the top-level windows showing at that moment.
    static void Push(const TWinControl* Form, const std::vector<TWinControl*>& Blocked);
    static void Remove(const TWinControl* Form);
    // False when a modal form is showing and Control is not on it.
    static bool AcceptsInput(const TControl* Control);
};

}  // namespace plat
