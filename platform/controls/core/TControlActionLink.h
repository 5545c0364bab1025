#pragma once

#include "platform/controls/core/ControlTypes.h"

#include <memory>
#include <string>

namespace plat {

class TComponent;
class TControl;
class TCustomAction;

// What ties a control to its action. The action hands each property change to the link, and the
// link passes it on to the control when the control is linked for that property: the base tests
// ask only that there is an action; the control's tests add that the control still shows the
// action's present value (caption, enabled, hint, visible, help). Checked, group index and image
// index mean nothing to a plain control: their setters do nothing here, for links of controls
// that have them to override. The control takes all of the action's values once, when the
// action is assigned (TControl::ActionChange).
//
// A link is made by the control's GetActionLinkClass, which constructs it and then calls
// AssignClient, so that overrides of AssignClient run. Its code is the control's (TControl.cpp):
// the action includes this header to tell its links and must not reach the control through it.
class TControlActionLink {
public:
    TControlActionLink() = default;
    virtual ~TControlActionLink();
    TControlActionLink(const TControlActionLink&) = delete;
    TControlActionLink& operator=(const TControlActionLink&) = delete;

    virtual void AssignClient(TControl& AClient) { FClient = &AClient; }
    TControl* Client() const { return FClient; }

    TCustomAction* GetAction() const { return FAction; }
    // Registers with the action (and leaves the one before); nullptr only leaves.
    void SetAction(TCustomAction* Value);
    // Executes the action; false without one or when it did nothing.
    bool Execute();

    virtual bool IsCaptionLinked();
    virtual bool IsCheckedLinked();
    virtual bool IsEnabledLinked();
    virtual bool IsGroupIndexLinked();
    virtual bool IsHelpLinked();
    virtual bool IsHintLinked();
    virtual bool IsImageIndexLinked();
    virtual bool IsVisibleLinked();

    virtual void SetCaption(const std::string& Value);
    virtual void SetChecked(bool Value);
    virtual void SetEnabled(bool Value);
    virtual void SetGroupIndex(int Value);
    virtual void SetHelpContext(int Value);
    virtual void SetHelpKeyword(const std::string& Value);
    virtual void SetHelpType(THelpType Value);
    virtual void SetHint(const std::string& Value);
    virtual void SetImageIndex(int Value);
    virtual void SetVisible(bool Value);

private:
    friend class TCustomAction;
    // The action is being freed: the link stays, without an action.
    void ActionFreed() { FAction = nullptr; }

    TControl* FClient = nullptr;
    TCustomAction* FAction = nullptr;
};

// What GetActionLinkClass answers: a maker of the control's kind of link.
using TControlActionLinkClass = std::unique_ptr<TControlActionLink> (*)(TControl& Client);

// The maker for links of class T: constructs one, then lets it take its client.
template <typename T>
std::unique_ptr<TControlActionLink> ActionLinkClass(TControl& Client)
{
    auto link = std::make_unique<T>();
    link->AssignClient(Client);
    return link;
}

}  // namespace plat
