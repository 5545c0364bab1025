#include "platform/core/Exception.h"
#include "platform/core/TComponent.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace plat;

namespace {

// Logs what it is told and when it dies, and keeps one non-owning reference that it clears on
// notice of its removal, as controls do with linked components. A component deleted directly is
// announced from its base destructor, so notices name it by its TComponent part only.
class TProbe : public TComponent {
public:
    TProbe(TComponent* owner, const std::string& name, std::vector<std::string>& log)
        : TComponent(owner), Log(log)
    {
        SetName(name);
    }
    ~TProbe() override
    {
        if (DestroyingSeen)
            *DestroyingSeen = ComponentState().Contains(csDestroying);
        Log.push_back("~" + GetName());
    }

    std::vector<std::string>& Log;
    TComponent* Linked = nullptr;
    bool* DestroyingSeen = nullptr;

protected:
    void Notification(TComponent* component, TOperation operation) override
    {
        TComponent::Notification(component, operation);
        if (operation == opRemove)
            Log.push_back(GetName() + " told " + component->GetName() + " goes");
        if (operation == opRemove && component == Linked)
            Linked = nullptr;
    }
    void Loaded() override
    {
        TComponent::Loaded();
        Log.push_back(GetName() + " loaded");
    }
};

// Never passes a notice on: its links must still be cut by the other side.
class TDeafProbe : public TComponent {
public:
    using TComponent::TComponent;

protected:
    void Notification(TComponent*, TOperation) override {}
};

}  // namespace

TEST(Component, OwnerDeletesItsComponentsNewestFirstAfterNotifyingEachRemoval)
{
    std::vector<std::string> log;
    auto* owner = new TComponent(nullptr);
    new TProbe(owner, "A", log);
    new TProbe(owner, "B", log);
    new TProbe(owner, "C", log);
    ASSERT_EQ(owner->ComponentCount(), 3);

    delete owner;

    // Each removal reaches every component still owned (the leaving one too) before the delete.
    const std::vector<std::string> expected{
        "C told C goes", "B told C goes", "A told C goes", "~C",
        "B told B goes", "A told B goes", "~B",
        "A told A goes", "~A"};
    EXPECT_EQ(log, expected);
}

TEST(Component, DeletingAComponentRemovesItFromItsOwnerAndTellsTheSiblings)
{
    std::vector<std::string> log;
    TComponent owner(nullptr);
    auto* a = new TProbe(&owner, "A", log);
    auto* b = new TProbe(&owner, "B", log);
    a->Linked = b;

    delete b;

    EXPECT_EQ(owner.ComponentCount(), 1);
    EXPECT_EQ(owner.Components(0), a);
    EXPECT_EQ(a->Linked, nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"~B", "A told B goes"}));
}

TEST(Component, FreeNotificationClearsAReferenceAcrossOwners)
{
    std::vector<std::string> log;
    TComponent formA(nullptr);
    TComponent formB(nullptr);
    auto* watcher = new TProbe(&formA, "watcher", log);
    auto* target = new TProbe(&formB, "target", log);
    watcher->Linked = target;
    target->FreeNotification(watcher);

    delete target;

    EXPECT_EQ(watcher->Linked, nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"~target", "watcher told target goes"}));
}

TEST(Component, RemovedFreeNotificationStaysSilent)
{
    std::vector<std::string> log;
    TProbe watcher(nullptr, "watcher", log);
    auto* target = new TProbe(nullptr, "target", log);
    target->FreeNotification(&watcher);
    target->RemoveFreeNotification(&watcher);

    delete target;

    EXPECT_EQ(log, (std::vector<std::string>{"~target"}));
}

// Under AddressSanitizer these fail loudly if anyone is told anything through a dead pointer.
TEST(Component, NoNoticeReachesAComponentAfterItIsGone)
{
    std::vector<std::string> log;
    {
        // The watcher dies first: the target must not tell it later.
        auto* target = new TProbe(nullptr, "target", log);
        auto* watcher = new TProbe(nullptr, "watcher", log);
        target->FreeNotification(watcher);
        delete watcher;
        delete target;
    }
    {
        // A component with an outside link dies with its owner; the outside one dies later.
        auto* owner = new TComponent(nullptr);
        auto* inner = new TProbe(owner, "inner", log);
        auto* outside = new TProbe(nullptr, "outside", log);
        outside->FreeNotification(inner);
        delete owner;
        delete outside;
    }
    {
        // A component that ignores its notices still loses its links.
        auto* deaf = new TDeafProbe(nullptr);
        auto* other = new TProbe(nullptr, "other", log);
        deaf->FreeNotification(other);
        delete other;
        delete deaf;
    }
    {
        // Linked to its own owner.
        auto* owner = new TComponent(nullptr);
        auto* child = new TProbe(owner, "child", log);
        owner->FreeNotification(child);
        delete owner;
    }
    SUCCEED();
}

