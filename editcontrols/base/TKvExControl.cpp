#include "editcontrols/base/TKvExControl.h"

#include "editcontrols/base/IKvDenySubClassing.h"
#include "editcontrols/base/KeyDataBits.h"
#include "platform/controls/core/TGraphicControl.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/standard/TBitBtn.h"
#include "platform/controls/standard/TMaskEdit.h"
#include "platform/controls/standard/TPanel.h"
#include "platform/core/Utf8.h"

namespace skelda::editcontrols {

template <typename TBase>
TKvExControl<TBase>::TKvExControl(plat::TComponent* AOwner) : TBase(AOwner)
{
}

template <typename TBase>
plat::LRESULT TKvExControl<TBase>::InheritedMessage(unsigned Msg, plat::WPARAM WParam, plat::LPARAM LParam)
{
    plat::TMessage message{Msg, WParam, LParam, 0};
    TBase::WndProc(message);
    return message.Result;
}

template <typename TBase>
void TKvExControl<TBase>::NotifyTextChanged()
{
    InheritedMessage(plat::CM_TEXTCHANGED);
}

template <typename TBase>
bool TKvExControl<TBase>::AcceptDialogChar(std::uint16_t Key, plat::TShiftState Shift, const std::string&)
{
    return InheritedMessage(plat::CM_DIALOGCHAR, Key, static_cast<plat::LPARAM>(ShiftToKeyDataBits(Shift))) != 0;
}

template <typename TBase>
bool TKvExControl<TBase>::HitTestAt(int X, int Y)
{
    return InheritedMessage(plat::CM_HITTEST, 0, plat::MAKELPARAM(X, Y)) != 0;
}

template <typename TBase>
void TKvExControl<TBase>::NotifyFocusChanged(plat::TWinControl* Control)
{
    InheritedMessage(plat::CM_FOCUSCHANGED, 0, reinterpret_cast<plat::LPARAM>(Control));
}

template <typename TBase>
void TKvExControl<TBase>::NotifyParentFontChanged()
{
    InheritedMessage(plat::CM_PARENTFONTCHANGED);
}

template <typename TBase>
void TKvExControl<TBase>::NotifyParentColorChanged()
{
    const plat::TControlRef<> alive(this);
    InheritedMessage(plat::CM_PARENTCOLORCHANGED);
    if (alive && OnParentColorChanged && !this->IsDestroying())
        OnParentColorChanged(this);
}

template <typename TBase>
void TKvExControl<TBase>::NotifyVisibleChanged()
{
    // The platform's handlers read the new visibility from WParam.
    InheritedMessage(plat::CM_VISIBLECHANGED, this->GetVisible() ? 1 : 0);
}

template <typename TBase>
void TKvExControl<TBase>::NotifyEnabledChanged()
{
    InheritedMessage(plat::CM_ENABLEDCHANGED);
}

template <typename TBase>
void TKvExControl<TBase>::NotifyColorChanged()
{
    InheritedMessage(plat::CM_COLORCHANGED);
}

template <typename TBase>
void TKvExControl<TBase>::NotifyFontChanged()
{
    InheritedMessage(plat::CM_FONTCHANGED);
}

template <typename TBase>
void TKvExControl<TBase>::NotifyMouseEnter(plat::TControl* Control)
{
    FMouseOver = true;
    const plat::TControlRef<> alive(this);
    if (OnMouseEnter && !this->IsDestroying())
        OnMouseEnter(this);
    if (alive)
        InheritedMessage(plat::CM_MOUSEENTER, 0, reinterpret_cast<plat::LPARAM>(Control));
}

template <typename TBase>
void TKvExControl<TBase>::NotifyMouseLeave(plat::TControl* Control)
{
    FMouseOver = false;
    const plat::TControlRef<> alive(this);
    InheritedMessage(plat::CM_MOUSELEAVE, 0, reinterpret_cast<plat::LPARAM>(Control));
    if (alive && OnMouseLeave && !this->IsDestroying())
        OnMouseLeave(this);
}

template <typename TBase>
void TKvExControl<TBase>::NotifyParentShowHintChanged()
{
    InheritedMessage(plat::CM_PARENTSHOWHINTCHANGED);
}

template <typename TBase>
bool TKvExControl<TBase>::PrepareHint(plat::THintInfo& HintInfo)
{
    if (FHintColor == plat::clNone) {
        HintInfo.HintColor = plat::Application->GetHintColor();
    } else if (FHintColor == plat::clDefault) {
        if (plat::TWinControl* parent = this->GetParent()) {
            plat::THintInfo copy = HintInfo;
            parent->Perform(plat::CM_HINTSHOW, 0, reinterpret_cast<plat::LPARAM>(&copy));
            HintInfo.HintColor = copy.HintColor;
        }
    } else {
        HintInfo.HintColor = FHintColor;
    }
    if (FHintWindowClass)
        HintInfo.HintWindowClass = FHintWindowClass;
    return InheritedMessage(plat::CM_HINTSHOW, 0, reinterpret_cast<plat::LPARAM>(&HintInfo)) != 0;
}

template <typename TBase>
bool TKvExControl<TBase>::DispatchToOperation(plat::TMessage& Message)
{
    auto answer = [&Message](bool Value) { Message.Result = Value ? 1 : 0; };
    switch (Message.Msg) {
    case plat::CM_TEXTCHANGED:
        NotifyTextChanged();
        return true;
    case plat::CM_DIALOGCHAR: {
        const std::uint16_t key = plat::LOWORD(Message.WParam);
        const plat::TShiftState shift = plat::KeyDataToShiftState(static_cast<std::uint32_t>(Message.LParam));
        answer(AcceptDialogChar(key, shift, plat::CodePointToUtf8(key)));
        return true;
    }
    case plat::CM_HITTEST:
        answer(HitTestAt(plat::GET_X_LPARAM(Message.LParam), plat::GET_Y_LPARAM(Message.LParam)));
        return true;
    case plat::CM_FOCUSCHANGED:
        NotifyFocusChanged(plat::TCMFocusChanged(Message).Sender());
        return true;
    case plat::CM_PARENTFONTCHANGED:
        NotifyParentFontChanged();
        return true;
    case plat::CM_PARENTCOLORCHANGED:
        NotifyParentColorChanged();
        return true;
    case plat::CM_VISIBLECHANGED:
        NotifyVisibleChanged();
        return true;
    case plat::CM_ENABLEDCHANGED:
        NotifyEnabledChanged();
        return true;
    case plat::CM_COLORCHANGED:
        NotifyColorChanged();
        return true;
    case plat::CM_FONTCHANGED:
        NotifyFontChanged();
        return true;
    case plat::CM_MOUSEENTER:
        NotifyMouseEnter(plat::TCMMouseEnterLeave(Message).Control());
        return true;
    case plat::CM_MOUSELEAVE:
        NotifyMouseLeave(plat::TCMMouseEnterLeave(Message).Control());
        return true;
    case plat::CM_PARENTSHOWHINTCHANGED:
        NotifyParentShowHintChanged();
        return true;
    case plat::CM_HINTSHOW:
        if (plat::THintInfo* info = plat::TCMHintShow(Message).HintInfo()) {
            answer(PrepareHint(*info));
            return true;
        }
        return false;
    case CM_DENYSUBCLASSING:
        Message.Result = dynamic_cast<const IKvDenySubClassing*>(this) ? 1 : 0;
        return true;
    default:
        return false;
    }
}

template class TKvExControl<plat::TGraphicControl>;
template class TKvExControl<plat::TCustomMaskEdit>;
template class TKvExControl<plat::TCustomPanel>;
template class TKvExControl<plat::TBitBtn>;

}  // namespace skelda::editcontrols
