#include "core/component.h"

#include <algorithm>

#include "core/case_mapping.h"

namespace tessorin {
namespace {

void Erase(std::vector<TComponent*>& list, TComponent* item) {
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

} // namespace

TComponent::TComponent(TComponent* owner) {
    if (owner)
        owner->InsertComponent(this);
}

TComponent::~TComponent() {
    NotifyDestruction();
    while (!FComponents.empty())
        delete FComponents.back();
    if (FOwner)
        FOwner->RemoveComponent(this);
}

TComponent* TComponent::FindComponent(const std::u16string& name) const {
    for (auto* child : FComponents)
        if (SameText(child->Name(), name))
            return child;
    return nullptr;
}

void TComponent::NotifyDestruction() {
    FDestroying = true;
    // Each listener is unlinked before it is told, so that it may unregister
    // itself or others, or be destroyed by another listener, meanwhile.
    while (!FFreeNotifies.empty()) {
        TComponent* listener = FFreeNotifies.front();
        FFreeNotifies.erase(FFreeNotifies.begin());
        Erase(listener->FFreeNotifies, this);
        listener->Notification(this, TOperation::opRemove);
    }
}

void TComponent::FreeNotification(TComponent* other) {
    // Links are both ways; one to a component on its way out would dangle.
    if (!other || other == this || FDestroying || other->FDestroying)
        return;
    if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), other) == FFreeNotifies.end()) {
        FFreeNotifies.push_back(other);
        other->FFreeNotifies.push_back(this);
    }
}

void TComponent::RemoveFreeNotification(TComponent* other) {
    Erase(FFreeNotifies, other);
    if (other)
        Erase(other->FFreeNotifies, this);
}

void TComponent::Notification(TComponent*, TOperation) {}

void TComponent::InsertComponent(TComponent* child) {
    child->FOwner = this;
    FComponents.push_back(child);
    Notification(child, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* child) {
    Notification(child, TOperation::opRemove);
    Erase(FComponents, child);
    child->FOwner = nullptr;
}

} // namespace tessorin
