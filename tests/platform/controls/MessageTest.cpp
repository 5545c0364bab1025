#include "TestControls.h"

#include "platform/controls/core/MessageDelivery.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/core/Exception.h"
#include "platform/testing/UiTestEnvironment.h"

#include <algorithm>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace plat;
using namespace plat::testing;
using ::testing::ElementsAre;

namespace {

constexpr unsigned WM_FIRST = WM_USER + 1;
constexpr unsigned WM_SENT = WM_USER + 2;
constexpr unsigned WM_POSTED = WM_USER + 3;

// Logs where each message goes: its own handler, the inherited one, the default handler.
class TMessageProbe : public TCustomControl {
public:
    TMessageProbe(TComponent* AOwner, EventLog& Log) : TCustomControl(AOwner), FLog(Log) {}

    void WndProc(TMessage& Message) override
    {
        if (IsOurs(Message.Msg))
            FLog.Add("wndproc " + std::to_string(Message.Msg - WM_USER));
        TCustomControl::WndProc(Message);
    }
    void Dispatch(TMessage& Message) override
    {
        switch (Message.Msg) {
        case WM_FIRST:
            FLog.Add("first begins");
            PostMessage(this, WM_POSTED);
            Message.Result = SendMessage(this, WM_SENT) + 1;
            FLog.Add("first ends");
            return;
        case WM_SENT:
            FLog.Add("sent");
            Message.Result = 41;
            return;
        case WM_POSTED:
            FLog.Add("posted");
            TCustomControl::Dispatch(Message);  // the inherited handling
            return;
        default:
            TCustomControl::Dispatch(Message);
        }
    }
    void DefaultHandler(TMessage& Message) override
    {
        if (IsOurs(Message.Msg))
            FLog.Add("default " + std::to_string(Message.Msg - WM_USER));
        TCustomControl::DefaultHandler(Message);
    }

private:
    static bool IsOurs(unsigned Msg) { return Msg >= WM_FIRST && Msg <= WM_POSTED; }

    EventLog& FLog;
};

class MessageTest : public ::testing::Test {
protected:
    UiTestEnvironment ui;
    EventLog log;
    TForm* form = new TForm(Application);
};

TEST_F(MessageTest, ASentMessageArrivesAtOnceAPostedOneAfterTheHandlerReturns)
{
    auto* probe = AddControl<TMessageProbe>(*form, Bounds(0, 0, 10, 10), log);

    EXPECT_EQ(probe->Perform(WM_FIRST), 42);
    EXPECT_THAT(log.Entries(), ElementsAre("wndproc 1", "first begins", "wndproc 2", "sent", "first ends"));
    log.Clear();

    ui.Pump();
    EXPECT_THAT(log.Entries(), ElementsAre("wndproc 3", "posted", "default 3"));
}

TEST_F(MessageTest, PostedMessagesForAFreedControlAreDropped)
{
    auto* probe = AddControl<TMessageProbe>(*form, Bounds(0, 0, 10, 10), log);
    auto* survivor = AddControl<TMessageProbe>(*form, Bounds(0, 0, 10, 10), log);
    PostMessage(probe, WM_POSTED);
    PostMessage(survivor, WM_SENT);
    delete probe;

    ui.Pump();
    EXPECT_THAT(log.Entries(), ElementsAre("wndproc 2", "sent"));
}

TEST_F(MessageTest, RegisteredMessagesKeepOneIdPerName)
{
    const unsigned gridEditDone = RegisterWindowMessage("GridEditDone");
    EXPECT_GE(gridEditDone, 0xC000u);
    EXPECT_EQ(RegisterWindowMessage("GRIDEDITDONE"), gridEditDone);
    EXPECT_NE(RegisterWindowMessage("DTPShiftFocus"), gridEditDone);
    EXPECT_THROW(RegisterWindowMessage(""), EInvalidArgument);
}

// Keeps the control messages it gets.
class TNotificationProbe : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    void Dispatch(TMessage& Message) override
    {
        if (Message.Msg >= CM_BASE && Message.Msg < CN_BASE)
            Seen.push_back(Message.Msg);
        TCustomControl::Dispatch(Message);
    }
    std::vector<unsigned> Seen;
};

TEST_F(MessageTest, PropertyChangesAreAnnouncedOncePerChange)
{
    auto* control = AddControl<TNotificationProbe>(*form, Bounds(0, 0, 10, 10));
    struct Case {
        const char* name;
        std::function<void()> change;
        unsigned message;
    };
    const Case cases[] = {
        {"enabled", [&] { control->SetEnabled(false); }, CM_ENABLEDCHANGED},
        {"visible", [&] { control->SetVisible(false); }, CM_VISIBLECHANGED},
        {"colour", [&] { control->SetColor(clRed); }, CM_COLORCHANGED},
        {"font", [&] { control->Font().SetSize(14); }, CM_FONTCHANGED},
        {"text", [&] { control->SetText("caption"); }, CM_TEXTCHANGED},
        {"cursor", [&] { control->SetCursor(crHandPoint); }, CM_CURSORCHANGED},
        {"hint flag", [&] { control->SetShowHint(true); }, CM_SHOWHINTCHANGED},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        control->Seen.clear();
        c.change();
        c.change();
        EXPECT_EQ(std::count(control->Seen.begin(), control->Seen.end(), c.message), 1);
    }
}

TEST_F(MessageTest, ChildrenFollowTheParentsFontAndColourUntilGivenTheirOwn)
{
    auto* panel = AddControl<TLoggingControl>(*form, Bounds(0, 0, 100, 100));
    auto* child = AddControl<TLoggingControl>(*panel, Bounds(0, 0, 10, 10));
    child->SetParentColor(true);
    EXPECT_TRUE(child->GetParentFont());

    panel->Font().SetSize(16);
    panel->SetColor(clYellow);
    EXPECT_EQ(child->Font().GetSize(), 16);
    EXPECT_EQ(child->GetColor(), clYellow);

    child->Font().SetSize(9);
    child->SetColor(clAqua);
    EXPECT_FALSE(child->GetParentFont());
    EXPECT_FALSE(child->GetParentColor());
    panel->Font().SetSize(20);
    panel->SetColor(clRed);
    EXPECT_EQ(child->Font().GetSize(), 9);
    EXPECT_EQ(child->GetColor(), clAqua);

    // A control put on a parent takes the parent's font at once.
    auto* late = AddControl<TLoggingControl>(*panel, Bounds(0, 0, 10, 10));
    EXPECT_EQ(late->Font().GetSize(), 20);
}

}  // namespace
