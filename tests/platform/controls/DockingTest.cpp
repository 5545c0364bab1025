#include "TestControls.h"

#include "platform/controls/core/DragObjects.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/forms/TCustomDockForm.h"
#include "platform/controls/forms/TScreen.h"
#include "platform/testing/UiTestEnvironment.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace plat;
using namespace plat::testing;
using ::testing::ElementsAre;

namespace {

// A dock site that logs the docking steps it goes through.
class TDockSiteProbe : public TCustomControl {
public:
    TDockSiteProbe(TComponent* AOwner, EventLog& Log, const std::string& AName) : TCustomControl(AOwner), FLog(Log)
    {
        SetName(AName);
        SetDockSite(true);
    }

    void Dispatch(TMessage& Message) override
    {
        if (Message.Msg == CM_UNDOCKCLIENT) {
            FLog.Add(GetName() + " undock " + reinterpret_cast<TControl*>(Message.LParam)->GetName());
            Message.Result = UndockAnswer;
            return;
        }
        if (Message.Msg == CM_DOCKNOTIFICATION) {
            const auto& record = *reinterpret_cast<const TDockNotifyRec*>(Message.LParam);
            const std::string client = reinterpret_cast<TControl*>(Message.WParam)->GetName();
            if (record.ClientMsg == WM_SETTEXT)
                FLog.Add(GetName() + " text of " + client + ": " + reinterpret_cast<const char*>(record.MsgLParam));
            else if (record.ClientMsg == CM_VISIBLECHANGED)
                FLog.Add(GetName() + " visible of " + client + ": " + std::to_string(record.MsgWParam));
            return;
        }
        TCustomControl::Dispatch(Message);
    }

    LRESULT UndockAnswer = 0;

protected:
    void DoAddDockClient(TControl* Client, const TRect& ARect) override
    {
        FLog.Add(GetName() + " add " + Client->GetName());
        TCustomControl::DoAddDockClient(Client, ARect);
    }
    void DoRemoveDockClient(TControl* Client) override
    {
        FLog.Add(GetName() + " remove " + Client->GetName());
        TCustomControl::DoRemoveDockClient(Client);
    }

private:
    EventLog& FLog;
};

class DockingTest : public ::testing::Test {
protected:
    DockingTest()
    {
        form->SetBounds(100, 200, 500, 300);
        left = AddControl<TDockSiteProbe>(*form, Bounds(0, 0, 200, 200), log, "left");
        right = AddControl<TDockSiteProbe>(*form, Bounds(250, 0, 200, 200), log, "right");
        client = AddControl<TCustomControl>(*form, Bounds(20, 220, 60, 40));
        client->SetName("client");
        form->Show();
    }

    TCustomDockForm* FloatingHost() const { return dynamic_cast<TCustomDockForm*>(client->GetHostDockSite()); }

