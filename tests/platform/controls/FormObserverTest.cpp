#include "TestControls.h"

#include "platform/controls/forms/TApplication.h"
#include "platform/testing/UiTestEnvironment.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

using namespace plat;
using namespace plat::testing;
using ::testing::ElementsAre;

namespace {

constexpr unsigned WM_PROBE = WM_USER + 7;

// Answers WM_PROBE with 5 and changes its WParam, as a handler that swallows a key does.
class TAnsweringForm : public TForm {
public:
    TAnsweringForm(TComponent* AOwner, EventLog& Log) : TForm(AOwner), FLog(Log) {}
    void Dispatch(TMessage& Message) override
    {
        if (Message.Msg == WM_PROBE) {
            FLog.Add("form " + std::to_string(Message.WParam));
            Message.WParam = 0;
            Message.Result = 5;
            return;
        }
        TForm::Dispatch(Message);
    }

private:
    EventLog& FLog;
};

class FormObserverTest : public ::testing::Test {
protected:
    // An observer that logs the probes it sees as "<name> <wparam> -> <result>".
    TCustomForm::TMessageObserver Logging(const std::string& Name)
    {
        return [this, Name](TCustomForm&, const TMessage& Message) {
            if (Message.Msg == WM_PROBE)
                log.Add(Name + " " + std::to_string(Message.WParam) + " -> " + std::to_string(Message.Result));
        };
    }

    UiTestEnvironment ui;
    EventLog log;
    TAnsweringForm* form = new TAnsweringForm(Application, log);
};

TEST_F(FormObserverTest, ObserversSeeTheMessageAsItCameAfterTheFormAndWithItsAnswer)
{
    auto first = form->AddMessageObserver(Logging("first"));
    auto second = form->AddMessageObserver(Logging("second"));

    EXPECT_EQ(form->Perform(WM_PROBE, 3), 5);
    first.Reset();
    form->Perform(WM_PROBE, 4);

    EXPECT_THAT(log.Entries(), ElementsAre("form 3", "first 3 -> 5", "second 3 -> 5", "form 4", "second 4 -> 5"));
}

TEST_F(FormObserverTest, AnObserverRemovedOrTheFormFreedDuringDeliveryStopsOnlyWhatItShould)
{
    TFormMessageObserverRegistration second;
    auto first = form->AddMessageObserver([&](TCustomForm&, const TMessage& Message) {
        if (Message.Msg == WM_PROBE && Message.WParam == 1)
            second.Reset();
    });
    second = form->AddMessageObserver(Logging("second"));
    auto third = form->AddMessageObserver(Logging("third"));
    auto self = std::make_unique<TFormMessageObserverRegistration>();
    *self = form->AddMessageObserver([&](TCustomForm&, const TMessage& Message) {
        if (Message.Msg == WM_PROBE)
            self.reset();
    });

    form->Perform(WM_PROBE, 1);
    form->Perform(WM_PROBE, 2);
    EXPECT_THAT(log.Entries(), ElementsAre("form 1", "third 1 -> 5", "form 2", "third 2 -> 5"));

    log.Clear();
    auto freeing = form->AddMessageObserver([&](TCustomForm& Form, const TMessage& Message) {
        if (Message.Msg == WM_PROBE && Message.WParam == 9)
            delete &Form;
    });
    auto after = form->AddMessageObserver(Logging("after"));
    form->Perform(WM_PROBE, 9);
    EXPECT_THAT(log.Entries(), ElementsAre("form 9", "third 9 -> 5"));
    // The registrations outlive the form harmlessly.
}

}  // namespace
