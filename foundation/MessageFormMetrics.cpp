#include "foundation/MessageFormMetrics.h"

#include "platform/core/MulDiv.h"
#include "platform/graphics/TCanvas.h"

namespace skelda::foundation {

namespace {

constexpr int kAlphabetChars = 52;

}  // namespace

plat::TSize AverageCharSize(plat::TCanvas& Canvas)
{
    const plat::TSize extent = Canvas.TextExtent("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return {extent.cx / kAlphabetChars, extent.cy};
}

TMessageFormMetrics MessageFormMetrics(plat::TSize AverageChar)
{
    const int cx = AverageChar.cx;
    const int cy = AverageChar.cy;
    return {plat::MulDiv(8, cx, 4),  plat::MulDiv(8, cy, 8),  plat::MulDiv(10, cx, 4),
            plat::MulDiv(10, cy, 8), plat::MulDiv(14, cy, 8), plat::MulDiv(4, cx, 4)};
}

const TCommonButtonInfo& CommonButtonInfo(TCommonButton Button)
{
    static constexpr TCommonButtonInfo kButtons[] = {{"OK", "OK", 1},         {"Yes", "&Yes", 6},
                                                     {"No", "&No", 7},        {"Cancel", "Cancel", 2},
                                                     {"Retry", "&Retry", 4}, {"Abort", "&Abort", 3}};
    return kButtons[Button];
}

TCommonButtonSlots CommonButtonSlots(TCommonButtons Shown, int DefaultButton)
{
    TCommonButtonSlots chosen;
    auto firstShown = [&](std::initializer_list<TCommonButton> Choices, TCommonButton Otherwise) {
        for (TCommonButton b : Choices)
            if (Shown.Contains(b))
                return b;
        return Otherwise;
    };
    switch (DefaultButton) {
    case -1:
        chosen.HasDefault = false;
        break;
    case 0:
        chosen.Default = firstShown({cbOK, cbYes}, cbRetry);
        chosen.Cancel = firstShown({cbCancel, cbNo}, cbOK);
        break;
    case 1:
        chosen.Default = firstShown({cbOK}, cbYes);
        break;
    case 2:
        chosen.Default = firstShown({cbCancel}, cbNo);
        break;
    case 6:
        chosen.Default = firstShown({cbYes}, cbOK);
        break;
    case 7:
        chosen.Default = firstShown({cbNo}, cbOK);
        break;
    case 8:
        chosen.Default = firstShown({cbClose}, cbOK);
        break;
    default:
        break;
    }
    return chosen;
}

}  // namespace skelda::foundation
