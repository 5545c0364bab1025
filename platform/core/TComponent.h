#pragma once

#include "platform/core/TPersistent.h"
#include "platform/core/TSet.h"

#include <cstdint>
#include <string>
#include <vector>

namespace plat {

enum TOperation { opInsert, opRemove };

enum TComponentStateItem { csLoading, csDesigning, csDestroying };
using TComponentState = TSet<TComponentStateItem>;

// A named object with an owner. The owner keeps its components in order of creation and deletes
// them, newest first, when it is destroyed; every other party holds plain pointers and learns of
// a removal through Notification.
//
// Ownership rule: a component with an owner is created with new and deleted only by its owner
// (directly or through its destructor). Deleting a component removes it from its owner first.
//
// Unlike the widget library, C++ has no fully formed object while a base class is being built
// or torn down: Notification(opInsert) reaches the owner from the new component's TComponent
// constructor, and a component deleted directly is announced from its TComponent destructor.
// Receivers therefore compare pointers and use nothing beyond the TComponent part of the
// component named in a notice. Components deleted by their owner are announced while still whole.
class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;

    TComponent* Owner() const { return FOwner; }
    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    // Raises EListError for an index outside 0 .. ComponentCount() - 1.
    TComponent* Components(int Index) const;
    // The owned component of that name (compared without regard to case), or nullptr.
    TComponent* FindComponent(const std::string& AName) const;

    // Moves AComponent under this owner (out of its former owner, if any) and sends
    // Notification(AComponent, opInsert). Raises EComponentError when its name is taken here
    // and EInvalidOperation when it would come to own itself.
    void InsertComponent(TComponent* AComponent);
    // Sends Notification(AComponent, opRemove) and releases AComponent without deleting it.
    // A component not owned by this one is left alone.
    void RemoveComponent(TComponent* AComponent);
    // Deletes every owned component, newest first, notifying each removal.
    void DestroyComponents();

    const std::string& GetName() const { return FName; }
    // An empty name or an identifier unique among the owner's components; raises EComponentError
    // otherwise.
    void SetName(const std::string& NewName);
    std::intptr_t GetTag() const { return FTag; }
    void SetTag(std::intptr_t Value) { FTag = Value; }

    TComponentState ComponentState() const { return FComponentState; }
    // Marks this component and, below it, every owned one as being destroyed, so that their
    // events can stay silent. The destructor does it anyway; a derived destructor whose own
    // work could raise owner events calls it first.
    void Destroying();

    // Asks to be told, by Notification(AComponent, opRemove), when AComponent is destroyed, and
    // tells AComponent in turn when this one is. Components of the same owner need not ask:
    // the owner tells all its components of each removal.
    void FreeNotification(TComponent* AComponent);
    void RemoveFreeNotification(TComponent* AComponent);

    // Loading of a component tree built in code: BeginLoading puts csLoading on this component
    // and those it owns; EndLoading calls Loaded on each of them, this one first and the owned
    // ones in order of creation.
    void BeginLoading();
    void EndLoading();

    // Puts this component and those it owns in (or out of) design mode (csDesigning).
    void SetDesigning(bool Value);

protected:
    // Told of components inserted into or removed from this one, and of the destruction of
    // components this one asked FreeNotification for. Passes each notice on to every owned
    // component; overrides call the inherited one.
    virtual void Notification(TComponent* AComponent, TOperation Operation);
    // Called once the component's properties are all set; clears csLoading.
    virtual void Loaded();

private:
    void ValidateRename(TComponent* AComponent, const std::string& CurName,
                        const std::string& NewName) const;
    void Insert(TComponent* AComponent);
    void Remove(TComponent* AComponent);
    void LoadedTree();

    TComponent* FOwner = nullptr;
    std::vector<TComponent*> FComponents;
    std::vector<TComponent*> FFreeNotifies;
    std::string FName;
    std::intptr_t FTag = 0;
    TComponentState FComponentState;
};

}  // namespace plat