    UiTestEnvironment ui;
    EventLog log;
    TForm* form = new TForm(Application);
    TDockSiteProbe* left = nullptr;
    TDockSiteProbe* right = nullptr;
    TCustomControl* client = nullptr;
};

TEST_F(DockingTest, DockingElsewhereAddsToTheNewSiteBeforeTheOldOneLetsGo)
{
    ASSERT_TRUE(client->ManualDock(left));
    EXPECT_EQ(client->GetParent(), left);
    EXPECT_EQ(client->GetHostDockSite(), left);
    log.Clear();

    ASSERT_TRUE(client->ManualDock(right));

    EXPECT_THAT(log.Entries(), ElementsAre("left undock client", "right add client", "left remove client"));
    EXPECT_EQ(client->GetParent(), right);
    EXPECT_EQ(left->DockClientCount(), 0);
    ASSERT_EQ(right->DockClientCount(), 1);
    EXPECT_EQ(right->DockClients(0), client);
    EXPECT_FALSE(client->Floating());
}

TEST_F(DockingTest, ASiteThatRefusesTheUndockKeepsItsClient)
{
    ASSERT_TRUE(client->ManualDock(left));
    left->UndockAnswer = 1;
    EXPECT_FALSE(client->ManualDock(right));
    EXPECT_EQ(client->GetHostDockSite(), left);
    EXPECT_EQ(client->GetParent(), left);
}

TEST_F(DockingTest, DockingToNoSiteFloatsTheControlInAWindowThatFollowsItAndGoesWithIt)
{
    client->SetText("Tools");
    const TRect before = ScreenBoundsOf(*client);
    ASSERT_TRUE(client->ManualDock(nullptr));

    TCustomDockForm* host = FloatingHost();
    ASSERT_NE(host, nullptr);
    EXPECT_TRUE(client->Floating());
    EXPECT_TRUE(host->Showing());
    EXPECT_EQ(host->GetCaption(), "Tools");
    EXPECT_EQ(ScreenBoundsOf(*client), before);
    EXPECT_EQ(host->GetClientWidth(), 60);

    client->SetText("Tools and more");
    EXPECT_EQ(host->GetCaption(), "Tools and more");
    client->Hide();
    EXPECT_FALSE(host->GetVisible());
    client->Show();

    ASSERT_TRUE(client->ManualDock(left));
    ui.Pump();
    EXPECT_EQ(Screen->FormCount(), 1);
    EXPECT_FALSE(client->Floating());
}

TEST_F(DockingTest, ADockedClientTellsItsSiteOfItsTextAndVisibility)
{
    ASSERT_TRUE(client->ManualDock(left));
    log.Clear();
    client->SetText("First\nSecond");
    client->Hide();
    client->Show();
    EXPECT_THAT(log.Entries(), ElementsAre("left text of client: First\nSecond", "left visible of client: 0",
                                           "left visible of client: 1"));
}

TEST_F(DockingTest, AFreedSiteLeavesNoHostBehind)
{
    ASSERT_TRUE(client->ManualDock(left));
    client->SetParent(form);
    delete left;
    EXPECT_EQ(client->GetHostDockSite(), nullptr);
    client->SetText("after");
}

TEST_F(DockingTest, ADockDragDocksOnTheSiteUnderThePointerOrFloatsAwayFromEverySite)
{
    client->SetDragKind(dkDock);
    client->SetDragMode(dmAutomatic);
    std::vector<TRect> offered;
    right->OnDockOver = [&offered](TObject*, TDragDockObject* Source, int, int, TDragState State, bool&) {
        if (State == dsDragEnter)
            offered.push_back(Source->DockRect);
    };

    ui.Simulator().Drag(*client, {5, 5}, right->ClientToClient({50, 50}, *client));

    EXPECT_EQ(client->GetHostDockSite(), right);
    EXPECT_THAT(offered, ElementsAre(Bounds(right->ClientOrigin().X, right->ClientOrigin().Y, 200, 200)));
    EXPECT_THAT(log.Entries(), ElementsAre("right add client"));

    // Refused by the site under the pointer: it floats there, where the pointer holds it.
    right->OnDockOver = [](TObject*, TDragDockObject*, int, int, TDragState, bool& Accept) { Accept = false; };
    client->SetBounds(0, 0, 60, 40);
    const TPoint grab{5, 5};
    const TPoint drop = right->ClientToScreen({120, 150});
    ui.Simulator().Drag(*client, grab, client->ScreenToClient(drop));
    ASSERT_NE(FloatingHost(), nullptr);
    EXPECT_EQ(ScreenBoundsOf(*client), Bounds(drop.X - grab.X, drop.Y - grab.Y, 60, 40));

    // Alone in its window, it moves the window.
    TCustomDockForm* host = FloatingHost();
    ui.Simulator().Drag(*client, grab, {grab.X + 30, grab.Y + 20});
    EXPECT_EQ(FloatingHost(), host);
    EXPECT_EQ(ScreenBoundsOf(*client), Bounds(drop.X - grab.X + 30, drop.Y - grab.Y + 20, 60, 40));
}

}  // namespace
