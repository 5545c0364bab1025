#pragma once

namespace plat {

class TControl;
class TCustomForm;

// The forms shown modally. While one is shown, the forms that were showing when it came take
// no input; forms shown after it (its own popups) do.
class ModalStack {
public:
    static void Push(TCustomForm* Form);
    static void Remove(const TCustomForm* Form);
    // False when a modal form is showing and Control is not on it.
    static bool AcceptsInput(const TControl* Control);
};

}  // namespace plat
