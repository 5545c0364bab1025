#include "platform/graphics/ThemeElement.h"

#include "platform/graphics/ThemeParts.h"

#include <array>
#include <cctype>
#include <utility>

namespace plat {

namespace {

constexpr std::array<std::pair<std::string_view, TThemeClass>, 9> kClassNames{{
    {"BUTTON", TThemeClass::Button},
    {"COMBOBOX", TThemeClass::ComboBox},
    {"EDIT", TThemeClass::Edit},
    {"HEADER", TThemeClass::Header},
    {"PROGRESS", TThemeClass::Progress},
    {"SCROLLBAR", TThemeClass::ScrollBar},
    {"SPIN", TThemeClass::Spin},
    {"TAB", TThemeClass::Tab},
    {"WINDOW", TThemeClass::Window},
}};

std::string_view Trimmed(std::string_view Text)
{
    while (!Text.empty() && std::isspace(static_cast<unsigned char>(Text.front())))
        Text.remove_prefix(1);
    while (!Text.empty() && std::isspace(static_cast<unsigned char>(Text.back())))
        Text.remove_suffix(1);
    return Text;
}

bool SameName(std::string_view A, std::string_view B)
{
    if (A.size() != B.size())
        return false;
    for (std::size_t i = 0; i < A.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(A[i])) != std::toupper(static_cast<unsigned char>(B[i])))
            return false;
    return true;
}

std::optional<TThemeClass> ClassNamed(std::string_view Name)
{
    for (const auto& [name, themeClass] : kClassNames)
        if (SameName(name, Name))
            return themeClass;
    return std::nullopt;
}

// Most parts list their states as normal, hot, pressed, disabled, repeated per variant
// (unchecked, checked, mixed; up, down, left, right). Index counts from 0 over the whole list.
void TakeFourStates(TThemeElement& Element, int Index)
{
    const int state = Index % 4;
    Element.Hot = state == 1;
    Element.Pressed = state == 2;
    Element.Enabled = state != 3;
}

std::optional<TThemeElement> FourStateElement(TThemeElement Element, int StateId, int Variants)
{
    if (StateId < 1 || StateId > 4 * Variants)
        return std::nullopt;
    TakeFourStates(Element, StateId - 1);
    return Element;
}

std::optional<TThemeElement> ButtonElement(int PartId, int StateId)
{
    TThemeElement element;
    switch (PartId) {
    case BP_PUSHBUTTON:
        element.Kind = TThemeElementKind::PushButton;
        if (StateId == PBS_DEFAULTED) {
            element.Defaulted = true;
            return element;
        }
        return FourStateElement(element, StateId, 1);
    case BP_RADIOBUTTON:
        element.Kind = TThemeElementKind::RadioButton;
        element.Mark = StateId >= RBS_CHECKEDNORMAL ? TThemeCheckMark::Checked : TThemeCheckMark::Unchecked;
        return FourStateElement(element, StateId, 2);
    case BP_CHECKBOX: {
        element.Kind = TThemeElementKind::CheckBox;
        constexpr TThemeCheckMark kMarks[] = {TThemeCheckMark::Unchecked, TThemeCheckMark::Checked, TThemeCheckMark::Mixed};
        if (StateId >= 1 && StateId <= CBS_MIXEDDISABLED)
            element.Mark = kMarks[(StateId - 1) / 4];
        return FourStateElement(element, StateId, 3);
    }
    default:
        return std::nullopt;
    }
}

TThemeElement ArrowElement(TThemeArrow Arrow)
{
    TThemeElement element;
    element.Kind = TThemeElementKind::ArrowButton;
    element.Arrow = Arrow;
    return element;
}

std::optional<TThemeElement> ScrollBarElement(int PartId, int StateId)
{
    if (PartId != SBP_ARROWBTN || StateId < ABS_UPNORMAL || StateId > ABS_RIGHTDISABLED)
        return std::nullopt;
    constexpr TThemeArrow kArrows[] = {TThemeArrow::Up, TThemeArrow::Down, TThemeArrow::Left,
                                           TThemeArrow::Right};
    return FourStateElement(ArrowElement(kArrows[(StateId - 1) / 4]), StateId, 4);
}

std::optional<TThemeElement> SpinElement(int PartId, int StateId)
{
    switch (PartId) {
    case SPNP_UP: return FourStateElement(ArrowElement(TThemeArrow::Up), StateId, 1);
    case SPNP_DOWN: return FourStateElement(ArrowElement(TThemeArrow::Down), StateId, 1);
    case SPNP_UPHORZ: return FourStateElement(ArrowElement(TThemeArrow::Right), StateId, 1);
    case SPNP_DOWNHORZ: return FourStateElement(ArrowElement(TThemeArrow::Left), StateId, 1);
    default: return std::nullopt;
    }
}

std::optional<TThemeElement> EditElement(int PartId, int StateId)
{
    if (PartId != EP_EDITTEXT || StateId < ETS_NORMAL || StateId > ETS_READONLY)
        return std::nullopt;
    TThemeElement element;
    element.Kind = TThemeElementKind::EditText;
    element.Hot = StateId == ETS_HOT;
    element.Selected = StateId == ETS_SELECTED;
    element.Enabled = StateId != ETS_DISABLED;
    element.Focused = StateId == ETS_FOCUSED;
    element.ReadOnly = StateId == ETS_READONLY;
    return element;
}

std::optional<TThemeElement> HeaderElement(int PartId, int StateId)
{
    if (PartId < HP_HEADERITEM || PartId > HP_HEADERITEMRIGHT || StateId < HIS_NORMAL || StateId > HIS_PRESSED)
        return std::nullopt;
    TThemeElement element;
    element.Kind = TThemeElementKind::HeaderItem;
    element.Hot = StateId == HIS_HOT;
    element.Pressed = StateId == HIS_PRESSED;
    return element;
}

std::optional<TThemeElement> ProgressElement(int PartId)
{
    if (PartId < PP_BAR || PartId > PP_CHUNKVERT)
        return std::nullopt;
    TThemeElement element;
    element.Kind = PartId == PP_BAR || PartId == PP_BARVERT ? TThemeElementKind::ProgressBar
                                                            : TThemeElementKind::ProgressChunk;
    element.Vertical = PartId == PP_BARVERT || PartId == PP_CHUNKVERT;
    return element;
}

std::optional<TThemeElement> TabElement(int PartId, int StateId)
{
    TThemeElement element;
    if (PartId == TABP_PANE) {
        element.Kind = TThemeElementKind::TabPane;
        return element;
    }
    if (PartId != TABP_TABITEM || StateId < TIS_NORMAL || StateId > TIS_FOCUSED)
        return std::nullopt;
    element.Kind = TThemeElementKind::TabItem;
    element.Hot = StateId == TIS_HOT;
    element.Selected = StateId == TIS_SELECTED;
    element.Enabled = StateId != TIS_DISABLED;
    element.Focused = StateId == TIS_FOCUSED;
    return element;
}

std::optional<TThemeElement> WindowElement(int PartId, int StateId)
{
    TThemeElement element;
    if (PartId == WP_DIALOG) {
        element.Kind = TThemeElementKind::DialogFace;
        return element;
    }
    if (PartId != WP_CAPTION || StateId < CS_ACTIVE || StateId > CS_DISABLED)
        return std::nullopt;
    element.Kind = TThemeElementKind::Caption;
    element.Active = StateId == CS_ACTIVE;
    element.Enabled = StateId != CS_DISABLED;
    return element;
}

}  // namespace

