// How the host widget turns each kind of Qt event into the control's messages: keys and the
// mouse through their adapters, the rest here.

#include "platform/controls/qt/HostWidget.h"

#include "platform/controls/forms/FocusManager.h"
#include "platform/controls/forms/TForm.h"
#include "platform/controls/qt/KeyboardAdapter.h"
#include "platform/controls/qt/MouseAdapter.h"
#include "platform/controls/qt/NativeEventScope.h"
#include "platform/graphics/QtConversions.h"

#include <QContextMenuEvent>
#include <QKeyEvent>

namespace plat {

THostWidgetCore::Outcome THostWidgetCore::Translate(QEvent* Event, QWidget* Receiver, bool Routed)
{
    auto pass = [](bool toBase) { return toBase ? Outcome::PassToBase : Outcome::Consumed; };
    switch (Event->type()) {
    case QEvent::KeyPress:
        return pass(TKeyboardAdapter::KeyPress(*this, static_cast<QKeyEvent*>(Event), Routed));
    case QEvent::KeyRelease:
        return pass(TKeyboardAdapter::KeyRelease(*this, static_cast<QKeyEvent*>(Event), Routed));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
        return pass(TMouseAdapter::Handle(*this, Receiver, Event, Routed));
    case QEvent::ContextMenu: {
        auto* menuEvent = static_cast<QContextMenuEvent*>(Event);
        TNativeEventScope scope(*this, Event, Routed);
        scope.Expect(WM_CONTEXTMENU);
        const LPARAM pos = menuEvent->reason() == QContextMenuEvent::Keyboard
                               ? MAKELPARAM(-1, -1)
                               : PointToLParam(FControl->ClientToScreen(
                                     {menuEvent->pos().x() - FControl->WidgetClientOffset().X,
                                      menuEvent->pos().y() - FControl->WidgetClientOffset().Y}));
        FControl->Perform(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(FControl), pos);
        return pass(Routed && scope.Reached(WM_CONTEXTMENU));
    }
    case QEvent::Leave:
        TMouseAdapter::WindowLeft(*this);
        return Outcome::PassToBase;
    case QEvent::ToolTip:
    case QEvent::WhatsThis:
        // Hints are the hint manager's.
        return Outcome::Consumed;
    case QEvent::Paint:
        Paint(Event);
        return Outcome::Consumed;
    case QEvent::FocusIn:
        FocusManager::QtFocusIn(FControl);
        return Outcome::PassToBase;
    case QEvent::Move:
    case QEvent::Resize:
        if (FSelf->isWindow())
            NotifyBoundsChanged(*FControl, FromQRect(FSelf->geometry()));
        return Outcome::PassToBase;
    case QEvent::Close:
        if (dynamic_cast<TCustomForm*>(FControl)) {
            // The form decides (OnCloseQuery, OnClose); Qt must not close the window itself.
            Event->ignore();
            FControl->Perform(WM_CLOSE);
            return Outcome::Consumed;
        }
        return Outcome::PassToBase;
    case QEvent::WindowActivate:
        if (auto* form = dynamic_cast<TCustomForm*>(FControl))
            form->Activate();
        return Outcome::PassToBase;
    default:
        return Outcome::NotOurs;
    }
}

}  // namespace plat
