#pragma once

#include "platform/controls/services/DialogService.h"

namespace plat {

// Message boxes as Qt's QMessageBox and task dialogs as QtTaskDialog, modal for the whole
// application.
class QtDialogService : public IDialogService {
public:
    int MessageBox(const std::string& Text, const std::string& Caption, unsigned Flags) override;
    HRESULT TaskDialogIndirect(const TTaskDialogConfig& Config, int* Button, int* RadioButton,
                               bool* VerificationFlagChecked) override;
};

}  // namespace plat
