#pragma once

#include "foundation/TCustomVezTaskDialog.h"

#include <cstdint>

namespace skelda::foundation {

// A task dialog that asks for a value: always the emulated form, with an input field of
// InputType (an edit by default) filled from InputText and read back into it when the form
// closes. OnValidateInputText may refuse the value (the form stays open, also for Cancel) and
// put a corrected one in its place, which the field then shows.
class TVezInputTaskDialog : public TCustomVezTaskDialog {
public:
    explicit TVezInputTaskDialog(plat::TComponent* AOwner);

    std::string ClassName() const override { return "TVezInputTaskDialog"; }

    int Execute() override;

    // Handed to OnValidateInputText as Data.
    std::int32_t GetValidateData() const { return FData; }
    void SetValidateData(std::int32_t Value) { FData = Value; }
    // Shows the expanded text from the start.
    bool GetExpandedDefault() const { return FExpandedDefault; }
    void SetExpandedDefault(bool Value) { FExpandedDefault = Value; }

    TValidateInputTextEvent OnValidateInputText;

private:
    std::int32_t FData = 0;
    bool FExpandedDefault = false;
};

}  // namespace skelda::foundation
