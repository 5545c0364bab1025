// The theme notifier: its window and thread, the windows it tells, and how it ends.

#include "foundation/OfficeTheme.h"
#include "foundation/TRegMonitorThread.h"
#include "foundation/TThemeNotifier.h"
#include "platform/controls/core/TCustomControl.h"
#include "platform/controls/core/WindowHandles.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/forms/TForm.h"
#include "platform/system/TRegistry.h"
#include "platform/testing/UiTestEnvironment.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace skelda::foundation {
namespace {

using namespace std::chrono_literals;

// A window that notes each theme message it gets in a shared log.
class TListener : public plat::TCustomControl {
public:
    TListener(std::string Name, std::vector<std::string>& Log) : plat::TCustomControl(nullptr), FName(std::move(Name)), FLog(Log) {}
    void Dispatch(plat::TMessage& Message) override
    {
        if (Message.Msg != WM_OFFICETHEMECHANGED) {
            plat::TCustomControl::Dispatch(Message);
            return;
        }
        FLog.push_back(FName);
        LastRoot = static_cast<plat::HKEY>(Message.WParam);
        LastKey = reinterpret_cast<const char*>(Message.LParam);
        if (OnTheme)
            OnTheme();
    }
    plat::HWND Handle() { return plat::WindowHandleOf(*this); }

    plat::HKEY LastRoot = 0;
    std::string LastKey;
    std::function<void()> OnTheme;

private:
    std::string FName;
    std::vector<std::string>& FLog;
};

void InstallOffice2010()
{
    plat::TRegistry registry;
    ASSERT_TRUE(registry.CreateKey("Software\\Microsoft\\Office\\14.0\\Common\\General"));
}

class ThemeNotifierTest : public ::testing::Test {
protected:
    // Changes the watched theme until a change is heard: the thread arms its watch on its own
    // time, and a change before that is not heard.
    void ChangeThemeUntilHeard(const std::function<bool()>& heard)
    {
        for (int attempt = 0; attempt < 200; ++attempt) {
            plat::TRegistry registry;
            ASSERT_TRUE(registry.OpenKey(Office2010CommonKey, true));
            registry.WriteInteger("Theme", ++FThemeValue);
            if (ui.Queue().PumpUntil(heard, 50ms))
                return;
        }
        FAIL() << "no change was heard";
    }

    void ChangeTheme()
    {
        plat::TRegistry registry;
        ASSERT_TRUE(registry.OpenKey(Office2010CommonKey, true));
        registry.WriteInteger("Theme", ++FThemeValue);
    }

