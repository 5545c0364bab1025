#include "platform/testing/RecordingDialogService.h"

namespace plat::testing {

int RecordingDialogService::MessageBox(const std::string& Text, const std::string& Caption, unsigned Flags)
{
    int answer = MessageBoxDefaultId(Flags);
    if (!FAnswers.empty()) {
        answer = FAnswers.front();
        FAnswers.pop_front();
    }
    FShown.push_back({Text, Caption, Flags, answer});
    return answer;
}

std::vector<std::string> RecordingDialogService::Texts() const
{
    std::vector<std::string> texts;
    for (const TRecordedMessageBox& box : FShown)
        texts.push_back(box.Text);
    return texts;
}

}  // namespace plat::testing
