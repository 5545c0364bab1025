// The pager as a dock site: a page for every control docked onto it, freed when the control
// leaves; the control's text and visibility follow onto its tab.

#include "pager/office/TVezOfficePage.h"
#include "pager/office/TVezOfficePager.h"
#include "platform/controls/core/DragObjects.h"
#include "platform/controls/core/TControl.h"
#include "platform/controls/core/Messages.h"
#include "platform/controls/forms/TForm.h"
#include "platform/core/ScopedRestore.h"

#include <algorithm>
#include <string>
#include <utility>

namespace skelda::pager {

TVezOfficePage* TVezOfficePager::PageHolding(const plat::TControl* Client) const
{
    auto* page = dynamic_cast<TVezOfficePage*>(Client ? Client->GetParent() : nullptr);
    return page && IndexOfPage(page) >= 0 ? page : nullptr;
}

TVezOfficePage* TVezOfficePager::PageOfDockClient(const plat::TControl* Client) const
{
    return Client && Client->GetHostDockSite() == this ? PageHolding(Client) : nullptr;
}

plat::TControl* TVezOfficePager::DockedControlAt(plat::TPoint P) const
{
    if (!GetDockSite())
        return nullptr;
    const int i = IndexOfTabAt(P.X, P.Y);
    if (i < 0)
        return nullptr;
    const TVezOfficePage* page = FVezPages.Get(i);
    if (page->ControlCount() == 0)
        return nullptr;
    plat::TControl* control = page->Controls(0);
    return control->GetHostDockSite() == this ? control : nullptr;
}

void TVezOfficePager::DockOver(plat::TDragDockObject* Source, int X, int Y, plat::TDragState State, bool& Accept)
{
    if (Source)
        Source->DockRect = plat::ScreenBoundsOf(*this);
    plat::TCustomControl::DockOver(Source, X, Y, State, Accept);
}

void TVezOfficePager::DockClient(plat::TMessage& Message)
{
    Message.Result = 0;
    auto* dock = reinterpret_cast<plat::TDragDockObject*>(Message.WParam);
    plat::TControl* client = dock ? dock->Control() : nullptr;
    if (!client)
        return;
    if (TVezOfficePage* page = PageHolding(client)) {
        // Docked again where it was: its page only moves to the end. Its undocking is off.
        if (page == FUndockPage) {
            FUndockPage = nullptr;
            client->SetAlign(plat::alClient);
        }
        page->SetPageIndex(GetVezPageCount() - 1);
        return;
    }
    auto* page = new TVezOfficePage(this);
    const plat::TScopedRestore making(FNewPage, page);
    page->SetVezOfficePager(this);
    const plat::TControlRef<> alive(client);
    try {
        client->Dock(this, dock->DockRect);
    } catch (...) {
        // The control is not the page's to take along.
        if (alive && client->GetParent() == page)
            client->SetParent(nullptr);
        delete page;
        throw;
    }
    if (!alive)
        return;
    page->SetTabVisible(client->GetVisible());
    if (client->GetVisible())
        SetActivePage(page);
    client->SetAlign(plat::alClient);
    if (const auto* form = dynamic_cast<const plat::TCustomForm*>(client))
        page->SetCaption(form->GetCaption());
}

void TVezOfficePager::DoAddDockClient(plat::TControl* Client, const plat::TRect&)
{
    if (FNewPage && Client)
        Client->SetParent(FNewPage);
}

void TVezOfficePager::UndockClient(plat::TMessage& Message)
{
    Message.Result = 0;
    auto* client = reinterpret_cast<plat::TControl*>(Message.LParam);
    if (TVezOfficePage* page = PageOfDockClient(client)) {
        FUndockPage = page;
        client->SetAlign(plat::alNone);
    }
}

void TVezOfficePager::DoRemoveDockClient(plat::TControl* Client)
{
    plat::TCustomControl::DoRemoveDockClient(Client);
    if (!FUndockPage || IsDestroying())
        return;
    TVezOfficePage* page = std::exchange(FUndockPage, nullptr);
    if (Client && Client->GetParent() == page)
        return;
    // Only the page the user looks at hands the view on; another page goes without a switch.
    if (page == FActivePage)
        SelectNextPage(true);
    delete page;
}

void TVezOfficePager::DockNotification(const plat::TMessage& Message)
{
    auto* client = reinterpret_cast<plat::TControl*>(Message.WParam);
    const auto* record = reinterpret_cast<const plat::TDockNotifyRec*>(Message.LParam);
    TVezOfficePage* page = record ? PageOfDockClient(client) : nullptr;
    if (!page)
        return;
    if (record->ClientMsg == plat::WM_SETTEXT) {
        if (const auto* form = dynamic_cast<const plat::TCustomForm*>(client)) {
            page->SetCaption(form->GetCaption());
            return;
        }
        std::string text = record->MsgLParam ? reinterpret_cast<const char*>(record->MsgLParam) : "";
        text.resize(std::min(text.size(), text.find_first_of("\r\n")));
        page->SetCaption(text);
    } else if (record->ClientMsg == plat::CM_VISIBLECHANGED) {
        page->SetTabVisible(record->MsgWParam != 0);
    }
}

void TVezOfficePager::DragDockedControlOut(plat::TPoint Pos)
{
    plat::TControl* control = DockedControlAt(Pos);
    if (control && control->GetDragMode() == plat::dmAutomatic && control->GetDragKind() == plat::dkDock)
        control->BeginDrag(false);
}

bool TVezOfficePager::FloatDockedControl(plat::TPoint Pos)
{
    plat::TControl* control = DockedControlAt(Pos);
    if (!control)
        return false;
    control->ManualDock(nullptr, nullptr, plat::alNone);
    return true;
}

}  // namespace skelda::pager
