#pragma once

// The emulated task dialog: a form built from a task dialog component's properties, shown where
// the platform's own task dialog is not used. The component reaches it only through this
// interface, and makes it through the factory installed with SetMessageFormFactory.

#include <functional>
#include <memory>

namespace skelda::foundation {

class TCustomVezTaskDialog;

class IVezMessageForm {
public:
    virtual ~IVezMessageForm() = default;

    // Shows the form modally; its modal result.
    virtual int ShowModal() = 0;
    // While it is shown:
    virtual void ClickButton(int ButtonID) = 0;
    virtual void EnableButton(int ButtonID, bool Enabled) = 0;
    // Measures and lays the form out again after a text changed.
    virtual void UpdateDialog() = 0;
    virtual void Close() = 0;
};

using TMessageFormFactory = std::function<std::unique_ptr<IVezMessageForm>(TCustomVezTaskDialog& Dialog)>;

// Installs the factory of the emulated form for every task dialog component (empty removes it).
// DefaultMessageFormFactory is installed from the start.
void SetMessageFormFactory(TMessageFormFactory Factory);
// The factory of TVezMessageForm.
TMessageFormFactory DefaultMessageFormFactory();
const TMessageFormFactory& MessageFormFactory();

}  // namespace skelda::foundation
