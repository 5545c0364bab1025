#include "platform/testing/ScriptedPopupMenuService.h"

namespace plat::testing {

namespace {

std::string PlainCaption(const std::string& Caption)
{
    std::string plain;
    for (std::size_t i = 0; i < Caption.size(); ++i) {
        if (Caption[i] == '&' && i + 1 < Caption.size())
            ++i;
        plain += Caption[i];
    }
    return plain;
}

int Find(const std::vector<TPopupMenuEntry>& Items, const std::string& Path)
{
    const auto bar = Path.find('|');
    const std::string head = Path.substr(0, bar);
    for (const TPopupMenuEntry& entry : Items) {
        if (PlainCaption(entry.Caption) != head || !entry.Enabled)
            continue;
        if (bar == std::string::npos)
            return entry.Items.empty() ? entry.Command : 0;
        return Find(entry.Items, Path.substr(bar + 1));
    }
    return 0;
}

}  // namespace

int ScriptedPopupMenuService::Popup(const std::vector<TPopupMenuEntry>& Items, TPoint ScreenPos,
                                    const TImageList* Images)
{
    FShown.push_back({Items, ScreenPos, Images});
    if (FChoices.empty())
        return 0;
    const std::string choice = FChoices.front();
    FChoices.pop_front();
    return Find(Items, choice);
}

}  // namespace plat::testing
