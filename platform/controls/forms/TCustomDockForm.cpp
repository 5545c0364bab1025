#include "platform/controls/forms/TCustomDockForm.h"

#include "platform/controls/core/DragObjects.h"

namespace plat {

TCustomDockForm::TCustomDockForm(TComponent* AOwner) : TCustomForm(AOwner)
{
    SetBorderStyle(bsSizeToolWin);
    SetDockSite(true);
}

TWinControl* TCustomDockForm::MakeFloatingHost(TComponent* AOwner, TControl& Client, const TRect& ScreenRect)
{
    auto* form = CreateForm<TCustomDockForm>(AOwner);
    form->SetCaption(Client.GetText());
    form->SetClientWidth(ScreenRect.Width());
    form->SetClientHeight(ScreenRect.Height());
    const TPoint origin = form->ClientOrigin();
    form->SetBounds(form->GetLeft() + ScreenRect.Left - origin.X, form->GetTop() + ScreenRect.Top - origin.Y,
                    form->GetWidth(), form->GetHeight());
    return form;
}

void TCustomDockForm::DoAddDockClient(TControl* Client, const TRect& ARect)
{
    TCustomForm::DoAddDockClient(Client, ARect);
    Client->SetAlign(alClient);
    if (Client->GetVisible())
        Show();
}

void TCustomDockForm::DoRemoveDockClient(TControl* Client)
{
    TCustomForm::DoRemoveDockClient(Client);
    if (DockClientCount() == 0)
        Release();
}

void TCustomDockForm::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_DOCKNOTIFICATION) {
        const auto& record = *reinterpret_cast<const TDockNotifyRec*>(Message.LParam);
        if (record.ClientMsg == WM_SETTEXT)
            SetCaption(reinterpret_cast<const char*>(record.MsgLParam));
        else if (record.ClientMsg == CM_VISIBLECHANGED)
            SetVisible(record.MsgWParam != 0);
        return;
    }
    TCustomForm::Dispatch(Message);
}

}  // namespace plat