std::optional<TThemeClass> FindThemeClass(std::string_view ClassList)
{
    while (true) {
        const std::size_t end = ClassList.find(';');
        if (const auto found = ClassNamed(Trimmed(ClassList.substr(0, end))))
            return found;
        if (end == std::string_view::npos)
            return std::nullopt;
        ClassList.remove_prefix(end + 1);
    }
}

std::string_view ThemeClassName(TThemeClass Class)
{
    for (const auto& [name, themeClass] : kClassNames)
        if (themeClass == Class)
            return name;
    return {};
}

std::optional<TThemeElement> FindThemeElement(TThemeClass Class, int PartId, int StateId)
{
    // State 0 asks for the part as such, which the theme library drew in its first state.
    if (StateId == 0)
        StateId = 1;
    switch (Class) {
    case TThemeClass::Button: return ButtonElement(PartId, StateId);
    case TThemeClass::ComboBox:
        if (PartId != CP_DROPDOWNBUTTON)
            return std::nullopt;
        return FourStateElement(ArrowElement(TThemeArrow::Down), StateId, 1);
    case TThemeClass::Edit: return EditElement(PartId, StateId);
    case TThemeClass::Header: return HeaderElement(PartId, StateId);
    case TThemeClass::Progress: return ProgressElement(PartId);
    case TThemeClass::ScrollBar: return ScrollBarElement(PartId, StateId);
    case TThemeClass::Spin: return SpinElement(PartId, StateId);
    case TThemeClass::Tab: return TabElement(PartId, StateId);
    case TThemeClass::Window: return WindowElement(PartId, StateId);
    }
    return std::nullopt;
}

}  // namespace plat
