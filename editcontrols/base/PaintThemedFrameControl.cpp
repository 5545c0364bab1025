#include "editcontrols/base/PaintThemedFrameControl.h"

#include "editcontrols/base/ThemeHandle.h"
#include "platform/graphics/CanvasFlags.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/ThemeParts.h"

#include <optional>
#include <string_view>

namespace skelda::editcontrols {

namespace {

struct TThemedPart {
    std::string_view ClassName;
    int PartId;
    int StateId;
};

// Offset of the state among the four of normal, hot, pressed, disabled.
int FourStateIndex(unsigned State)
{
    if (State & plat::DFCS_INACTIVE)
        return 3;
    if (State & plat::DFCS_PUSHED)
        return 2;
    if (State & plat::DFCS_HOT)
        return 1;
    return 0;
}

int PushButtonState(unsigned State)
{
    if (State & plat::DFCS_INACTIVE)
        return plat::PBS_DISABLED;
    if (State & plat::DFCS_PUSHED)
        return plat::PBS_PRESSED;
    if (State & plat::DFCS_HOT)
        return plat::PBS_HOT;
    return (State & plat::DFCS_MONO) ? plat::PBS_DEFAULTED : plat::PBS_NORMAL;
}

std::optional<TThemedPart> ScrollPart(unsigned State)
{
    const unsigned kind = State & 0xFF;
    const int index = FourStateIndex(State);
    if (kind <= plat::DFCS_SCROLLRIGHT) {
        if (State & plat::DFCS_TRANSPARENT)
            return std::nullopt;
        return TThemedPart{"SCROLLBAR", plat::SBP_ARROWBTN, plat::ABS_UPNORMAL + static_cast<int>(kind) * 4 + index};
    }
    if (kind == plat::DFCS_SCROLLCOMBOBOX)
        return TThemedPart{"COMBOBOX", plat::CP_DROPDOWNBUTTON, plat::CBXS_NORMAL + index};
    return std::nullopt;
}

std::optional<TThemedPart> ButtonPart(unsigned State)
{
    const unsigned kind = State & 0xFF;
    const int index = FourStateIndex(State);
    switch (kind) {
    case plat::DFCS_BUTTONCHECK: {
        const int mark = (State & plat::DFCS_CHECKED) ? 1 : (State & plat::DFCS_MONO) ? 2 : 0;
        return TThemedPart{"BUTTON", plat::BP_CHECKBOX, plat::CBS_UNCHECKEDNORMAL + mark * 4 + index};
    }
    case plat::DFCS_BUTTONRADIO: {
        const int mark = (State & plat::DFCS_CHECKED) ? 1 : 0;
        return TThemedPart{"BUTTON", plat::BP_RADIOBUTTON, plat::RBS_UNCHECKEDNORMAL + mark * 4 + index};
    }
    case plat::DFCS_BUTTONPUSH:
        if (State & (plat::DFCS_FLAT | plat::DFCS_TRANSPARENT))
            return std::nullopt;
        return TThemedPart{"BUTTON", plat::BP_PUSHBUTTON, PushButtonState(State)};
    default:
        return std::nullopt;
    }
}

std::optional<TThemedPart> ThemedPartOf(unsigned Type, unsigned State)
{
    switch (Type) {
    case plat::DFC_SCROLL:
        return ScrollPart(State);
    case plat::DFC_BUTTON:
        return ButtonPart(State);
    default:
        return std::nullopt;
    }
}

}  // namespace

bool PaintThemedFrameControl(plat::TCanvas& Canvas, plat::TRect& Rect, unsigned Type, unsigned State)
{
    if (const std::optional<TThemedPart> part = ThemedPartOf(Type, State); part && ThemesActive()) {
        const TThemeHandle theme(part->ClassName);
        if (theme && plat::SUCCEEDED(plat::ThemeServices().DrawThemeBackground(theme.Get(), Canvas, part->PartId,
                                                                              part->StateId, Rect, nullptr)))
            return true;
    }
    return Canvas.DrawFrameControl(Rect, Type, State);
}

}  // namespace skelda::editcontrols
