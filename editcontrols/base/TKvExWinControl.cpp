#include "editcontrols/base/TKvExWinControl.h"

#include "editcontrols/base/FlatBorder.h"
#include "platform/controls/core/ControlCanvas.h"
#include "platform/controls/core/PaintContext.h"
#include "platform/controls/standard/TBitBtn.h"
#include "platform/controls/standard/TMaskEdit.h"
#include "platform/controls/standard/TPanel.h"
#include "platform/graphics/TCanvas.h"

namespace skelda::editcontrols {

namespace {

// Puts a canvas's saved state back however the drawing ends.
class TSavedCanvasState {
public:
    explicit TSavedCanvasState(plat::TCanvas& Canvas) : FCanvas(Canvas), FIndex(Canvas.SaveDC()) {}
    ~TSavedCanvasState() { FCanvas.RestoreDC(FIndex); }
    TSavedCanvasState(const TSavedCanvasState&) = delete;
    TSavedCanvasState& operator=(const TSavedCanvasState&) = delete;

private:
    plat::TCanvas& FCanvas;
    int FIndex;
};

}  // namespace

template <typename TBase>
TKvExWinControl<TBase>::TKvExWinControl(plat::TComponent* AOwner) : TKvExControl<TBase>(AOwner)
{
}

template <typename TBase>
void TKvExWinControl<TBase>::SetDotNetHighlighting(bool Value)
{
    if (Value == FDotNetHighlighting)
        return;
    FDotNetHighlighting = Value;
    this->Invalidate();
}

template <typename TBase>
bool TKvExWinControl<TBase>::IsHighlighted() const
{
    return this->Focused() || this->GetMouseOver();
}

template <typename TBase>
void TKvExWinControl<TBase>::NotifyBoundsChanged()
{
}

template <typename TBase>
void TKvExWinControl<TBase>::AdjustDialogCodes(TDialogCodeFlags&)
{
}

template <typename TBase>
void TKvExWinControl<TBase>::NotifyFocusSet(plat::TWinControl* PreviousWnd)
{
    this->InheritedMessage(plat::WM_SETFOCUS, reinterpret_cast<plat::WPARAM>(PreviousWnd));
}

template <typename TBase>
void TKvExWinControl<TBase>::NotifyFocusKilled(plat::TWinControl* NextWnd)
{
    this->InheritedMessage(plat::WM_KILLFOCUS, reinterpret_cast<plat::WPARAM>(NextWnd));
}

template <typename TBase>
bool TKvExWinControl<TBase>::PaintBackground(plat::TCanvas& Canvas, plat::LPARAM Param)
{
    return this->InheritedMessage(plat::WM_ERASEBKGND, reinterpret_cast<plat::WPARAM>(&Canvas), Param) != 0;
}

template <typename TBase>
void TKvExWinControl<TBase>::NotifyCursorChanged()
{
    this->InheritedMessage(plat::CM_CURSORCHANGED);
}

template <typename TBase>
void TKvExWinControl<TBase>::NotifyShowingChanged()
{
    this->InheritedMessage(plat::CM_SHOWINGCHANGED);
}

template <typename TBase>
void TKvExWinControl<TBase>::NotifyShowHintChanged()
{
    this->InheritedMessage(plat::CM_SHOWHINTCHANGED);
}

template <typename TBase>
void TKvExWinControl<TBase>::NotifyControlsListChanging(plat::TControl* Control, bool Inserting)
{
    this->InheritedMessage(Inserting ? plat::CM_CONTROLLISTCHANGE : plat::CM_CONTROLCHANGE,
                           reinterpret_cast<plat::WPARAM>(Control), Inserting ? 1 : 0);
}

template <typename TBase>
void TKvExWinControl<TBase>::NotifyControlsListChanged(plat::TControl* Control, bool Inserting)
{
    this->InheritedMessage(Inserting ? plat::CM_CONTROLCHANGE : plat::CM_CONTROLLISTCHANGE,
                           reinterpret_cast<plat::WPARAM>(Control), Inserting ? 1 : 0);
}

template <typename TBase>
void TKvExWinControl<TBase>::EraseBackground(plat::TMessage& Message)
{
    auto* canvas = reinterpret_cast<plat::TCanvas*>(Message.WParam);
    if (!canvas) {
        TBase::WndProc(Message);
        return;
    }
    const TSavedCanvasState saved(*canvas);
    Message.Result = PaintBackground(*canvas, Message.LParam) ? 1 : 0;
}

template <typename TBase>
void TKvExWinControl<TBase>::AnswerDialogCode(plat::TMessage& Message)
{
    const plat::TControlRef<> alive(this);
    TBase::WndProc(Message);
    if (!alive)
        return;
    TDialogCodeFlags flags = DialogCodesToFlags(static_cast<std::uint32_t>(Message.Result));
    flags.Include(dfNative);
    AdjustDialogCodes(flags);
    if (!flags.Contains(dfNative))
        Message.Result = static_cast<plat::LRESULT>(FlagsToDialogCodes(flags));
}

template <typename TBase>
bool TKvExWinControl<TBase>::DispatchWindowMessage(plat::TMessage& Message)
{
    switch (Message.Msg) {
    case plat::WM_MOVE:
    case plat::WM_SIZE: {
        const plat::TControlRef<> alive(this);
        TBase::WndProc(Message);
        if (alive)
            NotifyBoundsChanged();
        return true;
    }
    case plat::WM_SETFOCUS:
        NotifyFocusSet(plat::TWMSetFocus(Message).FocusedWnd());
        return true;
    case plat::WM_KILLFOCUS:
        NotifyFocusKilled(plat::TWMKillFocus(Message).FocusedWnd());
        return true;
    case plat::WM_ERASEBKGND:
        EraseBackground(Message);
        return true;
    case plat::WM_GETDLGCODE:
        AnswerDialogCode(Message);
        return true;
    case plat::CM_CURSORCHANGED:
        NotifyCursorChanged();
        return true;
    case plat::CM_SHOWINGCHANGED:
        NotifyShowingChanged();
        return true;
    case plat::CM_SHOWHINTCHANGED:
        NotifyShowHintChanged();
        return true;
    case plat::CM_CONTROLLISTCHANGE:
    case plat::CM_CONTROLCHANGE: {
        auto* child = reinterpret_cast<plat::TControl*>(Message.WParam);
        const bool inserting = Message.LParam != 0;
        if ((Message.Msg == plat::CM_CONTROLLISTCHANGE) == inserting)
            NotifyControlsListChanging(child, inserting);
        else
            NotifyControlsListChanged(child, inserting);
        return true;
    }
    default:
        return false;
    }
}

template <typename TBase>
void TKvExWinControl<TBase>::ShowFlatBorder(plat::TMessage& Message)
{
    switch (Message.Msg) {
    case plat::WM_NCPAINT:
        if (const plat::TPaintContext* context = plat::TWMPaint(Message).Context(); context && context->Painter) {
            plat::TControlCanvas canvas;
            const plat::TCanvasAttachment attached(canvas, *context);
            PaintFlatBorder(canvas, this->GetWidth(), this->GetHeight(), IsHighlighted(), this->GetColor());
        }
        return;
    case plat::WM_SETFOCUS:
    case plat::WM_KILLFOCUS:
    case plat::CM_MOUSEENTER:
    case plat::CM_MOUSELEAVE:
        this->Invalidate();
        return;
    default:
        return;
    }
}

template <typename TBase>
void TKvExWinControl<TBase>::WndProc(plat::TMessage& Message)
{
    const plat::TControlRef<> alive(this);
    if (!DispatchWindowMessage(Message) && !this->DispatchToOperation(Message))
        TBase::WndProc(Message);
    if (alive && FDotNetHighlighting && !this->ComponentState().Contains(plat::csDesigning))
        ShowFlatBorder(Message);
}

template class TKvExWinControl<plat::TCustomMaskEdit>;
template class TKvExWinControl<plat::TCustomPanel>;
template class TKvExWinControl<plat::TBitBtn>;

}  // namespace skelda::editcontrols
