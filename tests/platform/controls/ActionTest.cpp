#include "TestControls.h"

#include "platform/controls/core/TControlActionLink.h"
#include "platform/controls/core/TCustomAction.h"
#include "platform/controls/core/TCustomActionList.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/core/Exception.h"
#include "platform/graphics/TImageList.h"
#include "platform/testing/UiTestEnvironment.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace plat;
using namespace plat::testing;
using ::testing::ElementsAre;

namespace {

// A link of a control that can be checked and grouped, as a check button's would be: it hands
// on checked state, group index and image index, and tells what it was asked.
class TCheckLink : public TControlActionLink {
public:
    void AssignClient(TControl& AClient) override
    {
        TControlActionLink::AssignClient(AClient);
        Log().push_back("assign " + AClient.GetName());
    }
    void SetChecked(bool Value) override
    {
        if (IsCheckedLinked())
            Log().push_back(std::string("checked ") + (Value ? "1" : "0") + " was " + (GetAction()->GetChecked() ? "1" : "0"));
    }
    void SetGroupIndex(int Value) override { Log().push_back("group " + std::to_string(Value)); }
    void SetImageIndex(int Value) override { Log().push_back("image " + std::to_string(Value)); }

    static std::vector<std::string>& Log()
    {
        static std::vector<std::string> log;
        return log;
    }
};

class TCheckControl : public TLoggingControl {
public:
    using TLoggingControl::TLoggingControl;
    using TControl::ActionLink;
    using TControl::Click;

protected:
    TControlActionLinkClass GetActionLinkClass() const override { return &ActionLinkClass<TCheckLink>; }
};

class ActionTest : public ::testing::Test {
protected:
    ActionTest()
    {
        action->SetCaption("&Save");
        action->SetHint("Saves the settings");
        action->SetHelpContext(7);
        action->SetActionList(list);
        TCheckLink::Log().clear();
    }

    UiTestEnvironment ui;
    TForm* form = new TForm(Application);
    TCustomActionList* list = new TCustomActionList(form);
    TCustomAction* action = new TCustomAction(form);
};

TEST_F(ActionTest, AControlTakesItsActionsValuesAndKeepsItsOwnWhileLoading)
{
    auto* plain = AddControl<TLoggingControl>(*form, Bounds(0, 0, 10, 10));
    action->SetEnabled(false);
    plain->SetAction(action);
    EXPECT_EQ(plain->GetAction(), action);
    EXPECT_EQ(plain->GetCaption(), "&Save");
    EXPECT_EQ(plain->GetHint(), "Saves the settings");
    EXPECT_FALSE(plain->GetEnabled());
    EXPECT_EQ(plain->GetHelpContext(), 7);

    auto* loading = AddControl<TLoggingControl>(*form, Bounds(0, 0, 10, 10));
    loading->SetCaption("Own");
    loading->BeginLoading();
    loading->SetAction(action);
    loading->EndLoading();
    EXPECT_EQ(loading->GetCaption(), "Own");
    EXPECT_EQ(loading->GetHint(), "Saves the settings");
    EXPECT_FALSE(loading->GetEnabled());
}

TEST_F(ActionTest, ChangesReachTheControlsThatStillShowTheActionsValue)
{
    auto* follower = AddControl<TLoggingControl>(*form, Bounds(0, 0, 10, 10));
    auto* own = AddControl<TLoggingControl>(*form, Bounds(0, 0, 10, 10));
    follower->SetAction(action);
    own->SetAction(action);
    own->SetCaption("Mine");
    own->SetHint("My hint");

    action->SetCaption("Save &as");
    action->SetHint("Another file");
    action->SetVisible(false);
    action->SetHelpKeyword("saving");

    EXPECT_EQ(follower->GetCaption(), "Save &as");
    EXPECT_EQ(follower->GetHint(), "Another file");
    EXPECT_EQ(follower->GetHelpKeyword(), "saving");
    EXPECT_EQ(own->GetCaption(), "Mine");
    EXPECT_EQ(own->GetHint(), "My hint");
    EXPECT_FALSE(follower->GetVisible());
    EXPECT_FALSE(own->GetVisible());
}

TEST_F(ActionTest, AClickExecutesTheActionUnlessTheControlHasItsOwnOnClick)
{
    auto* control = AddControl<TCheckControl>(*form, Bounds(0, 0, 10, 10));
    control->SetAction(action);
    int executed = 0;
    action->OnExecute = [&](TObject* sender) {
        EXPECT_EQ(sender, action);
        ++executed;
    };

    control->Click();
    EXPECT_EQ(executed, 1);
    action->SetEnabled(false);
    control->Click();
    EXPECT_EQ(executed, 1) << "a disabled action does nothing";
    action->SetEnabled(true);
    int clicked = 0;
    control->OnClick = [&](TObject*) { ++clicked; };
    control->Click();
    EXPECT_EQ(executed, 1);
    EXPECT_EQ(clicked, 1);
}

TEST_F(ActionTest, AutoCheckTogglesAndAGroupKeepsOneActionChecked)
{
    auto* other = new TCustomAction(form);
    other->SetActionList(list);
    for (TCustomAction* a : {action, other}) {
        a->SetAutoCheck(true);
        a->SetGroupIndex(3);
    }
    auto* outside = new TCustomAction(form);
    outside->SetGroupIndex(3);
    outside->SetChecked(true);

    EXPECT_FALSE(action->Execute()) << "nothing to run";
    EXPECT_TRUE(action->GetChecked());
    other->Execute();
    EXPECT_TRUE(other->GetChecked());
    EXPECT_FALSE(action->GetChecked());
    other->Execute();
    EXPECT_TRUE(other->GetChecked()) << "a checked action of a group stays checked";
    EXPECT_TRUE(outside->GetChecked()) << "groups are per action list";

    other->SetGroupIndex(0);
    other->Execute();
    EXPECT_FALSE(other->GetChecked());
}

TEST_F(ActionTest, TheControlsKindOfLinkHearsCheckedGroupAndImageWithTheOldValueStillInTheAction)
{
    auto* control = AddControl<TCheckControl>(*form, Bounds(0, 0, 10, 10));
    control->SetName("Check");
    control->SetAction(action);
    action->SetChecked(true);
    action->SetGroupIndex(2);
    action->SetImageIndex(4);
    action->SetImageIndex(4);
    EXPECT_THAT(TCheckLink::Log(), ElementsAre("assign Check", "checked 1 was 0", "group 2", "image 4"));
    EXPECT_NE(dynamic_cast<TCheckLink*>(control->ActionLink()), nullptr);
}

TEST_F(ActionTest, ActionsControlsListsAndImagesMayGoInAnyOrder)
{
    auto* control = AddControl<TCheckControl>(*form, Bounds(0, 0, 10, 10));
    control->SetAction(action);
    auto* images = new TImageList(form);
    list->SetImages(images);
    list->SetDisabledImages(images);
    EXPECT_EQ(list->ActionCount(), 1);

    delete images;
    EXPECT_EQ(list->GetImages(), nullptr);
    EXPECT_EQ(list->GetDisabledImages(), nullptr);

    delete action;
    EXPECT_EQ(control->GetAction(), nullptr);
    EXPECT_EQ(list->ActionCount(), 0);
    control->Click();

    auto* second = new TCustomAction(form);
    second->SetActionList(list);
    control->SetAction(second);
    delete control;
    second->SetCaption("After the control");
    delete list;
    EXPECT_EQ(second->GetActionList(), nullptr);
    EXPECT_THROW(TCustomActionList(nullptr).Actions(0), EListError);
}

}  // namespace