TEST(Component, EveryComponentOfADyingTreeIsMarkedDestroyingBeforeItsOwnDestructorRuns)
{
    std::vector<std::string> log;
    auto* owner = new TComponent(nullptr);
    auto* panel = new TProbe(owner, "panel", log);
    auto* button = new TProbe(panel, "button", log);
    bool panelSaw = false;
    bool buttonSaw = false;
    panel->DestroyingSeen = &panelSaw;
    button->DestroyingSeen = &buttonSaw;

    delete owner;

    EXPECT_TRUE(panelSaw);
    EXPECT_TRUE(buttonSaw);
}

TEST(Component, NamesAreUniqueAmongSiblingsWithoutRegardToCase)
{
    TComponent owner(nullptr);
    auto* first = new TComponent(&owner);
    auto* second = new TComponent(&owner);
    first->SetName("Edit1");

    EXPECT_THROW(second->SetName("edit1"), EComponentError);
    EXPECT_EQ(second->GetName(), "");
    first->SetName("EDIT1");  // its own name in other letters
    EXPECT_EQ(owner.FindComponent("edit1"), first);
    EXPECT_EQ(owner.FindComponent(""), nullptr);
    new TComponent(&owner);  // any number of unnamed components

    TComponent otherOwner(nullptr);
    auto* elsewhere = new TComponent(&otherOwner);
    elsewhere->SetName("Edit1");
    EXPECT_THROW(owner.InsertComponent(elsewhere), EComponentError);
    EXPECT_EQ(elsewhere->Owner(), &otherOwner);

    try {
        second->SetName("Edit1");
        FAIL();
    } catch (const EComponentError& e) {
        EXPECT_EQ(e.Message(), "A component named Edit1 already exists");
    }
}

TEST(Component, NamesMustBeIdentifiers)
{
    TComponent component(nullptr);
    for (const char* name : {"1st", "my name", "a-b", "é"})
        EXPECT_THROW(component.SetName(name), EComponentError) << name;
    for (const char* name : {"_x", "Button1", "a", ""}) {
        component.SetName(name);
        EXPECT_EQ(component.GetName(), name);
    }
}

TEST(Component, InsertComponentMovesBetweenOwnersAndRefusesCycles)
{
    std::vector<std::string> log;
    TComponent first(nullptr);
    TComponent second(nullptr);
    auto* moving = new TProbe(&first, "moving", log);
    auto* child = new TComponent(moving);

    second.InsertComponent(moving);

    EXPECT_EQ(first.ComponentCount(), 0);
    EXPECT_EQ(second.ComponentCount(), 1);
    EXPECT_EQ(moving->Owner(), &second);
    EXPECT_THROW(child->InsertComponent(moving), EInvalidOperation);
    EXPECT_THROW(moving->InsertComponent(moving), EInvalidOperation);
    EXPECT_EQ(moving->Owner(), &second);

    first.RemoveComponent(moving);  // not first's: left alone
    EXPECT_EQ(moving->Owner(), &second);
    second.RemoveComponent(moving);
    EXPECT_EQ(moving->Owner(), nullptr);
    delete moving;
}

TEST(Component, ComponentsIndexIsChecked)
{
    TComponent owner(nullptr);
    new TComponent(&owner);
    EXPECT_THROW(owner.Components(1), EListError);
    EXPECT_THROW(owner.Components(-1), EListError);
}

TEST(Component, LoadingMarksTheTreeAndLoadedRunsOwnerFirst)
{
    std::vector<std::string> log;
    TProbe form(nullptr, "form", log);
    form.BeginLoading();
    auto* first = new TProbe(&form, "first", log);
    auto* second = new TProbe(first, "second", log);
    EXPECT_TRUE(second->ComponentState().Contains(csLoading));

    form.EndLoading();
    form.EndLoading();  // nothing left loading

    EXPECT_EQ(log, (std::vector<std::string>{"form loaded", "first loaded", "second loaded"}));
    EXPECT_FALSE(second->ComponentState().Contains(csLoading));
}

TEST(Component, DesigningReachesComponentsInsertedLater)
{
    TComponent form(nullptr);
    form.SetDesigning(true);
    auto* child = new TComponent(&form);
    EXPECT_TRUE(child->ComponentState().Contains(csDesigning));
    form.SetDesigning(false);
    EXPECT_FALSE(child->ComponentState().Contains(csDesigning));
}

namespace skelda_test_names {
class TSettingsA : public TPersistent {};
class TSettingsB : public TPersistent {};
}  // namespace skelda_test_names

TEST(Persistent, UnsupportedAssignNamesBothClasses)
{
    skelda_test_names::TSettingsA a;
    skelda_test_names::TSettingsB b;
    EXPECT_EQ(a.ClassName(), "TSettingsA");
    try {
        b.Assign(a);
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Cannot assign a TSettingsA to a TSettingsB");
    }
}
