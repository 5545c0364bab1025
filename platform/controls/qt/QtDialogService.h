#pragma once

#include "platform/controls/services/DialogService.h"

namespace plat {

// Message boxes as Qt's QMessageBox, modal for the whole application.
class QtDialogService : public IDialogService {
public:
    int MessageBox(const std::string& Text, const std::string& Caption, unsigned Flags) override;
};

}  // namespace plat
