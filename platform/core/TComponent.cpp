#include "platform/core/TComponent.h"

#include "platform/core/Exception.h"
#include "platform/core/Utf8.h"

#include <algorithm>

namespace plat {

namespace {

bool IsValidIdent(const std::string& s)
{
    const auto isAlpha = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
    const auto isAlnum = [&](char c) { return isAlpha(c) || (c >= '0' && c <= '9'); };
    return !s.empty() && isAlpha(s.front()) && std::all_of(s.begin() + 1, s.end(), isAlnum);
}

}  // namespace

TComponent::TComponent(TComponent* AOwner)
{
    if (AOwner)
        AOwner->InsertComponent(this);
}

TComponent::~TComponent()
{
    Destroying();
    // Each link is cut on both sides before the notice goes out, so an override that does not
    // call the inherited Notification still cannot keep a pointer to this component.
    while (!FFreeNotifies.empty()) {
        TComponent* other = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        std::erase(other->FFreeNotifies, this);
        other->Notification(this, opRemove);
    }
    DestroyComponents();
    if (FOwner)
        FOwner->RemoveComponent(this);
}

TComponent* TComponent::Components(int Index) const
{
    if (Index < 0 || Index >= ComponentCount())
        throw EListError("List index out of bounds (%d)", {Index});
    return FComponents[static_cast<std::size_t>(Index)];
}

TComponent* TComponent::FindComponent(const std::string& AName) const
{
    if (AName.empty())
        return nullptr;
    for (TComponent* component : FComponents)
        if (Utf8SameText(component->FName, AName))
            return component;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* AComponent)
{
    if (!AComponent)
        throw EInvalidArgument("Cannot insert a nil component");
    if (AComponent->FOwner == this)
        return;
    for (const TComponent* owner = this; owner; owner = owner->FOwner)
        if (owner == AComponent)
            throw EInvalidOperation("A component cannot own itself");
    ValidateRename(AComponent, "", AComponent->FName);
    if (AComponent->FOwner)
        AComponent->FOwner->RemoveComponent(AComponent);
    Insert(AComponent);
    if (FComponentState.Contains(csDesigning))
        AComponent->SetDesigning(true);
    if (FComponentState.Contains(csLoading))
        AComponent->BeginLoading();
    Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent)
{
    if (!AComponent || AComponent->FOwner != this)
        return;
    Notification(AComponent, opRemove);
    Remove(AComponent);
}

void TComponent::DestroyComponents()
{
    while (!FComponents.empty()) {
        TComponent* instance = FComponents.back();
        instance->Destroying();
        RemoveComponent(instance);
        delete instance;
    }
}

void TComponent::SetName(const std::string& NewName)
{
    if (NewName == FName)
        return;
    if (!NewName.empty() && !IsValidIdent(NewName))
        throw EComponentError("Component name \"%s\" is not valid", {NewName});
    if (FOwner)
        FOwner->ValidateRename(this, FName, NewName);
    FName = NewName;
}

void TComponent::Destroying()
{
    if (FComponentState.Contains(csDestroying))
        return;
    FComponentState.Include(csDestroying);
    for (TComponent* component : FComponents)
        component->Destroying();
}

void TComponent::FreeNotification(TComponent* AComponent)
{
    if (!AComponent || AComponent == this)
        return;
    // A component on its way out would be gone before it could be told anything.
    if (FComponentState.Contains(csDestroying) || AComponent->FComponentState.Contains(csDestroying))
        return;
    if (FOwner && AComponent->FOwner == FOwner)
        return;
    if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent) == FFreeNotifies.end()) {
        FFreeNotifies.push_back(AComponent);
        AComponent->FFreeNotifies.push_back(this);
    }
}

void TComponent::RemoveFreeNotification(TComponent* AComponent)
{
    if (!AComponent)
        return;
    std::erase(FFreeNotifies, AComponent);
    std::erase(AComponent->FFreeNotifies, this);
}

void TComponent::BeginLoading()
{
    FComponentState.Include(csLoading);
    for (TComponent* component : FComponents)
        component->BeginLoading();
}

void TComponent::EndLoading()
{
    LoadedTree();
}

void TComponent::SetDesigning(bool Value)
{
    if (Value)
        FComponentState.Include(csDesigning);
    else
        FComponentState.Exclude(csDesigning);
    for (TComponent* component : FComponents)
        component->SetDesigning(Value);
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == opRemove && AComponent)
        RemoveFreeNotification(AComponent);
    // A notified component may remove others from the list; walk it so that none is skipped
    // and none is reached after it has left.
    for (int i = ComponentCount() - 1; i >= 0;) {
        FComponents[static_cast<std::size_t>(i)]->Notification(AComponent, Operation);
        i = std::min(i - 1, ComponentCount() - 1);
    }
}

void TComponent::Loaded()
{
    FComponentState.Exclude(csLoading);
}

void TComponent::ValidateRename(TComponent* AComponent, const std::string& CurName,
                                const std::string& NewName) const
{
    if (NewName.empty() || (!CurName.empty() && Utf8SameText(CurName, NewName)))
        return;
    const TComponent* existing = FindComponent(NewName);
    if (existing && existing != AComponent)
        throw EComponentError("A component named %s already exists", {NewName});
}

void TComponent::Insert(TComponent* AComponent)
{
    FComponents.push_back(AComponent);
    AComponent->FOwner = this;
}

void TComponent::Remove(TComponent* AComponent)
{
    std::erase(FComponents, AComponent);
    AComponent->FOwner = nullptr;
}

void TComponent::LoadedTree()
{
    if (FComponentState.Contains(csLoading))
        Loaded();
    for (std::size_t i = 0; i < FComponents.size(); ++i)
        FComponents[i]->LoadedTree();
}

}  // namespace plat
