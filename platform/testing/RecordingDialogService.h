#pragma once

#include "platform/controls/services/DialogService.h"

#include <deque>
#include <string>
#include <vector>

namespace plat::testing {

struct TRecordedMessageBox {
    std::string Text;
    std::string Caption;
    unsigned Flags = 0;
    int Answer = 0;
};

// Records each message box and answers from a script: the scripted ids in order, then the
// default button of each box.
class RecordingDialogService : public IDialogService {
public:
    int MessageBox(const std::string& Text, const std::string& Caption, unsigned Flags) override;

    void Answer(int Id) { FAnswers.push_back(Id); }
    const std::vector<TRecordedMessageBox>& Shown() const { return FShown; }
    // The texts of the boxes shown, in order.
    std::vector<std::string> Texts() const;
    void Clear() { FShown.clear(); }

private:
    std::deque<int> FAnswers;
    std::vector<TRecordedMessageBox> FShown;
};

}  // namespace plat::testing
