#pragma once

#include "platform/controls/core/ControlTypes.h"
#include "platform/core/TComponent.h"

#include <string>
#include <vector>

namespace plat {

class TControlActionLink;
class TCustomActionList;

// A command that several controls can share: its caption, enabled, checked and visible states,
// group, help, hint and image reach every control linked to it (TControl::SetAction), and
// clicking any of them executes it.
//
// A change of a property is first handed to each link with the new value, while the action still
// holds the old one: a link passes it on only to a control that still shows the old value, so a
// control whose own setting differs keeps it.
// Checking an action of a group (GroupIndex > 0) unchecks the other actions of that group in its
// action list.
class TCustomAction : public TComponent {
public:
    explicit TCustomAction(TComponent* AOwner);
    ~TCustomAction() override;

    std::string ClassName() const override { return "TCustomAction"; }

    TCustomActionList* GetActionList() const { return FActionList; }
    // Moves the action into List (out of the one it was in); nullptr takes it out.
    void SetActionList(TCustomActionList* List);

    const std::string& GetCaption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    bool GetChecked() const { return FChecked; }
    void SetChecked(bool Value);
    bool GetEnabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    int GetGroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value);
    int GetHelpContext() const { return FHelpContext; }
    void SetHelpContext(int Value);
    const std::string& GetHelpKeyword() const { return FHelpKeyword; }
    void SetHelpKeyword(const std::string& Value);
    THelpType GetHelpType() const { return FHelpType; }
    void SetHelpType(THelpType Value);
    const std::string& GetHint() const { return FHint; }
    void SetHint(const std::string& Value);
    // Index into the action list's images; -1 for none.
    int GetImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    bool GetVisible() const { return FVisible; }
    void SetVisible(bool Value);
    // Executing toggles Checked first (an action of a group only checks itself).
    bool GetAutoCheck() const { return FAutoCheck; }
    void SetAutoCheck(bool Value) { FAutoCheck = Value; }

    // A disabled action does nothing and answers false. Otherwise AutoCheck applies, then
    // OnExecute runs; the answer is whether it was assigned.
    virtual bool Execute();

    TNotifyEvent OnExecute;

    // Kept by the links (TControlActionLink::SetAction).
    void RegisterChanges(TControlActionLink* Link);
    void UnRegisterChanges(TControlActionLink* Link);

private:
    // Hands a new value to each link, then stores it; false when the value was there already.
    template <typename T, typename Arg>
    bool Update(T& Field, const T& Value, void (TControlActionLink::*Tell)(Arg));
    void UncheckGroup();

    TCustomActionList* FActionList = nullptr;
    std::vector<TControlActionLink*> FClients;
    std::string FCaption;
    bool FChecked = false;
    bool FEnabled = true;
    int FGroupIndex = 0;
    int FHelpContext = 0;
    std::string FHelpKeyword;
    THelpType FHelpType = htContext;
    std::string FHint;
    int FImageIndex = -1;
    bool FVisible = true;
    bool FAutoCheck = false;
};

}  // namespace plat