    plat::testing::UiTestEnvironment ui;
    std::vector<std::string> log;
    int FThemeValue = 0;
};

TEST_F(ThemeNotifierTest, WithoutAnOfficeSuiteThereIsNoThreadAndRegisteringDoesNothing)
{
    TThemeNotifier notifier(nullptr);
    EXPECT_EQ(notifier.RegMonitorThread(), nullptr);
    EXPECT_EQ(notifier.NotifierWindow(), nullptr);
    notifier.RegisterWindow(42);
    EXPECT_EQ(notifier.WinList().Count(), 0);
}

TEST_F(ThemeNotifierTest, AChangeIsSentToTheNotifierThenToTheWindowsInOrder)
{
    InstallOffice2010();
    TListener first("first", log);
    TListener second("second", log);
    TThemeNotifier notifier(nullptr);
    ASSERT_NE(notifier.RegMonitorThread(), nullptr);
    EXPECT_EQ(notifier.RegMonitorThread()->GetKey(), Office2010CommonKey);
    EXPECT_EQ(notifier.RegMonitorThread()->GetFilter(), 4);
    notifier.OnOfficeThemeChange = [&](plat::TObject* Sender) {
        EXPECT_EQ(Sender, &notifier);
        log.push_back("notifier");
    };
    notifier.RegisterWindow(first.Handle());
    notifier.RegisterWindow(second.Handle());
    notifier.RegisterWindow(first.Handle());
    notifier.UnRegisterWindow(12345);
    EXPECT_EQ(notifier.WinList().Count(), 2);

    ChangeThemeUntilHeard([&] { return log.size() >= 3; });
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ((std::vector<std::string>(log.begin(), log.begin() + 3)),
              (std::vector<std::string>{"notifier", "first", "second"}));
    EXPECT_EQ(first.LastRoot, plat::HKEY_CURRENT_USER);
    EXPECT_EQ(first.LastKey, Office2010CommonKey);
}

TEST_F(ThemeNotifierTest, AWindowUnregisteredOrFreedMeanwhileGetsNothing)
{
    InstallOffice2010();
    TListener stays("stays", log);
    auto* unregistered = new TListener("unregistered", log);
    auto* freed = new TListener("freed", log);
    TListener late("late", log);
    TThemeNotifier notifier(nullptr);
    notifier.RegisterWindow(unregistered->Handle());
    notifier.RegisterWindow(freed->Handle());
    notifier.RegisterWindow(stays.Handle());
    // The notifier's own window hears first; its handler changes the list and frees a window,
    // without waiting for the thread.
    notifier.OnOfficeThemeChange = [&](plat::TObject*) {
        if (std::find(log.begin(), log.end(), "notifier") != log.end())
            return;
        log.push_back("notifier");
        notifier.UnRegisterWindow(unregistered->Handle());
        delete freed;
        freed = nullptr;
        notifier.RegisterWindow(late.Handle());
    };
    ChangeThemeUntilHeard([&] { return std::find(log.begin(), log.end(), "stays") != log.end(); });
    EXPECT_EQ((std::vector<std::string>(log.begin(), log.begin() + 2)), (std::vector<std::string>{"notifier", "stays"}));
    EXPECT_EQ(std::count(log.begin(), log.end(), "unregistered"), 0);
    EXPECT_EQ(std::count(log.begin(), log.end(), "freed"), 0);
    delete unregistered;
}

TEST_F(ThemeNotifierTest, FreeingTheNotifierEndsASendItsThreadWaitsIn)
{
    InstallOffice2010();
    TListener window("window", log);
    auto* notifier = new TThemeNotifier(nullptr);
    notifier->RegisterWindow(window.Handle());
    ChangeThemeUntilHeard([&] { return !log.empty(); });
    ui.Queue().PumpUntil([&] { return log.size() >= 2; }, 100ms);
    log.clear();

    // Nobody pumps now: the thread waits in its send to the notifier's window.
    ChangeTheme();
    std::this_thread::sleep_for(30ms);
    const auto start = std::chrono::steady_clock::now();
    delete notifier;
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
    ui.Pump();
    EXPECT_TRUE(log.empty()) << "what was not delivered stays undelivered";
}

TEST_F(ThemeNotifierTest, AHandlerMayFreeTheNotifierItHearsFrom)
{
    InstallOffice2010();
    TListener window("window", log);
    auto* notifier = new TThemeNotifier(nullptr);
    notifier->RegisterWindow(window.Handle());
    window.OnTheme = [&] {
        delete notifier;
        notifier = nullptr;
    };
    ChangeThemeUntilHeard([&] { return !log.empty(); });
    EXPECT_EQ(notifier, nullptr);
    EXPECT_EQ(log, std::vector<std::string>{"window"});
}

TEST_F(ThemeNotifierTest, AKeyThatCannotBeOpenedEndsTheThreadAndTheListStillWorks)
{
    THandleList list;
    {
        TRegMonitorThread thread(list);
        thread.SetKey("Software\\Nowhere");
        thread.Start();
        for (int i = 0; i < 500 && !thread.Finished(); ++i)
            std::this_thread::sleep_for(2ms);
        EXPECT_TRUE(thread.Finished());
        EXPECT_EQ(thread.FatalMessage(), "Unable to open registry key Software\\Nowhere");
    }
    list.Add(7);
    list.Insert(0, 5);
    EXPECT_EQ(list.Snapshot(), (std::vector<plat::HWND>{5, 7}));
    list.DeleteValue(9);
    list.Delete(0);
    EXPECT_EQ(list.Items(0), 7u);
    EXPECT_TRUE(list.HasValue(7));
}

TEST_F(ThemeNotifierTest, TheProcessHasOneNotifierUntilItIsFreed)
{
    plat::TForm* form = plat::Application->CreateForm<plat::TForm>();
    form->HandleNeeded();
    TListener owner("owner", log);
    TThemeNotifier* notifier = GetThemeNotifier(&owner);
    EXPECT_EQ(GetThemeNotifier(&owner), notifier);
    EXPECT_EQ(notifier->Owner(), form) << "the main form with a window owns it";
    delete notifier;
    TThemeNotifier* again = GetThemeNotifier(&owner);
    EXPECT_NE(again, nullptr);
    delete again;
}

}  // namespace
}  // namespace skelda::foundation
