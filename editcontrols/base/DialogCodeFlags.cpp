#include "editcontrols/base/DialogCodeFlags.h"

#include "platform/controls/core/Messages.h"

#include <array>
#include <utility>

namespace skelda::editcontrols {

namespace {

constexpr std::array<std::pair<TDialogCodeFlag, std::uint32_t>, 6> CodeOfFlag{{
    {dfAllKeys, plat::DLGC_WANTALLKEYS},
    {dfArrows, plat::DLGC_WANTARROWS},
    {dfChars, plat::DLGC_WANTCHARS},
    {dfButton, plat::DLGC_BUTTON},
    {dfHasSetSel, plat::DLGC_HASSETSEL},
    {dfTab, plat::DLGC_WANTTAB},
}};

}  // namespace

TDialogCodeFlags DialogCodesToFlags(std::uint32_t Codes)
{
    TDialogCodeFlags flags;
    for (const auto& [flag, code] : CodeOfFlag)
        if (Codes & code)
            flags.Include(flag);
    return flags;
}

std::uint32_t FlagsToDialogCodes(TDialogCodeFlags Flags)
{
    std::uint32_t codes = 0;
    for (const auto& [flag, code] : CodeOfFlag)
        if (Flags.Contains(flag))
            codes |= code;
    return codes;
}

}  // namespace skelda::editcontrols
